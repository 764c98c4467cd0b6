#!/usr/bin/env python3
"""Draws the application icon for the desktop: a field of diamonds in the window icon's colours
on a rounded square, as PNGs at the hicolor theme's sizes and as an SVG. Run from the project
root; it rewrites data/icons/."""
import struct
import zlib

OUT = "data/icons/"
SIZES = [16, 24, 32, 48, 64, 128, 256]
COLOURS = [(0, 0, 128), (0, 128, 128), (0, 255, 255), (255, 255, 0)]
CELLS = 4        # diamonds across the icon, as in the 32 x 32 window icon
RADIUS = 0.125   # corner radius, as a share of the side


def colour_at(x, y):
    """The diamond tiling: lines x + y and x - y at every cell's width."""
    u, v = int((x + y) * CELLS) // 1, int((x - y + CELLS) * CELLS) // 1
    return COLOURS[(u + 2 * v) % len(COLOURS)]


def inside(x, y):
    """Within the rounded square of side 1."""
    cx = min(max(x, RADIUS), 1 - RADIUS)
    cy = min(max(y, RADIUS), 1 - RADIUS)
    return (x - cx) ** 2 + (y - cy) ** 2 <= RADIUS ** 2


def png(size):
    """Each pixel averages 4 x 4 samples, so edges stay crisp without jagged steps."""
    n = 4
    rows = bytearray()
    for py in range(size):
        rows.append(0)  # no filter
        for px in range(size):
            r = g = b = a = 0
            for sy in range(n):
                for sx in range(n):
                    x, y = (px + (sx + 0.5) / n) / size, (py + (sy + 0.5) / n) / size
                    if inside(x, y):
                        cr, cg, cb = colour_at(x, y)
                        r, g, b, a = r + cr, g + cg, b + cb, a + 1
            rows += bytes([r // a, g // a, b // a, 255 * a // (n * n)] if a else [0, 0, 0, 0])

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b""))


def svg():
    c = 256 / CELLS  # the same tiling on a 256-unit square
    shapes = []
    for u in range(0, 2 * CELLS):
        for v in range(0, 2 * CELLS):
            a0, a1, b0, b1 = u * c, (u + 1) * c, (v - CELLS) * c, (v - CELLS + 1) * c
            corners = [((a + b) / 2, (a - b) / 2) for a, b in ((a0, b0), (a1, b0), (a1, b1), (a0, b1))]
            r, g, b = COLOURS[(u + 2 * v) % len(COLOURS)]
            points = " ".join(f"{x:g},{y:g}" for x, y in corners)
            shapes.append(f'    <polygon points="{points}" fill="#{r:02x}{g:02x}{b:02x}"/>')
    rx = 256 * RADIUS
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">\n'
            f'  <clipPath id="tile"><rect width="256" height="256" rx="{rx:g}"/></clipPath>\n'
            '  <g clip-path="url(#tile)">\n' + "\n".join(shapes) + "\n  </g>\n</svg>\n")


for size in SIZES:
    with open(f"{OUT}{size}.png", "wb") as f:
        f.write(png(size))
with open(OUT + "scalable.svg", "w") as f:
    f.write(svg())
