"""The editor's toolbar strips in e_bmp\\: 16 x 15 button pictures side by side on the light
grey of a button face.

ToolBar_Palette.bmp      block, character, item palette
ToolBar_TestPlay.bmp     test play of the stage, of the whole game
ToolBar_Pen.bmp          pen, line, rectangle, fill, parameter editing
ToolBar_PltEdit.bmp      right click edits the entry, right click opens the menu
ToolBar_WorldPalette.bmp map chip palette, event palette
"""

import blocks
import characters
import items
from canvas import Canvas
from palette import BLACK, BUTTON_FACE, KEY, ramp
import palette as P

W, H = 16, 15


def _small(draw_full, x, c):
    """A 32 x 32 picture halved into the button at x."""
    big = Canvas(32, 32)
    draw_full(big)
    small = Canvas(16, 16)
    big.half(0, 0, 32, 32, 0, 0, small)
    c.blit(small, 0, 0, W, H, x, 0)


def _play(c, x, colour):
    c.polygon([(x + 4, 2), (x + 13, 7.5), (x + 4, 13)], colour)
    c.outline(x, 0, W, H)


def _pen(c, x):
    c.polygon([(x + 2, 13), (x + 3, 10), (x + 11, 2), (x + 13, 4), (x + 5, 12)], ramp(P.YELLOW, 9))
    c.line(x + 2, 13, x + 3, 12, BLACK)
    c.outline(x, 0, W, H)


def _line(c, x):
    c.line(x + 2, 12, x + 13, 2, BLACK)
    c.line(x + 3, 12, x + 13, 3, BLACK)


def _rectangle(c, x):
    c.frame(x + 2, 3, 12, 9, BLACK)


def _fill(c, x):
    c.polygon([(x + 2, 7), (x + 7, 2), (x + 12, 7), (x + 7, 12)], ramp(P.GREY, 13))
    c.outline(x, 0, W, H)
    c.ellipse(x + 13, 11, 2, 3, ramp(P.BLUE, 9))


def _parameter(c, x):
    c.rect(x + 2, 2, 12, 11, ramp(P.GREY, 15))
    c.frame(x + 2, 2, 12, 11, BLACK)
    for i in range(3):
        c.rect(x + 4, 4 + 3 * i, 8, 1, ramp(P.BLUE, 6))


def _mouse(c, x, right_colour):
    c.ellipse(x + 8, 8, 5.5, 6.5, ramp(P.GREY, 15))
    c.rect(x + 8, 2, 5, 5, right_colour)
    c.outline(x, 0, W, H)
    c.rect(x + 8, 2, 1, 6, BLACK)


def _menu(c, x):
    _mouse(c, x, ramp(P.RED, 9))
    c.rect(x + 10, 9, 6, 6, ramp(P.GREY, 15))
    c.frame(x + 10, 9, 6, 6, BLACK)


def _on_face(c):
    """Pictures are drawn on the key colour first; what stays transparent becomes button face."""
    for i, v in enumerate(c.pixels):
        if v == KEY:
            c.pixels[i] = BUTTON_FACE


def strips():
    out = {}
    c = Canvas(W * 3, H)
    _small(lambda b: blocks.brick(b, 0, 0, P.RED), 0, c)
    _small(lambda b: b.blit(characters.portrait(1), 0, 0, 32, 32, 0, 0), W, c)
    _small(lambda b: (items.coin(b, 0, 0, P.YELLOW, 0), b.outline(0, 0, 32, 32)), 2 * W, c)
    out["ToolBar_Palette.bmp"] = c
    c = Canvas(W * 2, H)
    _play(c, 0, ramp(P.GREEN, 8))
    _play(c, W, ramp(P.ORANGE, 9))
    c.rect(W + 2, 2, 2, 11, BLACK)
    out["ToolBar_TestPlay.bmp"] = c
    c = Canvas(W * 5, H)
    for k, draw in enumerate((_pen, _line, _rectangle, _fill, _parameter)):
        draw(c, W * k)
    out["ToolBar_Pen.bmp"] = c
    c = Canvas(W * 2, H)
    _mouse(c, 0, ramp(P.RED, 9))
    _pen(c, 4)
    _menu(c, W)
    out["ToolBar_PltEdit.bmp"] = c
    c = Canvas(W * 2, H)
    _small(lambda b: blocks.ground(b, 0, 0, P.GREEN), 0, c)
    c.frame(0, 0, W, H, BLACK)
    _small(lambda b: (items.goal(b, 0, 0, P.RED, 0), b.outline(0, 0, 32, 32)), W, c)
    out["ToolBar_WorldPalette.bmp"] = c
    for c in out.values():
        _on_face(c)
    return out

