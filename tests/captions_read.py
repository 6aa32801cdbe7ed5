#!/usr/bin/env python3
"""The board's captions as a reader sees them: the band under the cross cut out of a screenshot
and read by tesseract, then held to the lines expected.

    captions_read.py SHOT GEOMETRY LANGUAGE STATUS CAPTION

SHOT is an xwd dump or a PNG, GEOMETRY the window's client area (X=, Y=, WIDTH=, HEIGHT= lines);
the cross is the square at the top of the area, its width, the captions the band below it (or
from TOP= pixels down, when the geometry says so: 0 for a shot of the captions alone).
LANGUAGE is tesseract's (spa, eng, por, fra). STATUS and CAPTION are the words the text mode
gives for the same keys; read back, each must match word for word, letters and digits only,
cases folded (a reader's "·" comes back as ".", ":" or nothing). Prints what was read; exits 1
when it differs.
"""
import os
import re
import subprocess
import sys
import tempfile
import unicodedata

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import screenshot  # noqa: E402


def words(text):
    return re.findall(r"\w+", unicodedata.normalize("NFC", text).casefold())


def read_band(shot, geometry, language):
    _, _, pixel = screenshot.read(shot)
    area = dict(line.split("=") for line in open(geometry).read().split() if "=" in line)
    x0, y0, w, h = (int(area[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))
    top = y0 + int(area.get("TOP", w))
    if top >= y0 + h:
        sys.exit(f"FAIL: no band under the cross: the area is {w} by {h}")
    # Dark letters on white read best: each pixel's brightest channel, turned over.
    def ink(x, y):
        v = 255 - max(pixel(x0 + x, top + y))
        return (v, v, v)
    with tempfile.TemporaryDirectory() as folder:
        band = os.path.join(folder, "band.png")
        screenshot.write_png(band, w, y0 + h - top, ink)
        return subprocess.run(["tesseract", band, "-", "-l", language, "--psm", "6"],
                              capture_output=True, text=True, timeout=60).stdout


def digits_as_read(got, expected):
    """A number's 0 read as the letter O, its 1 as l or I: a reader's known confusions, taken
    back only where a number is expected."""
    return [g.translate(str.maketrans("oli", "011")) if e.isdigit() else g
            for g, e in zip(got, expected)] + got[len(expected):]


def main(shot, geometry, language, status, caption):
    read = read_band(shot, geometry, language)
    lines = [line for line in read.splitlines() if line.strip()]
    print(f"read: {' | '.join(lines)}")
    expected_status, expected_caption = words(status), words(caption)
    got = digits_as_read(words(" ".join(lines)), expected_status + expected_caption)
    if got[:len(expected_status)] != expected_status:
        print(f"FAIL: the status line read {got[:len(expected_status)]}, not {expected_status}")
        return 1
    if got[len(expected_status):] != expected_caption:
        print(f"FAIL: the caption read {got[len(expected_status):]}, not {expected_caption}")
        return 1
    print(f"ok   status \"{status}\", caption \"{caption}\"")
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
