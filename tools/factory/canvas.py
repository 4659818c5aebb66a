"""An 8-bit indexed picture with the few drawing operations the factory art needs, and its
writer as a 256-colour BMP file."""

import math
import struct

from palette import BASE, BLACK, KEY


class Canvas:
    def __init__(self, width, height, fill=KEY):
        self.width = width
        self.height = height
        self.pixels = bytearray([fill]) * (width * height)

    def get(self, x, y):
        if 0 <= x < self.width and 0 <= y < self.height:
            return self.pixels[y * self.width + x]
        return KEY

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y * self.width + x] = colour

    def rect(self, x, y, w, h, colour):
        for yy in range(max(y, 0), min(y + h, self.height)):
            row = yy * self.width
            for xx in range(max(x, 0), min(x + w, self.width)):
                self.pixels[row + xx] = colour

    def frame(self, x, y, w, h, colour, thickness=1):
        self.rect(x, y, w, thickness, colour)
        self.rect(x, y + h - thickness, w, thickness, colour)
        self.rect(x, y, thickness, h, colour)
        self.rect(x + w - thickness, y, thickness, h, colour)

    def ellipse(self, cx, cy, rx, ry, colour):
        """A filled ellipse centred on (cx, cy) (half-pixel centres allowed)."""
        for yy in range(math.floor(cy - ry), math.ceil(cy + ry) + 1):
            for xx in range(math.floor(cx - rx), math.ceil(cx + rx) + 1):
                dx = (xx + 0.5 - cx) / rx if rx else 0
                dy = (yy + 0.5 - cy) / ry if ry else 0
                if dx * dx + dy * dy <= 1.0:
                    self.put(xx, yy, colour)

    def line(self, x0, y0, x1, y1, colour):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.put(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), colour)

    def polygon(self, points, colour):
        """A filled polygon (even-odd rule, sampled at pixel centres)."""
        ys = [p[1] for p in points]
        for yy in range(math.floor(min(ys)), math.ceil(max(ys)) + 1):
            sy = yy + 0.5
            cuts = []
            for (xa, ya), (xb, yb) in zip(points, points[1:] + points[:1]):
                if (ya <= sy < yb) or (yb <= sy < ya):
                    cuts.append(xa + (sy - ya) * (xb - xa) / (yb - ya))
            cuts.sort()
            for a, b in zip(cuts[0::2], cuts[1::2]):
                for xx in range(math.ceil(a - 0.5), math.floor(b - 0.5) + 1):
                    self.put(xx, yy, colour)

    def pattern(self, x, y, rows, colours):
        """Draws a small picture given as text rows; each character maps through the colour
        dictionary, and characters it lacks (a space or a dot) leave the pixel alone."""
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch in colours:
                    self.put(x + dx, y + dy, colours[ch])

    def outline(self, x, y, w, h, colour=BLACK):
        """Rings every opaque shape inside the rectangle with a one-pixel outline on the
        transparent pixels that touch it."""
        ring = []
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                if self.get(xx, yy) != KEY:
                    continue
                for nx, ny in ((xx - 1, yy), (xx + 1, yy), (xx, yy - 1), (xx, yy + 1)):
                    if x <= nx < x + w and y <= ny < y + h and self.get(nx, ny) not in (KEY, colour):
                        ring.append((xx, yy))
                        break
        for xx, yy in ring:
            self.put(xx, yy, colour)

    def blit(self, source, sx, sy, w, h, x, y, keyed=True, mirror=False):
        for dy in range(h):
            for dx in range(w):
                c = source.get(sx + (w - 1 - dx if mirror else dx), sy + dy)
                if not (keyed and c == KEY):
                    self.put(x + dx, y + dy, c)

    def recolour(self, x, y, w, h, mapping):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                c = self.get(xx, yy)
                if c in mapping:
                    self.put(xx, yy, mapping[c])

    def half(self, sx, sy, w, h, x, y, target):
        """Draws the w x h area at (sx, sy) at half size into target at (x, y): each 2 x 2
        block takes its most frequent opaque colour when at least two of its pixels are opaque."""
        for dy in range(h // 2):
            for dx in range(w // 2):
                seen = [self.get(sx + 2 * dx + i, sy + 2 * dy + j) for j in (0, 1) for i in (0, 1)]
                opaque = [c for c in seen if c != KEY]
                if len(opaque) >= 2:
                    target.put(x + dx, y + dy, max(opaque, key=lambda c: (opaque.count(c), c == BLACK)))


def write_bmp(path, canvas, colours=BASE):
    """Writes a bottom-up, uncompressed 256-colour BMP. Widths stay multiples of 4, so the
    rows need no padding (the editor's loader reads them unpadded)."""
    w, h = canvas.width, canvas.height
    assert w % 4 == 0, "%s: width %d is not a multiple of 4" % (path, w)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)
    offset = 14 + 40 + len(table)
    rows = b"".join(bytes(canvas.pixels[y * w:(y + 1) * w]) for y in range(h - 1, -1, -1))
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(rows), 2835, 2835, 256, 0)
    with open(path, "wb") as f:
        f.write(header + info + table + rows)
