#!/usr/bin/env python3
"""Draws the program's own pictures as 24-bit bitmaps:
  options_strip.bmp  45 x 527, the strip along the Options window's left edge:
                     the product name reading upwards under the two tray knobs
  banner.bmp         277 x 24, the splash banner: the name between the knobs
  dusk.bmp           273 x 153, hills and a lake at dusk, for the information
                     window and the About box's last page
The letters come from a small stroke font defined here, so the output depends on
nothing but this file and make_icons.py. Run it in res/ to regenerate them all."""
import math
import struct
import sys

sys.dont_write_bytecode = True  # no cache folder beside the pictures
from make_icons import pixel as knob_pixel  # noqa: E402

ON_GREEN = (40, 170, 60)
OFF_RED = (200, 45, 40)


def arc(cx, cy, rx, ry, a0, a1, steps=16):
    """Points along an ellipse from angle a0 to a1 (degrees, y pointing up)."""
    return [(cx + rx * math.cos(math.radians(a0 + (a1 - a0) * i / steps)),
             cy + ry * math.sin(math.radians(a0 + (a1 - a0) * i / steps))) for i in range(steps + 1)]


# Each letter: its advance and its strokes (polylines), in units where the
# baseline is y = 0, lower-case letters are 4 high and capitals 6.
LETTERS = {
    "Q": (5.4, [arc(2.2, 3, 2.2, 3, 0, 360, 32), [(2.7, 1.1), (4.6, -0.7)]]),
    "u": (4.0, [[(0, 4)] + arc(1.5, 1.5, 1.5, 1.5, 180, 360) + [(3, 4)], [(3, 4), (3, 0)]]),
    "e": (3.9, [[(0, 2), (3, 2)] + arc(1.5, 2, 1.5, 2, 0, 320, 24)]),
    "l": (1.2, [[(0, 6), (0, 0)]]),
    "m": (5.3, [[(0, 0), (0, 4)],
                arc(1.1, 2.8, 1.1, 1.2, 180, 0) + [(2.2, 0)],
                arc(3.3, 2.8, 1.1, 1.2, 180, 0) + [(4.4, 0)]]),
    "a": (4.0, [arc(1.5, 2, 1.5, 2, 0, 360, 32), [(3, 4), (3, 0)]]),
    "r": (2.9, [[(0, 0), (0, 4)], arc(2.2, 2.0, 2.2, 2.0, 180, 90)]),
    "c": (3.6, [arc(1.5, 2, 1.5, 2, 40, 320, 24)]),
    "h": (4.0, [[(0, 6), (0, 0)], arc(1.5, 2.5, 1.5, 1.5, 180, 0) + [(3, 0)]]),
}
SPACING = 0.7


def layout(text):
    """The strokes of a text as segments, and its length, in font units."""
    segments, x = [], 0.0
    for ch in text:
        advance, strokes = LETTERS[ch]
        for line in strokes:
            for (x1, y1), (x2, y2) in zip(line, line[1:]):
                segments.append((x + x1, y1, x + x2, y2))
        x += advance + SPACING
    return segments, x - SPACING


def distance(px, py, x1, y1, x2, y2):
    dx, dy = x2 - x1, y2 - y1
    length = dx * dx + dy * dy
    t = 0.0 if length == 0 else max(0.0, min(1.0, ((px - x1) * dx + (py - y1) * dy) / length))
    return math.hypot(px - (x1 + t * dx), py - (y1 + t * dy))


def coverage(width, height, segments, to_font, to_screen, half_width, samples=4):
    """How much of each pixel the strokes cover (0..1), sampled samples^2 times
    per pixel. Each segment only looks at the pixels around it."""
    hits = {}
    for seg in segments:
        corners = [to_screen(u, v) for u, v in ((seg[0], seg[1]), (seg[2], seg[3]))]
        pad = half_width * 4 + 2
        x_lo = max(0, int(min(c[0] for c in corners) - pad))
        x_hi = min(width - 1, int(max(c[0] for c in corners) + pad))
        y_lo = max(0, int(min(c[1] for c in corners) - pad))
        y_hi = min(height - 1, int(max(c[1] for c in corners) + pad))
        for py in range(y_lo, y_hi + 1):
            for px in range(x_lo, x_hi + 1):
                for sy in range(samples):
                    for sx in range(samples):
                        key = (px, py, sx, sy)
                        if key in hits:
                            continue
                        u, v = to_font(px + (sx + 0.5) / samples, py + (sy + 0.5) / samples)
                        if distance(u, v, *seg) <= half_width:
                            hits[key] = True
    cover = {}
    for (px, py, _, _) in hits:
        cover[(px, py)] = cover.get((px, py), 0) + 1.0 / (samples * samples)
    return cover


def blend(under, over, alpha):
    return tuple(int(round(u + (o - u) * alpha)) for u, o in zip(under, over))


def gradient(top, bottom, t):
    return tuple(int(round(a + (b - a) * t)) for a, b in zip(top, bottom))


def draw_text(image, width, height, text, scale, origin, upwards, half_width=0.45):
    """White letters with a dark shadow. Horizontal text starts at origin (its
    baseline's left end); upward text runs from origin towards the top, letters
    facing left."""
    segments, _ = layout(text)
    x0, y0 = origin
    if upwards:
        def to_screen(u, v): return (x0 - v * scale, y0 - u * scale)
        def to_font(x, y): return ((y0 - y) / scale, (x0 - x) / scale)
    else:
        def to_screen(u, v): return (x0 + u * scale, y0 - v * scale)
        def to_font(x, y): return ((x - x0) / scale, (y0 - y) / scale)
    for offset, colour in (((1, 1), (10, 20, 40)), ((0, 0), (255, 255, 255))):
        cover = coverage(width, height, segments,
                         lambda x, y: to_font(x - offset[0], y - offset[1]),
                         lambda u, v: tuple(c + o for c, o in zip(to_screen(u, v), offset)), half_width)
        for (px, py), a in cover.items():
            image[py][px] = blend(image[py][px], colour, min(1.0, a) * (0.6 if offset != (0, 0) else 1.0))


def draw_knob(image, left, top, size, rgb):
    for y in range(size):
        for x in range(size):
            b, g, r, a = knob_pixel(size, x, y, rgb)
            if a:
                image[top + y][left + x] = blend(image[top + y][left + x], (r, g, b), a / 255)


def frame(image):
    """A light edge on the top and left of a picture, a dark one on the bottom and right."""
    height, width = len(image), len(image[0])
    for x in range(width):
        image[0][x] = blend(image[0][x], (255, 255, 255), 0.35)
        image[height - 1][x] = blend(image[height - 1][x], (0, 0, 0), 0.35)
    for y in range(height):
        image[y][0] = blend(image[y][0], (255, 255, 255), 0.35)
        image[y][width - 1] = blend(image[y][width - 1], (0, 0, 0), 0.35)


def background(width, height, vertical):
    top, bottom = (24, 48, 96), (30, 112, 128)
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            t = y / (height - 1) if vertical else x / (width - 1)
            row.append(gradient(top, bottom, t))
        rows.append(row)
    frame(rows)
    return rows


def write_bmp(path, image):
    height, width = len(image), len(image[0])
    row_size = (width * 3 + 3) // 4 * 4
    data = b""
    for row in reversed(image):  # bottom-up
        line = b"".join(bytes((b, g, r)) for r, g, b in row)
        data += line + b"\0" * (row_size - len(line))
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def options_strip():
    width, height = 45, 527
    image = background(width, height, vertical=True)
    draw_knob(image, 7, 10, 32, ON_GREEN)
    draw_knob(image, 7, 48, 32, OFF_RED)
    scale = 5.2
    _, length = layout("Quellmarch")
    draw_text(image, width, height, "Quellmarch", scale, (width / 2 + 3 * scale - 0.5, height - 14), upwards=True)
    assert height - 14 - length * scale > 90, "the name runs into the knobs"
    return image


def banner():
    width, height = 277, 24
    image = background(width, height, vertical=False)
    draw_knob(image, 4, 2, 20, ON_GREEN)
    draw_knob(image, width - 24, 2, 20, OFF_RED)
    scale = 2.5
    _, length = layout("Quellmarch")
    draw_text(image, width, height, "Quellmarch", scale, ((width - length * scale) / 2, 19), upwards=False,
              half_width=0.5)
    return image


def hill(x, base, height, centre, spread):
    """The top of a rounded hill at column x: a bell curve above the base line."""
    return base - height * math.exp(-((x - centre) / spread) ** 2)


def dusk():
    width, height = 273, 153
    horizon = 98
    sky_top, sky_glow = (22, 30, 74), (246, 150, 74)
    sun_x, sun_y, sun_r = 190.0, horizon - 6.0, 15.0
    image = []
    for y in range(horizon):
        t = (y / (horizon - 1)) ** 1.6
        image.append([gradient(sky_top, sky_glow, t) for _ in range(width)])
    # The sun sinking behind the far hills, with a soft glow around it.
    for y in range(horizon):
        for x in range(width):
            d = math.hypot(x + 0.5 - sun_x, y + 0.5 - sun_y)
            if d < sun_r * 3:
                glow = max(0.0, 1 - d / (sun_r * 3)) ** 2 * 0.5
                image[y][x] = blend(image[y][x], (255, 214, 140), glow)
            image[y][x] = blend(image[y][x], (255, 236, 170), max(0.0, min(1.0, sun_r + 0.5 - d)))
    # A few stars where the sky is already dark.
    for sx, sy in ((18, 9), (47, 21), (71, 6), (102, 15), (131, 27), (29, 38), (158, 8), (226, 12), (250, 30)):
        image[sy][sx] = blend(image[sy][sx], (255, 255, 255), 0.9)
    # Three ranges of hills, the farthest palest, each a shade of the dusk.
    ranges = (((96, 84, 120), horizon, [(40, 22, 40), (120, 28, 46), (230, 18, 34)]),
              ((58, 52, 86), horizon, [(0, 14, 30), (88, 20, 34), (160, 12, 26)]),
              ((26, 32, 52), horizon, [(250, 30, 38), (200, 10, 24)]))
    for colour, base, bumps in ranges:
        for x in range(width):
            top = min(hill(x + 0.5, base, h, c, s) for c, h, s in bumps)
            for y in range(max(0, int(top)), min(height, base)):
                image[y][x] = blend(image[y][x], colour, min(1.0, y + 1 - top))
    # The lake mirrors sky and hills, darker, with ripples across it.
    for y in range(horizon, height):
        mirrored = max(0, 2 * horizon - y - 1)
        row = []
        for x in range(width):
            base = image[mirrored][x]
            ripple = 0.12 if (y - horizon) % 5 == 0 and (x // 7 + y) % 3 else 0.0
            row.append(blend(blend(base, (10, 20, 50), 0.45), (255, 255, 255), ripple))
        image.append(row)
    frame(image)
    return image


if __name__ == "__main__":
    write_bmp("options_strip.bmp", options_strip())
    write_bmp("banner.bmp", banner())
    write_bmp("dusk.bmp", dusk())
