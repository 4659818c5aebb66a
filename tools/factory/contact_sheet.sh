#!/usr/bin/env bash
# Composes the factory pictures into one contact sheet (ImageMagick), transparent parts shown
# dark, small pictures enlarged:
#   tools/factory/contact_sheet.sh PROJECT_FOLDER OUT.png
set -euo pipefail
project=$1 out=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

add() { # file scale
    local name; name=$(basename "$1" .bmp)
    convert "$project/$1" -fill '#2a2a36' -opaque '#ff00ff' -scale "$2" -set label "$name" \
        "$tmp/$(printf '%02d' "$n").png"
    n=$((n + 1))
}
n=0
add bmp/Title.bmp 100%
add bmp/Back.bmp 100%
add bmp/Character1.bmp 100%
add bmp/Character2.bmp 100%
add bmp/Block.bmp 100%
add bmp/Item.bmp 100%
add bmp/Mark.bmp 100%
add bmp/Shot.bmp 100%
add bmp/Accessory.bmp 200%
add bmp/Word.bmp 200%
add bmp/WorldMapChip.bmp 300%
add bmp/WorldEvent.bmp 200%
add bmp/Item_Mini.bmp 100%
add bmp/Symbol.bmp 200%
add bmp/Window.bmp 50%
add bmp/WorldBack.bmp 50%
add bmp/effect/Burst.bmp 200%
add bmp/effect/Smoke.bmp 200%
add bmp/sword/SwordRight.bmp 400%
add bmp/plt/Palette.bmp 800%
for f in Palette TestPlay Pen PltEdit WorldPalette; do add "e_bmp/ToolBar_$f.bmp" 400%; done
montage "$tmp"/*.png -background '#15151c' -fill '#e0e0e0' -font "$(fc-match -f '%{file}' sans)" -pointsize 14 \
    -tile 4x -geometry '640x480>+12+12' "$out"
