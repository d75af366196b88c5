#!/usr/bin/env python3
"""Draws the race pictures (the track and the two cars) into assets/ as 24-bit PNGs.

Standard library only. Shapes are described in coordinates relative to the picture, so the
player's slightly larger car is the very same drawing; each pixel averages a 4 x 4 grid of
samples for smooth edges.
"""
import math
import os
import struct
import sys
import zlib

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
SAMPLES = 4


def writepng(path, width, height, pixel, alpha=False):
    """pixel(x, y) gives 3 bytes (RGB), or 4 (RGBA) when alpha is set."""
    rows = bytearray()
    for y in range(height):
        rows.append(0)  # no filter
        for x in range(width):
            rows.extend(pixel(x, y))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", header))
        f.write(chunk(b"IDAT", zlib.compress(bytes(rows), 9)))
        f.write(chunk(b"IEND", b""))


def smooth(width, height, colourat):
    """Pixel function averaging SAMPLES x SAMPLES points of colourat(u, v), u and v in [0, 1]."""

    def pixel(x, y):
        total = [0, 0, 0]
        for sy in range(SAMPLES):
            for sx in range(SAMPLES):
                u = (x + (sx + 0.5) / SAMPLES) / width
                v = (y + (sy + 0.5) / SAMPLES) / height
                c = colourat(u, v)
                for i in range(3):
                    total[i] += c[i]
        n = SAMPLES * SAMPLES
        return bytes(round(t / n) for t in total)

    return pixel


def inpolygon(u, v, points):
    inside = False
    j = len(points) - 1
    for i, (ui, vi) in enumerate(points):
        uj, vj = points[j]
        if (vi > v) != (vj > v) and u < (uj - ui) * (v - vi) / (vj - vi) + ui:
            inside = not inside
        j = i
    return inside


def car(body, highlight, shadow, width, height):
    aspect = width / height  # circles must stay round in a picture that is not square
    wheels = [(0.22, 0.76), (0.79, 0.76)]
    tyre = 0.22  # radii as parts of the height
    rim = 0.13
    hub = 0.05
    arch = 0.26

    def distance(u, v, centre):
        du = (u - centre[0]) * aspect
        dv = v - centre[1]
        return math.hypot(du, dv)

    shell = [(0.02, 0.50), (0.05, 0.44), (0.24, 0.42), (0.36, 0.14), (0.66, 0.14),
             (0.80, 0.40), (0.95, 0.45), (0.985, 0.54), (0.985, 0.74), (0.02, 0.74)]
    rearwindow = [(0.29, 0.41), (0.385, 0.20), (0.50, 0.20), (0.50, 0.41)]
    frontwindow = [(0.535, 0.41), (0.535, 0.20), (0.645, 0.20), (0.755, 0.41)]

    def colourat(u, v):
        for centre in wheels:
            d = distance(u, v, centre)
            if d < hub:
                return (70, 70, 70)
            if d < rim:
                return (200, 200, 205)
            if d < tyre:
                return (55, 55, 55)
            if d < arch and v > 0.55:
                return BLACK
        if inpolygon(u, v, rearwindow) or inpolygon(u, v, frontwindow):
            return (175, 215, 245)
        if not inpolygon(u, v, shell):
            return BLACK
        if 0.955 < u and 0.50 < v < 0.58:
            return (255, 230, 90)  # headlight
        if u < 0.045 and 0.52 < v < 0.60:
            return (230, 30, 30)  # tail light
        if abs(u - 0.52) < 0.006 and 0.42 < v < 0.70:
            return shadow  # door seam
        if 0.56 < u < 0.61 and 0.49 < v < 0.52:
            return shadow  # door handle
        if 0.45 < v < 0.50:
            return highlight
        if v > 0.68:
            return shadow
        return body

    return smooth(width, height, colourat)


def track(width, height):
    # Whole pixels, so the lines stay crisp until the window stretches the picture.
    def pixel(x, y):
        if y in (1, height - 2):
            return bytes(WHITE)  # lane borders
        dashed = x % 16 < 9
        if dashed and (y == 36 or y == 40):
            return bytes(WHITE)  # lane markings: upper lane, lower lane
        return bytes(BLACK)

    return pixel


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "assets")
    os.makedirs(folder, exist_ok=True)
    pictures = {
        "track.png": (228, 77, track(228, 77)),
        "car1.png": (85, 49, car((35, 75, 225), (95, 140, 255), (20, 45, 150), 85, 49)),
        "car2.png": (88, 51, car((215, 0, 215), (255, 105, 255), (140, 0, 140), 88, 51)),
    }
    for name, (width, height, pixel) in pictures.items():
        writepng(os.path.join(folder, name), width, height, pixel)


if __name__ == "__main__":
    main()
