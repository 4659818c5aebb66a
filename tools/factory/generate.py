#!/usr/bin/env python3
"""Writes the factory project's media into a project folder:

    bmp\\        the pictures both programs load (blocks, characters, items, shots, marks,
                 backgrounds, title, window, words, symbols, accessories, world map, debug),
                 and effect and sword pictures for the database (bmp\\effect\\, bmp\\sword\\)
    bmp\\plt\\   Palette.bmp and Palette2.bmp
    bmp\\hbt\\   hbt00.dat to hbt23.dat, the colour-mix tables of the 24 colour variations
    e_bmp\\      the editor's toolbar strips
    wave\\       sound effects (the 17 system sounds, the editor's preview sound, a few more)
    bgm\\        music: a MIDI file for every music slot, Ogg Vorbis files for some
    System.ini   starts the game in a window

Everything is made here and comes out the same on every run. The project's record files
(default\\) are written by the programs' own record code, not by this script.

    generate.py PROJECT_FOLDER
"""

import os
import subprocess
import sys
import tempfile

import blocks
import characters
import effects
import items
import music
import palette
import screens
import sound
import toolbars
from canvas import write_bmp
from mixtable import MixTableMaker

OGG_SONGS = ["Title", "Stage", "Free"]
SYSTEM_INI = "WindowMode=1\r\nBpp=16\r\nVSync=1\r\nShowFps=1\r\nExit\r\n"


def _folder(root, *parts):
    path = os.path.join(root, *parts)
    os.makedirs(path, exist_ok=True)
    return path


def pictures(root):
    bmp = _folder(root, "bmp")
    for sub in ("back", "chara_sp", "effect", "picture", "sword", "convert"):
        _folder(bmp, sub)
    sheets = {"Block.bmp": blocks.sheet()}
    for k in range(8):
        sheets["Character%d.bmp" % (k + 1)] = characters.sheet(k)
    sheets["Item.bmp"], sheets["Item_Mini.bmp"] = items.item_sheets()
    makers = [("Shot", items.shot_sheet), ("Mark", items.mark_sheet), ("Back", screens.background),
              ("WorldBack", screens.world_back), ("WorldMapChip", screens.map_chips),
              ("WorldEvent", screens.map_events), ("Symbol", screens.symbol), ("Accessory", screens.accessory),
              ("Debug", screens.debug_digits), ("Window", screens.window), ("Title", screens.title),
              ("Word", screens.word)]
    for name, make in makers:
        sheets[name + ".bmp"] = make()
    sheets["effect/Burst.bmp"] = effects.burst()
    sheets["effect/Smoke.bmp"] = effects.smoke()
    sheets["effect/Sparkle.bmp"] = effects.sparkle()
    sheets["sword/SwordRight.bmp"], sheets["sword/SwordLeft.bmp"] = effects.swords()
    for name, canvas in sheets.items():
        write_bmp(os.path.join(bmp, *name.split("/")), canvas)
    plt = _folder(bmp, "plt")
    write_bmp(os.path.join(plt, "Palette.bmp"), screens.palette_picture(), palette.BASE)
    write_bmp(os.path.join(plt, "Palette2.bmp"), screens.palette_picture(), palette.second())
    e_bmp = _folder(root, "e_bmp")
    for name, canvas in toolbars.strips().items():
        write_bmp(os.path.join(e_bmp, name), canvas)


def mix_tables(root):
    hbt = _folder(root, "bmp", "hbt")
    maker = MixTableMaker()
    for n in range(24):
        with open(os.path.join(hbt, "hbt%02d.dat" % n), "wb") as f:
            f.write(maker.make(palette.variation(n)))


def sounds(root):
    wave = _folder(root, "wave")
    for name, make in sound.SYSTEM_SOUNDS + sound.OTHER_SOUNDS:
        sound.write_wav(os.path.join(wave, name), make())


def songs(root):
    bgm = _folder(root, "bgm")
    for name in music.SONGS:
        music.write_midi(os.path.join(bgm, name + ".mid"), name)
    with tempfile.TemporaryDirectory() as tmp:
        for name in OGG_SONGS:
            wav = os.path.join(tmp, name + ".wav")
            sound.write_wav(wav, music.render(name), bits=16)
            # A fixed stream serial number keeps the file the same from build to build.
            subprocess.run(["oggenc", "--quiet", "--quality", "1", "--serial", "4242",
                            "--title", name, "--output", os.path.join(bgm, name + ".ogg"), wav], check=True)


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip().splitlines()[-1].strip(), file=sys.stderr)
        return 2
    root = argv[1]
    os.makedirs(root, exist_ok=True)
    pictures(root)
    mix_tables(root)
    sounds(root)
    songs(root)
    with open(os.path.join(root, "System.ini"), "w", newline="") as f:
        f.write(SYSTEM_INI)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
