#!/usr/bin/env python3
"""The game's icon as Windows wants it, one .ico of every size, from the icon's PNGs
(assets/icons/, which tools/make-icons renders from the SVG): 16, 32 and 48 pixels as bitmaps,
which every part of Windows and of NSIS reads, and 256 as PNG, as Windows keeps its large icons.

    ico_from_pngs.py OUTPUT.ico ICON-16.png ICON-32.png ICON-48.png ICON-256.png"""
import pathlib
import struct
import sys
import zlib


def png_rows(png):
    """An 8-bit RGB or RGBA, non-interlaced PNG: its width, height, bytes per pixel (3 or 4) and
    rows, top first. (The tests read their screenshots with it too.)"""
    assert png[:8] == b'\x89PNG\r\n\x1a\n', 'not a PNG'
    at, data, header = 8, b'', None
    while at < len(png):
        length, kind = struct.unpack('>I4s', png[at:at + 8])
        body = png[at + 8:at + 8 + length]
        if kind == b'IHDR':
            header = struct.unpack('>IIBBBBB', body)
        elif kind == b'IDAT':
            data += body
        at += 12 + length
    width, height, depth, colour, _, _, interlace = header
    assert depth == 8 and colour in (2, 6) and interlace == 0, 'not 8-bit RGB or RGBA, non-interlaced'
    size = 3 if colour == 2 else 4
    raw, stride, rows, previous = zlib.decompress(data), width * size, [], bytearray(width * size)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - size] if i >= size else 0
            up, up_left = previous[i], previous[i - size] if i >= size else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - up_left
                nearest = min((abs(p - left), 0, left), (abs(p - up), 1, up), (abs(p - up_left), 2, up_left))[2]
                line[i] = (line[i] + nearest) & 0xFF
        rows.append(bytes(line))
        previous = line
    return width, height, size, rows


def bitmap(width, height, rows):
    """A 32-bit bitmap as an icon holds it: the header counts the mask's rows too, the pixels are
    BGRA from the bottom row up, then the mask (all shown: the alpha says what is)."""
    pixels = b''.join(bytes(b for i in range(0, len(row), 4) for b in (row[i + 2], row[i + 1], row[i], row[i + 3]))
                      for row in reversed(rows))
    mask = b'\0' * (((width + 31) // 32) * 4 * height)
    return struct.pack('<IiiHHIIiiII', 40, width, height * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0) + pixels + mask


def main():
    output, pngs = pathlib.Path(sys.argv[1]), [pathlib.Path(p).read_bytes() for p in sys.argv[2:]]
    images = []
    for png in pngs:
        width, height, size, rows = png_rows(png)
        assert size == 4, 'an icon PNG without alpha'
        images.append((width, height, png if width >= 256 else bitmap(width, height, rows)))
    offset = 6 + 16 * len(images)
    entries, data = b'', b''
    for width, height, image in images:
        entries += struct.pack('<BBBBHHII', width % 256, height % 256, 0, 0, 1, 32, len(image), offset + len(data))
        data += image
    output.write_bytes(struct.pack('<HHH', 0, 1, len(images)) + entries + data)


if __name__ == '__main__':
    main()
