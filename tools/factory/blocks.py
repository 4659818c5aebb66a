"""The block sheet: 32 x 32 blocks, 15 to a column, 8 columns (graphic numbers 0-119; block
n at x = 32 * (n / 15), y = 32 * (n % 15)). Number 0 is the empty block."""

from canvas import Canvas
from palette import BLACK, ICE, LAVA, WATER, GOLD, cycle, ramp
import palette as P

CELL = 32


def noise(x, y, seed=0):
    """A repeatable pseudo-random value 0-255 for a pixel."""
    v = (x * 374761393 + y * 668265263 + seed * 2147483647) & 0xFFFFFFFF
    v = ((v ^ (v >> 13)) * 1274126177) & 0xFFFFFFFF
    return (v ^ (v >> 16)) & 0xFF


def speckle(c, x, y, w, h, hue, base, spread, seed):
    for yy in range(h):
        for xx in range(w):
            n = noise(xx, yy, seed)
            shade = base + (1 if n > 200 else -1 if n < 50 else 0) * spread
            c.put(x + xx, y + yy, ramp(hue, shade))


def _bevel(c, x, y, hue, light=11, mid=8, dark=5):
    c.rect(x, y, CELL, CELL, ramp(hue, mid))
    c.rect(x, y, CELL, 2, ramp(hue, light))
    c.rect(x, y, 2, CELL, ramp(hue, light))
    c.rect(x, y + CELL - 2, CELL, 2, ramp(hue, dark))
    c.rect(x + CELL - 2, y, 2, CELL, ramp(hue, dark))


def ground(c, x, y, hue):
    speckle(c, x, y, CELL, CELL, P.ORANGE, 5, 1, 1)
    for i in range(0, CELL, 8):
        c.ellipse(x + i + 4, y + 18 + noise(i, 0, 2) % 8, 2, 1.5, ramp(P.ORANGE, 3))
    c.rect(x, y, CELL, 7, ramp(hue, 8))
    c.rect(x, y, CELL, 2, ramp(hue, 11))
    for i in range(CELL):
        c.rect(x + i, y + 7, 1, 1 + noise(i, 1, 3) % 3, ramp(hue, 6))


def dirt(c, x, y, hue):
    speckle(c, x, y, CELL, CELL, hue, 5, 1, 4)
    for i in range(0, CELL, 8):
        c.ellipse(x + i + 4, y + 6 + noise(i, 5, 6) % 20, 2, 1.5, ramp(hue, 3))


def brick(c, x, y, hue):
    c.rect(x, y, CELL, CELL, ramp(hue, 4))
    for row in range(4):
        shift = 8 if row % 2 else 0
        for col in range(-1, 2):
            bx = x + col * 16 + shift
            left, right = max(bx + 1, x), min(bx + 15, x + CELL)
            if right > left:
                c.rect(left, y + row * 8 + 1, right - left, 6, ramp(hue, 7))
                c.rect(left, y + row * 8 + 1, right - left, 1, ramp(hue, 10))


def stone(c, x, y, hue):
    _bevel(c, x, y, hue)
    speckle(c, x + 4, y + 4, 24, 24, hue, 8, 1, 7)
    c.frame(x + 3, y + 3, 26, 26, ramp(hue, 6))


def crate(c, x, y, hue):
    c.rect(x, y, CELL, CELL, ramp(hue, 7))
    for i in range(4):
        c.rect(x, y + 8 * i + 7, CELL, 1, ramp(hue, 5))
    c.frame(x, y, CELL, CELL, ramp(hue, 4), 3)
    c.line(x + 3, y + 3, x + 28, y + 28, ramp(hue, 4))
    c.line(x + 3, y + 4, x + 27, y + 28, ramp(hue, 4))


def metal(c, x, y, hue):
    _bevel(c, x, y, hue, 13, 9, 5)
    for px, py in ((5, 5), (25, 5), (5, 25), (25, 25)):
        c.rect(x + px, y + py, 2, 2, ramp(hue, 4))
        c.put(x + px, y + py, ramp(hue, 14))


def ice(c, x, y, hue):
    _bevel(c, x, y, hue, 15, 12, 9)
    c.line(x + 6, y + 20, x + 14, y + 8, ramp(hue, 15))
    c.line(x + 10, y + 25, x + 22, y + 10, ramp(hue, 15))
    c.rect(x + 24, y + 5, 3, 3, cycle(ICE, 2))


def bonus(c, x, y, hue):
    _bevel(c, x, y, hue, 12, 9, 5)
    star = [(16, 5), (19, 13), (27, 13), (21, 18), (23, 27), (16, 22), (9, 27), (11, 18), (5, 13), (13, 13)]
    c.polygon([(x + px, y + py) for px, py in star], cycle(GOLD, 1))


def spikes(c, x, y, hue):
    c.rect(x, y + 26, CELL, 6, ramp(P.GREY, 5))
    for i in range(4):
        c.polygon([(x + 8 * i, y + 26), (x + 8 * i + 4, y + 8), (x + 8 * i + 8, y + 26)], ramp(hue, 12))
        c.line(x + 8 * i + 4, y + 9, x + 8 * i + 6, y + 25, ramp(hue, 8))


def ladder(c, x, y, hue):
    c.rect(x + 5, y, 3, CELL, ramp(hue, 6))
    c.rect(x + 24, y, 3, CELL, ramp(hue, 6))
    for i in range(4):
        c.rect(x + 8, y + 8 * i + 3, 16, 2, ramp(hue, 9))


def water(c, x, y, hue):
    for yy in range(CELL):
        for xx in range(CELL):
            c.put(x + xx, y + yy, cycle(WATER, ((xx + 2 * yy) // 6 + (yy // 8)) % 4))


def lava(c, x, y, hue):
    for yy in range(CELL):
        for xx in range(CELL):
            c.put(x + xx, y + yy, cycle(LAVA, ((xx * 3 + yy * yy // 6) // 7) % 4))


def cloud(c, x, y, hue):
    for cx, cy, r in ((8, 14, 8), (18, 10, 9), (25, 15, 7), (16, 17, 9)):
        c.ellipse(x + cx, y + cy, r, r - 1, ramp(hue, 15))
    c.rect(x + 2, y + 20, 28, 4, ramp(hue, 13))


def bridge(c, x, y, hue):
    c.rect(x, y + 2, CELL, 2, ramp(hue, 5))
    for i in range(4):
        c.rect(x + 8 * i, y + 6, 7, 6, ramp(hue, 8))
        c.rect(x + 8 * i, y + 6, 7, 1, ramp(hue, 11))
        c.line(x + 8 * i + 3, y + 4, x + 8 * i + 3, y + 6, ramp(hue, 5))


def snow(c, x, y, hue):
    ground(c, x, y, P.GREY)
    c.rect(x, y, CELL, 6, ramp(P.GREY, 15))
    for i in range(0, CELL, 5):
        c.rect(x + i, y + 6, 3, 1 + noise(i, 9, 9) % 3, ramp(hue, 14))


def trunk(c, x, y, hue):
    c.rect(x + 6, y, 20, CELL, ramp(hue, 5))
    for i in range(7, 26, 4):
        c.rect(x + i, y, 1, CELL, ramp(hue, 3))
    c.rect(x + 8, y, 3, CELL, ramp(hue, 7))


def leaves(c, x, y, hue):
    for i in range(12):
        cx, cy = 3 + noise(i, 0, 11) % 26, 3 + noise(i, 1, 11) % 26
        c.ellipse(x + cx, y + cy, 6, 5, ramp(hue, 6 + noise(i, 2, 11) % 4))


def pillar(c, x, y, hue):
    c.rect(x + 4, y, 24, CELL, ramp(hue, 10))
    for i in range(6, 28, 5):
        c.rect(x + i, y, 2, CELL, ramp(hue, 7))
    c.rect(x + 2, y, 28, 3, ramp(hue, 12))
    c.rect(x + 2, y + 29, 28, 3, ramp(hue, 6))


def glass(c, x, y, hue):
    c.rect(x + 1, y + 1, 30, 30, cycle(ICE, 0))
    c.frame(x, y, CELL, CELL, ramp(hue, 6), 2)
    c.line(x + 6, y + 12, x + 12, y + 6, ramp(P.GREY, 15))


def door(c, x, y, hue):
    c.rect(x + 4, y + 2, 24, 30, ramp(hue, 5))
    c.ellipse(x + 16, y + 10, 12, 8, ramp(hue, 5))
    c.rect(x + 7, y + 6, 18, 26, ramp(hue, 8))
    c.rect(x + 15, y + 6, 2, 26, ramp(hue, 5))
    c.rect(x + 20, y + 18, 3, 3, cycle(GOLD, 1))


def switch(c, x, y, hue):
    _bevel(c, x, y, P.GREY, 12, 9, 5)
    c.ellipse(x + 16, y + 16, 8, 8, ramp(hue, 7))
    c.ellipse(x + 15, y + 14, 5, 5, ramp(hue, 11))


def alert(c, x, y, hue):
    _bevel(c, x, y, hue, 12, 9, 5)
    c.rect(x + 14, y + 6, 5, 14, ramp(P.GREY, 15))
    c.rect(x + 14, y + 23, 5, 4, ramp(P.GREY, 15))


def sand(c, x, y, hue):
    speckle(c, x, y, CELL, CELL, hue, 11, 1, 12)
    for i in range(3):
        c.line(x + 2, y + 8 + 9 * i, x + 29, y + 6 + 9 * i, ramp(hue, 9))


BASE_BLOCKS = [
    (ground, P.GREEN), (dirt, P.ORANGE), (brick, P.RED), (stone, P.GREY), (crate, P.ORANGE),
    (metal, P.BLUE), (ice, P.SKY), (bonus, P.YELLOW), (spikes, P.GREY), (ladder, P.ORANGE),
    (water, 0), (lava, 0), (cloud, P.GREY), (bridge, P.ORANGE), (sand, P.YELLOW),
    (snow, P.SKY), (trunk, P.ORANGE), (leaves, P.GREEN), (pillar, P.GREY), (glass, P.GREY),
    (door, P.ORANGE), (switch, P.RED), (alert, P.MAGENTA),
]
RECOLOURED = [ground, brick, stone, metal, bonus, crate, pillar, switch, alert, leaves, cloud]
HUES = [P.RED, P.MAGENTA, P.ORANGE, P.YELLOW, P.LIME, P.GREEN, P.TEAL, P.SKY, P.BLUE, P.VIOLET, P.SKIN]


def design(number):
    """The drawing and colour of block number 1-119: the base blocks first, then the blocks
    that read well in any colour again along the hue ramps."""
    if number <= len(BASE_BLOCKS):
        return BASE_BLOCKS[number - 1]
    k = number - len(BASE_BLOCKS) - 1
    return RECOLOURED[k % len(RECOLOURED)], HUES[(k // len(RECOLOURED) + k) % len(HUES)]


def sheet():
    c = Canvas(CELL * 8, CELL * 15)
    for number in range(1, 120):
        draw, hue = design(number)
        x, y = CELL * (number // 15), CELL * (number % 15)
        draw(c, x, y, hue)
        if draw in (spikes, ladder, cloud, bridge, leaves, trunk, door):
            c.outline(x, y, CELL, CELL, BLACK if draw is not cloud else ramp(P.GREY, 9))
    return c
