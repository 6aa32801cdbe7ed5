#!/usr/bin/env python3
"""What a screen shows, read back pixel by pixel: an X server's xwd dump (`xwd -root`, or of a
window) or a browser's PNG screenshot, as rows of (r, g, b); and a dump as a PNG for a person to
look at.

    screenshot.py DUMP.xwd OUT.png [GEOMETRY [ABOVE]]
                                        the dump as a PNG; with GEOMETRY (X=, Y=, WIDTH=, HEIGHT=
                                        lines), only that area and ABOVE pixels over it (a title)
    import screenshot; screenshot.read(path) -> (width, height, pixel(x, y))
"""
import struct
import sys
import zlib


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
    at, idat, header = 8, b"", None
    while at < len(data):
        length, tag = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if tag == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif tag == b"IDAT":
            idat += body
        at += 12 + length
    width, height, depth, kind, _compression, _filter, interlace = header
    if depth != 8 or kind not in (2, 6) or interlace:
        sys.exit(f"{path}: a PNG of depth {depth}, colour type {kind}, interlace {interlace}: not read here")
    size = 3 if kind == 2 else 4
    stride = width * size
    raw = zlib.decompress(idat)
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind_of_filter = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        unfilter(kind_of_filter, line, previous, size)
        rows.append(line)
        previous = line

    def pixel(x, y):
        line = rows[y]
        return tuple(line[x * size:x * size + 3])

    return width, height, pixel


def unfilter(kind, line, previous, size):
    """Undoes a PNG row's filter in place (None, Sub, Up, Average, Paeth)."""
    if kind == 1:
        for i in range(size, len(line)):
            line[i] = (line[i] + line[i - size]) & 0xFF
    elif kind == 2:
        for i in range(len(line)):
            line[i] = (line[i] + previous[i]) & 0xFF
    elif kind == 3:
        for i in range(len(line)):
            left = line[i - size] if i >= size else 0
            line[i] = (line[i] + (left + previous[i]) // 2) & 0xFF
    elif kind == 4:
        for i in range(len(line)):
            a = line[i - size] if i >= size else 0
            b = previous[i]
            c = previous[i - size] if i >= size else 0
            p = a + b - c
            pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
            line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 0xFF


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
