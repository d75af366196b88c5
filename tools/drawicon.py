#!/usr/bin/env python3
"""Draws the game's icon: a keycap with a "K" racing ahead of three speed streaks.

Standard library only. One list of shapes makes both the scalable SVG and the PNGs of the usual
hicolor sizes, written under data/icons/hicolor/ in the layout they are installed in.
"""
import os
import sys

sys.dont_write_bytecode = True  # no __pycache__ beside the committed tools
from drawpictures import inpolygon, writepng  # noqa: E402

ICON = "org.keystrider.Keystrider"
CANVAS = 256
SIZES = (16, 24, 32, 48, 64, 128, 256)

TILE_TOP = (53, 102, 214)
TILE_BOTTOM = (26, 52, 127)
STREAK = (255, 179, 26)
KEY_SIDE = (174, 183, 201)
KEY_FACE = (245, 247, 251)
LETTER = (27, 47, 107)


def rect(x, y, w, h, r, fill):
    return ("rect", (x, y, w, h, r), fill)


def polygon(points, fill):
    return ("polygon", points, fill)


def letterk(left, top):
    stem = rect(left, top, 20, 72, 2, LETTER)
    upper = polygon([(left + 14, top + 30), (left + 48, top), (left + 74, top),
                     (left + 28, top + 44)], LETTER)
    lower = polygon([(left + 28, top + 26), (left + 76, top + 72), (left + 50, top + 72),
                     (left + 14, top + 42)], LETTER)
    return [stem, upper, lower]


# Back to front; the tile carries a vertical gradient from its top edge to its bottom edge.
SHAPES = [
    rect(12, 12, 232, 232, 48, ("gradient", TILE_TOP, TILE_BOTTOM)),
    rect(40, 88, 46, 16, 8, STREAK),
    rect(24, 120, 62, 16, 8, STREAK),
    rect(48, 152, 38, 16, 8, STREAK),
    rect(98, 62, 128, 144, 24, KEY_SIDE),
    rect(108, 68, 108, 118, 18, KEY_FACE),
] + letterk(128, 92)


def inrect(px, py, geometry):
    x, y, w, h, r = geometry
    if not (x <= px <= x + w and y <= py <= y + h):
        return False
    # Only the corner squares need the distance check.
    cx = min(max(px, x + r), x + w - r)
    cy = min(max(py, y + r), y + h - r)
    return (px - cx) ** 2 + (py - cy) ** 2 <= r * r


def colourof(shape, py):
    kind, geometry, fill = shape
    if fill[0] != "gradient":
        return fill
    _, top, bottom = fill
    y, h = geometry[1], geometry[3]
    t = min(max((py - y) / h, 0.0), 1.0)
    return tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))


def colourat(px, py):
    for shape in reversed(SHAPES):
        kind, geometry, _ = shape
        inside = inrect(px, py, geometry) if kind == "rect" else inpolygon(px, py, geometry)
        if inside:
            return colourof(shape, py)
    return None


def pixels(size):
    samples = 4 if size >= 64 else 8
    scale = CANVAS / size

    def pixel(x, y):
        total = [0, 0, 0]
        covered = 0
        for sy in range(samples):
            for sx in range(samples):
                c = colourat((x + (sx + 0.5) / samples) * scale, (y + (sy + 0.5) / samples) * scale)
                if c is None:
                    continue
                covered += 1
                for i in range(3):
                    total[i] += c[i]
        if covered == 0:
            return bytes(4)
        alpha = round(255 * covered / (samples * samples))
        return bytes([round(t / covered) for t in total] + [alpha])

    return pixel


def hexcolour(c):
    return "#%02x%02x%02x" % c


def svg():
    out = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
           % (CANVAS, CANVAS, CANVAS, CANVAS)]
    gradients = 0
    for kind, geometry, fill in SHAPES:
        if fill[0] == "gradient":
            gradients += 1
            paint = "url(#g%d)" % gradients
            out.append('<defs><linearGradient id="g%d" x1="0" y1="0" x2="0" y2="1">'
                       '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/>'
                       '</linearGradient></defs>' % (gradients, hexcolour(fill[1]), hexcolour(fill[2])))
        else:
            paint = hexcolour(fill)
        if kind == "rect":
            x, y, w, h, r = geometry
            out.append('<rect x="%g" y="%g" width="%g" height="%g" rx="%g" fill="%s"/>'
                       % (x, y, w, h, r, paint))
        else:
            points = " ".join("%g,%g" % p for p in geometry)
            out.append('<polygon points="%s" fill="%s"/>' % (points, paint))
    out.append("</svg>")
    return "\n".join(out) + "\n"


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "data", "icons", "hicolor")
    scalable = os.path.join(root, "scalable", "apps")
    os.makedirs(scalable, exist_ok=True)
    with open(os.path.join(scalable, ICON + ".svg"), "w") as f:
        f.write(svg())
    for size in SIZES:
        folder = os.path.join(root, "%dx%d" % (size, size), "apps")
        os.makedirs(folder, exist_ok=True)
        writepng(os.path.join(folder, ICON + ".png"), size, size, pixels(size), alpha=True)


if __name__ == "__main__":
    main()
