"""Full-screen and interface pictures: title, window texture, backgrounds, the accessory sheet
(cursors, status symbols, gauges, the world-map walker), words, symbols, the world map's
chips and events, the palette pictures and the debug digits."""

import math

import blocks
import characters
import items
from canvas import Canvas
from font import draw_text, text_width
from palette import BLACK, GOLD, KEY, LAVA, RAINBOW, TEXT, TEXT_HIGHLIGHT, cycle, ramp
import palette as P

SCREEN_W, SCREEN_H = 640, 480


def _gradient(c, x, y, w, h, hue, top, bottom):
    for yy in range(h):
        shade = round(top + (bottom - top) * yy / max(h - 1, 1))
        c.rect(x, y + yy, w, 1, ramp(hue, shade))


def _hills(c, y_base, amplitude, period, phase, colour, width=SCREEN_W):
    for x in range(width):
        top = y_base - amplitude * (0.5 + 0.5 * math.sin(2 * math.pi * x / period + phase))
        c.rect(x, round(top), 1, SCREEN_H - round(top), colour)


def _cloud(c, x, y, scale=1):
    for cx, cy, r in ((0, 8, 10), (14, 0, 13), (30, 6, 11), (16, 12, 12)):
        c.ellipse(x + cx * scale, y + cy * scale, r * scale, (r - 2) * scale, ramp(P.GREY, 15))
    c.ellipse(x + 16 * scale, y + 16 * scale, 20 * scale, 4 * scale, ramp(P.GREY, 13))


def background():
    """Back.bmp: a stage background that tiles sideways (hills repeat every 320 dots)."""
    c = Canvas(SCREEN_W, SCREEN_H)
    _gradient(c, 0, 0, SCREEN_W, 360, P.SKY, 9, 13)
    _hills(c, 330, 60, 320, 0.0, ramp(P.TEAL, 10))
    _hills(c, 380, 40, 160, 1.3, ramp(P.GREEN, 9))
    for cx, cy in ((60, 60), (260, 110), (470, 50)):
        _cloud(c, cx, cy)
    _gradient(c, 0, 420, SCREEN_W, 60, P.GREEN, 8, 6)
    return c


def title():
    """Title.bmp: a sunny field with the hero and three enemies, and an empty sign board at
    the top for the game's name."""
    c = Canvas(SCREEN_W, SCREEN_H)
    _gradient(c, 0, 0, SCREEN_W, 400, P.SKY, 7, 13)
    c.ellipse(560, 80, 36, 36, ramp(P.YELLOW, 12))
    _hills(c, 360, 80, 640, 0.5, ramp(P.TEAL, 9))
    _hills(c, 410, 40, 213, 2.0, ramp(P.GREEN, 8))
    for cx, cy in ((40, 200), (430, 170)):
        _cloud(c, cx, cy, 1)
    # the board: two posts and an empty plank with a double frame
    for px in (150, 482):
        c.rect(px, 150, 8, 100, ramp(P.ORANGE, 4))
    c.rect(110, 36, 420, 130, ramp(P.ORANGE, 7))
    c.frame(110, 36, 420, 130, ramp(P.ORANGE, 4), 4)
    c.frame(118, 44, 404, 114, ramp(P.ORANGE, 10), 2)
    for i in range(4):
        c.rect(122, 60 + 24 * i, 396, 1, ramp(P.ORANGE, 6))
    ground = Canvas(32, 32)
    blocks.ground(ground, 0, 0, P.GREEN)
    for x in range(0, SCREEN_W, 32):
        c.blit(ground, 0, 0, 32, 32, x, 448, keyed=False)
    for number, x, frame, mirror in ((1, 80, 0, False), (2, 470, 0, True), (6, 520, 2, True), (3, 560, 12, True)):
        big = Canvas(64, 64)
        picture = characters.portrait(number, frame)
        for yy in range(32):
            for xx in range(32):
                v = picture.get(31 - xx if mirror else xx, yy)
                if v != KEY:
                    big.rect(2 * xx, 2 * yy, 2, 2, v)
        c.blit(big, 0, 0, 64, 64, x, 448 - 64 - (60 if number == 3 else 0))
    return c


def window():
    """Window.bmp: the texture behind text boxes and menus: a deep blue with fine diagonal
    lines. It uses no transparent pixel, since boxes are drawn from it opaque."""
    c = Canvas(SCREEN_W, SCREEN_H)
    for y in range(SCREEN_H):
        shade = 2 + (y * 3) // SCREEN_H
        c.rect(0, y, SCREEN_W, 1, ramp(P.BLUE, shade))
    for x in range(-SCREEN_H, SCREEN_W, 8):
        for y in range(SCREEN_H):
            if 0 <= x + y < SCREEN_W:
                c.put(x + y, y, ramp(P.BLUE, 5))
    return c


def world_back():
    """WorldBack.bmp: an ocean for the world map, 20 x 15 map cells."""
    c = Canvas(SCREEN_W, SCREEN_H)
    for y in range(SCREEN_H):
        c.rect(0, y, SCREEN_W, 1, ramp(P.BLUE, 6 + (y // 60) % 2))
    for i in range(160):
        x, y = blocks.noise(i, 0, 21) * 5 // 2, blocks.noise(i, 1, 21) * 15 // 8
        c.rect(x, y, 6, 1, ramp(P.BLUE, 9))
        c.rect(x + 2, y - 1, 2, 1, ramp(P.BLUE, 11))
    return c


def _arrow_right(c, x, y, size, colour):
    c.polygon([(x, y), (x + size, y + size / 2), (x, y + size)], colour)


def accessory():
    """Accessory.bmp, 128 x 208:
        (0, 0) 32 x 32 menu cursor; (64, 0) 16 x 16 cursor; (80, 0) 16 x 16 slot marker;
        (96, 0) 32 x 32 cleared mark; (16k, 32) 16 x 16 status symbols k = 0-4 (world score,
        score, HP, SP, lives); (0, 48) 16 x 16 item notice; (16, 48) 16 x 16 ranking marker;
        (0, 64) to (127, 127) the world-map walker, 32 x 32 in two steps each: facing down
        (0, 64), up (64, 64), right (0, 96), left (64, 96);
        gauges 50 x 16 in two columns, x 0 for HP and x 64 for SP: background at y 128, fill
        at y 144 (more than 16 dots) and y 160 (16 dots or less), lost part at y 176, gained
        part at y 192. The bar itself is the top ten rows of each strip, so the thin 2-row
        gauges over characters, cut from the same strips, show the bar's top."""
    c = Canvas(128, 208)
    _arrow_right(c, 6, 6, 20, cycle(GOLD, 1))
    c.rect(2, 13, 8, 6, cycle(GOLD, 1))
    _arrow_right(c, 68, 3, 10, cycle(GOLD, 1))
    c.ellipse(88, 8, 5, 5, ramp(P.RED, 9))
    c.ellipse(87, 7, 2, 2, ramp(P.RED, 13))
    c.ellipse(112, 16, 14, 14, cycle(GOLD, 1))
    c.ellipse(112, 16, 10, 10, cycle(GOLD, 0))
    c.line(105, 16, 110, 22, ramp(P.GREY, 15))
    c.line(110, 22, 119, 10, ramp(P.GREY, 15))
    symbols = [items.star, items.coin, items.heart, items.orb, items.extra_life]
    hues = [P.YELLOW, P.YELLOW, P.RED, P.SKY, P.GREEN]
    for k, (draw, hue) in enumerate(zip(symbols, hues)):
        big = Canvas(32, 32)
        draw(big, 0, 0, hue, 0)
        big.outline(0, 0, 32, 32)
        big.half(0, 0, 32, 32, 16 * k, 32, c)
    c.rect(6, 50, 4, 8, ramp(P.YELLOW, 12))
    c.rect(6, 60, 4, 3, ramp(P.YELLOW, 12))
    c.polygon([(18, 50), (30, 56), (18, 62)], ramp(P.RED, 10))
    _walker(c)
    for column, (full, low, main) in enumerate(((P.GREEN, P.RED, P.GREEN), (P.SKY, P.ORANGE, P.SKY))):
        x = 64 * column
        c.rect(x, 128, 50, 10, ramp(P.GREY, 2))
        c.frame(x, 128, 50, 10, ramp(P.GREY, 9))
        c.rect(x, 128, 50, 2, ramp(P.GREY, 4))
        for y, hue in ((144, full), (160, low)):
            c.rect(x, y, 50, 10, ramp(hue, 8))
            c.rect(x, y, 50, 2, ramp(hue, 11))
            c.rect(x, y + 8, 50, 2, ramp(hue, 5))
        c.rect(x, 176, 50, 10, ramp(P.RED, 12))
        c.rect(x, 192, 50, 10, ramp(main, 14))
    c.outline(0, 0, 128, 64)
    c.outline(0, 64, 128, 64)
    return c


def _walker(c):
    """The hero seen from above for the world map: down, up, right and left, two steps each."""
    skin, hair, shirt = P.SKIN, P.ORANGE, P.BLUE
    for step in (0, 1):
        for facing, (x, y) in enumerate(((0, 64), (64, 64))):
            ox, oy = x + 32 * step, y
            feet = (2, -2) if step else (-2, 2)
            for i, dy in enumerate(feet):
                c.rect(ox + 11 + 6 * i, oy + 26 + dy // 2, 4, 5, ramp(P.TEAL, 6))
            c.rect(ox + 9, oy + 16, 14, 11, ramp(shirt, 8))
            c.ellipse(ox + 16, oy + 11, 8, 8, ramp(skin, 10))
            if facing == 0:
                c.ellipse(ox + 16, oy + 7, 8, 5, ramp(hair, 6))
                c.rect(ox + 12, oy + 11, 2, 3, BLACK)
                c.rect(ox + 18, oy + 11, 2, 3, BLACK)
            else:
                c.ellipse(ox + 16, oy + 10, 8.5, 8, ramp(hair, 6))
                c.rect(ox + 10, oy + 17, 12, 6, ramp(P.RED, 7))
    for step in (0, 1):
        side = characters.portrait(1, 2 + 2 * step)
        c.blit(side, 0, 0, 32, 32, 32 * step, 96)
        c.blit(side, 0, 0, 32, 32, 64 + 32 * step, 96, mirror=True)


def word():
    """Word.bmp, 320 x 160: "STAGE" at (0, 0) and "CLEAR" at (0, 32), 128 x 32 each; "GAME OVER"
    at (0, 64), 144 x 32; the digits 0-9 in 32 x 32 cells along y 96, and once more along y 128
    in gold for the remaining time."""
    c = Canvas(320, 160)
    for text, y in (("STAGE", 0), ("CLEAR", 32)):
        draw_text(c, (128 - text_width(text, 3)) // 2, y + 5, text, cycle(GOLD, 1), 3)
    x = draw_text(c, 1, 69, "GAME", ramp(P.RED, 9), 3, 2)
    draw_text(c, x + 7, 69, "OVER", ramp(P.RED, 9), 3, 2)
    for d in range(10):
        draw_text(c, 32 * d + 6, 98, str(d), ramp(P.GREY, 15), 4)
        draw_text(c, 32 * d + 6, 130, str(d), cycle(GOLD, 1), 4)
    c.outline(0, 0, 320, 160)
    return c


def symbol():
    """Symbol.bmp: 26 pictures of 16 x 16 that stand in for the letters a-z in game texts:
    a-o the small items (coin, heart, star, gem, key, potion, apple, shield, sword, clock,
    bomb, flag, extra life, spring, orb), p-s arrows up, down, left, right, t-z keys marked
    A, B, X, Y, L, R and a question mark."""
    c = Canvas(416, 16)
    for k in range(15):
        draw, hue = items.BASE_ITEMS[k]
        big = Canvas(32, 32)
        draw(big, 0, 0, hue, 0)
        big.outline(0, 0, 32, 32)
        big.half(0, 0, 32, 32, 16 * k, 0, c)
    for k, (dx, dy) in enumerate(((0, -1), (0, 1), (-1, 0), (1, 0))):
        x, y = 16 * (15 + k) + 8, 8
        px, py = -dy, dx
        c.polygon([(x + 7 * dx, y + 7 * dy), (x + 6 * px, y + 6 * py), (x - 6 * px, y - 6 * py)], ramp(P.SKY, 10))
        c.rect(x - 2 - 3 * dx, y - 2 - 3 * dy, 5, 5, ramp(P.SKY, 10))
    for k, ch in enumerate("ABXYLR?"):
        x = 16 * (19 + k)
        c.ellipse(x + 8, 8, 7.5, 7.5, ramp(P.GREY, 4))
        draw_text(c, x + 6, 4, ch, TEXT, 1)
    c.outline(240, 0, 176, 16)
    return c


def map_chips():
    """WorldMapChip.bmp: ten 32 x 32 map chips, five to a row. 0-4 block the way (sea,
    mountain, forest, rock, lava), 5-9 are walkable (grass, road, sand, bridge, flowers)."""
    c = Canvas(160, 64)
    chip = [(0, 0), (32, 0), (64, 0), (96, 0), (128, 0), (0, 32), (32, 32), (64, 32), (96, 32), (128, 32)]
    x, y = chip[0]
    blocks.water(c, x, y, 0)
    x, y = chip[1]
    c.rect(x, y, 32, 32, ramp(P.GREEN, 7))
    c.polygon([(x + 2, y + 30), (x + 16, y + 3), (x + 30, y + 30)], ramp(P.ORANGE, 5))
    c.polygon([(x + 11, y + 13), (x + 16, y + 3), (x + 21, y + 13)], ramp(P.GREY, 15))
    x, y = chip[2]
    c.rect(x, y, 32, 32, ramp(P.GREEN, 6))
    for tx, ty in ((8, 10), (22, 8), (15, 22), (27, 24), (4, 25)):
        c.polygon([(x + tx - 6, y + ty + 6), (x + tx, y + ty - 7), (x + tx + 6, y + ty + 6)], ramp(P.GREEN, 4))
    x, y = chip[3]
    blocks.stone(c, x, y, P.GREY)
    x, y = chip[4]
    blocks.lava(c, x, y, 0)
    x, y = chip[5]
    blocks.speckle(c, x, y, 32, 32, P.GREEN, 8, 1, 31)
    x, y = chip[6]
    blocks.speckle(c, x, y, 32, 32, P.GREEN, 8, 1, 32)
    c.rect(x, y + 10, 32, 12, ramp(P.ORANGE, 10))
    c.rect(x + 10, y, 12, 32, ramp(P.ORANGE, 10))
    x, y = chip[7]
    blocks.sand(c, x, y, P.YELLOW)
    x, y = chip[8]
    blocks.water(c, x, y, 0)
    c.rect(x, y + 8, 32, 16, ramp(P.ORANGE, 7))
    for i in range(0, 32, 6):
        c.rect(x + i, y + 8, 1, 16, ramp(P.ORANGE, 4))
    x, y = chip[9]
    blocks.speckle(c, x, y, 32, 32, P.GREEN, 8, 1, 33)
    for i in range(7):
        fx, fy = 3 + blocks.noise(i, 0, 34) % 26, 3 + blocks.noise(i, 1, 34) % 26
        c.rect(x + fx, y + fy, 2, 2, ramp([P.RED, P.YELLOW, P.MAGENTA][i % 3], 12))
    return c


def _castle(c, x, y, hue):
    c.rect(x + 6, y + 12, 20, 18, ramp(hue, 9))
    for tx in (4, 13, 22):
        c.rect(x + tx, y + 6, 6, 10, ramp(hue, 10))
        c.rect(x + tx, y + 4, 2, 2, ramp(hue, 10))
        c.rect(x + tx + 4, y + 4, 2, 2, ramp(hue, 10))
    c.rect(x + 13, y + 21, 6, 9, ramp(P.GREY, 3))


def _house(c, x, y, hue):
    c.rect(x + 7, y + 15, 18, 15, ramp(P.SKIN, 10))
    c.polygon([(x + 3, y + 16), (x + 16, y + 4), (x + 29, y + 16)], ramp(hue, 7))
    c.rect(x + 14, y + 21, 5, 9, ramp(P.ORANGE, 5))


def _tower(c, x, y, hue):
    c.rect(x + 10, y + 8, 12, 22, ramp(hue, 8))
    c.polygon([(x + 8, y + 9), (x + 16, y + 1), (x + 24, y + 9)], ramp(P.RED, 7))
    c.rect(x + 14, y + 14, 4, 5, ramp(P.GREY, 3))


def _cave(c, x, y, hue):
    c.ellipse(x + 16, y + 20, 14, 12, ramp(hue, 6))
    c.ellipse(x + 16, y + 24, 7, 8, ramp(P.GREY, 1))


def _flag(c, x, y, hue):
    items.goal(c, x, y, hue, 0)


def _gate(c, x, y, hue):
    c.ellipse(x + 16, y + 16, 13, 14, cycle(RAINBOW, 0))
    c.ellipse(x + 16, y + 16, 9, 10, cycle(RAINBOW, 2))
    c.ellipse(x + 16, y + 16, 5, 6, ramp(P.GREY, 15))


def _pyramid(c, x, y, hue):
    c.polygon([(x + 2, y + 29), (x + 16, y + 4), (x + 30, y + 29)], ramp(hue, 10))
    c.polygon([(x + 16, y + 4), (x + 30, y + 29), (x + 16, y + 29)], ramp(hue, 7))


def _volcano(c, x, y, hue):
    c.polygon([(x + 1, y + 30), (x + 11, y + 8), (x + 21, y + 8), (x + 31, y + 30)], ramp(P.GREY, 5))
    c.polygon([(x + 11, y + 8), (x + 16, y + 14), (x + 21, y + 8)], cycle(LAVA, 1))
    c.ellipse(x + 16, y + 5, 4, 3, cycle(LAVA, 2))


def map_events():
    """WorldEvent.bmp, 64 x 256: eight event pictures, one per 32-dot row; column 0 for a
    stage not yet cleared, column 1 for a cleared one (with a gold star)."""
    c = Canvas(64, 256)
    pictures = [(_castle, P.GREY), (_house, P.RED), (_tower, P.GREY), (_cave, P.ORANGE),
                (_flag, P.RED), (_gate, 0), (_pyramid, P.YELLOW), (_volcano, 0)]
    for row, (draw, hue) in enumerate(pictures):
        for cleared in (0, 1):
            x, y = 32 * cleared, 32 * row
            draw(c, x, y, hue)
            if cleared:
                c.polygon(items.star_points(x + 25, y + 7, 7, 3), cycle(GOLD, 1))
            c.outline(x, y, 32, 32)
    return c


def palette_picture():
    """Palette.bmp and Palette2.bmp carry the palette in their colour table. The picture is
    16 x 24: rows 0-7 of the transparent colour (the game takes its key from the first pixel),
    then the 256 indexes as a 16 x 16 block from row 8, which the game reads back at 16 bits."""
    c = Canvas(16, 24, KEY)
    for i in range(256):
        c.put(i % 16, 8 + i // 16, i)
    return c


def debug_digits():
    """Debug.bmp: the hexadecimal digits 0-F in 16 x 16 cells, for debugging displays."""
    c = Canvas(256, 16)
    for d, ch in enumerate("0123456789ABCDEF"):
        draw_text(c, 16 * d + 5, 4, ch, TEXT_HIGHLIGHT)
    c.outline(0, 0, 256, 16)
    return c

