#!/usr/bin/env python3
"""The spoken screens' sentences with the time each starts in its recording, as a C++ table for
the game (game/spoken_captions.h), from what tools/caption-times found and kept beside the
recordings.

    captions_table.py CAPTIONS_FOLDER OUTPUT.cpp

CAPTIONS_FOLDER holds NAME.txt for Spanish and FOLDER/NAME.txt for each other language (en, pt,
fr), a line a sentence: its start in milliseconds, a tab, the sentence. A line that does not
read so, or times that go backwards, stop the build: a caption out of step is worse than none."""
import pathlib
import sys

FOLDERS = {"": "Spanish", "en": "English", "pt": "Portuguese", "fr": "French"}


def literal(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def sentences_of(path):
    timed = []
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        start, tab, sentence = line.partition("\t")
        if not tab or not start.isdigit() or not sentence.strip():
            sys.exit(f"{path}:{number}: not a start in milliseconds, a tab and a sentence")
        if timed and int(start) < timed[-1][0]:
            sys.exit(f"{path}:{number}: starts before the sentence above it")
        timed.append((int(start), sentence.strip()))
    if not timed:
        sys.exit(f"{path}: no sentence")
    return timed


def main():
    folder, output = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    arrays, entries = [], []
    for sub, language in FOLDERS.items():
        for path in sorted((folder / sub).glob("*.txt")):
            name = f"{language}_{path.stem}"
            rows = ",\n".join(f"    {{{start}, {literal(text)}}}" for start, text in sentences_of(path))
            arrays.append(f"constexpr TimedSentence {name}[] = {{\n{rows},\n}};\n")
            entries.append(f"    {{Language::{language}, \"{path.stem}\", {name}}},")
    output.write_text(
        "// Made by tools/captions_table.py from assets/captions: edit those, not this.\n"
        "#include \"game/spoken_captions.h\"\n\nnamespace tintineables {\n\nnamespace {\n\n"
        + "\n".join(arrays)
        + "\n} // namespace\n\nconst std::vector<RecordingCaptions>& AllRecordingCaptions() {\n"
        "    static const std::vector<RecordingCaptions> all = {\n"
        + "\n".join(entries)
        + "\n    };\n    return all;\n}\n\n} // namespace tintineables\n",
        encoding="utf-8")


if __name__ == "__main__":
    main()
