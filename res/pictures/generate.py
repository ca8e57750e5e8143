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


# --- check-box glyphs, 19 x 14: silver square with a 3D edge on olive -------

def framed_square():
    p = canvas(19, 14, OLIVE)
    left, top, size = 3, 0, 13
    for y in range(top, top + size):
        for x in range(left, left + size):
            p[y][x] = SILVER
    for i in range(size):
        p[top][left + i] = WHITE                 # upper edge
        p[top + i][left] = WHITE                 # left edge
        p[top + size - 1][left + i] = GRAY       # lower edge
        p[top + i][left + size - 1] = GRAY       # right edge
    return p


TICK = [(0, 2), (1, 3), (2, 4), (3, 3), (4, 2), (5, 1), (6, 0)]


def draw_tick(p, x0, y0, colour, thickness=2):
    for dx, dy in TICK:
        for t in range(thickness):
            p[y0 + dy + t][x0 + dx] = colour


QUESTION = [
    ".XXX.",
    "X...X",
    "....X",
    "...X.",
    "..X..",
    ".....",
    "..X..",
]


def draw_mask(p, x0, y0, mask, colour):
    for dy, line in enumerate(mask):
        for dx, ch in enumerate(line):
            if ch == "X":
                p[y0 + dy][x0 + dx] = colour


def builtin_glyphs():
    unchecked = framed_square()
    checked = framed_square()
    draw_tick(checked, 6, 3, BLUE)
    grayed = framed_square()
    draw_mask(grayed, 7, 3, QUESTION, BLUE)
    write_bmp("checked.bmp", checked)
    write_bmp("unchecked.bmp", unchecked)
    write_bmp("grayed.bmp", grayed)


# --- the main window's 12 x 12 glyphs on teal --------------------------------

def box(mark):
    p = canvas(12, 12, TEAL)
    for y in range(11):
        for x in range(11):
            edge = x in (0, 10) or y in (0, 10)
            p[y][x] = BLACK if edge else WHITE
    if mark is not None:
        draw_tick(p, 2, 2, mark)
    return p


def radio(mark):
    p = canvas(12, 12, TEAL)
    c, r = 5.0, 5.2
    for y in range(11):
        for x in range(11):
            d = math.hypot(x - c, y - c)
            if d <= r - 1.1:
                p[y][x] = WHITE
            elif d <= r:
                p[y][x] = BLACK
    if mark is not None:
        for y in range(11):
            for x in range(11):
                if math.hypot(x - c, y - c) <= 1.9:
                    p[y][x] = mark
    return p


def form_glyphs():
    write_bmp("box_unchecked.bmp", box(None))
    write_bmp("box_checked.bmp", box(BLACK))
    write_bmp("box_grayed.bmp", box(SILVER))
    write_bmp("radio_unchecked.bmp", radio(None))
    write_bmp("radio_checked.bmp", radio(BLACK))
    write_bmp("radio_grayed.bmp", radio(SILVER))


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
    sizes = [32, 16]
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
