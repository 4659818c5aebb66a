"""The character sheets: 8 sheets of 15 characters (one per 32-pixel row) with 20 right-facing
frames (one per 32-pixel column); the game mirrors each frame for the left-facing sheet.

Frames of every row:
    0-1 standing   2-5 walking   6 jumping   7 falling   8-9 attacking   10 hurt   11 defeated
    12-13 flying   14-15 flying forward   16-17 guarding   18-19 cheering
Graphic number n sits on sheet n / 15, row n % 15; number 0 is the empty character.
"""

from canvas import Canvas
from palette import BLACK, LAVA, ramp, cycle
import palette as P

CELL = 32
FRAMES = 20
MODES = ["stand", "stand", "walk", "walk", "walk", "walk", "jump", "fall", "attack", "attack",
         "hurt", "down", "fly", "fly", "flymove", "flymove", "guard", "guard", "cheer", "cheer"]
PHASES = [0, 1, 0, 1, 2, 3, 0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 0, 1, 0, 1]


def _eye(c, x, y, closed=False):
    if closed:
        c.rect(x, y + 1, 2, 1, BLACK)
    else:
        c.rect(x, y, 2, 3, BLACK)
        c.put(x + 1, y, ramp(P.GREY, 15))


def hero(c, ox, oy, mode, phase, pal):
    skin, hair, shirt, pants = pal["skin"], pal["hair"], pal["main"], pal["second"]
    bob = 1 if mode == "stand" and phase == 1 else 0
    if mode == "cheer":
        bob = -2 * phase
    lift = {"jump": -3, "fall": -1}.get(mode, 0)
    y0 = oy + bob + lift
    # legs
    stride = [(-3, 3), (0, 0), (3, -3), (0, 0)][phase] if mode == "walk" else (0, 0)
    if mode in ("jump", "fly", "flymove"):
        stride = (-2, 3)
    for i, dx in enumerate(stride):
        lx = ox + 12 + 5 * i + dx // 2
        length = 7 if mode != "fall" else 6
        c.rect(lx, y0 + 23, 4, length - (2 if mode == "jump" and i == 0 else 0), ramp(pants, 6))
        c.rect(lx - (1 if i == 0 else 0), y0 + 23 + length - 2, 5, 2, ramp(P.ORANGE, 3))
    # cape
    sway = 1 if phase % 2 else 0
    c.polygon([(ox + 11, y0 + 15), (ox + 13, y0 + 15), (ox + 9 - sway, y0 + 27), (ox + 6 - sway, y0 + 26)],
              ramp(P.RED, 7))
    # body
    c.rect(ox + 11, y0 + 15, 11, 9, ramp(shirt, 8))
    c.rect(ox + 11, y0 + 15, 11, 2, ramp(shirt, 10))
    c.rect(ox + 11, y0 + 21, 11, 2, ramp(P.ORANGE, 4))
    c.put(ox + 17, y0 + 21, ramp(P.YELLOW, 11))
    # arm
    if mode == "attack":
        c.rect(ox + 20, y0 + 16, 8 + 2 * phase, 3, ramp(shirt, 7))
        c.rect(ox + 27 + 2 * phase, y0 + 16, 3, 3, ramp(skin, 9))
    elif mode in ("cheer", "jump"):
        c.rect(ox + 20, y0 + 9, 3, 8, ramp(shirt, 7))
        c.rect(ox + 20, y0 + 7, 3, 3, ramp(skin, 9))
    elif mode == "guard":
        c.rect(ox + 21, y0 + 13, 5, 11, ramp(P.SKY, 6 + phase))
        c.rect(ox + 22, y0 + 15, 3, 7, ramp(P.SKY, 10))
    else:
        swing = [1, 0, -1, 0][phase] if mode == "walk" else 0
        c.rect(ox + 19 + swing, y0 + 16, 3, 7, ramp(shirt, 7))
        c.rect(ox + 19 + swing, y0 + 22, 3, 2, ramp(skin, 9))
    # head
    c.ellipse(ox + 16.5, y0 + 9, 7, 7, ramp(skin, 10))
    c.ellipse(ox + 15, y0 + 5.5, 7.5, 4.5, ramp(hair, 6))
    c.rect(ox + 9, y0 + 5, 4, 7, ramp(hair, 6))
    c.rect(ox + 12, y0 + 3, 8, 2, ramp(hair, 9))
    _eye(c, ox + 19, y0 + 8, closed=(mode == "stand" and phase == 1))
    c.rect(ox + 21, y0 + 12, 2, 1, ramp(skin, 6))
    if mode in ("fly", "flymove"):
        flap = 4 if phase else 0
        c.polygon([(ox + 10, y0 + 16), (ox + 1, y0 + 8 + flap), (ox + 4, y0 + 20)], ramp(P.GREY, 14))


def blob(c, ox, oy, mode, phase, pal):
    squash = {"walk": [0, 2, 0, -2][phase], "stand": phase, "jump": -4, "fall": -2,
              "cheer": -3 * phase, "guard": 3}.get(mode, 0)
    rx, ry = 12 + squash / 2, 10 - squash / 2
    cy = oy + 31 - ry
    if mode in ("fly", "flymove"):
        cy -= 3 + 2 * phase
    c.ellipse(ox + 16, cy, rx, ry, ramp(pal["main"], 8))
    c.ellipse(ox + 16, cy + ry * 0.45, rx * 0.8, ry * 0.45, ramp(pal["main"], 6))
    c.ellipse(ox + 11, cy - ry * 0.45, 3, 2, ramp(pal["main"], 13))
    ey = round(cy - 3)
    _eye(c, ox + 16, ey, closed=(mode == "guard"))
    _eye(c, ox + 21, ey, closed=(mode == "guard"))
    if mode == "attack":
        c.ellipse(ox + 21, cy + 4, 3, 2 + phase, ramp(P.RED, 4))
    if mode in ("fly", "flymove"):
        for side in (-1, 1):
            tip = oy + 6 + 4 * phase
            c.polygon([(ox + 16 + 6 * side, cy - 4), (ox + 16 + 15 * side, tip), (ox + 16 + 10 * side, cy)],
                      ramp(P.GREY, 14))


def bat(c, ox, oy, mode, phase, pal):
    flap = phase % 2 if mode not in ("walk",) else (phase // 2)
    if mode in ("stand", "guard"):
        flap = 0
    cy = oy + 14 + (2 if flap else 0)
    body = ramp(pal["main"], 6)
    for side in (-1, 1):
        tip = cy - 10 if flap == 0 else cy + 8
        c.polygon([(ox + 16 + 3 * side, cy - 2), (ox + 16 + 15 * side, tip), (ox + 16 + 12 * side, cy + 3),
                   (ox + 16 + 8 * side, cy + 1), (ox + 16 + 5 * side, cy + 5)], ramp(pal["main"], 4))
    c.ellipse(ox + 16, cy + 1, 6, 6, body)
    c.polygon([(ox + 12, cy - 4), (ox + 13, cy - 9), (ox + 15, cy - 5)], body)
    c.polygon([(ox + 17, cy - 5), (ox + 19, cy - 9), (ox + 20, cy - 4)], body)
    c.rect(ox + 17, cy - 1, 2, 2, ramp(P.YELLOW, 12))
    c.rect(ox + 13, cy - 1, 2, 2, ramp(P.YELLOW, 12))
    if mode == "attack":
        c.rect(ox + 15, cy + 4, 3, 2 + phase, ramp(P.GREY, 15))


def robot(c, ox, oy, mode, phase, pal):
    bob = (phase % 2) if mode in ("walk", "stand") else 0
    if mode == "cheer":
        bob = -3 * phase
    y0 = oy + bob
    metal = pal["main"]
    # treads
    c.rect(ox + 7, y0 + 25, 18, 6, ramp(P.GREY, 4))
    for i in range(4):
        c.rect(ox + 8 + 5 * i + (phase if mode == "walk" else 0) % 2, y0 + 27, 2, 2, ramp(P.GREY, 9))
    # body
    c.rect(ox + 8, y0 + 11, 16, 14, ramp(metal, 8))
    c.rect(ox + 8, y0 + 11, 16, 2, ramp(metal, 11))
    c.rect(ox + 10, y0 + 16, 8, 6, ramp(metal, 5))
    c.rect(ox + 11, y0 + 17, 2, 2, cycle(P.RAINBOW, phase))
    c.rect(ox + 15, y0 + 17, 2, 2, cycle(P.RAINBOW, (phase + 2) % 4))
    # head and visor
    c.rect(ox + 11, y0 + 3, 12, 8, ramp(metal, 9))
    c.rect(ox + 15, y0 + 5, 8, 3, ramp(P.GREY, 2))
    c.rect(ox + 19 - (mode == "guard") * 3, y0 + 5, 3, 3, ramp(P.RED, 9 + 2 * (mode == "attack")))
    c.line(ox + 13, y0 + 3, ox + 11, y0 - 1 + 2 * (mode == "fall"), ramp(P.GREY, 8))
    c.put(ox + 11, y0 - 1, ramp(P.RED, 10))
    if mode == "attack":
        c.rect(ox + 24, y0 + 15, 6 + 2 * phase, 4, ramp(P.GREY, 9))
    if mode in ("fly", "flymove", "jump"):
        c.polygon([(ox + 10, y0 + 31), (ox + 16, y0 + 31), (ox + 13, y0 + 31)], ramp(P.ORANGE, 10))
        c.rect(ox + 10, y0 + 30, 12, 2, cycle(LAVA, phase))


def ghost(c, ox, oy, mode, phase, pal):
    float_y = [0, 1, 2, 1][phase] if mode != "cheer" else -2 * phase
    cy = oy + 12 + float_y
    main = pal["main"]
    c.ellipse(ox + 16, cy, 11, 10, ramp(main, 13))
    c.rect(ox + 5, cy, 22, 10, ramp(main, 13))
    for i in range(4):
        x = ox + 5 + 6 * i + (phase % 2) * 2
        c.polygon([(x, cy + 10), (x + 3, cy + 15), (x + 6, cy + 10)], ramp(main, 13))
    c.ellipse(ox + 12, cy - 4, 3, 2, ramp(P.GREY, 15))
    closed = mode == "guard"
    _eye(c, ox + 15, cy - 3, closed)
    _eye(c, ox + 20, cy - 3, closed)
    if mode == "attack":
        c.ellipse(ox + 19, cy + 4, 3, 2 + phase, ramp(P.GREY, 3))
    c.rect(ox + 6, cy + 5, 21, 1, ramp(main, 10))


def beetle(c, ox, oy, mode, phase, pal):
    shell = pal["main"]
    y0 = oy + (1 if mode == "stand" and phase else 0) - (3 * phase if mode == "cheer" else 0)
    for i in range(3):
        lx = ox + 9 + 6 * i + ([1, 0, -1, 0][(phase + i) % 4] if mode == "walk" else 0)
        c.rect(lx, y0 + 26, 2, 5, ramp(P.GREY, 3))
    if mode in ("fly", "flymove"):
        for side in (-1, 1):
            c.ellipse(ox + 16 + 8 * side, y0 + 10 - 3 * phase, 7, 4, ramp(P.SKY, 13))
    c.ellipse(ox + 15, y0 + 21, 12, 9, ramp(shell, 7))
    c.rect(ox + 3, y0 + 21, 25, 6, ramp(shell, 7))
    c.ellipse(ox + 12, y0 + 16, 4, 3, ramp(shell, 11))
    for i in range(4):
        x = ox + 6 + 6 * i
        c.polygon([(x, y0 + 14), (x + 2, y0 + 7 - (2 if mode == "guard" else 0)), (x + 4, y0 + 14)],
                  ramp(P.GREY, 14))
    c.ellipse(ox + 26, y0 + 24, 4, 4, ramp(P.GREY, 4))
    c.rect(ox + 27, y0 + 22, 2, 2, ramp(P.YELLOW, 12) if mode != "guard" else ramp(P.GREY, 4))
    if mode == "attack":
        c.rect(ox + 29, y0 + 26, 3, 1 + phase, ramp(P.GREY, 15))


def flame(c, ox, oy, mode, phase, pal):
    flick = phase % 2
    cy = oy + 20 - (3 * phase if mode == "cheer" else 0) - (2 if mode in ("fly", "flymove", "jump") else 0)
    c.polygon([(ox + 5, cy), (ox + 10 + flick, oy + 6 + 2 * flick), (ox + 13, cy - 8), (ox + 17, oy + 1 + flick),
               (ox + 21, cy - 8), (ox + 24 - flick, oy + 7), (ox + 27, cy)], cycle(LAVA, 0))
    c.ellipse(ox + 16, cy + 2, 11, 9, cycle(LAVA, 1))
    c.ellipse(ox + 16, cy + 3, 7, 6, cycle(LAVA, 2))
    c.ellipse(ox + 16, cy + 4, 4, 4, ramp(pal["main"], 14))
    _eye(c, ox + 14, cy - 1, mode == "guard")
    _eye(c, ox + 19, cy - 1, mode == "guard")
    if mode == "attack":
        c.ellipse(ox + 28, cy, 3 + phase, 3 + phase, cycle(LAVA, 2))


# (drawing, colours of the design's first row)
DESIGNS = [
    (hero, {"skin": P.SKIN, "hair": P.ORANGE, "main": P.BLUE, "second": P.TEAL}),
    (blob, {"main": P.GREEN}),
    (bat, {"main": P.VIOLET}),
    (robot, {"main": P.GREY}),
    (ghost, {"main": P.SKY}),
    (beetle, {"main": P.RED}),
    (flame, {"main": P.YELLOW}),
]
HUE_RAMPS = [P.RED, P.MAGENTA, P.ORANGE, P.YELLOW, P.LIME, P.GREEN, P.TEAL, P.SKY, P.BLUE, P.VIOLET]


def _variant_colours(base, variant):
    """Later rows of a design change its main colour along the hue ramps."""
    if variant == 0:
        return base
    colours = dict(base)
    start = HUE_RAMPS.index(base["main"]) if base["main"] in HUE_RAMPS else 0
    colours["main"] = HUE_RAMPS[(start + 3 * variant) % len(HUE_RAMPS)]
    return colours


def _lighten(c, x, y):
    """The hurt frame: every user colour moves five shades lighter."""
    for yy in range(y, y + CELL):
        for xx in range(x, x + CELL):
            v = c.get(xx, yy)
            if P.FIRST_USER <= v <= P.LAST_USER:
                shade = (v - P.FIRST_USER) % 16
                c.put(xx, yy, v + min(5, 15 - shade))


def draw_character(c, number, x, y):
    draw, colours = DESIGNS[(number - 1) % len(DESIGNS)]
    colours = _variant_colours(colours, (number - 1) // len(DESIGNS))
    for frame in range(FRAMES):
        fx = x + frame * CELL
        mode, phase = MODES[frame], PHASES[frame]
        cell = Canvas(CELL, CELL)
        if mode == "down":
            draw(cell, 0, 0, "stand", 0, colours)
            cell = _lying(cell)
        else:
            draw(cell, -2 if mode == "hurt" else 0, 0, "stand" if mode == "hurt" else mode, phase, colours)
        c.blit(cell, 0, 0, CELL, CELL, fx, y)
        c.outline(fx, y, CELL, CELL)
        if mode == "hurt":
            _lighten(c, fx, y)


def _lying(cell):
    """The defeated frame: the standing frame turned on its back, resting on the cell's floor."""
    out = Canvas(CELL, CELL)
    for yy in range(CELL):
        for xx in range(CELL):
            out.put(CELL - 1 - yy, xx, cell.get(xx, yy))
    rows = [yy for yy in range(CELL) if any(out.get(xx, yy) for xx in range(CELL))]
    drop = CELL - 1 - max(rows) if rows else 0
    lowered = Canvas(CELL, CELL)
    lowered.blit(out, 0, 0, CELL, CELL, 0, drop)
    return lowered


def sheet(index):
    """Character sheet index (0-7): graphic numbers 15 * index to 15 * index + 14."""
    c = Canvas(CELL * FRAMES, CELL * 15)
    for row in range(15):
        number = 15 * index + row
        if number:
            draw_character(c, number, 0, row * CELL)
    return c


def portrait(number, frame=0):
    """One 32 x 32 frame of a character, for the other pictures."""
    c = Canvas(CELL * FRAMES, CELL)
    draw_character(c, number, 0, 0)
    out = Canvas(CELL, CELL)
    out.blit(c, frame * CELL, 0, CELL, CELL, 0, 0)
    return out

