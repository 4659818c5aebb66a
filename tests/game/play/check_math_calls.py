#!/usr/bin/env python3
"""Fails when code that plays or draws a stage calls <cmath>'s sine, cosine, square root or arc
tangent directly instead of the out-of-line ones of game/media/StableMath.h, whose bits no
caller's optimiser can change (the committed replays hash every frame of play)."""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parents[3])
direct = re.compile(r"(?<![\w.>])(?:std::|::)?(sin|cos|sqrt|atan2|sinf|cosf|sqrtf|atan2f)\s*\(")
comment = re.compile(r"//.*|/\*.*?\*/|\"(?:\\.|[^\"\\])*\"")
found = []
for folder in ("game/play", "game/flow", "game/media"):
    for path in sorted((root / folder).glob("*.[ch]*")):
        if path.name.startswith("StableMath."):
            continue
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            if direct.search(comment.sub("", line)):
                found.append(f"{path.relative_to(root)}:{number}: {line.strip()}")
for line in found:
    print(line)
if found:
    print(f"{len(found)} direct calls: use MathSin, MathCos, MathSqrt, MathAtan2 (game/media/StableMath.h)")
sys.exit(1 if found else 0)
