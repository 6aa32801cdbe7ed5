#!/usr/bin/env python3
"""The spoken screens' sentence times (assets/captions/, made by tools/caption-times) held to the
recordings and their texts: for every language and each of the six screens' recordings, the
sentences are the ones tools/make-recordings speaks, in its order, word for word (a text
changed without its times made again fails here); each starts later than the one before it and
within the recording.

    caption_times_check.py ROOT
"""
import os
import runpy
import sys
import types
import wave


def main(root):
    tool = types.SimpleNamespace(**runpy.run_path(os.path.join(root, "tools", "caption-times")))
    failures = 0
    for code, (_, _, folder) in tool.LANGUAGES.items():
        for name, parts in tool.screens(tool.texts_of(code)).items():
            label = f"{code} {name}"
            path = os.path.join(root, "assets", "captions", folder, f"{name}.txt")
            if not os.path.exists(path):
                print(f"FAIL: {label}: no {os.path.relpath(path, root)}")
                failures += 1
                continue
            lines = [line.rstrip("\n").split("\t") for line in open(path, encoding="utf-8")]
            starts = [int(ms) for ms, _ in lines]
            said = [sentence for _, sentence in lines]
            wanted = [s for _, text in parts for s in tool.sentences(text)]
            with wave.open(os.path.join(root, "assets", "sounds", folder, f"{name}.wav")) as w:
                length_ms = w.getnframes() * 1000 // w.getframerate()
            problems = []
            if said != wanted:
                first = next((i for i, (a, b) in enumerate(zip(said, wanted)) if a != b), min(len(said), len(wanted)))
                problems.append(f"sentence {first + 1} is {said[first:first + 1]}, the recording's text has "
                                f"{wanted[first:first + 1]}")
            if any(b <= a for a, b in zip(starts, starts[1:])):
                problems.append("a sentence starts before the one before it")
            if starts and (starts[0] > 2000 or starts[-1] >= length_ms):
                problems.append(f"starts from {starts[0]} to {starts[-1]} ms in {length_ms} ms")
            if problems:
                print(f"FAIL: {label}: " + "; ".join(problems))
                failures += 1
            else:
                print(f"ok   {label}: {len(said)} sentences, the last at {starts[-1] / 1000:.2f} of {length_ms / 1000:.2f} s")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
