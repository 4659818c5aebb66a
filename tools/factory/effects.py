"""Pictures for the database: effect animations (frames of one size side by side, as the game
cuts them) and the sword pictures, one for each facing.

bmp\\effect\\Burst.bmp    8 frames of 32 x 32: a star burst for hits
bmp\\effect\\Smoke.bmp    8 frames of 32 x 32: a puff of smoke for defeats
bmp\\effect\\Sparkle.bmp  6 frames of 16 x 16: a twinkle for items
bmp\\sword\\SwordRight.bmp, SwordLeft.bmp (64 x 64), the pieces a sword type cuts out:
    (0, 0) 32 x 12 thrust forward, (0, 16) 24 x 24 swing upward, (32, 0) 12 x 32 raised,
    (32, 32) 24 x 24 swing downward; the left picture mirrors each piece in its place.
"""

import math

from canvas import Canvas
from palette import BLACK, GOLD, LAVA, cycle, ramp
import palette as P
from items import star_points


def burst():
    c = Canvas(256, 32)
    for f in range(8):
        x = 32 * f
        r = 4 + 1.6 * f
        if f < 6:
            c.polygon(star_points(x + 16, 16, r + 4, r / 2, 8, 0.2 * f), cycle(LAVA, 2 if f < 3 else 1))
        c.ellipse(x + 16, 16, max(1.0, r - 3), max(1.0, r - 3), ramp(P.YELLOW, 15 - f))
        if f >= 4:
            c.ellipse(x + 16, 16, r - 5, r - 5, 0)
    return c


def smoke():
    c = Canvas(256, 32)
    for f in range(8):
        x = 32 * f
        for k in range(5):
            a = 2 * math.pi * k / 5 + 0.3 * f
            d = 2 + 1.5 * f
            r = max(1.0, 6 - 0.6 * f + (k % 2))
            c.ellipse(x + 16 + d * math.cos(a), 16 + d * math.sin(a) - f, r, r, ramp(P.GREY, 9 + f // 2))
        c.outline(x, 0, 32, 32, ramp(P.GREY, 6))
    return c


def sparkle():
    c = Canvas(96, 16)
    sizes = [2, 4, 7, 5, 3, 1]
    for f, s in enumerate(sizes):
        x = 16 * f
        c.polygon([(x + 8, 8 - s), (x + 9, 7), (x + 8 + s, 8), (x + 9, 9), (x + 8, 8 + s), (x + 7, 9),
                   (x + 8 - s, 8), (x + 7, 7)], cycle(GOLD, 2))
        c.put(x + 8, 8, ramp(P.GREY, 15))
    return c


SWORD_PIECES = [(0, 0, 32, 12), (0, 16, 24, 24), (32, 0, 12, 32), (32, 32, 24, 24)]


def _blade(c, x0, y0, x1, y1):
    steel, edge = ramp(P.GREY, 13), ramp(P.GREY, 15)
    c.line(x0, y0, x1, y1, steel)
    c.line(x0 + (y1 != y0), y0 + (x1 != x0), x1 + (y1 != y0), y1 + (x1 != x0), edge)


def swords():
    right = Canvas(64, 64)
    # thrust: hilt on the left, point to the right
    _blade(right, 8, 5, 30, 5)
    right.rect(5, 2, 2, 8, cycle(GOLD, 1))
    right.rect(1, 4, 4, 3, ramp(P.ORANGE, 5))
    # swing upward: hilt bottom left, point top right
    _blade(right, 5, 34, 22, 17)
    right.rect(2, 35, 4, 4, ramp(P.ORANGE, 5))
    # raised: hilt at the bottom, point at the top
    _blade(right, 37, 26, 37, 1)
    right.rect(34, 26, 8, 2, cycle(GOLD, 1))
    right.rect(37, 28, 3, 4, ramp(P.ORANGE, 5))
    # swing downward: hilt top left, point bottom right
    _blade(right, 36, 36, 54, 54)
    right.rect(33, 33, 4, 4, ramp(P.ORANGE, 5))
    for x, y, w, h in SWORD_PIECES:
        right.outline(x, y, w, h, BLACK)
    left = Canvas(64, 64)
    for x, y, w, h in SWORD_PIECES:
        left.blit(right, x, y, w, h, x, y, mirror=True)
    return right, left
