#!/usr/bin/env python3
"""Draws the program's small pictures: the application icon and the check-box
glyphs. The outputs are committed; run this again after changing a drawing.

    python3 res/pictures/generate.py
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# The standard 16-colour palette, as (r, g, b).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GRAY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)


def canvas(w, h, colour):
    return [[colour] * w for _ in range(h)]


def pack_4bpp_rows(pixels):
    """Bottom-up rows of 4-bit indices, each padded to 4 bytes."""
    out = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for x in range(0, len(row), 2):
            hi = row[x]
            lo = row[x + 1] if x + 1 < len(row) else 0
            line.append((hi << 4) | lo)
        while len(line) % 4:
            line.append(0)
        out += line
    return bytes(out)


def palette_bytes():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)


def write_bmp(name, pixels):
    h, w = len(pixels), len(pixels[0])
    bits = pack_4bpp_rows(pixels)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 4, 0, len(bits), 0, 0, 16, 0)
    offset = 14 + len(info) + 64
    header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(header + info + palette_bytes() + bits)


# --- check-box glyphs --------------------------------------------------------
# Each is drawn at 100 % and again, as a sharp copy, at the larger display
# scales (the program picks NAME_<per cent>); the 100 % pictures stay exactly
# as they have always been.

SCALES = (125, 150, 200)


def px(value, scale):
    """A length at 100 % in pixels at `scale` per cent, to the nearest pixel."""
    return int(value * scale / 100.0 + 0.5)


def near_segment(x, y, a, b, reach):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / float(dx * dx + dy * dy)))
    return math.hypot(x - ax - t * dx, y - ay - t * dy) <= reach


def draw_stroke(p, points, width, colour):
    """A polyline of the given width through pixel-centre coordinates."""
    for y in range(len(p)):
        for x in range(len(p[0])):
            if any(near_segment(x, y, a, b, width / 2.0) for a, b in zip(points, points[1:])):
                p[y][x] = colour


def framed_square(scale=100):
    p = canvas(px(19, scale), px(14, scale), OLIVE)
    left, top, size = px(3, scale), 0, px(13, scale)
    edge = max(1, px(1, scale))
    for y in range(top, top + size):
        for x in range(left, left + size):
            inner_x, inner_y = x - left, y - top
            if inner_x < edge or inner_y < edge:
                p[y][x] = WHITE                  # upper and left edges
            elif inner_x >= size - edge or inner_y >= size - edge:
                p[y][x] = GRAY                   # lower and right edges
            else:
                p[y][x] = SILVER
    return p


TICK = [(0, 2), (1, 3), (2, 4), (3, 3), (4, 2), (5, 1), (6, 0)]
# The tick's centre line at 100 %, from its top-left pixel, with its thickness.
TICK_LINE = [(0.0, 2.5), (2.0, 4.5), (6.0, 0.5)]
TICK_WIDTH = 1.6


def draw_tick(p, x0, y0, colour, thickness=2, scale=100):
    if scale == 100:
        for dx, dy in TICK:
            for t in range(thickness):
                p[y0 + dy + t][x0 + dx] = colour
        return
    f = scale / 100.0
    points = [((x0 + dx + 0.5) * f - 0.5, (y0 + dy + 0.5) * f - 0.5) for dx, dy in TICK_LINE]
    draw_stroke(p, points, TICK_WIDTH * f, colour)


QUESTION = [
    ".XXX.",
    "X...X",
    "....X",
    "...X.",
    "..X..",
    ".....",
    "..X..",
]


def draw_mask(p, x0, y0, mask, colour, scale=100):
    f = scale / 100.0
    for y in range(px(y0, scale), px(y0 + len(mask), scale)):
        for x in range(px(x0, scale), px(x0 + len(mask[0]), scale)):
            if mask[int(y / f) - y0][int(x / f) - x0] == "X":
                p[y][x] = colour


def suffix(scale):
    return "" if scale == 100 else "_%d" % scale


def builtin_glyphs():
    for scale in (100,) + SCALES:
        unchecked = framed_square(scale)
        checked = framed_square(scale)
        draw_tick(checked, 6, 3, BLUE, scale=scale)
        grayed = framed_square(scale)
        draw_mask(grayed, 7, 3, QUESTION, BLUE, scale)
        write_bmp("checked%s.bmp" % suffix(scale), checked)
        write_bmp("unchecked%s.bmp" % suffix(scale), unchecked)
        write_bmp("grayed%s.bmp" % suffix(scale), grayed)


# --- the main window's 12 x 12 glyphs on teal --------------------------------

def box(mark, scale=100):
    n, square = px(12, scale), px(11, scale)
    edge = max(1, px(1, scale))
    p = canvas(n, n, TEAL)
    for y in range(square):
        for x in range(square):
            border = min(x, y, square - 1 - x, square - 1 - y) < edge
            p[y][x] = BLACK if border else WHITE
    if mark is not None:
        draw_tick(p, 2, 2, mark, scale=scale)
    return p


def radio(mark, scale=100):
    f = scale / 100.0
    n = px(12, scale)
    p = canvas(n, n, TEAL)
    c, r = (5.0 + 0.5) * f - 0.5, 5.2 * f
    ring = 1.1 * f
    for y in range(px(11, scale)):
        for x in range(px(11, scale)):
            d = math.hypot(x - c, y - c)
            if d <= r - ring:
                p[y][x] = WHITE
            elif d <= r:
                p[y][x] = BLACK
    if mark is not None:
        for y in range(n):
            for x in range(n):
                if math.hypot(x - c, y - c) <= 1.9 * f:
                    p[y][x] = mark
    return p


def form_glyphs():
    for scale in (100,) + SCALES:
        s = suffix(scale)
        write_bmp("box_unchecked%s.bmp" % s, box(None, scale))
        write_bmp("box_checked%s.bmp" % s, box(BLACK, scale))
        write_bmp("box_grayed%s.bmp" % s, box(SILVER, scale))
        write_bmp("radio_unchecked%s.bmp" % s, radio(None, scale))
        write_bmp("radio_checked%s.bmp" % s, radio(BLACK, scale))
        write_bmp("radio_grayed%s.bmp" % s, radio(SILVER, scale))


# --- application icon: a white power sign on a red disc -----------------------

def icon_image(size):
    p = canvas(size, size, BLACK)
    mask = [[1] * size for _ in range(size)]
    c = (size - 1) / 2.0
    outer = size / 2.0 - 0.5
    ring_r, ring_w = size * 0.27, max(1.0, size * 0.08)
    bar_w = max(1, round(size * 0.1))
    for y in range(size):
        for x in range(size):
            d = math.hypot(x - c, y - c)
            if d > outer:
                continue
            mask[y][x] = 0
            p[y][x] = RED if d < outer - max(1.0, size / 16) else MAROON
            angle = math.degrees(math.atan2(x - c, c - y))  # 0 at the top
            if abs(d - ring_r) <= ring_w and abs(angle) > 35:
                p[y][x] = WHITE
            if abs(x - c) <= bar_w / 2.0 + 0.01 and c - ring_r * 1.35 <= y <= c:
                p[y][x] = WHITE
    return p, mask


def icon_entry(size):
    pixels, mask = icon_image(size)
    xor = pack_4bpp_rows(pixels)
    and_rows = bytearray()
    for row in reversed(mask):
        line = bytearray()
        for x in range(0, size, 8):
            byte = 0
            for b in range(8):
                if x + b < size and row[x + b]:
                    byte |= 0x80 >> b
            line.append(byte)
        while len(line) % 4:
            line.append(0)
        and_rows += line
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(and_rows), 0, 0, 16, 0)
    return info + palette_bytes() + xor + bytes(and_rows)


def write_icon():
    # The standard sizes and those of the caption and task bar at 125-200 %.
    sizes = [32, 16, 20, 24, 40, 48, 64]
    images = [icon_entry(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, img in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 16, 0, 1, 4, len(img), offset)
        offset += len(img)
    with open(os.path.join(HERE, "KalvexNow.ico"), "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    builtin_glyphs()
    form_glyphs()
    write_icon()
