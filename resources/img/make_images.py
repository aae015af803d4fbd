#!/usr/bin/env python3
"""Draws the program's images (refresh button, spin/combo arrows, window icon) with the standard library only.

Run it from anywhere: it rewrites flash.png, up.png and down.png next to itself, Korvane.ico and
control-terminal.png one directory up, and the menu icon in the smaller hicolor sizes under
../icons/NxN/. Shapes are sampled SS x SS times per pixel (more for a picture drawn smaller than
designed), which gives the anti-aliased edges without any imaging library.
"""

import math
import os
import struct
import zlib

SS = 4  # sub-samples per pixel along each axis
ICON_SIZES = (16, 24, 32, 48, 64, 128)  # hicolor sizes besides the 256 of control-terminal.png


class Canvas:
    """Straight-alpha RGBA canvas; shapes are composited with 'source over'."""

    def __init__(self, width, height, unit=1.0):
        """unit: design units per pixel, so that a picture drawn in 256 units can be painted at 16 pixels."""
        self.width = width
        self.height = height
        self.unit = unit
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(width * height)]

    def fill(self, inside, colour, box=None):
        """Paints colour (r, g, b, a in 0..1, or a function of x, y giving one) over every sub-sample where
        inside(x, y) holds; x and y are in design units with (0, 0) at the top left corner."""
        u = self.unit
        x0, y0, x1, y1 = box if box else (0, 0, self.width * u, self.height * u)
        x0, y0 = max(0, int(math.floor(x0 / u))), max(0, int(math.floor(y0 / u)))
        x1, y1 = min(self.width, int(math.ceil(x1 / u))), min(self.height, int(math.ceil(y1 / u)))
        # A pixel that covers many design units gets as many more samples, so thin shapes are not missed.
        ss = min(32, max(SS, int(round(SS * u))))
        offsets = [(i + 0.5) / ss for i in range(ss)]
        for py in range(y0, y1):
            for px in range(x0, x1):
                hits = 0
                for oy in offsets:
                    for ox in offsets:
                        if inside((px + ox) * u, (py + oy) * u):
                            hits += 1
                if not hits:
                    continue
                c = colour((px + 0.5) * u, (py + 0.5) * u) if callable(colour) else colour
                self._over(px, py, c, hits / (ss * ss))

    def _over(self, x, y, c, coverage):
        dst = self.px[y * self.width + x]
        sa = c[3] * coverage
        da = dst[3]
        oa = sa + da * (1.0 - sa)
        if oa <= 0.0:
            return
        for i in range(3):
            dst[i] = (c[i] * sa + dst[i] * da * (1.0 - sa)) / oa
        dst[3] = oa

    def png(self):
        rows = bytearray()
        for y in range(self.height):
            rows.append(0)  # filter: none
            for x in range(self.width):
                for v in self.px[y * self.width + x]:
                    rows.append(max(0, min(255, int(round(v * 255.0)))))

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 6, 0, 0, 0)  # 8-bit RGBA
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(rows), 9))
                + chunk(b"IEND", b""))


def ico(png, size):
    """An icon file holding one image stored compressed, i.e. as PNG (size 256 is written as 0)."""
    side = 0 if size >= 256 else size
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(png), 6 + 16)
    return header + entry + png


# Shape helpers: each returns a predicate of (x, y).

def seg_dist(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)
    t = max(0.0, min(1.0, t))
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


def polyline(points, width):
    half = width / 2.0
    segs = list(zip(points, points[1:]))
    return lambda x, y: any(seg_dist(x, y, a[0], a[1], b[0], b[1]) <= half for a, b in segs)


def triangle(a, b, c):
    def side(p, q, x, y):
        return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])

    def inside(x, y):
        d1, d2, d3 = side(a, b, x, y), side(b, c, x, y), side(c, a, x, y)
        neg = d1 < 0 or d2 < 0 or d3 < 0
        pos = d1 > 0 or d2 > 0 or d3 > 0
        return not (neg and pos)

    return inside


def arc(cx, cy, radius, width, start_deg, end_deg):
    """Ring segment from start to end angle (degrees, counter-clockwise on screen, 0 = right), round caps."""
    half = width / 2.0
    a0, a1 = math.radians(start_deg), math.radians(end_deg)
    span = (a1 - a0) % (2 * math.pi)
    ends = [(cx + radius * math.cos(a), cy - radius * math.sin(a)) for a in (a0, a1)]

    def inside(x, y):
        if abs(math.hypot(x - cx, y - cy) - radius) <= half:
            angle = math.atan2(cy - y, x - cx)
            if (angle - a0) % (2 * math.pi) <= span:
                return True
        return any(math.hypot(x - ex, y - ey) <= half for ex, ey in ends)

    return inside


def round_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if x < x0 or x > x1 or y < y0 or y > y1:
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return math.hypot(x - cx, y - cy) <= r

    return inside


def arrow_head(tip_x, tip_y, dir_deg, length, half_width):
    """Triangle whose tip points along dir_deg (screen angle, counter-clockwise, 0 = right)."""
    d = math.radians(dir_deg)
    ux, uy = math.cos(d), -math.sin(d)
    bx, by = tip_x - ux * length, tip_y - uy * length
    return triangle((tip_x, tip_y), (bx - uy * half_width, by + ux * half_width),
                    (bx + uy * half_width, by - ux * half_width))


WHITE = (1.0, 1.0, 1.0, 1.0)


def draw_flash():
    """18 x 16: two white circular arrows chasing each other (refresh)."""
    c = Canvas(18, 16)
    cx, cy, r, w = 9.0, 8.0, 5.0, 1.6
    c.fill(arc(cx, cy, r, w, 60, 175), WHITE)
    c.fill(arc(cx, cy, r, w, 240, 355), WHITE)
    # Heads at the clockwise-leading ends, tangent to the circle, their base on the arc's end.
    for end in (60, 240):
        a = math.radians(end)
        ex, ey = cx + r * math.cos(a), cy - r * math.sin(a)
        tangent = end - 90  # clockwise direction of travel at this point
        tx, ty = ex + 3.2 * math.cos(math.radians(tangent)), ey - 3.2 * math.sin(math.radians(tangent))
        c.fill(arrow_head(tx, ty, tangent, 3.2, 2.8), WHITE)
    return c


def draw_chevron(up):
    """16 x 16: a white chevron pointing up or down."""
    c = Canvas(16, 16)
    if up:
        pts = [(3.5, 10.5), (8.0, 6.0), (12.5, 10.5)]
    else:
        pts = [(3.5, 5.5), (8.0, 10.0), (12.5, 5.5)]
    c.fill(polyline(pts, 2.0), WHITE)
    return c


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(4))


def hexcolour(text, alpha=1.0):
    return (int(text[0:2], 16) / 255.0, int(text[2:4], 16) / 255.0, int(text[4:6], 16) / 255.0, alpha)


def draw_icon(size=256):
    """Window and menu icon, designed at 256 x 256: a handheld radio sending waves, on a dark blue tile."""
    c = Canvas(size, size, 256.0 / size)
    top, bottom = hexcolour("3A8EE6"), hexcolour("1E3A5F")
    c.fill(round_rect(8, 8, 248, 248, 44), lambda x, y: mix(top, bottom, (y - 8) / 240.0))

    body = hexcolour("F2F4F7")
    dark = hexcolour("1E1F22")
    accent = hexcolour("05B8CC")

    # Antenna, then the radio's body.
    c.fill(round_rect(92, 50, 108, 112, 7), body, (90, 48, 110, 114))
    c.fill(round_rect(78, 100, 178, 232, 16), body, (76, 98, 180, 234))
    # Display.
    c.fill(round_rect(92, 116, 164, 150, 6), dark, (90, 114, 166, 152))
    c.fill(round_rect(98, 124, 138, 132, 3), accent, (96, 122, 140, 134))
    c.fill(round_rect(98, 137, 124, 143, 3), hexcolour("3A8EE6"), (96, 135, 126, 145))
    # Speaker grille.
    for i in range(4):
        y = 166 + i * 14
        c.fill(round_rect(94, y, 162, y + 6, 3), hexcolour("8A8F98"), (92, y - 2, 164, y + 8))

    # Waves leaving the antenna tip.
    for i, r in enumerate((28, 48, 68)):
        c.fill(arc(100, 56, r, 10, -35, 35), mix(WHITE, accent, i / 3.0), (100, 56 - r - 8, 100 + r + 8, 56 + r + 8))
    return c


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parent = os.path.dirname(here)
    outputs = {
        os.path.join(here, "flash.png"): draw_flash().png(),
        os.path.join(here, "up.png"): draw_chevron(True).png(),
        os.path.join(here, "down.png"): draw_chevron(False).png(),
    }
    icon_png = draw_icon().png()
    outputs[os.path.join(parent, "Korvane.ico")] = ico(icon_png, 256)
    outputs[os.path.join(parent, "control-terminal.png")] = icon_png
    for size in ICON_SIZES:
        folder = os.path.join(parent, "icons", "%dx%d" % (size, size))
        os.makedirs(folder, exist_ok=True)
        outputs[os.path.join(folder, "control-terminal.png")] = draw_icon(size).png()
    for path, data in outputs.items():
        with open(path, "wb") as f:
            f.write(data)
        print(path, len(data), "bytes")


if __name__ == "__main__":
    main()
