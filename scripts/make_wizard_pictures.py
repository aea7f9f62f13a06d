#!/usr/bin/env python3
"""Draws the wizard's pictures: the program icon (32x32 and 16x16, 256 colours)
and the logo bitmap (88x31, 16 colours).

ImageMagick renders and quantises; this script packs the palette formats that
the resource compiler takes, so the files stay exactly as the pages expect.
Run it again after changing a drawing; the results are committed in resources/.
"""
import os
import struct
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
RESOURCES = os.path.join(HERE, "..", "resources")


def render(size, draw, colors):
    """RGBA rows of an ImageMagick drawing, quantised to `colors` colours."""
    w, h = size
    cmd = ["convert", "-size", "%dx%d" % (w, h), "xc:none"] + draw + [
        "-alpha", "on", "+dither", "-colors", str(colors), "-depth", "8", "RGBA:-"]
    raw = subprocess.run(cmd, check=True, stdout=subprocess.PIPE).stdout
    assert len(raw) == w * h * 4, (len(raw), w, h)
    return [[tuple(raw[(y * w + x) * 4:(y * w + x) * 4 + 4]) for x in range(w)] for y in range(h)]


def palette_of(rows, limit, background):
    """Opaque colours in first-seen order; transparent pixels take `background`."""
    pal = []
    index_rows = []
    for row in rows:
        out = []
        for r, g, b, a in row:
            c = (r, g, b) if a >= 128 else background
            if c not in pal:
                pal.append(c)
            out.append(pal.index(c))
        index_rows.append(out)
    assert len(pal) <= limit, "%d colours > %d" % (len(pal), limit)
    return pal + [(0, 0, 0)] * (limit - len(pal)), index_rows


def pack_rows(index_rows, bits):
    """Bottom-up rows of palette indices, each padded to four bytes."""
    data = b""
    for row in reversed(index_rows):
        bits_str = "".join(format(i, "0%db" % bits) for i in row)
        bits_str += "0" * (-len(bits_str) % 32)
        data += int(bits_str, 2).to_bytes(len(bits_str) // 8, "big") if bits_str else b""
    return data


def bitmap_info(w, h, bits, colours, image_size):
    return struct.pack("<IiiHHIIiiII", 40, w, h, 1, bits, 0, image_size, 2835, 2835, colours, 0)


def write_bmp(path, rows, colours, bits):
    h, w = len(rows), len(rows[0])
    pal, idx = palette_of(rows, colours, (255, 255, 255))
    pixels = pack_rows(idx, bits)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in pal)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(header + bitmap_info(w, h, bits, colours, len(pixels)) + palette + pixels)


def icon_image(rows):
    h, w = len(rows), len(rows[0])
    pal, idx = palette_of(rows, 256, (0, 0, 0))
    xor = pack_rows(idx, 8)
    mask = pack_rows([[0 if a >= 128 else 1 for (_, _, _, a) in row] for row in rows], 1)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in pal)
    return bitmap_info(w, h * 2, 8, 256, len(xor) + len(mask)) + palette + xor + mask


def write_ico(path, images):
    entries, blobs = b"", b""
    offset = 6 + 16 * len(images)
    for rows in images:
        blob = icon_image(rows)
        h, w = len(rows), len(rows[0])
        entries += struct.pack("<BBBBHHII", w, h, 0, 0, 1, 8, len(blob), offset + len(blobs))
        blobs += blob
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(images)) + entries + blobs)


def maze_icon(size):
    """A framed picture with a maze path through it."""
    s = size / 32.0
    def px(v):
        return "%d" % round(v * s)
    frame = ["-fill", "#1d4e9e", "-stroke", "#0d2c63", "-strokewidth", px(1),
             "-draw", "roundrectangle %s,%s %s,%s %s,%s" % (px(1), px(1), px(30), px(30), px(5), px(5))]
    path = ["-fill", "none", "-stroke", "#f2f6ff", "-strokewidth", px(3),
            "-draw", "polyline %s,%s %s,%s %s,%s %s,%s %s,%s %s,%s %s,%s" % (
                px(7), px(8), px(24), px(8), px(24), px(16), px(10), px(16), px(10), px(24),
                px(19), px(24), px(19), px(27))]
    goal = ["-fill", "#f0b020", "-stroke", "#a06000", "-strokewidth", px(1),
            "-draw", "circle %s,%s %s,%s" % (px(7), px(8), px(9.5), px(8))]
    return frame + path + goal


def logo():
    return (["-fill", "#f4f4f4", "-draw", "rectangle 0,0 87,30"] +
            ["-fill", "#1d4e9e", "-draw", "roundrectangle 2,3 26,27 4,4"] +
            ["-fill", "none", "-stroke", "#f2f6ff", "-strokewidth", "2",
             "-draw", "polyline 6,8 21,8 21,15 9,15 9,22 17,22 17,25"] +
            ["-stroke", "none", "-fill", "#f0b020", "-draw", "circle 6,8 8,8"] +
            ["-fill", "#1d4e9e", "-font", "DejaVu-Sans-Condensed-Bold", "-pointsize", "10.5",
             "-draw", "text 29,14 'Pictomaze'"] +
            ["-fill", "#505050", "-font", "DejaVu-Sans-Condensed", "-pointsize", "8",
             "-draw", "text 30,25 'Version 4.58'"])


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else RESOURCES
    write_ico(os.path.join(out, "setup.ico"),
              [render((32, 32), maze_icon(32), 255), render((16, 16), maze_icon(16), 255)])
    write_bmp(os.path.join(out, "logo.bmp"), render((88, 31), logo(), 16), 16, 4)


if __name__ == "__main__":
    main()
