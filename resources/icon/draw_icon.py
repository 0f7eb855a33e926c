#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# License: GNU General Public License, version 3 or any later version.
"""Draws the program's icon: the console's LED-sign badge (a sign panel on a stand).

    python3 resources/icon/draw_icon.py          # rewrite lumetra.svg and lumetra-<size>.png here

Every size is laid out on its own pixel grid, so that edges and LEDs stay sharp at 16 pixels.
From 64 pixels up the panel's dot matrix spells "中文" (the captions the sign carries); below
that it shows one lit caption row, as the badge in the console's window does. Only the Python
standard library is used: shapes are antialiased by supersampling and the PNG files are written
by hand.
"""
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
SVG_LAYOUT_SIZE = 256

BEZEL_EDGE = (36, 60, 50)
BEZEL = (58, 104, 81)
PANEL = (18, 20, 19)
LED_ON = (255, 48, 32)
LED_DIM = (110, 22, 18)
LED_OFF = (52, 30, 28)
STAND = (96, 112, 104)
STAND_EDGE = (58, 70, 64)

# 7 x 7 dot glyphs, side by side with one dark column between them.
GLYPHS = (
    ("...#...",
     "#######",
     "#..#..#",
     "#..#..#",
     "#######",
     "...#...",
     "...#..."),
    ("...#...",
     "#######",
     ".#...#.",
     "..#.#..",
     "...#...",
     "..#.#..",
     "##...##"),
)
GLYPH_ROWS = 7
GLYPH_COLUMNS = 7 * len(GLYPHS) + len(GLYPHS) - 1


def glyph_lit(column, row):
    glyph, x = divmod(column, 8)
    return x < 7 and GLYPHS[glyph][row][x] == "#"


# ---------------------------------------------------------------------------------------------
# Layout: a list of shapes in pixels of one size
#   ("rect", x0, y0, x1, y1, radius, colour) and ("dot", cx, cy, radius, colour)
# ---------------------------------------------------------------------------------------------
def layout(size):
    def px(fraction):
        return round(size * fraction)

    left, right = px(0.04), size - px(0.04)
    top, bottom = px(0.20), px(0.72)
    bezel = max(1, px(0.035))
    corner = max(1, px(0.06))
    # Below 32 pixels there is no room for an edge line; the bezel alone must stand out.
    shapes = [("rect", left, top, right, bottom, corner, BEZEL_EDGE if size >= 32 else BEZEL)]
    if size >= 32:
        edge = max(1, px(0.012))
        shapes.append(("rect", left + edge, top + edge, right - edge, bottom - edge, corner - edge * 0.5, BEZEL))
    inner = (left + bezel, top + bezel, right - bezel, bottom - bezel)
    shapes.append(("rect", *inner, max(0, corner - bezel), PANEL))

    post_half = max(1, px(0.06))
    centre = size / 2
    foot_top, foot_bottom = px(0.86), px(0.93)
    shapes.append(("rect", centre - post_half, bottom, centre + post_half, foot_top, 0, STAND_EDGE))
    if size >= 32:
        shapes.append(("rect", centre - post_half + 1, bottom, centre + post_half - 1, foot_top, 0, STAND))
    shapes.append(("rect", px(0.24), foot_top, size - px(0.24), foot_bottom, max(0, px(0.02)), STAND_EDGE))
    shapes.extend(leds(inner))
    return shapes


def leds(inner):
    x0, y0, x1, y1 = inner
    width, height = x1 - x0, y1 - y0
    pitch = min(width // (GLYPH_COLUMNS + 2), height // (GLYPH_ROWS + 2))
    if pitch >= 3:
        columns, rows = GLYPH_COLUMNS + 2, GLYPH_ROWS + 2
        lit = lambda c, r: inside(c, r) and glyph_lit(c - 1, r - 1)
        radius = pitch * 0.38
    else:
        return caption_row(x0, y0, width, height)
    spare_x, spare_y = width - columns * pitch, height - rows * pitch
    ox, oy = x0 + spare_x // 2, y0 + spare_y // 2
    shapes = []
    for r in range(rows):
        for c in range(columns):
            colour = LED_ON if lit(c, r) else LED_OFF
            shapes.append(("dot", ox + c * pitch + pitch / 2, oy + r * pitch + pitch / 2, radius, colour))
    return shapes


def caption_row(x0, y0, width, height):
    """Small sizes: one caption row of whole-pixel LEDs, every third one faint like the gap
    between two characters."""
    pitch = max(2, (width + 4) // 10)
    side = pitch - 1
    columns = (width - 1) // pitch
    ox = x0 + (width - (columns * pitch - 1)) // 2
    tall = max(side, 2)
    oy = y0 + (height - tall) // 2
    shapes = []
    for c in range(columns):
        colour = LED_DIM if c % 3 == 2 else LED_ON
        x = ox + c * pitch
        if side >= 3:
            shapes.append(("dot", x + side / 2, oy + side / 2, side / 2, colour))
        else:
            shapes.append(("rect", x, oy, x + side, oy + tall, 0, colour))
    return shapes


def inside(column, row):
    return 1 <= column <= GLYPH_COLUMNS and 1 <= row <= GLYPH_ROWS


# ---------------------------------------------------------------------------------------------
# Raster: coverage by 4 x 4 supersampling, composited in order onto a transparent picture
# ---------------------------------------------------------------------------------------------
SUB = 4


def covers(shape, x, y):
    if shape[0] == "dot":
        _, cx, cy, radius, _ = shape
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius
    _, x0, y0, x1, y1, radius, _ = shape
    if not (x0 <= x < x1 and y0 <= y < y1):
        return False
    cx = min(max(x, x0 + radius), x1 - radius)
    cy = min(max(y, y0 + radius), y1 - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


def bounds(shape, size):
    if shape[0] == "dot":
        _, cx, cy, radius, _ = shape
        box = (cx - radius, cy - radius, cx + radius, cy + radius)
    else:
        box = shape[1:5]
    x0, y0 = max(0, int(box[0])), max(0, int(box[1]))
    x1, y1 = min(size, int(box[2]) + 1), min(size, int(box[3]) + 1)
    return x0, y0, x1, y1


def rasterise(size, shapes):
    pixels = [[(0.0, 0.0, 0.0, 0.0)] * size for _ in range(size)]  # premultiplied RGBA, 0..1
    offsets = [(i + 0.5) / SUB for i in range(SUB)]
    for shape in shapes:
        colour = tuple(c / 255 for c in shape[-1])
        x0, y0, x1, y1 = bounds(shape, size)
        for y in range(y0, y1):
            row = pixels[y]
            for x in range(x0, x1):
                hits = sum(covers(shape, x + dx, y + dy) for dy in offsets for dx in offsets)
                if hits:
                    a = hits / (SUB * SUB)
                    r, g, b, alpha = row[x]
                    row[x] = (colour[0] * a + r * (1 - a), colour[1] * a + g * (1 - a),
                              colour[2] * a + b * (1 - a), a + alpha * (1 - a))
    return pixels


def png_bytes(size, pixels):
    def channel(value):
        return max(0, min(255, round(value * 255)))

    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for r, g, b, a in row:
            if a == 0:
                raw += b"\0\0\0\0"
            else:
                raw += bytes((channel(r / a), channel(g / a), channel(b / a), channel(a)))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


# ---------------------------------------------------------------------------------------------
# Vector: the largest layout, one element per shape
# ---------------------------------------------------------------------------------------------
def svg_text(size, shapes):
    def number(value):
        return ("%.2f" % value).rstrip("0").rstrip(".")

    def fill(colour):
        return "#%02x%02x%02x" % colour
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
             % (size, size, size, size)]
    for shape in shapes:
        if shape[0] == "dot":
            _, cx, cy, radius, colour = shape
            lines.append('  <circle cx="%s" cy="%s" r="%s" fill="%s"/>'
                         % (number(cx), number(cy), number(radius), fill(colour)))
        else:
            _, x0, y0, x1, y1, radius, colour = shape
            lines.append('  <rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="%s"/>'
                         % (number(x0), number(y0), number(x1 - x0), number(y1 - y0), number(radius),
                            fill(colour)))
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


def main(argv):
    if len(argv) != 1:
        sys.stderr.write("usage: draw_icon.py\n")
        return 1
    for size in SIZES:
        with open(os.path.join(HERE, "lumetra-%d.png" % size), "wb") as f:
            f.write(png_bytes(size, rasterise(size, layout(size))))
    with open(os.path.join(HERE, "lumetra.svg"), "w", encoding="utf-8") as f:
        f.write(svg_text(SVG_LAYOUT_SIZE, layout(SVG_LAYOUT_SIZE)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
