"""Item, small-item, shot and mark sheets.

Item.bmp:      32 x 32 items with 2 frames side by side; item n at (64 * (n / 15), 32 * (n % 15)).
Item_Mini.bmp: the same items at 16 x 16; item n at (32 * (n / 15), 16 * (n % 15)).
Shot.bmp:      16 x 16 shots with 2 frames side by side; shot n at (32 * (n / 30), 16 * (n % 30)).
Mark.bmp:      32 x 32 marks drawn over blocks and characters; mark n at (32 * (n / 15), 32 * (n % 15)).
"""

import math

import characters
from canvas import Canvas
from font import draw_text
from palette import BLACK, GOLD, LAVA, MAGIC, GLOW, ICE, RAINBOW, cycle, ramp
import palette as P

HUES = [P.RED, P.MAGENTA, P.ORANGE, P.YELLOW, P.LIME, P.GREEN, P.TEAL, P.SKY, P.BLUE, P.VIOLET, P.SKIN]


def star_points(cx, cy, r_out, r_in, points=5, turn=0.0):
    pts = []
    for i in range(points * 2):
        a = math.pi * i / points - math.pi / 2 + turn
        r = r_out if i % 2 == 0 else r_in
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def coin(c, x, y, hue, f):
    w = 9 if f == 0 else 5
    c.ellipse(x + 16, y + 16, w, 11, cycle(GOLD, 1))
    c.ellipse(x + 16, y + 16, w - 3, 8, cycle(GOLD, 0))
    c.rect(x + 15, y + 10, 2, 12, cycle(GOLD, 2))


def heart(c, x, y, hue, f):
    s = 1 if f else 0
    c.ellipse(x + 11, y + 12, 6 + s, 6 + s, ramp(hue, 8))
    c.ellipse(x + 21, y + 12, 6 + s, 6 + s, ramp(hue, 8))
    c.polygon([(x + 4 - s, y + 14), (x + 28 + s, y + 14), (x + 16, y + 27 + s)], ramp(hue, 8))
    c.ellipse(x + 10, y + 10, 2, 2, ramp(hue, 14))


def star(c, x, y, hue, f):
    c.polygon(star_points(x + 16, y + 16, 13, 6, turn=0.2 * f), cycle(GOLD, 1) if hue == P.YELLOW else ramp(hue, 10))
    _eyes(c, x + 13, y + 14)


def _eyes(c, x, y):
    c.rect(x, y, 2, 3, BLACK)
    c.rect(x + 5, y, 2, 3, BLACK)


def gem(c, x, y, hue, f):
    c.polygon([(x + 8, y + 11), (x + 12, y + 6), (x + 20, y + 6), (x + 24, y + 11), (x + 16, y + 27)], ramp(hue, 8))
    c.polygon([(x + 8, y + 11), (x + 24, y + 11), (x + 16, y + 27)], ramp(hue, 6))
    c.polygon([(x + 12, y + 11), (x + 16, y + 6), (x + 20, y + 11)], ramp(hue, 12))
    if f:
        c.rect(x + 21, y + 4, 1, 5, ramp(P.GREY, 15))
        c.rect(x + 19, y + 6, 5, 1, ramp(P.GREY, 15))


def key(c, x, y, hue, f):
    c.ellipse(x + 10, y + 12 + f, 6, 6, cycle(GOLD, 1))
    c.ellipse(x + 10, y + 12 + f, 3, 3, 0)
    c.rect(x + 15, y + 11 + f, 12, 3, cycle(GOLD, 1))
    c.rect(x + 22, y + 14 + f, 2, 4, cycle(GOLD, 1))
    c.rect(x + 26, y + 14 + f, 2, 3, cycle(GOLD, 1))


def potion(c, x, y, hue, f):
    c.rect(x + 13, y + 4, 6, 4, ramp(P.ORANGE, 6))
    c.rect(x + 12, y + 8, 8, 5, ramp(P.GREY, 13))
    c.ellipse(x + 16, y + 20, 9, 9, ramp(P.GREY, 13))
    c.ellipse(x + 16, y + 22, 7, 6, ramp(hue, 8 + f))
    c.ellipse(x + 13, y + 19, 2, 2, ramp(P.GREY, 15))


def apple(c, x, y, hue, f):
    c.ellipse(x + 16, y + 18, 10, 9, ramp(hue, 8))
    c.rect(x + 15, y + 5, 2, 6, ramp(P.ORANGE, 4))
    c.ellipse(x + 20, y + 7 - f, 4, 2, ramp(P.GREEN, 8))
    c.ellipse(x + 12, y + 15, 2, 3, ramp(hue, 13))


def shield(c, x, y, hue, f):
    c.polygon([(x + 6, y + 5), (x + 26, y + 5), (x + 26, y + 16), (x + 16, y + 28), (x + 6, y + 16)], ramp(hue, 7))
    c.polygon([(x + 16, y + 5), (x + 26, y + 5), (x + 26, y + 16), (x + 16, y + 28)], ramp(hue, 5))
    c.rect(x + 14, y + 9, 4, 12, cycle(GOLD, 1 + f))
    c.rect(x + 10, y + 12, 12, 4, cycle(GOLD, 1 + f))


def sword(c, x, y, hue, f):
    c.polygon([(x + 6, y + 24), (x + 22, y + 6), (x + 26, y + 5), (x + 25, y + 9), (x + 9, y + 27)], ramp(P.GREY, 13))
    c.line(x + 8, y + 25, x + 24, y + 7, ramp(P.GREY, 15 - 2 * f))
    c.line(x + 4, y + 20, x + 12, y + 28, ramp(hue, 8))
    c.rect(x + 3, y + 26, 4, 4, ramp(hue, 6))


def clock(c, x, y, hue, f):
    c.ellipse(x + 16, y + 16, 12, 12, ramp(hue, 7))
    c.ellipse(x + 16, y + 16, 9, 9, ramp(P.GREY, 15))
    c.line(x + 16, y + 16, x + 16, y + 9, BLACK)
    c.line(x + 16, y + 16, x + 21, y + 16 + 3 * f, BLACK)


def bomb(c, x, y, hue, f):
    c.ellipse(x + 15, y + 19, 10, 10, ramp(P.GREY, 3))
    c.ellipse(x + 11, y + 15, 3, 3, ramp(P.GREY, 8))
    c.rect(x + 19, y + 7, 4, 4, ramp(P.GREY, 6))
    c.line(x + 22, y + 7, x + 25, y + 3, ramp(P.ORANGE, 10))
    c.ellipse(x + 26, y + 3, 2 + f, 2 + f, cycle(LAVA, 2))


def goal(c, x, y, hue, f):
    c.rect(x + 8, y + 3, 3, 28, ramp(P.GREY, 12))
    c.polygon([(x + 11, y + 4), (x + 28 - 2 * f, y + 8 + f), (x + 11, y + 15)], ramp(hue, 9))
    c.rect(x + 5, y + 28, 9, 3, ramp(P.GREY, 6))


def extra_life(c, x, y, hue, f):
    c.blit(characters.portrait(1, 18 + f), 6, 0, 20, 18, x + 6, y + 2)
    draw_text(c, x + 5, y + 22, "UP", ramp(hue, 9))


def spring(c, x, y, hue, f):
    h = 14 if f == 0 else 9
    for i in range(0, h, 3):
        c.rect(x + 9, y + 29 - h + i, 14, 2, ramp(P.GREY, 11))
    c.rect(x + 6, y + 29 - h - 4, 20, 4, ramp(hue, 8))
    c.rect(x + 6, y + 29, 20, 3, ramp(hue, 5))


def orb(c, x, y, hue, f):
    group = [MAGIC, GLOW, ICE, RAINBOW][hue % 4]
    c.ellipse(x + 16, y + 16, 10, 10, cycle(group, 1))
    c.ellipse(x + 16, y + 16, 6, 6, cycle(group, 2 + f))
    c.ellipse(x + 13, y + 12, 2, 2, ramp(P.GREY, 15))


BASE_ITEMS = [(coin, P.YELLOW), (heart, P.RED), (star, P.YELLOW), (gem, P.SKY), (key, P.YELLOW),
              (potion, P.RED), (apple, P.RED), (shield, P.BLUE), (sword, P.RED), (clock, P.ORANGE),
              (bomb, P.GREY), (goal, P.RED), (extra_life, P.GREEN), (spring, P.RED), (orb, P.VIOLET)]
RECOLOURED = [gem, potion, heart, star, shield, orb, goal, apple]


def item_design(number):
    if number <= len(BASE_ITEMS):
        return BASE_ITEMS[number - 1]
    k = number - len(BASE_ITEMS) - 1
    return RECOLOURED[k % len(RECOLOURED)], HUES[(k // len(RECOLOURED) + 3 * k) % len(HUES)]


def item_sheets():
    """Item.bmp and Item_Mini.bmp."""
    big = Canvas(512, 480)
    mini = Canvas(256, 240)
    for number in range(1, 120):
        draw, hue = item_design(number)
        for f in (0, 1):
            x, y = 64 * (number // 15) + 32 * f, 32 * (number % 15)
            draw(big, x, y, hue, f)
            big.outline(x, y, 32, 32)
            big.half(x, y, 32, 32, 32 * (number // 15) + 16 * f, 16 * (number % 15), mini)
    return big, mini


def ball(c, x, y, hue, f):
    c.ellipse(x + 8, y + 8, 5 + f, 5 + f, ramp(hue, 8))
    c.ellipse(x + 8, y + 8, 3, 3, ramp(hue, 13))


def fireball(c, x, y, hue, f):
    c.polygon([(x + 1, y + 8), (x + 8, y + 3 + f), (x + 8, y + 13 - f)], cycle(LAVA, 1))
    c.ellipse(x + 9, y + 8, 5, 5, cycle(LAVA, 1 + f))
    c.ellipse(x + 10, y + 8, 3, 3, cycle(LAVA, 2))


def arrow(c, x, y, hue, f):
    c.rect(x + 1, y + 7, 11, 2, ramp(P.ORANGE, 6))
    c.polygon([(x + 11, y + 4), (x + 15, y + 8), (x + 11, y + 12)], ramp(P.GREY, 12))
    c.rect(x + 1, y + 5 + f, 3, 2, ramp(hue, 10))
    c.rect(x + 1, y + 9 - f, 3, 2, ramp(hue, 10))


def shot_star(c, x, y, hue, f):
    c.polygon(star_points(x + 8, y + 8, 7, 3, turn=0.6 * f), ramp(hue, 11))


def bubble(c, x, y, hue, f):
    c.ellipse(x + 8, y + 8, 6 - f, 6 - f, ramp(hue, 12))
    c.ellipse(x + 8, y + 8, 4 - f, 4 - f, 0)
    c.rect(x + 5, y + 4, 2, 2, ramp(P.GREY, 15))


def bullet(c, x, y, hue, f):
    c.ellipse(x + 8, y + 8, 6, 3, ramp(hue, 7))
    c.ellipse(x + 10, y + 7, 2, 1, ramp(hue, 13))
    if f:
        c.rect(x, y + 7, 3, 2, ramp(hue, 11))


def beam(c, x, y, hue, f):
    c.rect(x, y + 5, 16, 6, ramp(hue, 8 + 2 * f))
    c.rect(x, y + 7, 16, 2, ramp(P.GREY, 15))


def blade(c, x, y, hue, f):
    if f == 0:
        c.polygon([(x + 8, y + 1), (x + 10, y + 6), (x + 15, y + 8), (x + 10, y + 10), (x + 8, y + 15),
                   (x + 6, y + 10), (x + 1, y + 8), (x + 6, y + 6)], ramp(hue, 11))
    else:
        c.polygon([(x + 3, y + 3), (x + 9, y + 6), (x + 13, y + 3), (x + 10, y + 8), (x + 13, y + 13),
                   (x + 8, y + 10), (x + 3, y + 13), (x + 6, y + 8)], ramp(hue, 11))
    c.rect(x + 7, y + 7, 2, 2, BLACK)


def leaf(c, x, y, hue, f):
    c.ellipse(x + 8, y + 8, 6, 3 + f, ramp(hue, 9))
    c.line(x + 3, y + 8, x + 13, y + 8, ramp(hue, 5))


def shard(c, x, y, hue, f):
    c.polygon([(x + 1, y + 8), (x + 8, y + 5 - f), (x + 15, y + 8), (x + 8, y + 11 + f)], cycle(ICE, 1))
    c.line(x + 3, y + 8, x + 13, y + 8, cycle(ICE, 2))


SHOTS = [(ball, P.YELLOW), (fireball, P.RED), (arrow, P.RED), (shot_star, P.YELLOW), (bubble, P.SKY),
         (bullet, P.GREY), (beam, P.SKY), (blade, P.GREY), (leaf, P.GREEN), (shard, P.SKY)]
RECOLOURED_SHOTS = [ball, shot_star, bullet, beam, blade, leaf]


def shot_design(number):
    if number < len(SHOTS):
        return SHOTS[number]
    k = number - len(SHOTS)
    return RECOLOURED_SHOTS[k % len(RECOLOURED_SHOTS)], HUES[(k // len(RECOLOURED_SHOTS) + 5 * k) % len(HUES)]


def shot_sheet():
    """Shot.bmp; shot 0 is drawn too, since a shot's number 0 is a valid picture."""
    c = Canvas(128, 480)
    for number in range(120):
        draw, hue = shot_design(number)
        for f in (0, 1):
            x, y = 32 * (number // 30) + 16 * f, 16 * (number % 30)
            draw(c, x, y, hue, f)
            c.outline(x, y, 16, 16)
    return c


MARK_SYMBOLS = "0123456789!?+-"


def _badge(c, x, y, colour):
    c.ellipse(x + 24, y + 8, 7, 7, colour)


def mark_sheet():
    """Mark.bmp: marks 0-13 are badges with a digit or sign in the top-right corner; 14-21
    arrows; 22-29 ring, cross, star and heart; the rest repeat them in other colours."""
    c = Canvas(256, 480)
    hues = [P.RED, P.BLUE, P.GREEN, P.ORANGE, P.VIOLET, P.TEAL, P.MAGENTA, P.SKY]
    for number in range(120):
        x, y = 32 * (number // 15), 32 * (number % 15)
        kind = number % 30
        hue = hues[(number // 30 + kind) % len(hues)]
        if kind < len(MARK_SYMBOLS):
            _badge(c, x, y, ramp(hue, 7))
            draw_text(c, x + 22, y + 5, MARK_SYMBOLS[kind], ramp(P.GREY, 15), 1)
        elif kind < 22:
            d = kind - 14
            cx, cy = x + 16, y + 16
            tips = [(0, -1), (1, 0), (0, 1), (-1, 0), (1, -1), (1, 1), (-1, 1), (-1, -1)][d]
            px, py = -tips[1], tips[0]
            c.polygon([(cx + 11 * tips[0], cy + 11 * tips[1]), (cx + 7 * px, cy + 7 * py),
                       (cx - 7 * px, cy - 7 * py)], ramp(hue, 9))
            c.rect(cx - 2 - 3 * tips[0], cy - 2 - 3 * tips[1], 5, 5, ramp(hue, 9))
        elif kind < 24:
            c.ellipse(x + 16, y + 16, 11, 11, ramp(hue, 9))
            c.ellipse(x + 16, y + 16, 7, 7, 0)
            if kind == 23:
                c.line(x + 8, y + 8, x + 24, y + 24, ramp(hue, 9))
        elif kind < 26:
            for t in range(-1, 2):
                c.line(x + 6 + t, y + 6, x + 26 + t, y + 26, ramp(hue, 9))
                c.line(x + 26 + t, y + 6, x + 6 + t, y + 26, ramp(hue, 9))
        elif kind < 28:
            c.polygon(star_points(x + 16, y + 16, 12, 5), ramp(P.YELLOW, 10 - (kind - 26) * 3))
        else:
            heart(c, x, y, hue, kind - 28)
        c.outline(x, y, 32, 32)
    return c
