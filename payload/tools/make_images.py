#!/usr/bin/env python3
"""Draws the payload's pictures: the stand-in viewer's icons and the toolbar skins.

make_images.py OUT_DIR writes OUT_DIR/icons/viewer_01.ico .. viewer_10.ico and
OUT_DIR/Toolbars/<skin>.png. Plain coloured squares, byte for byte the same on
every build, so no picture has to live in the repository.
"""
import os
import struct
import sys
import zlib

# Ten distinct colours: icon n of the viewer is drawn in COLOURS[n - 1].
COLOURS = [(0x2e, 0x6d, 0xb4), (0xd9, 0x53, 0x1e), (0x3c, 0x9d, 0x4e), (0x8e, 0x44, 0xad),
           (0xf1, 0xc4, 0x0f), (0x16, 0xa0, 0x85), (0xc0, 0x39, 0x2b), (0x7f, 0x8c, 0x8d),
           (0xe6, 0x7e, 0x22), (0x34, 0x49, 0x5e)]

SKINS = {"gnome-colors-human_48": 48, "gnome-colors-wise_32": 32, "Kelmoran_24": 24,
         "Tavrin_16": 16, "Classic_16": 16}
BUTTONS = 12  # buttons on one skin strip


def icon(colour, marker, size=16):
    """A 32-bit icon: a filled square with `marker` lighter dots along its top edge."""
    r, g, b = colour
    rows = []
    for y in range(size):  # bottom-up, as bitmaps are stored
        row = bytearray()
        for x in range(size):
            edge = x in (0, size - 1) or y in (0, size - 1)
            dot = y == size - 3 and 2 <= x < 2 + marker
            pixel = (255, 255, 255) if dot else ((r // 2, g // 2, b // 2) if edge else (r, g, b))
            row += bytes((pixel[2], pixel[1], pixel[0], 255))
        rows.append(bytes(row))
    xor = b"".join(rows)
    and_mask = b"\0" * (4 * size)  # 32 bits per row, all opaque
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + xor + and_mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def png(width, height, pixel):
    """An RGB PNG; pixel(x, y) gives the colour."""
    raw = bytearray()
    for y in range(height):
        raw.append(0)
        for x in range(width):
            raw += bytes(pixel(x, y))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xffffffff)

    ihdr = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b"")


def skin(size):
    def pixel(x, y):
        r, g, b = COLOURS[(x // size) % len(COLOURS)]
        inner = 1 <= x % size < size - 1 and 1 <= y < size - 1
        return (r, g, b) if inner else (0xf0, 0xf0, 0xf0)
    return png(size * BUTTONS, size, pixel)


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def main(out):
    for n, colour in enumerate(COLOURS, 1):
        write(os.path.join(out, "icons", "viewer_%02d.ico" % n), icon(colour, n))
    for name, size in SKINS.items():
        write(os.path.join(out, "Toolbars", name + ".png"), skin(size))


if __name__ == "__main__":
    main(sys.argv[1])
