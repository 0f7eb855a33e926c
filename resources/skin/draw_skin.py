#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# License: GNU General Public License, version 3 or any later version.
"""Draws the pictures of the console's skin folder.

Every look is painted into the rectangle that skin.ini (beside this script) names for it, so a
rectangle moved in the INI moves its picture with it on the next run:

    python3 resources/skin/draw_skin.py                 # rewrite the BMP files
    python3 resources/skin/draw_skin.py --preview DIR   # also write enlarged PNG previews to DIR

Only the Python standard library is used: shapes are antialiased by supersampling, the eight-bit
pictures share one palette (so a caption button's hover look blends seamlessly into the frame
picture it replaces), and the BMP and PNG files are written by hand.
"""
import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# Picture file names and sizes; the sizes are part of the skin's contract with the program.
MAIN_PICTURE = ("main.bmp", 277, 116)
MASK_PICTURE = ("mask.bmp", 277, 116)
ACTIVE_PICTURE_SIZES = {
    "active.BMP": (95, 268),
    "pw.bmp": (88, 80),
    "menuitems.bmp": (68, 116),
    "hw.bmp": (42, 22),
    "controls.bmp": (516, 281),
    "grids.bmp": (72, 21),
}

# ---------------------------------------------------------------------------------------------
# Theme colours (R, G, B)
# ---------------------------------------------------------------------------------------------
CLIENT = (192, 220, 192)          # the console's money-green client area
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
MARKER_KEY = (255, 0, 255)        # transparent colour of the drop-down marker pictures

OUTLINE = (36, 60, 50)
CAPTION_STOPS = [(0.0, (166, 196, 178)), (0.45, (134, 168, 149)), (1.0, (106, 140, 122))]
BORDER = (112, 146, 128)
STAGE_LINE = (212, 182, 108)      # the gold line under the caption bar
SUNKEN_DARK = (46, 74, 61)
SUNKEN_LIGHT = (226, 240, 230)
GLYPH = (236, 244, 239)
LED_DARK = (24, 34, 30)
LED_ON = (255, 104, 72)
CLOSE_HOT = (200, 70, 60)
CLOSE_PRESSED = (152, 46, 40)

MENU_BG = (251, 252, 251)
GUTTER = (228, 238, 231)
GUTTER_LINE = (206, 220, 211)
HILITE_TOP = (104, 152, 126)
HILITE_BOTTOM = (76, 124, 99)
HILITE_EDGE = (58, 100, 79)
POPUP_EDGE = (108, 138, 121)
MENUBAR_BG = (236, 243, 238)

HINT_BG = (253, 251, 238)
HINT_EDGE = (128, 152, 137)

PANEL_BG = (214, 230, 216)
PANEL_LIGHT = (248, 252, 249)
PANEL_SHADE = (150, 174, 158)
FIELD_EDGE = (132, 160, 144)
FOCUS_EDGE = (62, 132, 97)
ACCENT = (90, 142, 115)
ACCENT_DARK = (58, 104, 81)
INK = (44, 66, 55)
DIM_INK = (168, 178, 172)


# ---------------------------------------------------------------------------------------------
# The skin description
# ---------------------------------------------------------------------------------------------
def read_ini(path):
    """Sections and keys compare without case; the later of two equal names wins."""
    sections = {}
    current = None
    with open(path, encoding="latin-1") as f:
        for raw in f:
            line = raw.strip()
            if not line or line.startswith(";"):
                continue
            if line.startswith("[") and line.endswith("]"):
                current = sections.setdefault(line[1:-1].strip().lower(), {})
                current.clear()
            elif current is not None and "=" in line:
                key, value = line.split("=", 1)
                current[key.strip().lower()] = value.strip()
    return sections


def numbers(text, count):
    fields = [int("".join(ch for ch in part if ch.isdigit()) or "0") for part in text.split(",")]
    if len(fields) != count:
        raise ValueError("expected %d numbers in %r" % (count, text))
    return tuple(fields)


def rect_of(section, key):
    value = section.get(key)
    return numbers(value, 4) if value else None


def entries(ini, list_section):
    """(name, type keyword) pairs of SKINOBJECTS or SKINCONTROLS, in list order."""
    section = ini[list_section]
    result = []
    for i in range(int(section["count"])):
        name, _, keyword = section[str(i)].partition(":")
        result.append((name, keyword))
    return result


# ---------------------------------------------------------------------------------------------
# Raster
# ---------------------------------------------------------------------------------------------
def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def gradient(stops, t):
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            return mix(c0, c1, 0.0 if t1 == t0 else (t - t0) / (t1 - t0))
    return stops[-1][1]


class Canvas:
    def __init__(self, width, height, fill=BLACK):
        self.width, self.height = width, height
        self.px = [list(map(float, fill)) for _ in range(width * height)]

    def get(self, x, y):
        return tuple(self.px[y * self.width + x])

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y * self.width + x] = list(map(float, colour))

    def blend(self, x, y, colour, alpha):
        if alpha <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        alpha = min(alpha, 1.0)
        p = self.px[y * self.width + x]
        for i in range(3):
            p[i] += (colour[i] - p[i]) * alpha

    def fill(self, r, colour, alpha=1.0):
        for y in range(r[1], r[3]):
            for x in range(r[0], r[2]):
                self.blend(x, y, colour, alpha)

    def vgradient(self, r, stops):
        height = max(1, r[3] - r[1] - 1)
        for y in range(r[1], r[3]):
            self.fill((r[0], y, r[2], y + 1), gradient(stops, (y - r[1]) / height))

    def hgradient(self, r, stops):
        width = max(1, r[2] - r[0] - 1)
        for x in range(r[0], r[2]):
            self.fill((x, r[1], x + 1, r[3]), gradient(stops, (x - r[0]) / width))

    def shape(self, inside, bounds, colour, alpha=1.0, samples=4):
        """Paints the region where inside(x, y) holds, antialiased by supersampling."""
        x0, y0 = max(0, int(math.floor(bounds[0]))), max(0, int(math.floor(bounds[1])))
        x1 = min(self.width, int(math.ceil(bounds[2])))
        y1 = min(self.height, int(math.ceil(bounds[3])))
        offsets = [(i + 0.5) / samples for i in range(samples)]
        for y in range(y0, y1):
            for x in range(x0, x1):
                hits = sum(inside(x + dx, y + dy) for dy in offsets for dx in offsets)
                if hits:
                    self.blend(x, y, colour, alpha * hits / (samples * samples))

    def blit(self, source, r, x, y):
        for row in range(r[3] - r[1]):
            for col in range(r[2] - r[0]):
                self.set(x + col, y + row, source.get(r[0] + col, r[1] + row))

    def crop(self, r):
        part = Canvas(r[2] - r[0], r[3] - r[1])
        part.blit(self, r, 0, 0)
        return part


# Shape tests in pixel coordinates; a pixel (x, y) covers [x, x + 1) x [y, y + 1).
def rounded(left, top, right, bottom, radius, bottom_radius=None):
    """A rectangle with rounded corners; the bottom corners may take another radius."""
    bottom_radius = radius if bottom_radius is None else bottom_radius

    def inside(x, y):
        if x < left or x >= right or y < top or y >= bottom:
            return False
        if y < top + radius:
            r, cy = radius, top + radius
        elif y > bottom - bottom_radius:
            r, cy = bottom_radius, bottom - bottom_radius
        else:
            return True
        if r <= 0:
            return True
        cx = min(max(x, left + r), right - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def ring(outer, inner):
    return lambda x, y: outer(x, y) and not inner(x, y)


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length = dx * dx + dy * dy
    t = 0.0 if length == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def polyline(points, width):
    half = width / 2.0
    pairs = list(zip(points, points[1:]))
    return lambda x, y: any(segment_distance(x, y, a[0], a[1], b[0], b[1]) <= half
                            for a, b in pairs)


def disc(cx, cy, radius):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


def triangle(a, b, c):
    def side(p, q, x, y):
        return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])

    def inside(x, y):
        s1, s2, s3 = side(a, b, x, y), side(b, c, x, y), side(c, a, x, y)
        return (s1 >= 0 and s2 >= 0 and s3 >= 0) or (s1 <= 0 and s2 <= 0 and s3 <= 0)
    return inside


def size_of(r):
    return r[2] - r[0], r[3] - r[1]


def coverage(inside, x, y, samples=8):
    offsets = [(i + 0.5) / samples for i in range(samples)]
    hits = sum(inside(x + dx, y + dy) for dy in offsets for dx in offsets)
    return hits / float(samples * samples)


# ---------------------------------------------------------------------------------------------
# Small pieces shared by several pictures
# ---------------------------------------------------------------------------------------------
def plate(canvas, r, fill_stops, edge, radius=3.0, inset=0.0, edge_alpha=1.0):
    """A rounded plate with a one-pixel edge, filled with a vertical gradient."""
    left, top, right, bottom = r[0] + inset, r[1] + inset, r[2] - inset, r[3] - inset
    body = Canvas(r[2] - r[0], r[3] - r[1])
    body.vgradient((0, 0, body.width, body.height), fill_stops)
    outer = rounded(left, top, right, bottom, radius)
    inner = rounded(left + 1, top + 1, right - 1, bottom - 1, max(0.0, radius - 1))
    paint_covered(canvas, r, inner, body)
    canvas.shape(ring(outer, inner), (left, top, right, bottom), edge, edge_alpha)


def paint_covered(canvas, r, inside, picture):
    """Copies picture (the size of r) into r where inside holds, antialiased at its border."""
    for y in range(r[1], r[3]):
        for x in range(r[0], r[2]):
            amount = coverage(inside, x, y, 4)
            if amount:
                canvas.blend(x, y, picture.get(x - r[0], y - r[1]), amount)


def flat_plate(canvas, r, fill, edge, radius=3.0, inset=0.0):
    plate(canvas, r, [(0.0, fill), (1.0, fill)], edge, radius, inset)


def arrow(canvas, r, direction, colour, size=3.5):
    """A small solid triangle centred in r, pointing up, down, left or right."""
    cx, cy = (r[0] + r[2]) / 2.0, (r[1] + r[3]) / 2.0
    h = size * 0.6
    shapes = {
        "up": ((cx - size, cy + h), (cx + size, cy + h), (cx, cy - h)),
        "down": ((cx - size, cy - h), (cx + size, cy - h), (cx, cy + h)),
        "left": ((cx + h, cy - size), (cx + h, cy + size), (cx - h, cy)),
        "right": ((cx - h, cy - size), (cx - h, cy + size), (cx + h, cy)),
    }
    canvas.shape(triangle(*shapes[direction]), (r[0], r[1], r[2], r[3]), colour)


def bevel(canvas, r, light, dark):
    """A one-pixel raised edge: light at top and left, dark at bottom and right."""
    canvas.fill((r[0], r[1], r[2], r[1] + 1), light)
    canvas.fill((r[0], r[1], r[0] + 1, r[3]), light)
    canvas.fill((r[0], r[3] - 1, r[2], r[3]), dark)
    canvas.fill((r[2] - 1, r[1], r[2], r[3]), dark)


# ---------------------------------------------------------------------------------------------
# Caption button glyphs, drawn in an 18 x 18 design box scaled to the button
# ---------------------------------------------------------------------------------------------
def caption_glyph(canvas, command, r, colour, dy=0.0):
    scale = (r[2] - r[0]) / 18.0
    ox, oy = r[0], r[1] + dy

    def pts(*p):
        return [(ox + x * scale, oy + y * scale) for x, y in p]

    bounds = (r[0], r[1], r[2], r[3] + 1)
    stroke = max(1.2, 1.7 * scale)
    if command == "cmclose":
        a, b = pts((5.6, 5.6), (12.4, 12.4))
        c, d = pts((12.4, 5.6), (5.6, 12.4))
        canvas.shape(lambda x, y: polyline([a, b], stroke)(x, y) or polyline([c, d], stroke)(x, y),
                     bounds, colour)
    elif command == "cmminimize":
        canvas.shape(polyline(pts((5.2, 12.3), (12.8, 12.3)), stroke), bounds, colour)
    elif command == "cmmaximize":
        l, t = pts((5.0, 5.0))[0]
        rr, b = pts((13.0, 13.0))[0]
        outer = rounded(l, t, rr, b, 1.0 * scale)
        inner = rounded(l + 1.3 * scale, t + 2.6 * scale, rr - 1.3 * scale, b - 1.3 * scale, 0.3)
        canvas.shape(ring(outer, inner), bounds, colour)
    elif command == "cmrollup":
        canvas.shape(polyline(pts((5.0, 11.2), (9.0, 7.2), (13.0, 11.2)), stroke), bounds, colour)
    elif command == "cmsysmenu":
        # A tiny caption sign: a dark panel with two rows of lit dots.
        l, t = pts((2.5, 4.5))[0]
        rr, b = pts((15.5, 13.5))[0]
        canvas.shape(rounded(l, t, rr, b, 1.6 * scale), bounds, colour)
        canvas.shape(rounded(l + 1, t + 1, rr - 1, b - 1, 0.8 * scale), bounds, LED_DARK)
        for row in (7.3, 10.7):
            for col in (5.2, 7.6, 10.0, 12.4):
                cx, cy = pts((col, row))[0]
                canvas.shape(disc(cx, cy, 0.85 * scale), bounds, LED_ON)
    else:
        raise ValueError("no glyph for command %r" % command)


def caption_button_look(canvas, r, command, state, background):
    """Paints a caption button look into r over a copy of its frame background."""
    canvas.blit(background, (0, 0, background.width, background.height), r[0], r[1])
    w, h = size_of(r)
    plate_rect = (r[0] + 0.5, r[1] + 0.5, r[2] - 0.5, r[3] - 0.5)
    outer = rounded(*plate_rect, radius=3.5)
    inner = rounded(plate_rect[0] + 1, plate_rect[1] + 1, plate_rect[2] - 1, plate_rect[3] - 1, 2.5)
    dy = 0.0
    if state == "hover":
        if command == "cmclose":
            canvas.shape(outer, r, CLOSE_HOT, 0.94)
        else:
            canvas.shape(outer, r, WHITE, 0.20)
            canvas.shape(ring(outer, inner), r, WHITE, 0.30)
    elif state == "down":
        if command == "cmclose":
            canvas.shape(outer, r, CLOSE_PRESSED, 0.96)
        else:
            canvas.shape(outer, r, BLACK, 0.22)
            canvas.shape(ring(outer, inner), r, BLACK, 0.22)
        dy = 1.0
    colour = WHITE if state != "normal" else GLYPH
    caption_glyph(canvas, command, r, colour, dy)


# ---------------------------------------------------------------------------------------------
# The window frame and its mask
# ---------------------------------------------------------------------------------------------
TOP_RADIUS = 8.0
BOTTOM_RADIUS = 3.0


def window_shape(width, height, inset):
    return rounded(inset, inset, width - inset, height - inset,
                   max(0.0, TOP_RADIUS - inset), max(0.0, BOTTOM_RADIUS - inset))


def draw_frame_background(form):
    """The frame without its caption buttons; the buttons' looks are cut from this."""
    width, height = MAIN_PICTURE[1], MAIN_PICTURE[2]
    cr = rect_of(form, "clientrect")
    canvas = Canvas(width, height, BORDER)
    caption_bottom = cr[1] - 3
    canvas.vgradient((0, 0, width, caption_bottom), CAPTION_STOPS)
    canvas.fill((0, caption_bottom, width, caption_bottom + 1), STAGE_LINE)
    canvas.fill((0, caption_bottom + 1, width, caption_bottom + 2), mix(STAGE_LINE, BORDER, 0.7))
    # The client sits in a one-pixel sunken edge.
    left, top, right, bottom = cr[0] - 1, cr[1] - 1, cr[2], cr[3]
    canvas.fill((left, top, right + 1, top + 1), SUNKEN_DARK)
    canvas.fill((left, top, left + 1, bottom + 1), SUNKEN_DARK)
    canvas.fill((left, bottom, right + 1, bottom + 1), SUNKEN_LIGHT)
    canvas.fill((right, top + 1, right + 1, bottom + 1), SUNKEN_LIGHT)
    canvas.fill(cr, CLIENT)
    # Outline and a soft bevel following the rounded window shape.
    outer = window_shape(width, height, 0)
    inset1 = window_shape(width, height, 1)
    inset2 = window_shape(width, height, 2)
    for y in range(height):
        for x in range(width):
            if coverage(outer, x, y) < 0.5:
                canvas.set(x, y, OUTLINE)
                continue
            c1 = coverage(inset1, x, y, 4)
            if c1 < 1:
                canvas.blend(x, y, OUTLINE, 1 - c1)
            c2 = coverage(inset2, x, y, 4)
            bevel_amount = c1 - c2
            if bevel_amount > 0:
                lit = min(x, y) <= min(width - 1 - x, height - 1 - y)
                canvas.blend(x, y, WHITE if lit else BLACK, bevel_amount * (0.30 if lit else 0.22))
    return canvas


def draw_mask(width, height):
    outer = window_shape(width, height, 0)
    return [[coverage(outer, x, y) >= 0.5 for x in range(width)] for y in range(height)]


def draw_caption_buttons(ini, main, frame_bg, pictures):
    for name, keyword in entries(ini, "skinobjects"):
        if keyword != "stdbutton":
            continue
        section = ini[name.lower()]
        command = section["command"]
        normal = rect_of(section, "skinrect")
        background = frame_bg.crop(normal)
        caption_button_look(main, normal, command, "normal", background)
        active = pictures[active_picture(ini, section)]
        for key, state in (("activeskinrect", "hover"), ("downrect", "down")):
            caption_button_look(active, rect_of(section, key), command, state, background)


def active_picture(ini, section, key="activepictureindex"):
    pictures = ini["pictures"]
    return pictures[str(int(section[key]))]


# ---------------------------------------------------------------------------------------------
# Menus, the popup frame and the hint window
# ---------------------------------------------------------------------------------------------
def draw_popup_frame(ini, pictures):
    section = ini["popupwindow"]
    canvas = pictures[active_picture(ini, section, "windowpictureindex")]
    w, h = canvas.width, canvas.height
    canvas.fill((0, 0, w, h), MENU_BG)
    bevel(canvas, (0, 0, w, h), POPUP_EDGE, POPUP_EDGE)
    bevel(canvas, (1, 1, w - 1, h - 1), WHITE, mix(MENU_BG, POPUP_EDGE, 0.15))
    for x, y in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
        canvas.set(x, y, mix(POPUP_EDGE, MENU_BG, 0.55))
    canvas.fill(rect_of(section, "itemsrect"), MENU_BG)


def menu_background(canvas, r, gutter_width):
    canvas.fill(r, MENU_BG)
    canvas.fill((r[0], r[1], r[0] + gutter_width, r[3]), GUTTER)
    canvas.fill((r[0] + gutter_width, r[1], r[0] + gutter_width + 1, r[3]), GUTTER_LINE)


def draw_menu_items(ini, pictures):
    section = ini["menuitem"]
    canvas = pictures[active_picture(ini, section)]
    canvas.fill((0, 0, canvas.width, canvas.height), MENU_BG)
    # The image column and its dividing line lie inside the fixed left part of every item.
    gutter = int(section["itemleftoffset"]) - 2
    normal = rect_of(section, "skinrect")
    menu_background(canvas, normal, gutter)
    # The highlight's rounded ends must stay inside the fixed end parts of the item.
    active = rect_of(section, "activeskinrect")
    look = menu_slice(active, gutter)
    plate(look, (2, 1, look.width - 2, look.height - 1),
          [(0.0, HILITE_TOP), (1.0, HILITE_BOTTOM)], HILITE_EDGE, 3.0)
    canvas.blit(look, (0, 0, look.width, look.height), active[0], active[1])
    divider = rect_of(section, "dividerrect")
    menu_background(canvas, divider, gutter)
    line_y = (divider[1] + divider[3]) // 2
    left = divider[0] + int(section["dividerleftoffset"])
    right = divider[2] - int(section["dividerrightoffset"])
    canvas.fill((left, line_y, right, line_y + 1), GUTTER_LINE)


def menu_slice(r, gutter):
    part = Canvas(*size_of(r))
    menu_background(part, (0, 0, part.width, part.height), gutter)
    return part


def draw_menu_bar_item(ini, pictures):
    section = ini["mainmenubaritem"]
    canvas = pictures[active_picture(ini, section)]
    for key, look in (("skinrect", None), ("activeskinrect", "hover"), ("downrect", "down")):
        r = rect_of(section, key)
        canvas.fill(r, MENUBAR_BG)
        if look == "hover":
            plate(canvas, r, [(0.0, (232, 244, 236)), (1.0, (212, 232, 219))], (126, 166, 142),
                  3.0, 1)
        elif look == "down":
            plate(canvas, r, [(0.0, HILITE_TOP), (1.0, HILITE_BOTTOM)], HILITE_EDGE, 3.0, 1)


def draw_menu_bar_buttons(ini, pictures):
    for name, keyword in entries(ini, "skinobjects"):
        if keyword != "mainmenubarbutton":
            continue
        section = ini[name.lower()]
        canvas = pictures[active_picture(ini, section)]
        command = section["command"]
        for key, look in (("skinrect", None), ("activeskinrect", "hover"), ("downrect", "down")):
            r = rect_of(section, key)
            canvas.fill(r, MENUBAR_BG)
            if look == "hover":
                flat_plate(canvas, r, (222, 238, 228), (126, 166, 142), 2.5)
            elif look == "down":
                flat_plate(canvas, r, HILITE_BOTTOM, HILITE_EDGE, 2.5)
            caption_glyph(canvas, command, r, WHITE if look == "down" else INK)


def draw_hint_frame(ini, pictures):
    section = ini["hintwindow"]
    canvas = pictures[active_picture(ini, section, "windowpictureindex")]
    w, h = canvas.width, canvas.height
    canvas.fill((0, 0, w, h), HINT_BG)
    bevel(canvas, (0, 0, w, h), HINT_EDGE, HINT_EDGE)
    for x, y in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
        canvas.set(x, y, mix(HINT_EDGE, HINT_BG, 0.6))
    # An information mark in the left band, which stays put however large the hint grows.
    band = rect_of(section, "clientrect")[0]
    cx, cy = band / 2.0 + 0.5, h / 2.0
    canvas.shape(disc(cx, cy, 4.8), (0, 0, band, h), ACCENT)
    canvas.shape(disc(cx, cy - 2.4, 0.95), (0, 0, band, h), WHITE)
    canvas.shape(rounded(cx - 0.85, cy - 0.9, cx + 0.85, cy + 3.2, 0.4), (0, 0, band, h), WHITE)


# ---------------------------------------------------------------------------------------------
# Control looks
# ---------------------------------------------------------------------------------------------
BUTTON_FACES = {
    "normal": ([(0.0, (253, 254, 253)), (1.0, (220, 233, 223))], (106, 138, 120)),
    "hover": ([(0.0, (246, 253, 248)), (1.0, (198, 229, 208))], (66, 132, 97)),
    "down": ([(0.0, (180, 206, 190)), (1.0, (208, 227, 214))], (60, 100, 80)),
    "disabled": ([(0.0, (148, 165, 156)), (1.0, (132, 150, 140))], (118, 136, 126)),
}


def push_button(canvas, r, look):
    canvas.fill(r, CLIENT)
    stops, edge = BUTTON_FACES[look]
    plate(canvas, r, stops, edge, 3.0)
    w = r[2] - r[0]
    if look == "normal" or look == "hover":
        canvas.fill((r[0] + 3, r[1] + 1, r[0] + w - 3, r[1] + 2), WHITE, 0.8)
    elif look == "down":
        canvas.fill((r[0] + 3, r[1] + 1, r[0] + w - 3, r[1] + 2), BLACK, 0.10)


def tool_button(canvas, r, look, background=PANEL_BG):
    canvas.fill(r, background)
    if look == "hover":
        flat_plate(canvas, r, (234, 246, 238), (122, 164, 139), 3.0, 1)
    elif look == "down":
        flat_plate(canvas, r, (188, 213, 197), (84, 124, 102), 3.0, 1)


def field(canvas, r, focused=False, radius=2.0):
    canvas.fill(r, CLIENT)
    flat_plate(canvas, r, WHITE, FOCUS_EDGE if focused else FIELD_EDGE, radius)
    inner = (r[0] + 1, r[1] + 1, r[2] - 1, r[3] - 1)
    canvas.fill((inner[0] + 1, inner[1], inner[2] - 1, inner[1] + 1),
                (214, 236, 222) if focused else (236, 242, 238))


def small_button(canvas, r, look, mark, background=WHITE):
    canvas.fill(r, background)
    fills = {"normal": ((238, 245, 240), (150, 174, 160), INK),
             "hover": ((222, 242, 230), FOCUS_EDGE, INK),
             "down": ((184, 210, 194), (84, 124, 102), INK),
             "disabled": ((230, 234, 231), (190, 198, 193), DIM_INK)}
    fill_colour, edge, ink = fills[look]
    flat_plate(canvas, r, fill_colour, edge, 2.0)
    if mark == "dots":
        cx, cy = (r[0] + r[2]) / 2.0, (r[1] + r[3]) / 2.0 + 2
        for dx in (-3.5, 0, 3.5):
            canvas.shape(disc(cx + dx, cy, 1.0), r, ink)
    else:
        arrow(canvas, r, mark, ink, min(size_of(r)) / 4.0)


def check_image(canvas, r, radio, checked, look):
    canvas.fill(r, CLIENT)
    edges = {"normal": (112, 142, 124), "hover": FOCUS_EDGE, "disabled": (178, 188, 182)}
    fills = {"normal": [(0.0, (244, 248, 245)), (1.0, WHITE)],
             "hover": [(0.0, (228, 246, 235)), (1.0, (246, 252, 248))],
             "disabled": [(0.0, (232, 236, 233)), (1.0, (232, 236, 233))]}
    ink = DIM_INK if look == "disabled" else ACCENT_DARK
    radius = 6.5 if radio else 2.5
    plate(canvas, r, fills[look], edges[look], radius)
    if not checked:
        return
    if radio:
        canvas.shape(disc((r[0] + r[2]) / 2.0, (r[1] + r[3]) / 2.0, 2.7), r, ink)
    else:
        canvas.shape(polyline([(r[0] + 3.2, r[1] + 6.6), (r[0] + 5.6, r[1] + 9.0),
                               (r[0] + 10.0, r[1] + 3.8)], 1.7), r, ink)


def groove(canvas, r, vertical):
    canvas.fill(r, PANEL_BG)
    w, h = size_of(r)
    if vertical:
        g = (r[0] + w // 2 - 2, r[1], r[0] + w // 2 + 2, r[3])
    else:
        g = (r[0], r[1] + h // 2 - 2, r[2], r[1] + h // 2 + 2)
    canvas.fill(g, (200, 216, 205))
    if vertical:
        canvas.fill((g[0], g[1], g[0] + 1, g[3]), PANEL_SHADE)
        canvas.fill((g[2] - 1, g[1], g[2], g[3]), PANEL_LIGHT)
    else:
        canvas.fill((g[0], g[1], g[2], g[1] + 1), PANEL_SHADE)
        canvas.fill((g[0], g[3] - 1, g[2], g[3]), PANEL_LIGHT)


def thumb(canvas, r, look, background=PANEL_BG):
    canvas.fill(r, background)
    fills = {"normal": (176, 206, 187), "hover": (150, 192, 166), "down": (112, 162, 134)}
    flat_plate(canvas, r, fills[look], (104, 146, 121), 2.5, 0)


def scrollbar_track(canvas, r, vertical):
    canvas.fill(r, (230, 239, 233))
    if vertical:
        canvas.fill((r[0], r[1], r[0] + 1, r[3]), (214, 226, 218))
        canvas.fill((r[2] - 1, r[1], r[2], r[3]), (214, 226, 218))
    else:
        canvas.fill((r[0], r[1], r[2], r[1] + 1), (214, 226, 218))
        canvas.fill((r[0], r[3] - 1, r[2], r[3]), (214, 226, 218))


def panel_face(canvas, r):
    canvas.fill(r, PANEL_BG)
    bevel(canvas, r, PANEL_LIGHT, PANEL_SHADE)
    bevel(canvas, (r[0] + 1, r[1] + 1, r[2] - 1, r[3] - 1), (234, 243, 236), (188, 206, 194))


def captioned_panel(canvas, r, strip, with_field):
    canvas.fill(r, CLIENT)
    flat_plate(canvas, r, WHITE if with_field else PANEL_BG, ACCENT_DARK, 2.0)
    top = r[1] + 1
    strip_rect = (r[0] + 1, top, r[2] - 1, r[1] + strip)
    canvas.vgradient(strip_rect, [(0.0, HILITE_TOP), (1.0, HILITE_BOTTOM)])
    canvas.fill((r[0] + 1, r[1], r[2] - 1, r[1] + 1), ACCENT_DARK)


def dotted_grip(canvas, r, vertical):
    canvas.fill(r, PANEL_BG)
    w, h = size_of(r)
    steps = range(1, h - 1, 3) if vertical else range(1, w - 1, 3)
    for s in steps:
        x, y = (r[0] + w // 2 - 1, r[1] + s) if vertical else (r[0] + s, r[1] + h // 2 - 1)
        canvas.set(x, y, PANEL_SHADE)
        canvas.set(x + 1, y + 1, PANEL_LIGHT)


def marker(canvas, r, colour):
    canvas.fill(r, MARKER_KEY)
    w, h = size_of(r)
    for row in range(h):
        canvas.fill((r[0] + row, r[1] + row, r[2] - row, r[1] + row + 1), colour)


def progress(canvas, r, vertical):
    stops = [(0.0, (132, 198, 158)), (1.0, (70, 140, 104))]
    canvas.fill(r, (236, 242, 238))
    body = Canvas(*size_of(r))
    if vertical:
        body.hgradient((0, 0, body.width, body.height), stops)
    else:
        body.vgradient((0, 0, body.width, body.height), stops)
    paint_covered(canvas, r, rounded(r[0], r[1], r[2], r[3], 2.0), body)


def gauge_track(canvas, r):
    canvas.fill(r, CLIENT)
    flat_plate(canvas, r, (236, 242, 238), (150, 174, 160), 2.0)


def tab_face(canvas, r, look):
    canvas.fill(r, CLIENT)
    fills = {"normal": (212, 227, 217), "active": PANEL_BG, "hover": (228, 240, 232)}
    # Round only the top corners: draw a taller plate and keep its upper part.
    clip = Canvas(r[2] - r[0], r[3] - r[1] + 4, CLIENT)
    flat_plate(clip, (0, 0, clip.width, clip.height), fills[look], PANEL_SHADE, 3.0)
    canvas.blit(clip, (0, 0, clip.width, r[3] - r[1]), r[0], r[1])
    if look == "active":
        canvas.fill((r[0] + 2, r[1] + 1, r[2] - 2, r[1] + 3), ACCENT)
        canvas.fill((r[0] + 1, r[3] - 1, r[2] - 1, r[3]), PANEL_BG)
    else:
        canvas.fill((r[0], r[3] - 1, r[2], r[3]), PANEL_SHADE)


def grid_cells(ini, pictures):
    section = ini["grid"]
    canvas = pictures[picture_name(ini, section)]
    fixed = rect_of(section, "fixedcellrect")
    canvas.vgradient(fixed, [(0.0, (240, 247, 242)), (1.0, (212, 228, 218))])
    canvas.fill((fixed[0], fixed[1], fixed[2], fixed[1] + 1), WHITE)
    canvas.fill((fixed[0], fixed[3] - 1, fixed[2], fixed[3]), PANEL_SHADE)
    canvas.fill((fixed[2] - 1, fixed[1], fixed[2], fixed[3]), PANEL_SHADE)
    selected = rect_of(section, "selectcellrect")
    canvas.fill(selected, ACCENT)
    canvas.fill((selected[0], selected[3] - 1, selected[2], selected[3]), ACCENT_DARK)
    body = rect_of(section, "skinrect")
    canvas.fill(body, WHITE)
    bevel(canvas, body, FIELD_EDGE, FIELD_EDGE)


def picture_name(ini, section):
    return ini["pictures"][str(int(section["pictureindex"]))]


THREE_FACES = (("normal", "skinrect"), ("hover", "activeskinrect"), ("down", "downskinrect"))


def draw_controls(ini, pictures):
    """Paints every control look at the rectangles its INI section names."""
    canvas = pictures["controls.bmp"]
    canvas.fill((0, 0, canvas.width, canvas.height), CLIENT)
    sections = {name: ini[name.lower()] for name, _ in entries(ini, "skincontrols")}

    def r(name, key):
        return rect_of(sections[name], key)

    def client_top(name):
        return r(name, "clientrect")[1]

    for look, key in THREE_FACES + (("disabled", "disabledskinrect"),):
        push_button(canvas, r("button", key), look)
    for name in ("toolbutton", "bigtoolbutton", "toolmenubutton", "bigtoolmenubutton"):
        for look, key in THREE_FACES:
            tool_button(canvas, r(name, key), look)
    for key, colour in (("menumarkerrect", INK), ("menumarkeractiverect", ACCENT_DARK),
                        ("menumarkerdownrect", BLACK), ("menumarkerflatrect", DIM_INK)):
        marker(canvas, r("toolmenubutton", key), colour)
    grip = r("resizebutton", "skinrect")
    canvas.fill(grip, PANEL_BG)
    for i in range(3):
        for j in range(i + 1):
            x, y = grip[2] - 4 - 4 * j, grip[3] - 4 - 4 * (i - j)
            canvas.fill((x, y, x + 2, y + 2), PANEL_SHADE)
            canvas.set(x, y, PANEL_LIGHT)

    panel_face(canvas, r("panel", "skinrect"))
    tool = r("toolpanel", "skinrect")
    canvas.fill(tool, PANEL_BG)
    bevel(canvas, tool, PANEL_LIGHT, PANEL_SHADE)
    group = r("groupbox", "skinrect")
    canvas.fill(group, CLIENT)
    canvas.shape(ring(rounded(group[0] + 1, group[1] + 1, group[2] - 1, group[3] - 1, 3),
                      rounded(group[0] + 2, group[1] + 2, group[2] - 2, group[3] - 2, 2)),
                 group, (150, 178, 160))
    canvas.shape(ring(rounded(group[0] + 2, group[1] + 2, group[2], group[3], 3),
                      rounded(group[0] + 3, group[1] + 3, group[2] - 1, group[3] - 1, 2)),
                 group, (236, 246, 238), 0.8)
    status = r("statusbar", "skinrect")
    canvas.fill(status, PANEL_BG)
    canvas.fill((status[0], status[1], status[2], status[1] + 1), PANEL_SHADE)
    canvas.fill((status[0], status[1] + 1, status[2], status[1] + 2), PANEL_LIGHT)
    cell = r("statuspanel", "skinrect")
    canvas.fill(cell, PANEL_BG)
    bevel(canvas, cell, PANEL_SHADE, PANEL_LIGHT)
    roll = r("rolluppanel", "skinrect")
    captioned_panel(canvas, roll, client_top("rolluppanel"), False)
    band = r("controlbar", "skinrect")
    canvas.fill(band, PANEL_BG)
    bevel(canvas, band, PANEL_LIGHT, PANEL_SHADE)
    dotted_grip(canvas, r("controlbar", "hgriprect"), True)
    dotted_grip(canvas, r("controlbar", "vgriprect"), False)

    field(canvas, r("memo", "skinrect"))
    field(canvas, r("memo", "activeskinrect"), True)
    field(canvas, r("edit", "skinrect"))
    field(canvas, r("edit", "activeskinrect"), True)
    for look, key in (("normal", "buttonrect"), ("hover", "activebuttonrect"),
                      ("down", "downbuttonrect"), ("disabled", "unenabledbuttonrect")):
        small_button(canvas, r("combobox", key), look, "down")
        small_button(canvas, r("buttonedit", key), look, "dots")
    for look, up_key, down_key in (("normal", "upbuttonrect", "downbuttonrect"),
                                   ("hover", "activeupbuttonrect", "activedownbuttonrect"),
                                   ("down", "downupbuttonrect", "downdownbuttonrect")):
        small_button(canvas, r("spinedit", up_key), look, "up")
        small_button(canvas, r("spinedit", down_key), look, "down")
        small_button(canvas, r("vupdown", up_key), look, "up", CLIENT)
        small_button(canvas, r("vupdown", down_key), look, "down", CLIENT)
        small_button(canvas, r("hupdown", up_key), look, "left", CLIENT)
        small_button(canvas, r("hupdown", down_key), look, "right", CLIENT)
        small_button(canvas, r("vscrollbar", up_key), look, "up", (230, 239, 233))
        small_button(canvas, r("vscrollbar", down_key), look, "down", (230, 239, 233))
        small_button(canvas, r("hscrollbar", up_key), look, "left", (230, 239, 233))
        small_button(canvas, r("hscrollbar", down_key), look, "right", (230, 239, 233))
    item = r("listbox", "itemrect")
    canvas.fill(item, WHITE)
    for key, fill_colour in (("activeitemrect", ACCENT), ("focusitemrect", ACCENT_DARK)):
        rr = r("listbox", key)
        canvas.fill(rr, WHITE)
        flat_plate(canvas, rr, fill_colour, mix(fill_colour, BLACK, 0.2), 2.0, 0)

    for prefix, radio in (("checkbox", False), ("radiobox", True)):
        for key, checked, look in (("uncheckimagerect", False, "normal"),
                                   ("checkimagerect", True, "normal"),
                                   ("activeuncheckimagerect", False, "hover"),
                                   ("activecheckimagerect", True, "hover"),
                                   ("unenableduncheckimagerect", False, "disabled"),
                                   ("unenabledcheckimagerect", True, "disabled")):
            check_image(canvas, r(prefix, key), radio, checked, look)
    canvas.fill(r("checkbox", "skinrect"), CLIENT)
    hover = r("checkbox", "activeskinrect")
    canvas.fill(hover, CLIENT)
    flat_plate(canvas, hover, (206, 230, 210), (176, 206, 184), 2.0)

    for name, vertical in (("vscrollbar", True), ("hscrollbar", False)):
        scrollbar_track(canvas, r(name, "skinrect"), vertical)
        for look, key in (("normal", "thumbrect"), ("hover", "activethumbrect"),
                          ("down", "downthumbrect")):
            thumb(canvas, r(name, key), look, (230, 239, 233))

    gauge_track(canvas, r("gauge", "skinrect"))
    progress(canvas, r("gauge", "progressrect"), False)
    gauge_track(canvas, r("vgauge", "skinrect"))
    progress(canvas, r("vgauge", "progressrect"), True)
    for name, vertical in (("trackbar", True), ("htrackbar", False)):
        groove(canvas, r(name, "skinrect"), vertical)
        thumb(canvas, r(name, "buttonrect"), "normal")
        thumb(canvas, r(name, "activebuttonrect"), "hover")

    page = r("tab", "skinrect")
    canvas.fill(page, PANEL_BG)
    bevel(canvas, page, PANEL_SHADE, PANEL_SHADE)
    inner_page = (page[0] + 1, page[1] + 1, page[2] - 1, page[3] - 1)
    bevel(canvas, inner_page, PANEL_LIGHT, (196, 212, 201))
    tab_face(canvas, r("tab", "tabrect"), "normal")
    tab_face(canvas, r("tab", "activetabrect"), "active")
    tab_face(canvas, r("tab", "mouseintabrect"), "hover")

    for name, vertical in (("vsplitter", True), ("hsplitter", False)):
        bar = r(name, "skinrect")
        canvas.fill(bar, PANEL_BG)
        bevel(canvas, bar, PANEL_LIGHT, PANEL_SHADE)
        dotted_grip(canvas, r(name, "gripperrect"), vertical)

    slider = sections["slider"]
    canvas.fill(rect_of(slider, "skinrect"), PANEL_BG)
    groove(canvas, rect_of(slider, "hrulerrect"), False)
    groove(canvas, rect_of(slider, "vrulerrect"), True)
    thumb(canvas, rect_of(slider, "hthumbrect"), "normal")
    thumb(canvas, rect_of(slider, "vthumbrect"), "normal")
    canvas.fill(r("label", "skinrect"), CLIENT)
    bar = r("mainmenubar", "skinrect")
    canvas.fill(bar, MENUBAR_BG)
    canvas.fill((bar[0], bar[3] - 1, bar[2], bar[3]), (204, 218, 209))
    captioned = r("captionlistbox", "skinrect")
    captioned_panel(canvas, captioned, client_top("captionlistbox") - 1, True)
    grid_cells(ini, pictures)


# ---------------------------------------------------------------------------------------------
# Palette and files
# ---------------------------------------------------------------------------------------------
def to_bytes(colour):
    return tuple(max(0, min(255, int(round(c)))) for c in colour)


def median_cut(weighted, count):
    """weighted: {colour: pixels}. Returns up to count representative colours."""
    boxes = [list(weighted.items())]
    while len(boxes) < count:
        splittable = [b for b in boxes if len(b) > 1]
        if not splittable:
            break

        def spread(box):
            return max(max(c[i] for c, _ in box) - min(c[i] for c, _ in box) for i in range(3)) * \
                math.sqrt(sum(n for _, n in box))
        box = max(splittable, key=spread)
        boxes.remove(box)
        axis = max(range(3), key=lambda i: max(c[i] for c, _ in box) - min(c[i] for c, _ in box))
        box.sort(key=lambda item: item[0][axis])
        total, running, cut = sum(n for _, n in box), 0, 1
        for index, (_, n) in enumerate(box):
            running += n
            if running * 2 >= total:
                cut = max(1, min(len(box) - 1, index + 1))
                break
        boxes += [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(n for _, n in box)
        palette.append(tuple(int(round(sum(c[i] * n for c, n in box) / total)) for i in range(3)))
    return palette


def shared_palette(canvases, reserved):
    weighted = {}
    for canvas in canvases:
        for p in canvas.px:
            c = to_bytes(p)
            weighted[c] = weighted.get(c, 0) + 1
    for c in reserved:
        weighted.pop(c, None)
    palette = list(reserved)
    if len(weighted) <= 256 - len(palette):
        palette += sorted(weighted)
    else:
        palette += median_cut(weighted, 256 - len(palette))
    return palette


def index_pixels(canvas, palette, cache):
    indexes = []
    for p in canvas.px:
        c = to_bytes(p)
        if c not in cache:
            cache[c] = min(range(len(palette)),
                           key=lambda i: sum((palette[i][k] - c[k]) ** 2 for k in range(3)))
        indexes.append(cache[c])
    return indexes


def bmp_bytes(width, height, bits, palette, rows):
    """A bottom-up BMP with a BITMAPINFOHEADER; rows are lists of palette indexes, top row first."""
    stride = ((width * bits + 31) // 32) * 4
    pixel_data = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        if bits == 8:
            line[:width] = bytes(row)
        else:
            for x, value in enumerate(row):
                if value:
                    line[x // 8] |= 0x80 >> (x % 8)
        pixel_data += line
    colours = b"".join(struct.pack("<BBBB", c[2], c[1], c[0], 0) for c in palette)
    offset = 14 + 40 + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixel_data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(pixel_data),
                       2835, 2835, len(palette), 0)
    return header + info + colours + bytes(pixel_data)


def png_bytes(width, height, rgb_rows):
    raw = b"".join(b"\x00" + bytes(v for c in row for v in c) for row in rgb_rows)

    def chunk(kind, data):
        crc = struct.pack(">I", zlib.crc32(kind + data))
        return struct.pack(">I", len(data)) + kind + data + crc
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def write_preview(directory, name, width, height, colour_at):
    zoom = 4 if width * height < 40000 else 2
    rows = []
    for y in range(height * zoom):
        rows.append([colour_at(x // zoom, y // zoom) for x in range(width * zoom)])
    path = os.path.join(directory, os.path.splitext(name)[0] + ".png")
    with open(path, "wb") as f:
        f.write(png_bytes(width * zoom, height * zoom, rows))


# ---------------------------------------------------------------------------------------------
def main(argv):
    preview = None
    if len(argv) == 3 and argv[1] == "--preview":
        preview = argv[2]
        os.makedirs(preview, exist_ok=True)
    elif len(argv) != 1:
        sys.stderr.write("usage: draw_skin.py [--preview DIR]\n")
        return 1

    ini = read_ini(os.path.join(HERE, "skin.ini"))
    listed = ini["pictures"]
    names = [listed[str(i)] for i in range(int(listed["activepicturescount"]))]
    if sorted(names) != sorted(ACTIVE_PICTURE_SIZES):
        raise SystemExit("skin.ini names pictures this script does not draw: %s" % names)
    pictures = {name: Canvas(*ACTIVE_PICTURE_SIZES[name], fill=CLIENT) for name in names}

    frame_bg = draw_frame_background(ini["forminfo"])
    main_picture = frame_bg.crop((0, 0, frame_bg.width, frame_bg.height))
    pictures["active.BMP"].fill((0, 0, 95, 268), BORDER)
    draw_caption_buttons(ini, main_picture, frame_bg, pictures)
    draw_popup_frame(ini, pictures)
    draw_menu_items(ini, pictures)
    draw_menu_bar_item(ini, pictures)
    draw_menu_bar_buttons(ini, pictures)
    draw_hint_frame(ini, pictures)
    draw_controls(ini, pictures)

    eight_bit = [(MAIN_PICTURE[0], main_picture)] + [(n, pictures[n]) for n in names]
    palette = shared_palette([c for _, c in eight_bit], [CLIENT, BLACK, WHITE, MARKER_KEY])
    cache = {}
    for name, canvas in eight_bit:
        indexes = index_pixels(canvas, palette, cache)
        rows = [indexes[y * canvas.width:(y + 1) * canvas.width] for y in range(canvas.height)]
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(bmp_bytes(canvas.width, canvas.height, 8, palette, rows))
        if preview:
            write_preview(preview, name, canvas.width, canvas.height,
                          lambda x, y, c=canvas: palette[index_pixels_one(c, x, y, palette, cache)])

    inside = draw_mask(MASK_PICTURE[1], MASK_PICTURE[2])
    # Black (index 0) belongs to the window, white is cut away.
    mask_rows = [[0 if v else 1 for v in row] for row in inside]
    with open(os.path.join(HERE, MASK_PICTURE[0]), "wb") as f:
        f.write(bmp_bytes(MASK_PICTURE[1], MASK_PICTURE[2], 1, [BLACK, WHITE], mask_rows))
    if preview:
        write_preview(preview, MASK_PICTURE[0], MASK_PICTURE[1], MASK_PICTURE[2],
                      lambda x, y: BLACK if inside[y][x] else WHITE)
    return 0


def index_pixels_one(canvas, x, y, palette, cache):
    return cache[to_bytes(canvas.get(x, y))]


if __name__ == "__main__":
    sys.exit(main(sys.argv))
