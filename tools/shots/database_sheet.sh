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

"$root/scripts/build.sh" x64 >/dev/null
# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
kit_wine_start "$root/build/x64" own-display
work=$(mktemp -d)
cleanup() {
    kit_wine_stop
    rm -rf "$work"
}
trap cleanup EXIT

cp -r "$root/build/x64/project" "$work/project"
cp -r "$work/project/default" "$work/project/data"
mkdir -p "$work/shots" "$work/project/e_data"
(cd "$work/project" && "$WINE" "$root/build/x64/tools/shots/database_shots.exe" 'Z:'"${work//\//\\}"'\shots' \
    >"$work/log" 2>&1) || {
    cat "$work/log" >&2
    exit 1
}
labels=("基本アニメセット (212)" "アニメ (226)" "キャラの専用bmp (141)" "ソードタイプ (222)" "エフェクト (211)"
        "キャラエフェクト (210)" "画面エフェクト (235)" "ピクチャー (237)" "効果音 (199)" "BGM (220)"
        "アニメパターン (221)" "エフェクトのコマ (236)" "ソードの位置 (223)")
font=$(fc-match -f '%{file}' 'IPAGothic')
i=0
for bmp in $(ls "$work"/shots/*.bmp | sort); do
    convert "$bmp" -background '#d8d8d8' -font "$font" -pointsize 14 label:"${labels[$i]}" -gravity center \
        -append "$work/shots/$(basename "$bmp" .bmp).png"
    i=$((i + 1))
done
montage $(ls "$work"/shots/*.png | sort) -background '#d8d8d8' -tile 4x -geometry '+10+10' "$out"
echo "database_sheet: $out"
