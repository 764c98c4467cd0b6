#!/usr/bin/env python3
"""Draws the main window's artwork: the 205 x 52 banner (24-bit uncompressed BMP) and the
32 x 32, 16-colour window icon (4-bit BMP). Run from the project root; it rewrites both files."""
import struct

OUT = "src/window/forms/artwork/"

# A 5 x 7 pixel alphabet, just the letters the banner needs.
GLYPHS = {
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "S": ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
}


def bmp(width, height, bits, rows, palette=()):
    """rows: bottom-up list of raw row bytes, already padded to 4 bytes."""
    pixels = b"".join(rows)
    offset = 14 + 40 + 4 * len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(pixels), 2835, 2835,
                       len(palette), 0)
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    return header + info + pal + pixels


def tile_colour(x, y, size, colours):
    """A field of diamonds: the pattern the program is named after."""
    u, v = (x + y) // size, (x - y + 1000 * size) // size
    return colours[(u + 2 * v) % len(colours)]


def banner():
    w, h = 205, 52
    tiles = [(0, 64, 160), (0, 128, 192), (64, 160, 224), (255, 192, 0)]
    img = [[tile_colour(x, y, 13, tiles) for x in range(w)] for y in range(h)]
    # A dark band for the name, with the letters in white and a shadow.
    for y in range(8, 44):
        for x in range(44, 200):
            img[y][x] = (0, 0, 64)
    scale, x0, y0 = 4, 54, 12
    for n, ch in enumerate("TESSEL"):
        for gy, row in enumerate(GLYPHS[ch]):
            for gx, bit in enumerate(row):
                if bit != "1":
                    continue
                for dy in range(scale):
                    for dx in range(scale):
                        px, py = x0 + n * 24 + gx * scale + dx, y0 + gy * scale + dy
                        img[py + 1][px + 1] = (0, 0, 0)
                        img[py][px] = (255, 255, 255)
    rows = []
    for y in reversed(range(h)):
        row = b"".join(struct.pack("<BBB", b, g, r) for (r, g, b) in img[y])
        rows.append(row + b"\0" * ((4 - len(row) % 4) % 4))
    return bmp(w, h, 24, rows)


def icon():
    # The sixteen colours of the classic palette.
    palette = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
               (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
               (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
    idx = [[palette.index(tile_colour(x, y, 8, [(0, 0, 128), (0, 128, 128), (0, 255, 255),
                                                (255, 255, 0)])) for x in range(32)]
           for y in range(32)]
    rows = []
    for y in reversed(range(32)):
        row = bytes((idx[y][x] << 4) | idx[y][x + 1] for x in range(0, 32, 2))
        rows.append(row)
    return bmp(32, 32, 4, rows, palette)


open(OUT + "banner.bmp", "wb").write(banner())
open(OUT + "icon.bmp", "wb").write(icon())
