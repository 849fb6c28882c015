#!/usr/bin/env python3
"""Draws the built-in tray icons: a green switch knob for On, a red one for Off.
Run it to regenerate tray_on.ico and tray_off.ico (16 and 32 pixels, 32-bit)."""
import struct


def pixel(size, x, y, rgb):
    # A round knob with a lighter rim and a bar across it, antialiased by
    # sampling each pixel four times.
    c = (size - 1) / 2.0
    r = size * 0.46
    cover = 0
    for sx in (0.25, 0.75):
        for sy in (0.25, 0.75):
            dx, dy = x + sx - 0.5 - c, y + sy - 0.5 - c
            if dx * dx + dy * dy <= r * r:
                cover += 1
    if cover == 0:
        return (0, 0, 0, 0)
    dx, dy = x - c, y - c
    d = (dx * dx + dy * dy) ** 0.5
    shade = 1.0 + 0.35 * (-(dx + dy) / (2 * r))
    red, green, blue = (min(255, int(v * shade)) for v in rgb)
    if d > r - max(1.5, size / 16):
        red, green, blue = (int(v * 0.55) for v in (red, green, blue))
    if abs(dy) < size * 0.09 and abs(dx) < r * 0.62:
        red, green, blue = 255, 255, 255
    return (blue, green, red, int(255 * cover / 4))


def image(size, rgb):
    rows = []
    for y in range(size - 1, -1, -1):  # bottom-up
        rows.append(b"".join(bytes(pixel(size, x, y, rgb)) for x in range(size)))
    xor = b"".join(rows)
    mask_row = ((size + 31) // 32) * 4
    mask = b"\0" * (mask_row * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + mask


def ico(path, rgb):
    images = [image(s, rgb) for s in (16, 32)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, data in zip((16, 32), images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    ico("tray_on.ico", (40, 170, 60))
    ico("tray_off.ico", (200, 45, 40))
