#!/usr/bin/env python3
"""Draws the dialog's pictures and the program icon.

    python3 res/make_pictures.py           write the files next to this script
    python3 res/make_pictures.py --check   redraw in memory, check the headers
                                           and that the files on disk match

Only the standard library is used. Everything is drawn with +, -, *, / and
sqrt, which give the same bits on every IEEE machine, so the output is the
same byte for byte wherever the script runs.
"""

import math
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

# ---------------------------------------------------------------- helpers


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def scale(c, f):
    return tuple(v * f for v in c)


def add(a, b):
    return tuple(a[i] + b[i] for i in range(3))


def ramp(stops, t):
    """Colour at t along a list of (position, colour) stops."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            return mix(c0, c1, (t - t0) / (t1 - t0))
    return stops[-1][1]


# 4x4 ordered dither: hides banding in the long dark gradients.
BAYER4 = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


class Canvas:
    """RGB picture with float channels in 0..255, row 0 at the top."""

    def __init__(self, w, h, fill=(0.0, 0.0, 0.0)):
        self.w, self.h = w, h
        self.px = [[tuple(fill) for _ in range(w)] for _ in range(h)]

    def fill(self, fn):
        for y in range(self.h):
            row = self.px[y]
            for x in range(self.w):
                row[x] = fn(x, y)

    def blend(self, x, y, colour, alpha):
        if 0 <= x < self.w and 0 <= y < self.h and alpha > 0:
            self.px[y][x] = mix(self.px[y][x], colour, clamp(alpha))

    def rect_outline(self, x0, y0, x1, y1, colour, alpha=1.0):
        """One-pixel outline of the rectangle with corners x0,y0 and x1,y1 (inclusive)."""
        for x in range(x0, x1 + 1):
            self.blend(x, y0, colour, alpha)
            self.blend(x, y1, colour, alpha)
        for y in range(y0 + 1, y1):
            self.blend(x0, y, colour, alpha)
            self.blend(x1, y, colour, alpha)

    def to_bytes(self):
        """Rows of (r, g, b) byte triples, ordered-dithered."""
        out = []
        for y in range(self.h):
            row = []
            for x in range(self.w):
                d = (BAYER4[y & 3][x & 3] + 0.5) / 16.0
                row.append(tuple(int(clamp(math.floor(v + d), 0, 255)) for v in self.px[y][x]))
            out.append(row)
        return out


# ---------------------------------------------------------------- BMP and ICO


def bmp_bytes(rows):
    """24-bit, uncompressed, bottom-up Windows bitmap."""
    h, w = len(rows), len(rows[0])
    stride = (w * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        pixels += line
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(pixels), 3780, 3780, 0, 0)
    head = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return head + info + bytes(pixels)


def pack_bits(values, bpp):
    """One row of palette indices (or mask bits), padded to 4 bytes."""
    out = bytearray()
    acc, n = 0, 0
    for v in values:
        acc = (acc << bpp) | v
        n += bpp
        if n == 8:
            out.append(acc)
            acc, n = 0, 0
    if n:
        out.append(acc << (8 - n))
    out += bytes((-len(out)) % 4)
    return bytes(out)


def icon_image(indices, mask, palette, bpp):
    """One icon image: header with doubled height, palette, colour rows, AND mask."""
    size = len(indices)
    xor = b''.join(pack_bits(r, bpp) for r in reversed(indices))
    andm = b''.join(pack_bits(r, 1) for r in reversed(mask))
    pal = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in palette)
    info = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bpp, 0, len(xor) + len(andm), 0, 0, 0, 0)
    return info + pal + xor + andm


def ico_bytes(images):
    """images: list of (size, bpp, image bytes)."""
    head = struct.pack('<HHH', 0, 1, len(images))
    offset = len(head) + 16 * len(images)
    entries, data = b'', b''
    for size, bpp, img in images:
        colours = 16 if bpp == 4 else 0
        entries += struct.pack('<BBBBHHII', size, size, colours, 0, 1, bpp, len(img), offset + len(data))
        data += img
    return head + entries + data


# ---------------------------------------------------------------- pixel font
#
# A proportional font, 7 pixels to the capital, 1-pixel strokes. Text is drawn
# at twice that size: the glyph is enlarged twice with the EPX rule (which
# rounds off the diagonal steps) to four times, thickened a little, and then
# averaged down by two, which leaves soft edges.

GLYPHS = {
    'B': ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
    'R': ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    'V': ["#...#", "#...#", "#...#", "#...#", ".#.#.", ".#.#.", "..#.."],
    'a': ["....", "....", ".###.", "....#", ".####", "#...#", ".####"],
    'e': [".....", ".....", ".###.", "#...#", "#####", "#....", ".####"],
    'l': ["##.", ".#.", ".#.", ".#.", ".#.", ".#.", ".##"],
    'n': [".....", ".....", "####.", "#...#", "#...#", "#...#", "#...#"],
    'o': [".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."],
    'r': ["....", "....", "#.##", "##..", "#...", "#...", "#..."],
    's': [".....", ".....", ".####", "#....", ".###.", "....#", "####."],
    't': [".#..", ".#..", "####", ".#..", ".#..", ".#..", "..##"],
    'u': [".....", ".....", "#...#", "#...#", "#...#", "#...#", ".####"],
    'w': [".....", ".....", "#...#", "#...#", "#.#.#", "#.#.#", ".#.#."],
    '!': ["#", "#", "#", "#", "#", ".", "#"],
    ' ': ["...", "...", "...", "...", "...", "...", "..."],
}
GLYPH_HEIGHT = 7
LETTER_GAP = 1


def text_bitmap(text):
    """The text at 1x as rows of 0/1, with a blank border of one pixel."""
    cols = []
    for i, ch in enumerate(text):
        g = GLYPHS[ch]
        width = max(len(r) for r in g)
        if i:
            cols += [[0] * GLYPH_HEIGHT] * LETTER_GAP
        for x in range(width):
            cols.append([1 if x < len(r) and r[x] == '#' else 0 for r in g])
    w = len(cols) + 2
    rows = [[0] * w]
    for y in range(GLYPH_HEIGHT):
        rows.append([0] + [c[y] for c in cols] + [0])
    rows.append([0] * w)
    return rows


def epx(src):
    """Doubles a 0/1 bitmap, cutting the corners of diagonal steps."""
    h, w = len(src), len(src[0])
    out = [[0] * (2 * w) for _ in range(2 * h)]

    def at(x, y):
        return src[y][x] if 0 <= x < w and 0 <= y < h else 0

    for y in range(h):
        for x in range(w):
            p = src[y][x]
            a, b, c, d = at(x, y - 1), at(x + 1, y), at(x - 1, y), at(x, y + 1)
            out[2 * y][2 * x] = a if (c == a and c != d and a != b) else p
            out[2 * y][2 * x + 1] = b if (a == b and a != c and b != d) else p
            out[2 * y + 1][2 * x] = c if (d == c and d != b and c != a) else p
            out[2 * y + 1][2 * x + 1] = d if (b == d and b != a and d != c) else p
    return out


def thicken(src, n):
    """Grows every stroke n pixels to the right."""
    out = [row[:] for row in src]
    for y, row in enumerate(src):
        for x, v in enumerate(row):
            if v:
                for k in range(1, n + 1):
                    if x + k < len(row):
                        out[y][x + k] = 1
    return out


def text_coverage(text, weight=1):
    """Coverage 0..1 of the text at twice its design size."""
    big = thicken(epx(epx(text_bitmap(text))), weight)
    h, w = len(big) // 2, len(big[0]) // 2
    return [[(big[2 * y][2 * x] + big[2 * y][2 * x + 1] + big[2 * y + 1][2 * x] + big[2 * y + 1][2 * x + 1]) / 4.0
             for x in range(w)] for y in range(h)]


def draw_text(canvas, text, colour=(255, 255, 255), shadow=(0, 0, 8), glow=(40, 120, 255)):
    """Centres the text on the canvas: a soft blue glow, a dark shadow, then the text."""
    cov = text_coverage(text)
    h, w = len(cov), len(cov[0])
    ox = (canvas.w - w) // 2
    oy = (canvas.h - h) // 2

    def c(x, y):
        return cov[y][x] if 0 <= x < w and 0 <= y < h else 0.0

    for y in range(-2, h + 2):
        for x in range(-2, w + 2):
            near = sum(c(x + i, y + j) for i in (-1, 0, 1) for j in (-1, 0, 1)) / 9.0
            canvas.blend(ox + x, oy + y, glow, near * 0.45)
    for y in range(h + 1):
        for x in range(w + 1):
            canvas.blend(ox + x, oy + y, shadow, c(x - 1, y - 1) * 0.9)
    for y in range(h):
        for x in range(w):
            canvas.blend(ox + x, oy + y, colour, c(x, y))


# ---------------------------------------------------------------- pictures

BLACK = (0.0, 0.0, 0.0)


def background():
    w, h = 324, 241
    cv = Canvas(w, h)
    top, bottom = (14, 26, 66), (3, 5, 16)
    gx, gy = 262.0, 18.0  # a faint glow behind the top right corner

    def px(x, y):
        c = mix(top, bottom, y / (h - 1))
        d2 = ((x - gx) * (x - gx) + (y - gy) * (y - gy)) / (190.0 * 190.0)
        if d2 < 1.0:
            f = (1.0 - d2) * (1.0 - d2)
            c = add(c, (4 * f, 14 * f, 34 * f))
        # fine diagonal weave, barely there
        if (x + y) % 6 == 0 or (x - y) % 6 == 0:
            c = add(c, (1.5, 3.0, 7.0))
        return c

    cv.fill(px)
    # thin double frame: bright hairline outside, dark groove inside, soft line further in
    cv.rect_outline(0, 0, w - 1, h - 1, (46, 92, 190))
    cv.rect_outline(1, 1, w - 2, h - 2, (2, 4, 12))
    cv.rect_outline(4, 4, w - 5, h - 5, (30, 60, 130), 0.55)
    # light catches the top edge
    for x in range(1, w - 1):
        t = abs(x - w / 2.0) / (w / 2.0)
        cv.blend(x, 0, (140, 190, 255), 0.8 * (1.0 - t * t))
    return cv


def pattern_face(w, h, strength=1.0):
    """Blue-on-black face: glossy blue stripes on black, a thin blue rim."""
    cv = Canvas(w, h)
    stops = [(0.0, (10, 88, 200)), (0.47, (0, 34, 104)), (0.53, (0, 12, 44)), (1.0, (0, 46, 130))]

    def px(x, y):
        c = ramp(stops, (y + 0.5) / h)
        stripe = 1.0 if (x + y) % 4 < 2 else 0.62
        return scale(c, stripe * strength)

    cv.fill(px)
    cv.rect_outline(0, 0, w - 1, h - 1, scale((70, 140, 255), strength))
    cv.rect_outline(1, 1, w - 2, h - 2, BLACK, 0.7)
    for x in range(2, w - 2):
        cv.blend(x, 2, (150, 200, 255), 0.35 * strength)
    return cv


def button(w, h, text):
    cv = pattern_face(w, h)
    draw_text(cv, text)
    return cv


def check_strip():
    # Darker than the buttons: the white caption is shown with it.
    return pattern_face(147, 34, 0.55)


# ---------------------------------------------------------------- icon
#
# A monitor with a blue screen and a white round arrow. Each size is drawn from
# shapes with 8x8 samples per pixel. The 256-colour images keep the averaged
# colours; the 16-colour images take the standard 16 colours, one per shape,
# from whichever shape covers most of each pixel.

VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
         (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
         (255, 0, 255), (0, 255, 255), (255, 255, 255)]
V_BLACK, V_NAVY, V_SILVER, V_GRAY, V_LIME, V_BLUE, V_WHITE = 0, 4, 7, 8, 10, 12, 15


def in_round_rect(x, y, x0, y0, x1, y1, r):
    if not (x0 <= x <= x1 and y0 <= y <= y1):
        return False
    cx = x0 + r if x < x0 + r else x1 - r if x > x1 - r else x
    cy = y0 + r if y < y0 + r else y1 - r if y > y1 - r else y
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r


def in_triangle(x, y, a, b, c):
    def side(p, q):
        return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])
    s1, s2, s3 = side(a, b), side(b, c), side(c, a)
    return (s1 >= 0 and s2 >= 0 and s3 >= 0) or (s1 <= 0 and s2 <= 0 and s3 <= 0)


# Pixel layout of each size: cabinet, screen (with or without a dark rim), neck,
# foot, power light, and the arrow's radii and head.
ICON_LAYOUT = {
    32: dict(cabinet=(0.0, 1.0, 32.0, 24.0, 2.5), screen=(3.0, 4.0, 29.0, 20.0), rim=True,
             neck=(13.0, 19.0, 22.0), foot=(8.0, 26.0, 24.0, 31.0, 1.5), light=(26.5, 22.0, 1.0),
             ring=(5.4, 2.8), head=1.5),
    16: dict(cabinet=(0.0, 0.0, 16.0, 13.0, 1.5), screen=(2.0, 2.0, 14.0, 10.0), rim=False,
             neck=(6.0, 10.0, 12.0), foot=(3.0, 13.0, 13.0, 16.0, 0.8), light=(13.5, 11.0, 0.75),
             ring=(3.4, 1.6), head=0.8),
}
DARK = (24, 26, 34)


def icon_shapes(s):
    """Shapes from bottom to top: (test, colour function, 16-colour index).
    Coordinates are in pixels of an s x s icon; outlines are one pixel wide."""
    L = ICON_LAYOUT[s]
    shapes = []

    def solid(c):
        return lambda x, y: c

    fx0, fy0, fx1, fy1, fr = L['foot']
    shapes.append((lambda x, y: in_round_rect(x, y, fx0, fy0, fx1, fy1, fr), solid(DARK), V_BLACK))
    shapes.append((lambda x, y: in_round_rect(x, y, fx0 + 1, fy0 + 1, fx1 - 1, fy1 - 1, fr * 0.6),
                   lambda x, y: mix((220, 224, 232), (130, 136, 150), clamp((y - fy0) / (fy1 - fy0))), V_SILVER))
    nx0, nx1, ny0 = L['neck']
    shapes.append((lambda x, y: nx0 <= x <= nx1 and ny0 <= y <= fy0 + 1, solid(DARK), V_BLACK))
    shapes.append((lambda x, y: nx0 + 1 <= x <= nx1 - 1 and ny0 <= y <= fy0 + 1, solid((120, 126, 140)), V_GRAY))

    bx0, by0, bx1, by1, br = L['cabinet']
    shapes.append((lambda x, y: in_round_rect(x, y, bx0, by0, bx1, by1, br), solid(DARK), V_BLACK))
    shapes.append((lambda x, y: in_round_rect(x, y, bx0 + 1, by0 + 1, bx1 - 1, by1 - 1, br * 0.8),
                   lambda x, y: mix((236, 238, 244), (150, 156, 170), clamp((y - by0) / (by1 - by0))), V_SILVER))

    # screen: blue from light at the top left to deep at the bottom right
    rx0, ry0, rx1, ry1 = L['screen']
    if L['rim']:
        shapes.append((lambda x, y: rx0 <= x <= rx1 and ry0 <= y <= ry1, solid((20, 24, 40)), V_BLACK))
        sx0, sy0, sx1, sy1 = rx0 + 1, ry0 + 1, rx1 - 1, ry1 - 1
    else:
        sx0, sy0, sx1, sy1 = rx0, ry0, rx1, ry1

    def screen(x, y):
        t = clamp(((x - sx0) / (sx1 - sx0) + (y - sy0) / (sy1 - sy0)) / 2.0)
        return ramp([(0.0, (70, 150, 255)), (0.45, (10, 70, 210)), (1.0, (0, 20, 120))], t)

    shapes.append((lambda x, y: sx0 <= x <= sx1 and sy0 <= y <= sy1, screen, V_BLUE))

    lx, ly, lr = L['light']
    shapes.append((lambda x, y: (x - lx) * (x - lx) + (y - ly) * (y - ly) <= lr * lr, solid((40, 220, 60)), V_LIME))

    # round arrow, turning clockwise: open over the top right quarter, head at the top
    cx, cy = s / 2.0, (sy0 + sy1) / 2.0
    ro, ri = L['ring']

    def ring(x, y):
        dx, dy = x - cx, y - cy
        d2 = dx * dx + dy * dy
        return ri * ri <= d2 <= ro * ro and not (dx >= 0 and dy < 0)

    mid = (ro + ri) / 2.0
    hw = (ro - ri) / 2.0 + L['head']
    head = ((cx, cy - mid - hw), (cx, cy - mid + hw), (cx + hw * 1.1, cy - mid))
    shapes.append((ring, solid((255, 255, 255)), V_WHITE))
    shapes.append((lambda x, y: in_triangle(x, y, *head), solid((255, 255, 255)), V_WHITE))
    return shapes


def render_icon(s):
    """(colour, coverage, majority 16-colour index) per pixel."""
    shapes = icon_shapes(s)
    n = 8
    out = []
    for py in range(s):
        row = []
        for pxl in range(s):
            total = [0.0, 0.0, 0.0]
            hits = 0
            votes = {}
            for j in range(n):
                for i in range(n):
                    x, y = pxl + (i + 0.5) / n, py + (j + 0.5) / n
                    top = None
                    for idx in range(len(shapes) - 1, -1, -1):
                        if shapes[idx][0](x, y):
                            top = idx
                            break
                    if top is None:
                        votes[-1] = votes.get(-1, 0) + 1
                        continue
                    c = shapes[top][1](x, y)
                    total = [total[k] + c[k] for k in range(3)]
                    hits += 1
                    votes[shapes[top][2]] = votes.get(shapes[top][2], 0) + 1
            colour = tuple(int(math.floor(v / hits + 0.5)) for v in total) if hits else (0, 0, 0)
            best = max(sorted(votes), key=lambda v: votes[v])
            row.append((colour, hits / float(n * n), best))
        out.append(row)
    return out


def icon_256(pixels):
    s = len(pixels)
    mask = [[0 if cov >= 0.5 else 1 for _, cov, _ in row] for row in pixels]
    colours = [[c for c, _, _ in row] for row in pixels]
    step = 1
    while True:
        def q(c):
            return tuple(min(255, (v + step // 2) // step * step) for v in c)
        used = sorted({q(colours[y][x]) for y in range(s) for x in range(s) if not mask[y][x]} - {(0, 0, 0)})
        if len(used) <= 255:
            break
        step += 1
    palette = [(0, 0, 0)] + used
    index = {c: i for i, c in enumerate(palette)}
    idx = [[0 if mask[y][x] else index[q(colours[y][x])] for x in range(s)] for y in range(s)]
    palette += [(0, 0, 0)] * (256 - len(palette))
    return icon_image(idx, mask, palette, 8)


def icon_16(pixels):
    s = len(pixels)
    mask = [[1 if best < 0 else 0 for _, _, best in row] for row in pixels]
    idx = [[0 if best < 0 else best for _, _, best in row] for row in pixels]
    return icon_image(idx, mask, VGA16, 4)


def icon():
    big, small = render_icon(32), render_icon(16)
    return ico_bytes([(32, 8, icon_256(big)), (32, 4, icon_16(big)),
                      (16, 8, icon_256(small)), (16, 4, icon_16(small))])


# ---------------------------------------------------------------- output and checks

PICTURES = {
    'background.bmp': (324, 241, background),
    'browse.bmp': (84, 30, lambda: button(84, 30, 'Browse')),
    'run.bmp': (304, 30, lambda: button(304, 30, 'Run Vantreel!')),
    'check.bmp': (147, 34, check_strip),
}
ICON = 'zarnres.ico'
ICON_IMAGES = [(32, 8), (32, 4), (16, 8), (16, 4)]


def build():
    files = {name: bmp_bytes(make().to_bytes()) for name, (_, _, make) in PICTURES.items()}
    files[ICON] = icon()
    return files


def check_bmp(data, w, h):
    magic, size, _, _, offset = struct.unpack_from('<2sIHHI', data, 0)
    hs, bw, bh, planes, bpp, comp, isize = struct.unpack_from('<IiiHHII', data, 14)
    stride = (w * 3 + 3) & ~3
    problems = []
    if magic != b'BM' or size != len(data) or offset != 54 or hs != 40:
        problems.append('file header')
    if (bw, bh) != (w, h):
        problems.append('size %dx%d' % (bw, bh))
    if planes != 1 or bpp != 24 or comp != 0:
        problems.append('planes/bpp/compression %d/%d/%d' % (planes, bpp, comp))
    if isize != stride * h or len(data) != 54 + stride * h:
        problems.append('image size')
    return problems


def check_ico(data):
    problems = []
    reserved, kind, count = struct.unpack_from('<HHH', data, 0)
    if reserved != 0 or kind != 1 or count != len(ICON_IMAGES):
        return ['icon directory']
    for i, (size, bpp) in enumerate(ICON_IMAGES):
        w, h, colours, _, planes, bits, nbytes, offset = struct.unpack_from('<BBBBHHII', data, 6 + 16 * i)
        hs, bw, bh, bplanes, bbpp, comp, isize = struct.unpack_from('<IiiHHII', data, offset)
        xor = ((size * bpp + 31) // 32) * 4 * size
        andm = ((size + 31) // 32) * 4 * size
        expect = 40 + 4 * (1 << bpp) + xor + andm
        ok = ((w, h, planes, bits) == (size, size, 1, bpp) and colours == (16 if bpp == 4 else 0)
              and (hs, bw, bh, bplanes, bbpp, comp) == (40, size, 2 * size, 1, bpp, 0)
              and isize == xor + andm and nbytes == expect and offset + nbytes <= len(data))
        if not ok:
            problems.append('image %d (%dx%d, %d bpp)' % (i, size, size, bpp))
    return problems


def main(argv):
    files = build()
    if '--check' not in argv:
        for name, data in files.items():
            with open(os.path.join(HERE, name), 'wb') as f:
                f.write(data)
            print('wrote res/%s (%d bytes)' % (name, len(data)))
    failed = False
    for name, data in files.items():
        path = os.path.join(HERE, name)
        if name == ICON:
            problems = check_ico(data)
        else:
            w, h, _ = PICTURES[name]
            problems = check_bmp(data, w, h)
        try:
            with open(path, 'rb') as f:
                if f.read() != data:
                    problems.append('differs from what this script draws')
        except FileNotFoundError:
            problems.append('missing')
        if problems:
            failed = True
            print('res/%s: %s' % (name, '; '.join(problems)))
        else:
            print('res/%s: ok' % name)
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
