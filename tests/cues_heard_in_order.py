#!/usr/bin/env python3
"""Whether what a sink played (16-bit stereo at 48 kHz, recorded from its monitor) holds a
scenario's cues in order. Every place each cue sounds (audio_find --every) is set beside the
list the scenario must sound, by their longest common subsequence: a sound more is no matter, a
cue left out is a failure. Unless the machine stalled while it played: a host that stops its
guest for longer than the sound server keeps queued empties that queue under every player, and
the cue then broken is the machine's. The probe's stalls (MACHINE_STALLS, "stall SECONDS MS",
seconds since the epoch) are placed against the recording by the moment it started; a cue is
the machine's only when a stall longer than STALL_MS fell between the cues heard either side
of it.
usage: cues_heard_in_order.py NAME AUDIO_FIND OUTPUT.raw START STALLS STALL_MS CUE.wav...
  START: when the recording started, seconds since the epoch; STALLS: the probe's file, or ""
Prints one line, "ok   NAME: ..." or "FAIL: NAME: ...", and exits 1 on a failure.
"""
import os
import subprocess
import sys

RATE = 48000
SLACK = 0.2  # seconds: the recorder's own start, and the server's queue between stall and sink


def heard_sounds(audio_find, output, cues):
    every = subprocess.run([audio_find, "--every", output, *sorted(set(cues))],
                           capture_output=True, text=True, check=True).stdout
    sounds = [(int(frame), cue) for frame, cue in (line.split(" ", 1) for line in every.splitlines())]
    return sorted(sounds)


def matched(expected, heard):
    """For each expected cue, the index of the heard sound it is, or None: a longest common
    subsequence of the two lists."""
    rows, columns = len(expected), len(heard)
    longest = [[0] * (columns + 1) for _ in range(rows + 1)]
    for i in range(rows - 1, -1, -1):
        for j in range(columns - 1, -1, -1):
            longest[i][j] = (longest[i + 1][j + 1] + 1 if expected[i] == heard[j][1]
                             else max(longest[i + 1][j], longest[i][j + 1]))
    found, i, j = [None] * rows, 0, 0
    while i < rows and j < columns:
        if expected[i] == heard[j][1]:
            found[i] = j
            i, j = i + 1, j + 1
        elif longest[i + 1][j] >= longest[i][j + 1]:
            i += 1
        else:
            j += 1
    return found


def heard_between(heard, since, until):
    """What was heard from SINCE to UNTIL (frames), for a failure's message: a cue heard out of
    its place, or none at all, tells a key that came late from a cue that broke."""
    return ", ".join(f"{os.path.basename(cue)} at {frame / RATE:.3f} s"
                     for frame, cue in heard if since <= frame <= until) or "nothing"


def stalls_of(path, longer_than):
    if not path or not os.path.exists(path):
        return []
    with open(path) as lines:
        return [(float(when), float(ms)) for word, when, ms in
                (line.split() for line in lines if line.startswith("stall ")) if float(ms) > longer_than]


def main():
    name, audio_find, output, start, stalls_file, stall_ms = sys.argv[1:7]
    cues = sys.argv[7:]
    heard = heard_sounds(audio_find, output, cues)
    found = matched(cues, heard)
    stalls = stalls_of(stalls_file, float(stall_ms))
    end = os.path.getsize(output) // 4
    excused = []
    for index, at in enumerate(found):
        if at is not None:
            continue
        before = max((heard[j][0] for j in found[:index] if j is not None), default=0)
        after = min((heard[j][0] for j in found[index + 1:] if j is not None), default=end)
        since, until = float(start) + before / RATE - SLACK, float(start) + after / RATE + SLACK
        stall = next(((when, ms) for when, ms in stalls if since <= when <= until), None)
        cue = os.path.basename(cues[index])
        if stall is None:
            print(f"FAIL: {name}: not heard: {cue}, the {index + 1}th of {len(cues)} sounds, "
                  f"{before / RATE:.3f} s to {after / RATE:.3f} s into the recording, and no stall "
                  f"of the machine then; heard then: {heard_between(heard, before, after)}")
            return 1
        excused.append(f"{cue} ({index + 1}th; the machine stalled {stall[1]:.0f} ms at "
                       f"{stall[0] - float(start):.3f} s)")
    if excused:
        print(f"ok   {name}: all {len(cues)} sounds heard in order but {len(excused)}, each broken "
              f"while the machine stalled: {'; '.join(excused)}")
    else:
        print(f"ok   {name}: all {len(cues)} sounds heard in order")
    return 0


if __name__ == "__main__":
    sys.exit(main())
