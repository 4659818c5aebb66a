"""The project's 256 colours and the colour sets derived from them.

Index ranges:
    0         transparent key: a colour no other entry has, even after the 16-bit display
              drops its low bits (the game keys 16-bit surfaces on the colour, not the index)
    1-9       system colours
    10-15     line colours, kept when the player picks another colour variation; 15 is black
              because the editor's masks need a black mask colour
    16-207    user colours: twelve ramps of 16, dark to light; ramp 1 (16-31) runs from black
              to white, so 16 is the black that screens are cleared with and 31 is white
    208-239   eight groups of four that the game cycles to animate water, lava and lights
    240-242   frame, text and highlighted-text colours of the game's fonts
    243-255   system colours
"""

KEY = 0
LINE_GREY, LINE_BROWN, LINE_NAVY, LINE_MAROON, LINE_FOREST, BLACK = range(10, 16)
FIRST_USER, LAST_USER = 16, 207
FIRST_CYCLE, LAST_CYCLE = 208, 239
FRAME, TEXT, TEXT_HIGHLIGHT = 240, 241, 242

# Ramp numbers (block of 16 starting at 16 + 16 * number).
GREY, RED, MAGENTA, ORANGE, YELLOW, LIME, GREEN, TEAL, SKY, BLUE, VIOLET, SKIN = range(12)
RAMP_HUES = [
    None,
    (230, 40, 40),
    (220, 40, 200),
    (225, 120, 30),
    (240, 210, 40),
    (150, 210, 40),
    (40, 180, 60),
    (30, 170, 140),
    (40, 170, 230),
    (50, 80, 220),
    (130, 60, 210),
    (235, 170, 130),
]

# Cycling groups: four colours each, rotated one place every few frames by the game.
WATER, LAVA, GOLD, RAINBOW, BLINK, GLOW, MAGIC, ICE = range(8)
CYCLE_GROUPS = [
    [(40, 90, 200), (60, 120, 230), (110, 170, 250), (70, 130, 220)],
    [(200, 40, 20), (240, 100, 20), (255, 180, 40), (230, 90, 30)],
    [(200, 150, 20), (240, 200, 40), (255, 250, 180), (230, 190, 50)],
    [(240, 60, 60), (250, 220, 50), (60, 200, 90), (70, 110, 240)],
    [(255, 255, 255), (200, 200, 200), (140, 140, 140), (190, 190, 190)],
    [(20, 120, 40), (60, 200, 80), (160, 255, 160), (70, 190, 90)],
    [(90, 30, 140), (150, 60, 210), (220, 150, 255), (140, 70, 200)],
    [(100, 180, 220), (160, 220, 240), (230, 250, 255), (150, 210, 235)],
]

_SYSTEM_LOW = [(128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
               (0, 128, 128), (192, 192, 192), (192, 220, 192), (166, 202, 240)]
_LINES = [(72, 72, 72), (88, 48, 24), (24, 40, 96), (104, 24, 32), (24, 72, 32), (0, 0, 0)]
_TEXT = [(208, 216, 240), (255, 255, 255), (255, 216, 64)]
_SYSTEM_HIGH = [(96, 96, 112), (48, 48, 64), (24, 24, 40), (255, 251, 240), (160, 160, 164),
                (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
                (255, 96, 255), (0, 255, 255), (255, 255, 255)]
KEY_COLOUR = (255, 0, 255)
BUTTON_FACE = 7  # the light grey of toolbar buttons


def ramp(number, shade):
    """Palette index of shade 0 (dark) to 15 (light) of a user-colour ramp."""
    return FIRST_USER + 16 * number + shade


def cycle(group, step):
    return FIRST_CYCLE + 4 * group + step


def _ramp_colours(hue):
    if hue is None:
        return [(round(255 * k / 15),) * 3 for k in range(16)]
    colours = []
    for k in range(16):
        t = k / 15
        if t <= 0.55:
            f = 0.15 + 0.85 * t / 0.55
            colours.append(tuple(round(c * f) for c in hue))
        else:
            f = 0.85 * (t - 0.55) / 0.45
            colours.append(tuple(round(c + (255 - c) * f) for c in hue))
    return colours


def _build_base():
    colours = [KEY_COLOUR] + _SYSTEM_LOW + _LINES
    for hue in RAMP_HUES:
        colours += _ramp_colours(hue)
    for group in CYCLE_GROUPS:
        colours += group
    colours += _TEXT + _SYSTEM_HIGH
    assert len(colours) == 256
    return colours


BASE = _build_base()


def rgb565(colour):
    r, g, b = colour
    return (r >> 3, g >> 2, b >> 3)


def _check_key_unique(colours):
    key = rgb565(colours[KEY])
    clash = [i for i in range(1, 256) if rgb565(colours[i]) == key]
    assert not clash, "colours %s look like the transparent key at 16 bits" % clash


_check_key_unique(BASE)


def variation(n):
    """The palette the game shows with colour variation n (0-23): below 12 the user ramps are
    rotated upward by n ramps; from 12 on every ramp takes the colours of ramp n - 11."""
    colours = list(BASE)
    user = BASE[FIRST_USER:LAST_USER + 1]
    if n < 12:
        shift = 16 * n
        user = user[-shift:] + user[:-shift] if shift else user
    else:
        source = BASE[16 * (n - 11):16 * (n - 11) + 16]
        user = source * 12
    colours[FIRST_USER:LAST_USER + 1] = user
    return colours


def second():
    """The palette that the editor's bitmap conversion maps pictures onto: the key and the
    user colours of the project palette; every other entry black, so that a picture's
    colours land on user colours."""
    colours = list(BASE)
    for i in list(range(1, FIRST_USER)) + list(range(FIRST_CYCLE, 255)):
        colours[i] = (0, 0, 0)
    return colours
