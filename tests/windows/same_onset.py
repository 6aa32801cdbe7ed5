#!/usr/bin/env python3
"""same_onset.py RECORDED DECODED NAME...: each recording NAME in DECODED (16-bit PCM, as
Windows decoded its compressed copy for the game) starts on the same frame as NAME in RECORDED
and is as long: a decoder's delay left in would make every spoken cue late. Prints one
line per file; exits 1 when one is shifted, cut or not the same sound."""
import math
import os
import struct
import sys
import wave

SEARCH = 1200  # frames either side: more than both codec delays together (1105)
COMPARED = 2400  # 50 ms from the first salient sample


def samples(path):
    with wave.open(path, "rb") as recording:
        frames = recording.readframes(recording.getnframes())
    return struct.unpack("<%dh" % (len(frames) // 2), frames)


def main(recorded, decoded_folder, names):
    failed = False
    for name in names:
        original = samples(os.path.join(recorded, name))
        decoded = samples(os.path.join(decoded_folder, name))
        start = next(i for i, s in enumerate(original) if abs(s) > 2000)
        part = original[start:start + COMPARED]

        def error(shift):
            return sum((part[j] - decoded[start + shift + j]) ** 2 for j in range(0, len(part), 3))

        shifts = [s for s in range(-SEARCH, SEARCH + 1)
                  if 0 <= start + s and start + s + len(part) <= len(decoded)]
        best = min(shifts, key=error)
        level = math.sqrt(sum(s * s for s in part[::3]) / len(part[::3]))
        off = math.sqrt(error(best) / len(part[::3]))
        ok = best == 0 and len(decoded) == len(original) and off < 0.2 * level
        failed |= not ok
        print("%s %s: shifted %d frames, %d frames against %d, error %.0f%% of its level"
              % ("ok  " if ok else "FAIL", name, best, len(decoded), len(original), 100 * off / level))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3:]))
