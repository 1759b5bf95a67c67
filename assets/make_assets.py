#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the artwork of ZAV - voľná konvekcia from geometric primitives.

Makes, next to this script:
  zav.svg                 the application icon (a hot plate with rising air)
  zav-{16..256}.png       the same icon rasterised here with supersampled anti-aliasing
  zav.ico                 16, 32, 48 and 256 pixel icons for Windows (PNG entries)
  autor.jpg               the 240x300 picture of the "O autorovi ..." window: a glowing
                          metal cylinder cooling on a workbench, encoded as baseline JPEG

Only the Python standard library is used and the output is the same on every run.
The generated files are committed, so building the program needs no Python; run
`python3 assets/make_assets.py` again after changing a drawing here.
"""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# ----------------------------------------------------------------------------- icon

BG_TOP, BG_BOTTOM = "#2469A6", "#0F2C4C"   # rounded square, vertical gradient
PLATE, PLATE_GLOW = "#E8501C", "#FFC04A"   # the hot body and its glowing top edge
AIR = "#7FE3F4"                            # rising air streamlines
STROKE = 20                                # streamline width in icon units (of 256)


def hex_rgb(c):
    return tuple(int(c[k:k + 2], 16) / 255.0 for k in (1, 3, 5))


def streamline(x, y_bottom, y_top, sway=21):
    """A rising S-shaped streamline as two cubic curves; vertical where it meets its arrowhead."""
    ym, d = (y_bottom + y_top) / 2, (y_bottom - y_top) * 0.18
    return [((x, y_bottom), (x + sway, y_bottom - d), (x + sway, ym + d), (x, ym)),
            ((x, ym), (x - sway, ym - d), (x, y_top + d), (x, y_top))]


def arrowhead(x, y, half=21, length=32):
    return [(x, y - length), (x + half, y + 3), (x - half, y + 3)]


# The drawing, back to front: (kind, geometry, colour).
ICON = [("rect", (8, 8, 240, 240, 52), "gradient"),
        ("rect", (34, 186, 188, 36, 13), PLATE),
        ("rect", (46, 192, 164, 9, 4.5), PLATE_GLOW)]
for _x, _top in ((77, 86), (128, 64), (179, 86)):
    ICON.append(("curve", streamline(_x, 166, _top), AIR))
    ICON.append(("polygon", arrowhead(_x, _top), AIR))


def fmt(v):
    return ("%.2f" % v).rstrip("0").rstrip(".")


def icon_svg():
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           "<!-- SPDX-License-Identifier: GPL-3.0-or-later -->",
           '<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="256" height="256" viewBox="0 0 256 256">',
           "  <defs>",
           '    <linearGradient id="bg" x1="0" y1="8" x2="0" y2="248" gradientUnits="userSpaceOnUse">',
           '      <stop offset="0" stop-color="%s"/>' % BG_TOP,
           '      <stop offset="1" stop-color="%s"/>' % BG_BOTTOM,
           "    </linearGradient>",
           "  </defs>"]
    for kind, geo, colour in ICON:
        fill = "url(#bg)" if colour == "gradient" else colour
        if kind == "rect":
            x, y, w, h, r = map(fmt, geo)
            out.append('  <rect x="%s" y="%s" width="%s" height="%s" rx="%s" ry="%s" fill="%s"/>'
                       % (x, y, w, h, r, r, fill))
        elif kind == "curve":
            d = "M %s %s" % tuple(map(fmt, geo[0][0]))
            for _, c1, c2, p in geo:
                d += " C %s %s %s %s %s %s" % tuple(map(fmt, c1 + c2 + p))
            out.append('  <path d="%s" fill="none" stroke="%s" stroke-width="%s" '
                       'stroke-linecap="round" stroke-linejoin="round"/>' % (d, colour, fmt(STROKE)))
        else:
            pts = " ".join("%s,%s" % (fmt(x), fmt(y)) for x, y in geo)
            out.append('  <polygon points="%s" fill="%s"/>' % (pts, fill))
    out.append("</svg>")
    return ("\n".join(out) + "\n").encode("utf-8")


# Each shape becomes a signed distance function (negative inside) with a bounding box.

def sdf_rect(x, y, w, h, r):
    cx, cy, hx, hy = x + w / 2, y + h / 2, w / 2 - r, h / 2 - r

    def sdf(px, py):
        qx, qy = abs(px - cx) - hx, abs(py - cy) - hy
        return math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0) - r
    return sdf, (x, y, x + w, y + h)


def _segments(points, closed):
    pairs = list(zip(points, points[1:] + points[:1] if closed else points[1:]))
    return [(ax, ay, bx - ax, by - ay, (bx - ax) ** 2 + (by - ay) ** 2 or 1e-12)
            for (ax, ay), (bx, by) in pairs]


def _dist2(segs, px, py):
    best = 1e30
    for ax, ay, dx, dy, l2 in segs:
        t = min(1.0, max(0.0, ((px - ax) * dx + (py - ay) * dy) / l2))
        ex, ey = px - ax - t * dx, py - ay - t * dy
        best = min(best, ex * ex + ey * ey)
    return best


def sdf_curve(cubics, width, steps=24):
    pts = [cubics[0][0]]
    for p0, p1, p2, p3 in cubics:
        for k in range(1, steps + 1):
            t = k / steps
            a, b, c, d = (1 - t) ** 3, 3 * t * (1 - t) ** 2, 3 * t * t * (1 - t), t ** 3
            pts.append((a * p0[0] + b * p1[0] + c * p2[0] + d * p3[0],
                        a * p0[1] + b * p1[1] + c * p2[1] + d * p3[1]))
    segs, half = _segments(pts, False), width / 2

    def sdf(px, py):
        return math.sqrt(_dist2(segs, px, py)) - half
    xs, ys = [p[0] for p in pts], [p[1] for p in pts]
    return sdf, (min(xs) - half, min(ys) - half, max(xs) + half, max(ys) + half)


def sdf_polygon(points):
    segs = _segments(points, True)

    def sdf(px, py):
        inside = False
        for ax, ay, dx, dy, _ in segs:
            if (ay > py) != (ay + dy > py) and px < ax + dx * (py - ay) / dy:
                inside = not inside
        d = math.sqrt(_dist2(segs, px, py))
        return -d if inside else d
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    return sdf, (min(xs), min(ys), max(xs), max(ys))


def icon_shapes():
    top, bottom = hex_rgb(BG_TOP), hex_rgb(BG_BOTTOM)

    def gradient(x, y):
        t = min(1.0, max(0.0, (y - 8) / 240))
        return tuple(a + (b - a) * t for a, b in zip(top, bottom))
    shapes = []
    for kind, geo, colour in ICON:
        sdf, box = {"rect": lambda g: sdf_rect(*g), "curve": lambda g: sdf_curve(g, STROKE),
                    "polygon": sdf_polygon}[kind](geo)
        paint = gradient if colour == "gradient" else (lambda rgb: lambda x, y: rgb)(hex_rgb(colour))
        shapes.append((sdf, box, paint))
    return shapes


def render_icon(size, ss=6):
    """RGBA rows of the icon at size x size; pixels near an edge get ss x ss samples."""
    px = 256.0 / size                       # one pixel in icon units
    reach = 0.75 * px
    offsets = [((k + 0.5) / ss - 0.5) * px for k in range(ss)]
    buf = [[0.0, 0.0, 0.0, 0.0] for _ in range(size * size)]   # premultiplied
    for sdf, (x0, y0, x1, y1), paint in icon_shapes():
        for j in range(max(0, int(y0 / px) - 1), min(size, int(y1 / px) + 2)):
            cy = (j + 0.5) * px
            for i in range(max(0, int(x0 / px) - 1), min(size, int(x1 / px) + 2)):
                cx = (i + 0.5) * px
                d = sdf(cx, cy)
                if d >= reach:
                    continue
                if d <= -reach:
                    cov = 1.0
                else:
                    cov = sum(sdf(cx + ox, cy + oy) < 0 for oy in offsets for ox in offsets) / (ss * ss)
                    if cov == 0:
                        continue
                r, g, b = paint(cx, cy)
                p, keep = buf[j * size + i], 1.0 - cov
                p[0], p[1], p[2] = r * cov + p[0] * keep, g * cov + p[1] * keep, b * cov + p[2] * keep
                p[3] = cov + p[3] * keep
    rows = []
    for j in range(size):
        row = bytearray()
        for r, g, b, a in buf[j * size:(j + 1) * size]:
            if a <= 0:
                row += b"\0\0\0\0"
            else:
                row += bytes(min(255, int(c / a * 255 + 0.5)) for c in (r, g, b)) + bytes([int(a * 255 + 0.5)])
        rows.append(bytes(row))
    return rows


def png_bytes(width, height, rows, colour_type=6):
    """A PNG of 8-bit RGBA (6) or RGB (2) rows, each row with filter type 0."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    raw = b"".join(b"\0" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def ico_bytes(pngs):
    """An ICO file whose entries are PNG images; pngs is a list of (size, png data)."""
    head = struct.pack("<HHH", 0, 1, len(pngs))
    offset, entries, data = 6 + 16 * len(pngs), b"", b""
    for size, png in pngs:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(png), offset + len(data))
        data += png
    return head + entries + data


# ----------------------------------------------------------------------------- photograph

PHOTO_W, PHOTO_H = 240, 300
CX, RAD, RY = 120.0, 36.0, 10.0            # the cylinder on screen: axis, radius, ellipse half-height
Y_TOP, Y_BOT, BENCH = 124.0, 236.0, 198.0  # cap centre, base centre, back edge of the bench


def hash01(ix, iy, seed=0):
    n = (ix * 374761393 + iy * 668265263 + seed * 144665) & 0xFFFFFFFF
    n = ((n ^ (n >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((n ^ (n >> 16)) & 0xFFFF) / 65535.0


def noise(x, y, seed=0):
    """Smooth value noise in 0..1."""
    ix, iy = math.floor(x), math.floor(y)
    fx, fy = x - ix, y - iy
    fx, fy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
    a, b = hash01(ix, iy, seed), hash01(ix + 1, iy, seed)
    c, d = hash01(ix, iy + 1, seed), hash01(ix + 1, iy + 1, seed)
    return a + (b - a) * fx + (c - a) * fy + (a - b - c + d) * fx * fy


def smooth(e0, e1, x):
    t = min(1.0, max(0.0, (x - e0) / (e1 - e0)))
    return t * t * (3 - 2 * t)


def glow_colour(t):
    """Light emitted by metal at relative temperature t (0 cold .. 1 yellow-hot), linear RGB."""
    return (4.0 * t ** 3, 1.6 * t ** 5, 0.4 * t ** 8)


def temperature(y):
    """The cylinder cools from the top: relative temperature along its height."""
    h = min(1.0, max(0.0, (y - Y_TOP) / (Y_BOT - Y_TOP)))
    return 0.20 + 0.62 * h ** 1.6


# Out-of-focus lights on the wall: x, y, radius, colour, strength.
BOKEH = [(34, 62, 14, (1.0, 0.62, 0.30), 0.07), (204, 44, 11, (1.0, 0.78, 0.50), 0.06),
         (186, 120, 17, (0.45, 0.62, 1.0), 0.035), (66, 150, 9, (1.0, 0.55, 0.25), 0.05),
         (128, 50, 13, (0.95, 0.80, 0.60), 0.06), (100, 92, 8, (1.0, 0.70, 0.40), 0.05),
         (224, 168, 10, (1.0, 0.66, 0.36), 0.04), (14, 126, 12, (0.50, 0.65, 1.0), 0.03),
         (150, 84, 6, (1.0, 0.74, 0.45), 0.05)]


def wall(x, y):
    k = math.exp(-((x + 10) ** 2 + (y + 10) ** 2) / (2 * 110.0 ** 2))        # window light, upper left
    g = math.exp(-(x - CX) ** 2 / (2 * 60.0 ** 2) - (y - 185) ** 2 / (2 * 45.0 ** 2))  # the glow
    plaster = 1 + 0.10 * (noise(x * 0.08, y * 0.08, 3) - 0.5) + 0.05 * (noise(x * 0.3, y * 0.3, 4) - 0.5)
    c = [(0.016 + 0.055 * k) * plaster + 0.10 * g, (0.015 + 0.062 * k) * plaster + 0.032 * g,
         (0.015 + 0.075 * k) * plaster + 0.008 * g]
    for bx, by, br, col, s in BOKEH:
        d = math.hypot(x - bx, y - by)
        if d < br + 2:
            w = s * smooth(br + 1.5, br - 1.5, d) * (0.8 + 0.4 * (d / br) ** 4)
            c = [v + w * cc for v, cc in zip(c, col)]
    return c


def bench(x, y):
    z = 60.0 / (y - 150.0)                  # distance along the bench, larger farther away
    u = (x - CX) * z / 60.0                 # across the bench
    plank = math.floor(z * 5.0)
    f = z * 5.0 - plank
    tone = 0.8 + 0.4 * hash01(plank, 0, 5)
    streak = noise(u * 1.2 + 9 * hash01(plank, 1, 5), f * 40, 6)
    grain = 0.5 + 0.5 * math.sin(f * 38 + 4 * noise(u * 0.9, f * 3 + plank, 1))
    g = tone * (0.65 + 0.25 * grain + 0.35 * streak)
    wood = [0.20 * g, 0.095 * g, 0.045 * g]
    seam = smooth(0.93, 0.99, abs(f - 0.5) * 2)             # dark joints between the planks
    wood = [w * (1 - 0.6 * seam) for w in wood]
    dx = (x - CX) / RAD
    e = math.hypot(dx, (y - Y_BOT) / RY)                    # 1 on the cylinder's footprint
    shadow = math.exp(-((x - CX - 48) / 48) ** 2 - ((y - Y_BOT + 6) / 10) ** 2)
    ambient = (0.35 * (1 - 0.6 * shadow) * (1 - 0.7 * math.exp(-5 * max(e - 1, 0)))
               * (0.6 + 0.4 * math.exp(-(x / 160.0) ** 2)))
    glow = 1.0 / (1 + 3.0 * max(e - 0.95, 0) ** 2)
    c = [w * (ambient * a + glow * gc) for w, a, gc in zip(wood, (0.55, 0.62, 0.72), (1.0, 0.36, 0.10))]
    if abs(dx) < 1:                                         # blurred mirror image in the varnish
        edge = Y_BOT + RY * math.sqrt(1 - dx * dx)
        mirrored = cylinder(x, 2 * edge - (y + 3 * (noise(x * 0.2, y * 0.5, 8) - 0.5)))
        if y > edge and mirrored is not None:
            fade = 0.10 * math.exp(-(y - edge) / 25)
            c = [v + fade * m for v, m in zip(c, mirrored)]
    return c


def cylinder(x, y):
    """Colour of the cylinder at (x, y), or None outside it."""
    dx = (x - CX) / RAD
    cap = dx * dx + ((y - Y_TOP) / RY) ** 2
    key = (0.86, 0.83, 0.78)
    if cap <= 1:                                           # top face, lit from the window
        r = math.sqrt(cap)
        rings = 1 + 0.10 * math.sin(r * 60) + 0.8 * smooth(0.88, 0.98, r) * max(0.0, -dx)
        scale = 0.7 + 0.6 * noise(dx * 5, (y - Y_TOP) * 0.5, 9)
        return [0.09 * k * rings * scale + e for k, e in zip(key, glow_colour(0.17 + 0.03 * (1 - r)))]
    if abs(dx) > 1 or y < Y_TOP or y > Y_BOT + RY * math.sqrt(1 - dx * dx):
        return None
    nz = math.sqrt(1 - dx * dx)
    lx, lz = -0.60, 0.55                                   # key light up and to the left
    diffuse = max(0.0, dx * lx + nz * lz)
    shine = 0.5 * max(0.0, (dx * lx + nz * (lz + 1.0)) / math.hypot(lx, lz + 1.0)) ** 80
    window = 0.05 * smooth(0.40, 0.22, abs(dx + 0.70))     # the window mirrored in the metal
    t = temperature(y) * (1 + 0.015 * math.sin(y * 0.7 + 2 * dx) + 0.04 * (noise(dx * 3, y * 0.08, 2) - 0.5))
    oxide = 0.7 + 0.6 * noise(dx * 14, y * 0.5, 10)         # scale on the cooler metal
    limb = 0.75 + 0.25 * nz
    return [(0.08 * diffuse * oxide + shine + window) * k + limb * e
            for k, e in zip(key, glow_colour(t))]


def glow_distance(x, y):
    """Approximate screen distance from (x, y) to the hot lower part of the cylinder."""
    qx = max(abs(x - CX) - RAD, 0.0)
    qy = max(Y_TOP + 0.45 * (Y_BOT - Y_TOP) - y, y - Y_BOT - RY, 0.0)
    return math.hypot(qx, qy)


def scene(x, y):
    c = cylinder(x, y)
    if c is not None:
        return c
    if y >= BENCH:
        c = bench(x, y)
    else:
        # Rising hot air bends the light from the wall behind it.
        above = Y_TOP - y
        centre = CX + 5 * math.sin(y * 0.045)
        m = (smooth(RAD * 0.9 + above * 0.3, RAD * 0.4, abs(x - centre))
             * smooth(-12, 10, above) * math.exp(-above / 160))
        sx = x + 2.2 * m * math.sin(y * 0.30 + 1.5 * math.sin(x * 0.06 + y * 0.02))
        sy = y + 1.0 * m * math.sin(x * 0.15 + y * 0.09)
        c = wall(sx, sy)
        c = [v * (1 + 0.08 * m * math.sin(y * 0.30 + 2 * math.sin(x * 0.05))) + m * w
             for v, w in zip(c, (0.012, 0.005, 0.002))]
        edge = smooth(BENCH - 1.5, BENCH + 0.5, y)          # the bench's rounded back edge catches light
        c = [v + 0.04 * edge * w for v, w in zip(c, (0.9, 0.55, 0.35))]
    halo = math.exp(-glow_distance(x, y) / 9.0)           # glare around the glowing metal
    return [v + halo * w for v, w in zip(c, (0.16, 0.05, 0.01))]


def to_srgb(v):
    v = 1 - math.exp(-1.5 * v)                             # soft highlight roll-off
    v = 12.92 * v if v <= 0.0031308 else 1.055 * v ** (1 / 2.4) - 0.055
    return v * 255


def render_photo():
    """RGB rows of the picture; 3x3 samples per pixel along the cylinder's outline."""
    rows = []
    for j in range(PHOTO_H):
        row = []
        for i in range(PHOTO_W):
            x, y = i + 0.5, j + 0.5
            near = abs(abs(x - CX) - RAD) < 1.5 or abs(y - Y_TOP) < RY + 1.5 or abs(y - Y_BOT) < RY + 1.5
            samples = ([(x + a, y + b) for a in (-1 / 3, 0, 1 / 3) for b in (-1 / 3, 0, 1 / 3)]
                       if near else [(x, y)])
            acc = [0.0, 0.0, 0.0]
            for sx, sy in samples:
                acc = [a + v for a, v in zip(acc, scene(sx, sy))]
            nx, ny = (x - PHOTO_W / 2) / (PHOTO_W / 2), (y - PHOTO_H / 2) / (PHOTO_H / 2)
            vignette = (1 - 0.30 * (nx * nx + ny * ny)) / len(samples)
            grain = (hash01(i, j, 7) + hash01(i, j, 8) - 1.0) * 2.5
            row.append(tuple(max(0, min(255, int(to_srgb(a * vignette) + grain + 0.5))) for a in acc))
        rows.append(row)
    return rows


# ----------------------------------------------------------------------------- baseline JPEG

LUMA_Q = [16, 11, 10, 16, 24, 40, 51, 61, 12, 12, 14, 19, 26, 58, 60, 55,
          14, 13, 16, 24, 40, 57, 69, 56, 14, 17, 22, 29, 51, 87, 80, 62,
          18, 22, 37, 56, 68, 109, 103, 77, 24, 35, 55, 64, 81, 104, 113, 92,
          49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99]
CHROMA_Q = [17, 18, 24, 47] + [99] * 4 + [18, 21, 26, 66] + [99] * 4 + [24, 26, 56] + [99] * 5 + [47, 66] + [99] * 46

# The standard Huffman tables: code counts per length and the symbols. Each AC list starts with
# the symbols in their standard order; the rest follow in ascending order.
_AC_ALL = [0x00, 0xF0] + [r << 4 | s for r in range(16) for s in range(1, 11)]
_AC_LUMA_HEAD = [0x01, 0x02, 0x03, 0x00, 0x04, 0x11, 0x05, 0x12, 0x21, 0x31, 0x41, 0x06, 0x13, 0x51, 0x61,
                 0x07, 0x22, 0x71, 0x14, 0x32, 0x81, 0x91, 0xA1, 0x08, 0x23, 0x42, 0xB1, 0xC1, 0x15, 0x52,
                 0xD1, 0xF0, 0x24, 0x33, 0x62, 0x72, 0x82, 0x09, 0x0A]
_AC_CHROMA_HEAD = [0x00, 0x01, 0x02, 0x03, 0x11, 0x04, 0x05, 0x21, 0x31, 0x06, 0x12, 0x41, 0x51, 0x07, 0x61,
                   0x71, 0x13, 0x22, 0x32, 0x81, 0x08, 0x14, 0x42, 0x91, 0xA1, 0xB1, 0xC1, 0x09, 0x23, 0x33,
                   0x52, 0xF0, 0x15, 0x62, 0x72, 0xD1, 0x0A, 0x16, 0x24, 0x34, 0xE1, 0x25, 0xF1]
HUFF = {  # (table class << 4 | id): (counts, symbols)
    0x00: ([0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0], list(range(12))),
    0x01: ([0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0], list(range(12))),
    0x10: ([0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7D],
           _AC_LUMA_HEAD + sorted(set(_AC_ALL) - set(_AC_LUMA_HEAD))),
    0x11: ([0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77],
           _AC_CHROMA_HEAD + sorted(set(_AC_ALL) - set(_AC_CHROMA_HEAD))),
}

ZIGZAG = [r * 8 + s - r for s in range(15)
          for r in (range(min(s, 7), max(0, s - 7) - 1, -1) if s % 2 == 0 else range(max(0, s - 7), min(s, 7) + 1))]
DCT = [[(math.sqrt(0.5) if u == 0 else 1.0) / 2 * math.cos((2 * x + 1) * u * math.pi / 16) for x in range(8)]
       for u in range(8)]


def huffman_codes(counts, symbols):
    codes, code, k = {}, 0, 0
    for length, n in enumerate(counts, 1):
        for _ in range(n):
            codes[symbols[k]] = (code, length)
            code, k = code + 1, k + 1
        code <<= 1
    return codes


class BitWriter:
    def __init__(self):
        self.data, self.acc, self.bits = bytearray(), 0, 0

    def put(self, value, length):
        self.acc, self.bits = (self.acc << length) | value, self.bits + length
        while self.bits >= 8:
            self.bits -= 8
            byte = (self.acc >> self.bits) & 0xFF
            self.data += b"\xff\x00" if byte == 0xFF else bytes([byte])
        self.acc &= (1 << self.bits) - 1

    def flush(self):
        if self.bits:
            self.put((1 << (8 - self.bits)) - 1, 8 - self.bits)


def encode_block(bw, block, quant, prev_dc, dc_codes, ac_codes):
    """Transforms, quantises and writes one 8x8 block of level-shifted samples; returns its DC."""
    rows = [[sum(c * v for c, v in zip(DCT[u], line)) for u in range(8)] for line in block]
    coef = [sum(DCT[v][y] * rows[y][u] for y in range(8)) for v in range(8) for u in range(8)]
    zz = [int(coef[k] / quant[k] + (0.5 if coef[k] >= 0 else -0.5)) for k in ZIGZAG]
    diff = zz[0] - prev_dc
    size = abs(diff).bit_length()
    bw.put(*dc_codes[size])
    if size:
        bw.put(diff if diff > 0 else diff + (1 << size) - 1, size)
    run = 0
    for v in zz[1:]:
        if v == 0:
            run += 1
            continue
        while run > 15:
            bw.put(*ac_codes[0xF0])
            run -= 16
        size = abs(v).bit_length()
        bw.put(*ac_codes[run << 4 | size])
        bw.put(v if v > 0 else v + (1 << size) - 1, size)
        run = 0
    if run:
        bw.put(*ac_codes[0x00])
    return zz[0]


def jpeg_bytes(width, height, rows, quality=85):
    """Baseline JFIF JPEG, YCbCr 4:2:0, standard Huffman tables, IJG-scaled quantisation."""
    scale = 5000 // quality if quality < 50 else 200 - 2 * quality
    tables = [[min(255, max(1, (q * scale + 50) // 100)) for q in base] for base in (LUMA_Q, CHROMA_Q)]
    pw, ph = (width + 15) // 16 * 16, (height + 15) // 16 * 16
    planes = [[[0.0] * pw for _ in range(ph)] for _ in range(3)]
    for y in range(ph):
        src = rows[min(y, height - 1)]
        for x in range(pw):
            r, g, b = src[min(x, width - 1)]
            planes[0][y][x] = 0.299 * r + 0.587 * g + 0.114 * b - 128
            planes[1][y][x] = -0.168736 * r - 0.331264 * g + 0.5 * b
            planes[2][y][x] = 0.5 * r - 0.418688 * g - 0.081312 * b
    chroma = [[[(p[2 * y][2 * x] + p[2 * y][2 * x + 1] + p[2 * y + 1][2 * x] + p[2 * y + 1][2 * x + 1]) / 4
                for x in range(pw // 2)] for y in range(ph // 2)] for p in planes[1:]]
    codes = {k: huffman_codes(*v) for k, v in HUFF.items()}
    bw, dc = BitWriter(), [0, 0, 0]
    for my in range(0, ph, 16):
        for mx in range(0, pw, 16):
            for by, bx in ((0, 0), (0, 8), (8, 0), (8, 8)):
                block = [planes[0][my + by + y][mx + bx:mx + bx + 8] for y in range(8)]
                dc[0] = encode_block(bw, block, tables[0], dc[0], codes[0x00], codes[0x10])
            for c in (1, 2):
                block = [chroma[c - 1][my // 2 + y][mx // 2:mx // 2 + 8] for y in range(8)]
                dc[c] = encode_block(bw, block, tables[1], dc[c], codes[0x01], codes[0x11])
    bw.flush()

    def segment(marker, payload):
        return struct.pack(">BBH", 0xFF, marker, len(payload) + 2) + payload
    out = b"\xff\xd8" + segment(0xE0, b"JFIF\0" + struct.pack(">BBBHHBB", 1, 1, 0, 1, 1, 0, 0))
    out += segment(0xDB, b"".join(bytes([n]) + bytes(t[k] for k in ZIGZAG) for n, t in enumerate(tables)))
    out += segment(0xC0, struct.pack(">BHHB", 8, height, width, 3) + bytes([1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1]))
    out += segment(0xC4, b"".join(bytes([k] + counts + symbols) for k, (counts, symbols) in HUFF.items()))
    out += segment(0xDA, bytes([3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0]))
    return out + bytes(bw.data) + b"\xff\xd9"


# ----------------------------------------------------------------------------- main

def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)
    print("%-12s %7d bytes" % (name, len(data)))


def main():
    write("zav.svg", icon_svg())
    pngs = {}
    for size in (16, 32, 48, 64, 128, 256):
        pngs[size] = png_bytes(size, size, render_icon(size))
        write("zav-%d.png" % size, pngs[size])
    write("zav.ico", ico_bytes([(s, pngs[s]) for s in (16, 32, 48, 256)]))
    write("autor.jpg", jpeg_bytes(PHOTO_W, PHOTO_H, render_photo()))


if __name__ == "__main__":
    main()
