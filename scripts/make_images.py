#!/usr/bin/env python3
"""Draws the tool's banner bitmap and icons.

    python3 scripts/make_images.py [--check]

Writes src/resources/Banner141.bmp (205 x 510, 24-bit, uncompressed; the build
embeds it as bytes), the same picture drawn at twice the size for screens with
more device pixels, src/resources/Banner141Large.png (410 x 1020), and
src/resources/IconData.cpp (icons as 0xAARRGGBB pixels, each also drawn at
64 x 64), and the tool's icon for the desktop, data/icons/app-<size>.png (16 to
256 pixels, each drawn at its size) and data/icons/app.svg. Everything is drawn from code and a fixed seed, so a run
gives the same files every time; --check only compares them with the
checked-in files and fails when they differ. Standard library only.
"""

import argparse
import math
import os
import struct
import sys
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT_DIR = os.path.join(ROOT, "src", "resources")
ICON_DIR = os.path.join(ROOT, "data", "icons")  # installed into the hicolor theme
APP_ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)

BANNER_W, BANNER_H = 205, 510

# The seven piece colours of the game.
PIECE_COLOURS = [
    (0, 200, 220),   # I
    (240, 200, 30),  # O
    (170, 60, 210),  # T
    (60, 200, 70),   # S
    (230, 50, 60),   # Z
    (40, 90, 230),   # J
    (245, 130, 30),  # L
]

PIECES = {  # cells of each piece in its four rotations
    0: [[(0, 0), (1, 0), (2, 0), (3, 0)], [(0, 0), (0, 1), (0, 2), (0, 3)]],
    1: [[(0, 0), (1, 0), (0, 1), (1, 1)]],
    2: [[(0, 0), (1, 0), (2, 0), (1, 1)], [(1, 0), (0, 1), (1, 1), (1, 2)],
        [(1, 0), (0, 1), (1, 1), (2, 1)], [(0, 0), (0, 1), (1, 1), (0, 2)]],
    3: [[(1, 0), (2, 0), (0, 1), (1, 1)], [(0, 0), (0, 1), (1, 1), (1, 2)]],
    4: [[(0, 0), (1, 0), (1, 1), (2, 1)], [(1, 0), (0, 1), (1, 1), (0, 2)]],
    5: [[(0, 0), (0, 1), (1, 1), (2, 1)], [(0, 0), (1, 0), (0, 1), (0, 2)],
        [(0, 0), (1, 0), (2, 0), (2, 1)], [(1, 0), (1, 1), (0, 2), (1, 2)]],
    6: [[(2, 0), (0, 1), (1, 1), (2, 1)], [(0, 0), (0, 1), (0, 2), (1, 2)],
        [(0, 0), (1, 0), (2, 0), (0, 1)], [(0, 0), (1, 0), (1, 1), (1, 2)]],
}

# A 5 x 7 pixel font for the title.
FONT = {
    "Z": ["11111", "00001", "00010", "00100", "01000", "10000", "11111"],
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "V": ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "X": ["10001", "10001", "01010", "00100", "01010", "10001", "10001"],
}


class Random:
    """A small linear congruential generator, so the output never changes."""

    def __init__(self, seed):
        self.state = seed

    def next(self, n):
        self.state = (self.state * 1103515245 + 12345) & 0x7FFFFFFF
        return (self.state >> 8) % n


def clamp(v):
    return max(0, min(255, int(round(v))))


def mix(a, b, t):
    return tuple(clamp(a[i] + (b[i] - a[i]) * t) for i in range(3))


class Canvas:
    def __init__(self, w, h, colour=(0, 0, 0)):
        self.w, self.h = w, h
        self.px = [[colour for _ in range(w)] for _ in range(h)]

    def put(self, x, y, colour):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = colour

    def blend(self, x, y, colour, alpha):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = mix(self.px[y][x], colour, alpha)

    def rect(self, x0, y0, w, h, colour):
        for y in range(y0, y0 + h):
            for x in range(x0, x0 + w):
                self.put(x, y, colour)

    def blend_rect(self, x0, y0, w, h, colour, alpha):
        for y in range(y0, y0 + h):
            for x in range(x0, x0 + w):
                self.blend(x, y, colour, alpha)


def draw_block(c, x0, y0, size, colour, alpha=1.0, scale=1):
    """A bevelled square: light top-left edge, dark bottom-right edge."""
    light = mix(colour, (255, 255, 255), 0.55)
    dark = mix(colour, (0, 0, 0), 0.5)
    bevel = max(2, size // scale // 6) * scale
    for y in range(size):
        for x in range(size):
            if x < bevel and y < size - x or y < bevel and x < size - y:
                col = light
            elif x >= size - bevel or y >= size - bevel:
                col = dark
            else:
                # A soft highlight across the face.
                col = mix(colour, (255, 255, 255), 0.18 * (1 - (x + y) / (2 * size)))
            c.blend(x0 + x, y0 + y, col, alpha)


def draw_outline(c, x0, y0, size, colour, width=1):
    for i in range(size):
        for w in range(width):
            if w <= i < size - w:
                c.blend(x0 + i, y0 + w, colour, 0.6)
                c.blend(x0 + i, y0 + size - 1 - w, colour, 0.6)
                c.blend(x0 + w, y0 + i, colour, 0.6)
                c.blend(x0 + size - 1 - w, y0 + i, colour, 0.6)


def make_banner(s=1):
    """The banner; s = 2 draws the same picture at twice the size."""
    W, H = BANNER_W * s, BANNER_H * s
    c = Canvas(W, H)
    top, bottom = (8, 10, 42), (46, 12, 64)
    for y in range(H):
        row = mix(top, bottom, y / (H - 1))
        for x in range(W):
            c.px[y][x] = row
    rnd = Random(20011)
    for _ in range(140):  # stars
        x, y = rnd.next(BANNER_W), rnd.next(BANNER_H)
        c.blend_rect(x * s, y * s, s, s, (255, 255, 255), 0.25 + rnd.next(60) / 100)

    # Title in blocky letters with a gold gradient and a shadow.
    scale, gap = 5 * s, 5 * s
    title = "ZARVEX"
    width = len(title) * 5 * scale + (len(title) - 1) * gap
    tx, ty = (W - width) // 2, 22 * s
    for shadow in (True, False):
        for i, ch in enumerate(title):
            for r, line in enumerate(FONT[ch]):
                for col, bit in enumerate(line):
                    if bit != "1":
                        continue
                    x = tx + i * (5 * scale + gap) + col * scale
                    y = ty + r * scale
                    if shadow:
                        c.rect(x + 2 * s, y + 2 * s, scale, scale, (4, 4, 16))
                    else:
                        t = r / 6
                        face = mix((255, 236, 120), (230, 120, 20), t)
                        c.rect(x, y, scale, scale, face)
                        c.rect(x, y, scale, s, mix(face, (255, 255, 255), 0.5))
    # A thin line under the title.
    c.blend_rect(tx, ty + 7 * scale + 8 * s, width, s, (255, 210, 90), 0.7)

    # The playfield: a well of 10 x 23 cells.
    cell, cols, rows = 16 * s, 10, 23
    wx = (W - cols * cell) // 2
    wy = H - 10 * s - rows * cell
    c.rect(wx - 4 * s, wy - 2 * s, cols * cell + 8 * s, rows * cell + 6 * s, (90, 90, 120))
    c.rect(wx - 2 * s, wy - 2 * s, cols * cell + 4 * s, rows * cell + 4 * s, (40, 40, 60))
    for y in range(rows * cell):
        for x in range(cols * cell):
            c.put(wx + x, wy + y, mix((12, 12, 30), (20, 16, 44), y / (rows * cell)))
    for gx in range(cols):
        for gy in range(rows):
            draw_outline(c, wx + gx * cell, wy + gy * cell, cell, (34, 34, 70), s)

    # Drop pieces into the well until the stack is a few rows high.
    grid = [[None] * cols for _ in range(rows)]

    def fits(cells, px, py):
        for (dx, dy) in cells:
            x, y = px + dx, py + dy
            if x < 0 or x >= cols or y >= rows or (y >= 0 and grid[y][x] is not None):
                return False
        return True

    def height():
        for y in range(rows):
            if any(grid[y]):
                return rows - y
        return 0

    drops = 0
    while height() < 8 and drops < 60:
        kind = rnd.next(7)
        shape = PIECES[kind][rnd.next(len(PIECES[kind]))]
        px = rnd.next(cols - max(dx for dx, _ in shape))
        py = -4
        while fits(shape, px, py + 1):
            py += 1
        if py < 0:
            break
        for (dx, dy) in shape:
            grid[py + dy][px + dx] = kind
        drops += 1
        # Clear full rows, as the game would.
        grid = [row for row in grid if not all(v is not None for v in row)]
        while len(grid) < rows:
            grid.insert(0, [None] * cols)
    for gy in range(rows):
        for gx in range(cols):
            if grid[gy][gx] is not None:
                draw_block(c, wx + gx * cell, wy + gy * cell, cell, PIECE_COLOURS[grid[gy][gx]],
                           scale=s)

    # A T piece falling, with its landing place shown faintly.
    falling = PIECES[2][0]
    fx, fy = 3, 5
    ly = fy
    while fits(falling, fx, ly + 1):
        ly += 1
    for (dx, dy) in falling:
        draw_block(c, wx + (fx + dx) * cell, wy + (ly + dy) * cell, cell, PIECE_COLOURS[2], 0.25,
                   scale=s)
        draw_block(c, wx + (fx + dx) * cell, wy + (fy + dy) * cell, cell, PIECE_COLOURS[2],
                   scale=s)
    # Motion streaks above it.
    for (dx, dy) in falling:
        if dy == 0:
            for d in range(1, 24):
                for k in (4, 11):
                    c.blend_rect(wx + (fx + dx) * cell + k * s, wy + fy * cell - d * s, s, s,
                                 (200, 140, 255), 0.35 * (1 - d / 24))

    # The next piece, shown in a small box above the well.
    bx, by, bs = W // 2 - 30 * s, wy - 52 * s, 10 * s
    c.rect(bx - 2 * s, by - 2 * s, 64 * s, 36 * s, (70, 70, 110))
    c.rect(bx, by, 60 * s, 32 * s, (14, 14, 36))
    for (dx, dy) in PIECES[0][0]:
        draw_block(c, bx + 10 * s + dx * bs, by + 11 * s + dy * bs, bs, PIECE_COLOURS[0], scale=s)
    return c


def bmp_bytes(c):
    row_size = (c.w * 3 + 3) & ~3
    image_size = row_size * c.h
    data = bytearray()
    data += struct.pack("<2sIHHI", b"BM", 14 + 40 + image_size, 0, 0, 14 + 40)
    data += struct.pack("<IiiHHIIiiII", 40, c.w, c.h, 1, 24, 0, image_size, 2835, 2835, 0, 0)
    for y in range(c.h - 1, -1, -1):  # bottom-up rows of blue, green, red
        row = bytearray()
        for (r, g, b) in c.px[y]:
            row += bytes((b, g, r))
        row += bytes(row_size - len(row))
        data += row
    return bytes(data)


def png_file(w, h, colour_type, rows):
    """An 8-bit PNG of the given colour type (2 RGB, 6 RGBA), every row unfiltered."""
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = bytearray()
    for row in rows:
        raw.append(0)
        raw += row
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, colour_type, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def png_bytes(c):
    """An RGB PNG of a canvas."""
    return png_file(c.w, c.h, 2, (b"".join(bytes(p) for p in row) for row in c.px))


def icon_png_bytes(size, pixels):
    """A straight-alpha RGBA PNG of an icon's 0xAARRGGBB pixels."""
    rgba = [bytes(((p >> 16) & 255, (p >> 8) & 255, p & 255, p >> 24)) for p in pixels]
    return png_file(size, size, 6, (b"".join(rgba[y * size:(y + 1) * size]) for y in range(size)))


# Icons are drawn with 4 x 4 supersampling into straight-alpha pixels.
def render_icon(size, shader):
    pixels = []
    n = 4
    for y in range(size):
        for x in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(n):
                for sx in range(n):
                    u = (x + (sx + 0.5) / n) / size
                    v = (y + (sy + 0.5) / n) / size
                    r, g, b, a = shader(u, v)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            a = acc[3] / (n * n)
            if acc[3] > 0:
                r, g, b = (acc[i] / acc[3] for i in range(3))
            else:
                r = g = b = 0
            pixels.append((clamp(a * 255) << 24) | (clamp(r) << 16) | (clamp(g) << 8) | clamp(b))
    return pixels


def segment_distance(px, py, ax, ay, bx, by):
    vx, vy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * vx + (py - ay) * vy) / (vx * vx + vy * vy)))
    return math.hypot(px - (ax + t * vx), py - (ay + t * vy))


def disc_shader(base, mark_distance):
    """A shaded disc with a dark rim and a dark mark given by its distance function."""

    def shade(u, v):
        d = math.hypot(u - 0.5, v - 0.5)
        if d > 0.47:
            return (0, 0, 0, 0)
        if mark_distance(u, v) < 0.075:
            return (20, 24, 20, 1)
        if d > 0.43:
            return mix(base, (0, 0, 0), 0.55) + (1,)
        light = max(0.0, 1 - math.hypot(u - 0.38, v - 0.32) / 0.45)
        return mix(base, (255, 255, 255), 0.55 * light * light) + (1,)

    return shade


def check_distance(u, v):
    return min(segment_distance(u, v, 0.27, 0.52, 0.43, 0.69),
               segment_distance(u, v, 0.43, 0.69, 0.74, 0.32))


def cross_distance(u, v):
    return min(segment_distance(u, v, 0.31, 0.31, 0.69, 0.69),
               segment_distance(u, v, 0.69, 0.31, 0.31, 0.69))


# The tool's icon in unit coordinates: an upright T piece with a gear over its
# lower right. app_icon_shader draws it in pixels and app_icon_svg as a vector
# picture from the same numbers.
GEAR_CENTRE = 0.68
GEAR_HOLE, GEAR_ROOT, GEAR_TIP = 0.09, 0.22, 0.27
GEAR_TEETH, GEAR_TOOTH_COS = 8, 0.3  # a tooth where cos(teeth * angle) > 0.3
GEAR_SHADE_RADIUS = 0.4  # light at the centre to dark at this radius
GEAR_LIGHT, GEAR_DARK = (235, 235, 245), (120, 120, 135)
T_CELL, T_BEVEL = 0.25, 0.16  # bevel as a fraction of the cell
T_CELLS = ((0.06, 0.10), (0.31, 0.10), (0.56, 0.10), (0.31, 0.35))


def app_icon_shader(u, v):
    """The tool: an upright T piece under a gear."""
    gx, gy = u - GEAR_CENTRE, v - GEAR_CENTRE
    r = math.hypot(gx, gy)
    angle = math.atan2(gy, gx)
    tooth = GEAR_TIP if math.cos(angle * GEAR_TEETH) > GEAR_TOOTH_COS else GEAR_ROOT
    if r < GEAR_HOLE:
        pass  # the hole
    elif r < tooth:
        shade = 1 - r / GEAR_SHADE_RADIUS
        return mix(GEAR_DARK, GEAR_LIGHT, shade) + (1,)
    # The T piece: three blocks across the top, one below the middle.
    for (cx, cy) in T_CELLS:
        if cx <= u < cx + T_CELL and cy <= v < cy + T_CELL:
            fu, fv = (u - cx) / T_CELL, (v - cy) / T_CELL
            base = PIECE_COLOURS[2]
            if fu < T_BEVEL or fv < T_BEVEL:
                return mix(base, (255, 255, 255), 0.5) + (1,)
            if fu > 1 - T_BEVEL or fv > 1 - T_BEVEL:
                return mix(base, (0, 0, 0), 0.5) + (1,)
            return base + (1,)
    return (0, 0, 0, 0)


def app_icon_svg():
    """The tool's icon as a scalable picture on a 256-unit square."""
    k = 256

    def n(v):
        return ("%.2f" % (v * k)).rstrip("0").rstrip(".")

    def colour(c):
        return "#%02x%02x%02x" % c

    def polar(radius, angle):
        return n(GEAR_CENTRE + radius * math.cos(angle)) + "," + n(GEAR_CENTRE + radius * math.sin(angle))

    base = PIECE_COLOURS[2]
    light, dark = mix(base, (255, 255, 255), 0.5), mix(base, (0, 0, 0), 0.5)
    body = []
    # Each block: dark all over, the light top and left edges, the plain face.
    for (cx, cy) in T_CELLS:
        bevel, face = T_CELL * T_BEVEL, T_CELL * (1 - 2 * T_BEVEL)
        for (x, y, w, h, c) in ((cx, cy, T_CELL, T_CELL, dark),
                                (cx, cy, T_CELL, bevel, light),
                                (cx, cy, bevel, T_CELL, light),
                                (cx + bevel, cy + bevel, face, face, base)):
            body.append('<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>'
                        % (n(x), n(y), n(w), n(h), colour(c)))
    # The gear: an arc on the tip radius across each tooth, on the root radius
    # between teeth (angles grow clockwise on screen, as SVG's sweep flag 1).
    half = math.acos(GEAR_TOOTH_COS) / GEAR_TEETH
    step = 2 * math.pi / GEAR_TEETH
    path = "M" + polar(GEAR_ROOT, -half)
    for i in range(GEAR_TEETH):
        a = i * step
        path += ("L%sA%s,%s 0 0 1 %sL%sA%s,%s 0 0 1 %s"
                 % (polar(GEAR_TIP, a - half), n(GEAR_TIP), n(GEAR_TIP), polar(GEAR_TIP, a + half),
                    polar(GEAR_ROOT, a + half), n(GEAR_ROOT), n(GEAR_ROOT),
                    polar(GEAR_ROOT, a + step - half)))
    path += ("ZM%sA%s,%s 0 1 1 %sA%s,%s 0 1 1 %sZ"
             % (polar(GEAR_HOLE, 0), n(GEAR_HOLE), n(GEAR_HOLE), polar(GEAR_HOLE, math.pi),
                n(GEAR_HOLE), n(GEAR_HOLE), polar(GEAR_HOLE, 0)))
    body.append('<radialGradient id="gear" gradientUnits="userSpaceOnUse" cx="%s" cy="%s" r="%s">'
                '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/>'
                '</radialGradient>'
                % (n(GEAR_CENTRE), n(GEAR_CENTRE), n(GEAR_SHADE_RADIUS), colour(GEAR_LIGHT),
                   colour(GEAR_DARK)))
    body.append('<path fill="url(#gear)" fill-rule="evenodd" d="%s"/>' % path)
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">\n'
            '<!-- Generated by scripts/make_images.py; do not edit. -->\n'
            + "\n".join(body) + "\n</svg>\n")


def c_array(name, ctype, values, per_line, fmt):
    lines = []
    for i in range(0, len(values), per_line):
        lines.append("    " + ", ".join(fmt(v) for v in values[i:i + per_line]) + ",")
    return "extern const %s %s[%d] = {\n%s\n};\n" % (ctype, name, len(values), "\n".join(lines))


HEADER = "// Generated by scripts/make_images.py; do not edit.\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--check", action="store_true",
                        help="compare with the checked-in files instead of writing them")
    args = parser.parse_args()

    # The banner is kept as the .bmp file itself; the build embeds it.
    outputs = {os.path.join(OUT_DIR, "Banner141.bmp"): bmp_bytes(make_banner()),
               os.path.join(OUT_DIR, "Banner141Large.png"): png_bytes(make_banner(2))}

    present = disc_shader((40, 170, 60), check_distance)
    missing = disc_shader((210, 40, 40), cross_distance)
    # The desktop's copies of the tool's icon: each size drawn at that size.
    app_icons = {size: render_icon(size, app_icon_shader) for size in APP_ICON_SIZES}
    for size, pixels in app_icons.items():
        outputs[os.path.join(ICON_DIR, "app-%d.png" % size)] = icon_png_bytes(size, pixels)
    outputs[os.path.join(ICON_DIR, "app.svg")] = app_icon_svg()

    icons = [
        ("kAppIcon16", app_icons[16]),
        ("kAppIcon32", app_icons[32]),
        ("kAppIcon64", app_icons[64]),
        ("kDirectXPresentIcon32", render_icon(32, present)),
        ("kDirectXPresentIcon64", render_icon(64, present)),
        ("kDirectXMissingIcon32", render_icon(32, missing)),
        ("kDirectXMissingIcon64", render_icon(64, missing)),
    ]
    text = HEADER + '#include "resources/ImageData.h"\n\nnamespace resources {\n\n'
    for name, pixels in icons:
        text += c_array(name, "std::uint32_t", pixels, 8, lambda v: "0x%08X" % v) + "\n"
    text += "}  // namespace resources\n"
    outputs[os.path.join(OUT_DIR, "IconData.cpp")] = text

    stale = []
    for path, text in outputs.items():
        name = os.path.relpath(path, ROOT)
        data = text if isinstance(text, bytes) else text.encode()
        if args.check:
            try:
                with open(path, "rb") as f:
                    if f.read() != data:
                        stale.append(name)
            except OSError:
                stale.append(name)
        else:
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "wb") as f:
                f.write(data)
    if stale:
        print("out of date (run scripts/make_images.py): " + ", ".join(stale), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
