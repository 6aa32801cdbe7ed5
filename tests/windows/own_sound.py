#!/usr/bin/env python3
"""The player's own sound as the Windows edition played it under Wine, from the sink's monitor.

    own_sound.py RAW HEARD AUDIO_FIND

The run: the game started with the voice 6 dB and the earcons 9 dB under the recordings' own
level; F2 (a peg's cue), B, F8, the key after 0 (a peg's cue 12 dB under), 8 twice (the voice's
pace then 1.5) and B again. RAW is what the sink played (16-bit stereo at 48 kHz), HEARD the
recordings as Windows decodes them for the game. Heard exactly, sample for sample: the first
sounds at their levels (copies of the recordings made that much quieter here); then B at 1.5
times the pace lasting what its words last at that pace, the pauses between them unchanged, as
loud as before.
"""
import array
import math
import os
import subprocess
import sys
import tempfile
import wave

RATE = 48000
PAUSE = 0.070  # between two words, as every sound player pauses
WORDS = ["voz_quedan.wav", "voz_32.wav", "voz_bolas.wav"]


def samples_of(path):
    with wave.open(path, "rb") as recording:
        return array.array("h", recording.readframes(recording.getnframes()))


def quieter(source, target, db):
    gain = 10 ** (db / 20)
    scaled = array.array("h", (round(s * gain) for s in samples_of(source)))
    with wave.open(target, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(scaled.tobytes())
    return target


def sounds(left, threshold=300, gap=0.25):
    """The output's sounds: (start, end, peak) of each stretch above the threshold, gaps shorter
    than `gap` seconds inside one."""
    found = []
    start = last = None
    for i, s in enumerate(left):
        if abs(s) > threshold:
            if start is None or i - last > gap * RATE:
                if start is not None:
                    found.append((start, last))
                start = i
            last = i
    if start is not None:
        found.append((start, last))
    return [(a, b, max(abs(s) for s in left[a:b + 1])) for a, b in found]


def main(raw, heard, audio_find):
    with open(raw, "rb") as f:
        stereo = array.array("h", f.read())
    left = stereo[0::2]
    work = tempfile.mkdtemp()
    at = lambda name, db: quieter(os.path.join(heard, name), os.path.join(work, f"{db}{name}"), db)
    expected = [at("bola.wav", -9)] + [at(w, -6) for w in WORDS] * 2 + [at("bola.wav", -12)]
    frames = subprocess.run([audio_find, "--in-order", raw, *expected], check=True, text=True,
                            stdout=subprocess.PIPE).stdout.split()
    frames = [int(f) for f in frames]
    names = ["bola.wav at -9 dB", *(f"{w} at -6 dB" for w in WORDS), "(F8) " + WORDS[0], WORDS[1],
             WORDS[2], "bola.wav at -12 dB (the key after 0)"]
    failed = False
    if -1 in frames:
        missing = names[frames.index(-1)]
        print(f"FAIL: own sound: not heard exactly: {missing} (found at {frames})")
        return 1
    print("ok   own sound: the earcons 9 dB down and the voice 6 dB down from the command line, F8 "
          "said B again, the key after 0 took 3 dB more off the earcons: each heard exactly")
    heard_sounds = sounds(left)
    first_b = next(s for s in heard_sounds if s[0] <= frames[1] + RATE // 10 <= s[1])
    after = [s for s in heard_sounds if s[0] > frames[-1] + RATE // 10]
    if len(after) < 3:
        print(f"FAIL: own sound: after the key after 0, {len(after)} sounds, not the two paces and B")
        return 1
    paced_b = after[2]
    span = lambda s: (s[1] - s[0]) / RATE
    wanted = (span(first_b) - 2 * PAUSE) / 1.5 + 2 * PAUSE
    level = 20 * math.log10(paced_b[2] / first_b[2])
    if abs(span(paced_b) - wanted) > wanted * 0.05:
        print(f"FAIL: own sound: B at 1.5 times the pace took {span(paced_b):.3f} s, not {wanted:.3f}")
        failed = True
    elif abs(level) > 1:
        print(f"FAIL: own sound: B at 1.5 times the pace {level:+.1f} dB from B before")
        failed = True
    else:
        print(f"ok   own sound: B at 1.5 times the pace took {span(paced_b):.3f} s "
              f"({span(first_b):.3f} s before), at the same level ({level:+.1f} dB)")
    return 1 if failed else 0


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
