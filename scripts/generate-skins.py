#!/usr/bin/env python3
"""Draws the shipped skins: a seamless 128 x 128 background tile and a skin
file for each, into data/skins/. The outputs are committed; run this again
after changing a drawing.

    python3 scripts/generate-skins.py           # writes data/skins/
    python3 scripts/generate-skins.py --check   # fails when the committed files
                                                # differ or a text would be hard to read

A tile is raw bytes, no header: 128 x 128 pixels of red, green, blue, stored
column by column (the pixel of column c, row r is number c * 128 + r).
Every pattern below repeats after exactly 128 pixels in both directions, so
the tiles join without a seam.
"""
import math
import os
import random
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "data", "skins")
SIDE = 128

# Labels are drawn in the window-text colour (black) inside the frames, where
# levels 1 and 2 apply. Against the darkest common button face, every blended
# pixel there must keep at least this contrast with black (7:1 is the usual
# bar for small text).
MIN_CONTRAST = 7.0
FACES = [(212, 208, 200), (236, 233, 216), (240, 240, 240)]


# --- periodic noise -----------------------------------------------------------

class Noise:
    """Octaves of lattice noise; periods as (x cells, y cells) stretch it."""

    def __init__(self, seed, octaves):
        rng = random.Random(seed)
        self.layers = [(StretchedLattice(rng, px, py), w) for (px, py), w in octaves]
        self.total = sum(w for _, w in octaves)

    def at(self, x, y):
        return sum(layer.at(x, y) * w for layer, w in self.layers) / self.total


class StretchedLattice:
    def __init__(self, rng, px, py):
        self.px, self.py = px, py
        self.v = [[rng.random() for _ in range(py)] for _ in range(px)]

    def at(self, x, y):
        u, v = x * self.px / SIDE, y * self.py / SIDE
        i, j = int(math.floor(u)), int(math.floor(v))
        fu, fv = smooth(u - i), smooth(v - j)
        px, py = self.px, self.py
        a, b = self.v[i % px][j % py], self.v[(i + 1) % px][j % py]
        c, d = self.v[i % px][(j + 1) % py], self.v[(i + 1) % px][(j + 1) % py]
        return lerp(lerp(a, b, fu), lerp(c, d, fu), fv)


def smooth(t):
    return t * t * (3 - 2 * t)


def lerp(a, b, t):
    return a + (b - a) * t


def wave(x, y, cx, cy, phase=0.0):
    """A sine that fits cx times across and cy times down the tile: seamless."""
    return math.sin(2 * math.pi * (cx * x + cy * y) / SIDE + phase)


def ramp(stops, t):
    """Colour at t in 0..1 along (position, (r, g, b)) stops."""
    t = min(max(t, 0.0), 1.0)
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            f = 0.0 if p1 == p0 else (t - p0) / (p1 - p0)
            return tuple(lerp(a, b, f) for a, b in zip(c0, c1))
    return stops[-1][1]


def iso(period, weight):
    return ((period, period), weight)


# --- the drawings: each returns (r, g, b) floats for pixel (x, y) ------------

def sand():
    grain = Noise(11, [iso(64, 1.0)])
    dunes = Noise(12, [iso(4, 3.0), iso(8, 1.5)])
    stops = [(0.0, (196, 164, 112)), (0.5, (222, 194, 146)), (1.0, (240, 220, 180))]

    def px(x, y):
        d = dunes.at(x, y)
        ripple = 0.5 + 0.5 * wave(x, y, 2, 7, 6 * d)
        return ramp(stops, 0.25 + 0.35 * ripple + 0.3 * grain.at(x, y) + 0.2 * (d - 0.5))
    return px


def grass():
    blades = Noise(21, [((64, 4), 2.0), ((32, 8), 1.0), ((128, 16), 0.6)])
    patches = Noise(22, [iso(4, 1.0), iso(8, 0.5)])
    stops = [(0.0, (38, 92, 30)), (0.45, (74, 140, 48)), (0.8, (120, 178, 70)), (1.0, (170, 206, 104))]

    def px(x, y):
        return ramp(stops, 0.75 * blades.at(x, y) + 0.45 * patches.at(x, y) - 0.15)
    return px


def sky():
    clouds = Noise(31, [iso(4, 4.0), iso(8, 2.0), iso(16, 1.0), iso(32, 0.5)])
    stops = [(0.0, (70, 130, 205)), (0.45, (110, 165, 230)), (0.62, (190, 215, 245)), (1.0, (255, 255, 255))]

    def px(x, y):
        return ramp(stops, clouds.at(x, y) * 1.35 - 0.15)
    return px


def rose():
    soft = Noise(41, [iso(4, 2.0), iso(8, 1.0), iso(16, 0.5)])
    stops = [(0.0, (190, 70, 110)), (0.5, (228, 130, 160)), (1.0, (250, 205, 220))]

    def px(x, y):
        n = soft.at(x, y)
        petals = 0.5 + 0.5 * math.sin(2 * math.pi * (3 * n) + wave(x, y, 1, 1) + wave(x, y, 1, -2))
        return ramp(stops, 0.55 * petals + 0.45 * n)
    return px


def silver():
    brushed = Noise(51, [((2, 128), 2.0), ((4, 64), 1.0), ((8, 128), 0.6)])
    sheen = Noise(52, [iso(2, 1.0)])
    stops = [(0.0, (140, 146, 154)), (0.5, (190, 195, 202)), (1.0, (236, 238, 242))]

    def px(x, y):
        return ramp(stops, 0.65 * brushed.at(x, y) + 0.35 * sheen.at(x, y) + 0.1 * wave(x, y, 1, 0))
    return px


def sun():
    heat = Noise(61, [iso(4, 2.0), iso(8, 1.0), iso(16, 0.5)])
    stops = [(0.0, (230, 120, 20)), (0.5, (250, 180, 40)), (1.0, (255, 235, 130))]

    def px(x, y):
        n = heat.at(x, y)
        turbulence = abs(2 * n - 1)
        glow = 0.5 + 0.25 * wave(x, y, 1, 1) + 0.25 * wave(x, y, 2, -1)
        return ramp(stops, 0.55 * (1 - turbulence) + 0.45 * glow)
    return px


def night():
    haze = Noise(71, [iso(4, 2.0), iso(8, 1.0), iso(16, 0.5)])
    rng = random.Random(72)
    stars = {}
    for _ in range(70):
        x, y = rng.randrange(SIDE), rng.randrange(SIDE)
        stars[(x, y)] = 0.45 + 0.55 * rng.random()
    stops = [(0.0, (8, 12, 36)), (0.6, (22, 30, 72)), (1.0, (60, 50, 110))]

    def px(x, y):
        base = ramp(stops, haze.at(x, y) * 1.3 - 0.2)
        light = stars.get((x, y), 0.0)
        # A faint cross around the brightest stars, wrapping at the edges.
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            neighbour = stars.get(((x + dx) % SIDE, (y + dy) % SIDE), 0.0)
            if neighbour > 0.85:
                light = max(light, 0.35 * neighbour)
        return tuple(lerp(c, 255, light) for c in base)
    return px


def plain():
    fibres = Noise(81, [iso(64, 1.0), ((128, 32), 0.7)])
    stops = [(0.0, (214, 210, 200)), (1.0, (238, 236, 230))]

    def px(x, y):
        return ramp(stops, fibres.at(x, y))
    return px


def system():
    # Levels of 1 show only the button face; the tile matters nowhere.
    def px(x, y):
        return (255, 255, 255)
    return px


# name, drawing, (level 1, level 2, level 3), button style, bar style, remark
SKINS = [
    ("Sand", sand, (0.80, 0.65, 0.35), 1, 1, "warm dunes; desert buttons and bars"),
    ("Grass", grass, (0.85, 0.75, 0.40), 7, 2, "a meadow; gradient grass buttons"),
    ("Sky", sky, (0.80, 0.70, 0.30), 8, 4, "clouds; gradient sky buttons"),
    ("Rose", rose, (0.85, 0.70, 0.35), 9, 9, "petals; gradient rose buttons, velvet bars"),
    ("Silver", silver, (0.75, 0.60, 0.25), 10, 10, "brushed metal; gradient silver buttons, metal bars"),
    ("Sun", sun, (0.85, 0.70, 0.35), 11, 6, "sunlight; gradient sun buttons"),
    ("Night", night, (0.92, 0.85, 0.55), 4, 8, "a starry sky; sky buttons, night bars"),
    ("Plain", plain, (0.60, 0.40, 0.00), 3, 3, "quiet paper; silver buttons and bars"),
    ("System", system, (1.00, 1.00, 1.00), 0, 0, "the system's own colours"),
]


# --- output -------------------------------------------------------------------

def tile_bytes(draw):
    out = bytearray()
    for c in range(SIDE):
        for r in range(SIDE):
            out += bytes(min(255, max(0, int(round(v)))) for v in draw(c, r))
    return bytes(out)


def skin_text(name, levels, buttons, bars, image, remark):
    return (
        f"; {name}: {remark}.\r\n"
        f"[NAME]\r\nSKIN_ENG={name}\r\n"
        f"[TRANSPARENCY]\r\nLEVEL1={levels[0]:.2f}\r\nLEVEL2={levels[1]:.2f}\r\nLEVEL3={levels[2]:.2f}\r\n"
        f"[BUTTONS]\r\nSTYLE={buttons}\r\n"
        f"[BARS]\r\nSTYLE={bars}\r\n"
        f"[BACKGROUND]\r\nIMAGE={image}\r\n"
    ).encode("ascii")


def outputs():
    """(relative path, bytes) of every generated file."""
    files = []
    for name, drawing, levels, buttons, bars, remark in SKINS:
        image = name.lower() + ".rgb"
        files.append((os.path.join("backfones", image), tile_bytes(drawing())))
        files.append((name.lower() + ".ini", skin_text(name, levels, buttons, bars, image, remark)))
    return files


def luminance(rgb):
    def channel(v):
        v /= 255
        return v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4
    r, g, b = (channel(v) for v in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def worst_contrast(tile, level):
    """Least contrast of black text over the tile blended at this level."""
    worst = None
    for face in FACES:
        lum = min(luminance(tuple((1 - level) * t + level * f for t, f in zip(tile[i:i + 3], face)))
                  for i in range(0, len(tile), 3))
        ratio = (lum + 0.05) / 0.05
        worst = ratio if worst is None else min(worst, ratio)
    return worst


def check(files):
    problems = []
    for rel, data in files:
        path = os.path.join(OUT, rel)
        try:
            with open(path, "rb") as f:
                if f.read() != data:
                    problems.append(f"{rel}: differs from what this script draws")
        except OSError:
            problems.append(f"{rel}: missing")
    tiles = dict(files)
    for name, _, levels, buttons, bars, _ in SKINS:
        tile = tiles[os.path.join("backfones", name.lower() + ".rgb")]
        if len(tile) != SIDE * SIDE * 3:
            problems.append(f"{name}: tile of {len(tile)} bytes")
        for level in levels[:2]:
            ratio = worst_contrast(tile, level)
            if ratio < MIN_CONTRAST:
                problems.append(f"{name}: text contrast {ratio:.1f}:1 at level {level}")
    buttons = {s[3] for s in SKINS}
    bars = {s[4] for s in SKINS}
    if len(buttons) < 8 or len(bars) < 8:
        problems.append(f"{len(buttons)} button styles and {len(bars)} bar styles; 8 of each wanted")
    for p in problems:
        print(p, file=sys.stderr)
    return not problems


def main():
    files = outputs()
    if "--check" in sys.argv[1:]:
        return 0 if check(files) else 1
    os.makedirs(os.path.join(OUT, "backfones"), exist_ok=True)
    for rel, data in files:
        with open(os.path.join(OUT, rel), "wb") as f:
            f.write(data)
    print(f"{len(files)} files in {OUT}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
