#!/usr/bin/env bash
# The block palette windows, the block data window, the data move dialog and the chara group
# window under Wine on a private Xvfb display, on a copy of the factory project, composed into
# one contact sheet (ImageMagick); the four pages of the chara data sheet into another one beside
# it (chara-sheet.png), and the two pages of the item data sheet into a third (item-sheet.png).
#   tools/shots/palette_sheet.sh [OUT.png]     (default docs/editor/palettes.png)
# Builds the x86_64 target first.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(realpath -m "${1:-$root/docs/editor/palettes.png}")
mkdir -p "$(dirname "$out")"
# shellcheck source=tools/shots/sheet.sh
. "$root/tools/shots/sheet.sh"
sheet_run "$root" palette_shots

labels=("[コモン]ブロックパレット (103)" "[ステージ]ブロックパレット (103)" "ブロックデータ (137)"
        "データの移動 (138)" "キャラのグループ情報 (271)" "キャラデータ: 基本 (140)" "キャラデータ: 表示 (200)"
        "キャラデータ: 能力 (143)" "キャラデータ: 行動 (201)" "アイテムデータ: 1 (202)" "アイテムデータ: 2 (203)")
i=0
for bmp in "$work"/shots/[0-9]*.bmp "$work"/shots/c*.bmp "$work"/shots/i*.bmp; do
    sheet_label "$bmp" "${labels[$i]}"
    i=$((i + 1))
done
montage "$work"/shots/[0-9]*.png -background '#d8d8d8' -tile 3x -geometry '+10+10' "$out"
montage "$work"/shots/c*.png -background '#d8d8d8' -tile 2x -geometry '+10+10' "$(dirname "$out")/chara-sheet.png"
montage "$work"/shots/i*.png -background '#d8d8d8' -tile 2x -geometry '+10+10' "$(dirname "$out")/item-sheet.png"
echo "palette_sheet: $out $(dirname "$out")/chara-sheet.png $(dirname "$out")/item-sheet.png"
