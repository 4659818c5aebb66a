#!/usr/bin/env bash
# The database window's ten pages and its three item dialogs (anime pattern, effect frame, sword
# position) under Wine on a private Xvfb display, on a copy of the factory project, composed into
# one contact sheet (ImageMagick).
#   tools/shots/database_sheet.sh [OUT.png]     (default docs/editor/database.png)
# Builds the x86_64 target first.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(realpath -m "${1:-$root/docs/editor/database.png}")
mkdir -p "$(dirname "$out")"

# shellcheck source=tools/shots/sheet.sh
. "$root/tools/shots/sheet.sh"
sheet_run "$root" database_shots

labels=("基本アニメセット (212)" "アニメ (226)" "キャラの専用bmp (141)" "ソードタイプ (222)" "エフェクト (211)"
        "キャラエフェクト (210)" "画面エフェクト (235)" "ピクチャー (237)" "効果音 (199)" "BGM (220)"
        "アニメパターン (221)" "エフェクトのコマ (236)" "ソードの位置 (223)")
i=0
for bmp in $(ls "$work"/shots/*.bmp | sort); do
    sheet_label "$bmp" "${labels[$i]}"
    i=$((i + 1))
done
montage $(ls "$work"/shots/*.png | sort) -background '#d8d8d8' -tile 4x -geometry '+10+10' "$out"
echo "database_sheet: $out"
