#!/usr/bin/env python3
"""What a screenshot shows of the board, read back pixel by pixel against the board written out.

    board_seen.py SHOT.xwd GEOMETRY PICTURE COLOURS [curtain]

GEOMETRY is the window's client area as `xdotool getwindowgeometry --shell` prints it (X, Y,
WIDTH, HEIGHT). PICTURE is the board as seven rows of seven, top row first, rows apart by '/', one character a
place: ' ' or '.' off the cross, 'p' a peg, 'e' an empty hole, 'l' the hole a peg was lifted
from; the cursor's hole in upper case. COLOURS are the colours expected, as
board=#000000,peg=#ffffff,hole=#ffffff,lifted=#00e5ff,cursor=#ffd000,mark=#b0b0b0 (text= and
key= for a spoken screen's keys, PICTURE "keys" then). The cross
stands in the middle of the area, its cells a seventh of the shorter side; in an area taller
than wide (a board with its captions under the cross), at its top.

Checked, hole by hole: the colour at its centre (the peg's, the board's through an empty ring,
the lifted mark's) and on its ring; the square around the centre; the cursor's ring around its
hole alone, at least 3 pixels thick; and the contrast of pegs, rings and cursor against the
board, computed from the pixels read. With "curtain": every pixel of the area is black.
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import screenshot  # noqa: E402


def luminance(rgb):
    def linear(v):
        s = v / 255
        return s / 12.92 if s <= 0.04045 else ((s + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(v) for v in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = luminance(a) + 0.05, luminance(b) + 0.05
    return max(la, lb) / min(la, lb)


def colour(text):
    return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))


def near(seen, wanted, tolerance=40):
    return all(abs(s - w) <= tolerance for s, w in zip(seen, wanted))


def keys_shown(pixel, x0, y0, w, h, palette):
    """A spoken screen's keys: in each of the first row's two buttons, the key's colour and the
    frame's, each standing out from the board."""
    failures = []
    for half in (0, 1):
        box = [(x, y) for y in range(y0, y0 + h // 7) for x in range(x0 + half * w // 2, x0 + (half + 1) * w // 2, 2)]
        keys = sum(1 for p in box if near(pixel(*p), palette["key"], 30))
        frame = sum(1 for p in box if near(pixel(*p), palette["text"], 30))
        if keys < 30 or frame < 100:
            failures.append(f"the keys' button {half + 1}: {keys} pixels of the key's colour, {frame} of the frame's")
    if not failures:
        ratio = contrast(palette["key"], pixel(x0 + w // 2, y0 + h - 2))
        print(f"ok   the screen's keys as buttons, the keys {ratio:.1f}:1 against the board")
        if ratio < 4.5:
            failures.append(f"the keys {ratio:.1f}:1 against the board")
    return failures


def main(shot, geometry, picture, colours, curtain=False):
    width, height, pixel = screenshot.read(shot)
    area = dict(line.split("=") for line in open(geometry).read().split() if "=" in line)
    x0, y0, w, h = (int(area[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))
    failures = []
    least = None  # the lowest contrast of a peg against the board, from the pixels
    if curtain:
        lit = [(x, y) for y in range(y0, y0 + h, 3) for x in range(x0, x0 + w, 3)
               if pixel(x, y) != (0, 0, 0)]
        if lit:
            failures.append(f"the curtain: {len(lit)} pixels not black, first at {lit[0]}: {pixel(*lit[0])}")
        return failures
    palette = {name: colour(value) for name, value in (c.split("=") for c in colours.split(","))}
    if picture == "keys":
        return keys_shown(pixel, x0, y0, w, h, palette)
    rows = picture.split("/")
    cell = min(w, h) / 7
    left = x0 + (w - 7 * cell) / 2
    top = y0 + (h - 7 * cell) / 2 if h <= w else y0  # a taller board: its captions below
    for row in range(7):
        for column in range(7):
            what = rows[row][column]
            if what in " .":
                continue
            cx = left + (column + 0.5) * cell
            cy = top + (row + 0.5) * cell
            at = lambda r, angle=0.0: pixel(int(round(cx + r * cell * math.cos(angle))),
                                           int(round(cy + r * cell * math.sin(angle))))
            place = f"row {7 - row}, column {column + 1}"
            state = what.lower()
            centre_wanted = {"p": "peg", "e": "board", "l": "lifted"}[state]
            if not near(at(0), palette[centre_wanted]):
                failures.append(f"{place}: {at(0)} at the centre, not the {centre_wanted}'s {palette[centre_wanted]}")
            ring_wanted = "peg" if state == "p" else "hole"
            if not near(at(0.30), palette[ring_wanted]):
                failures.append(f"{place}: {at(0.30)} on the ring, not the {ring_wanted}'s {palette[ring_wanted]}")
            # The square's right side, off the middle: clear of the cursor's ring, which on a
            # phone's small cells comes within a pixel of the side's middle; the pixel across
            # the line nearest the mark's colour (a 2-pixel line between pixels is half in each).
            across = range(int(cx + 0.36 * cell), int(cx + 0.44 * cell) + 1)
            side = min((pixel(x, int(round(cy + 0.35 * cell))) for x in across),
                       key=lambda rgb: sum(abs(a - b) for a, b in zip(rgb, palette["mark"])))
            if (row, column) == (3, 3) and not near(side, palette["mark"], 60):
                failures.append(f"the centre: no square around it ({side})")
            is_cursor = what.isupper()
            for angle in (0, math.pi / 2, math.pi, 3 * math.pi / 2):
                seen = at(0.455, angle)
                if is_cursor and not near(seen, palette["cursor"]):
                    failures.append(f"{place}: the cursor's ring missing at {angle:.1f} rad ({seen})")
                    break
                if not is_cursor and not near(seen, palette["board"]):
                    failures.append(f"{place}: a ring where the cursor is not ({seen})")
                    break
            if is_cursor:
                thick = sum(1 for step in range(int(0.38 * cell), int(0.56 * cell))
                            if near(pixel(int(cx + step), int(cy)), palette["cursor"]))
                if thick < 3:
                    failures.append(f"{place}: the cursor's ring {thick} pixels thick")
                # Past the ring, short of the next hole, on the side within the cross.
                board = at(0.58, math.pi if column == 6 else 0.0)
                ratio = contrast(at(0.455), board)
                print(f"ok   the cursor on {place}, {thick} pixels thick, {ratio:.1f}:1 against the board")
                if ratio < 3:
                    failures.append(f"the cursor {ratio:.1f}:1 against the board")
            if state == "p" and (row, column) != (3, 3):
                ratio = contrast(at(0), at(0.55, math.pi / 4))
                least = ratio if least is None else min(least, ratio)
                if ratio < 4.5:
                    failures.append(f"{place}: the peg {ratio:.1f}:1 against the board")
    if not failures:
        print(f"ok   every hole as written out; pegs at least {least:.1f}:1 against the board")
    return failures


if __name__ == "__main__":
    if len(sys.argv) not in (5, 6):
        sys.exit(__doc__)
    found = main(*sys.argv[1:5], curtain=len(sys.argv) == 6 and sys.argv[5] == "curtain")
    for failure in found:
        print(f"FAIL: {failure}")
    sys.exit(1 if found else 0)
