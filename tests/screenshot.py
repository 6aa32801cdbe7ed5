#!/usr/bin/env python3
"""What a screen shows, read back pixel by pixel: an X server's xwd dump (`xwd -root`, or of a
window) or a browser's PNG screenshot, as rows of (r, g, b); and a dump as a PNG for a person to
look at.

    screenshot.py DUMP.xwd OUT.png [GEOMETRY [ABOVE]]
                                        the dump as a PNG; with GEOMETRY (X=, Y=, WIDTH=, HEIGHT=
                                        lines), only that area and ABOVE pixels over it (a title)
    import screenshot; screenshot.read(path) -> (width, height, pixel(x, y))
"""
import os
import struct
import sys
import zlib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))
from ico_from_pngs import png_rows  # noqa: E402


def read(path):
    """The picture's width, height, and a function giving the (r, g, b) of a pixel."""
    with open(path, "rb") as f:
        data = f.read()
    if data.startswith(PNG_SIGNATURE):
        return read_png(path, data)
    header = struct.unpack(">25I", data[:100])
    (header_size, _version, pixmap_format, _depth, width, height, _xoffset, byte_order,
     _unit, _bit_order, _pad, bits_per_pixel, bytes_per_line, _visual, red_mask, green_mask,
     blue_mask, _bits_per_rgb, _entries, colours) = header[:20]
    if pixmap_format != 2 or bits_per_pixel not in (24, 32):
        sys.exit(f"{path}: a {bits_per_pixel}-bit dump in format {pixmap_format}, not a true-colour ZPixmap")
    pixels = header_size + 12 * colours
    size = bits_per_pixel // 8
    little = byte_order == 0

    def shift(mask):
        return (mask & -mask).bit_length() - 1

    shifts = [(m, shift(m)) for m in (red_mask, green_mask, blue_mask)]

    def pixel(x, y):
        at = pixels + y * bytes_per_line + size * x
        value = int.from_bytes(data[at:at + size], "little" if little else "big")
        return tuple((value & m) >> s for m, s in shifts)

    return width, height, pixel


PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def read_png(path, data):
    """An 8-bit RGB or RGBA PNG, not interlaced, as browsers write their screenshots."""
    try:
        width, _height, size, rows = png_rows(data)
    except AssertionError as refused:
        sys.exit(f"{path}: {refused}")

    def pixel(x, y):
        return tuple(rows[y][x * size:x * size + 3])

    return width, len(rows), pixel


def write_png(path, width, height, pixel):
    rows = b"".join(b"\0" + bytes(c for x in range(width) for c in pixel(x, y)) for y in range(height))
    chunk = lambda tag, body: (struct.pack(">I", len(body)) + tag + body
                               + struct.pack(">I", zlib.crc32(tag + body) & 0xFFFFFFFF))
    with open(path, "wb") as out:
        out.write(PNG_SIGNATURE + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
                  + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    if len(sys.argv) not in (3, 4, 5):
        sys.exit(__doc__)
    width, height, pixel = read(sys.argv[1])
    if len(sys.argv) >= 4:
        area = dict(line.split("=") for line in open(sys.argv[3]).read().split() if "=" in line)
        above = int(sys.argv[4]) if len(sys.argv) == 5 else 0
        x0, y0 = int(area["X"]), max(0, int(area["Y"]) - above)
        width, height = int(area["WIDTH"]), int(area["Y"]) + int(area["HEIGHT"]) - y0
        write_png(sys.argv[2], width, height, lambda x, y: pixel(x0 + x, y0 + y))
    else:
        write_png(sys.argv[2], width, height, pixel)
