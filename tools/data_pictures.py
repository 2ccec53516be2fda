#!/usr/bin/env python3
"""Draws the product pictures named by the shipped catalogues, as 24-bit BMP files in data/.

Run by hand from the repository root (Python 3, standard library only):

    python3 tools/data_pictures.py

kpNN.bmp: the profile's cross-section over one sheet width, drawn from group 2 of its data file
(the same geometry as tools/profile_tables.py). fastener1.bmp to fastener4.bmp: outline sketches of
a self-drilling screw, a thread-forming screw, a powder-actuated nail and a blind rivet.
"""

import math
import os
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import profile_tables  # noqa: E402
from generated_files import data_dir  # noqa: E402

WHITE, INK, FILL = (255, 255, 255), (40, 60, 90), (150, 170, 195)


class Canvas:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[WHITE] * w for _ in range(h)]

    def dot(self, x, y, colour, r=1):
        for dy in range(-r, r + 1):
            for dx in range(-r, r + 1):
                xi, yi = int(round(x)) + dx, int(round(y)) + dy
                if 0 <= xi < self.w and 0 <= yi < self.h:
                    self.px[yi][xi] = colour

    def line(self, x1, y1, x2, y2, colour=INK, r=1):
        n = int(max(abs(x2 - x1), abs(y2 - y1))) + 1
        for i in range(n + 1):
            t = i / n
            self.dot(x1 + (x2 - x1) * t, y1 + (y2 - y1) * t, colour, r)

    def polyline(self, pts, colour=INK, r=1):
        for (x1, y1), (x2, y2) in zip(pts, pts[1:]):
            self.line(x1, y1, x2, y2, colour, r)

    def rect(self, x1, y1, x2, y2, colour):
        for y in range(int(y1), int(y2) + 1):
            for x in range(int(x1), int(x2) + 1):
                self.dot(x, y, colour, 0)

    def save(self, path):
        row = (3 * self.w + 3) & ~3
        size = 54 + row * self.h
        with open(path, "wb") as f:
            f.write(b"BM" + struct.pack("<IHHI", size, 0, 0, 54))
            f.write(struct.pack("<IiiHHIIiiII", 40, self.w, self.h, 1, 24, 0, row * self.h, 2835, 2835, 0, 0))
            for y in range(self.h - 1, -1, -1):      # bottom-up rows
                data = b"".join(bytes((b, g, r)) for r, g, b in self.px[y])
                f.write(data + b"\0" * (row - 3 * self.w))


def profile_picture(p):
    bt, bw, bb = profile_tables.geometry(p)
    ribs = int(round(p["cover"] / p["pitch"]))
    c = Canvas(320, 120)
    scale = 300.0 / (p["cover"] + bb)
    hs = min(max(p["h"] * scale * 2.0, 12.0), 80.0)   # low profiles exaggerated, high ones kept in the frame
    x0, ybot = 10.0, 90.0
    pts = [(x0, ybot)]
    x = x0 + bb / 2 * scale
    pts.append((x, ybot))
    for _ in range(ribs):
        pts += [(x + bw * scale, ybot - hs), (x + (bw + bt) * scale, ybot - hs)]
        x += (2 * bw + bt) * scale
        pts.append((x, ybot))
        x += bb * scale
        pts.append((x, ybot))
    c.polyline(pts)
    # cover width dimension line
    left, right = x0 + bb / 2 * scale, x0 + (bb / 2 + p["cover"]) * scale
    c.line(left, 108, right, 108, INK, 0)
    for xe in (left, right):
        c.line(xe, 103, xe, 113, INK, 0)
    return c


def fastener_picture(kind):
    c = Canvas(120, 120)
    cx = 60
    if kind in (1, 2):          # screws: hex head with washer, threaded shank
        c.rect(cx - 14, 10, cx + 14, 24, FILL)
        c.rect(cx - 20, 25, cx + 20, 29, INK)
        c.rect(cx - 4, 30, cx + 4, 95, FILL)
        for y in range(34, 94, 6):
            c.line(cx - 8, y, cx + 8, y + 3, INK, 0)
        if kind == 1:           # drill point
            c.polyline([(cx - 4, 95), (cx, 110), (cx + 4, 95)])
        else:
            c.polyline([(cx - 4, 95), (cx - 2, 101), (cx + 2, 101), (cx + 4, 95)])
    elif kind == 3:             # nail with washers
        c.rect(cx - 8, 12, cx + 8, 18, INK)
        c.rect(cx - 3, 18, cx + 3, 100, FILL)
        c.rect(cx - 10, 40, cx + 10, 43, INK)
        c.polyline([(cx - 3, 100), (cx, 108), (cx + 3, 100)])
    else:                       # blind rivet: flange, body, mandrel
        c.rect(cx - 2, 8, cx + 2, 40, INK)
        c.rect(cx - 16, 40, cx + 16, 45, FILL)
        c.rect(cx - 7, 45, cx + 7, 95, FILL)
        c.rect(cx - 2, 45, cx + 2, 98, INK)
    return c


def main():
    data = data_dir()
    for p in profile_tables.PROFILES:
        profile_picture(p).save(os.path.join(data, p["file"].replace(".dat", ".bmp")))
    for kind in range(1, 5):
        fastener_picture(kind).save(os.path.join(data, "fastener%d.bmp" % kind))
    return 0


if __name__ == "__main__":
    sys.exit(main())
