#!/usr/bin/env bash
# The system settings sheet's five pages, the project options sheet's two pages, the stage option
# dialog and the bitmap conversion tool under Wine on a private Xvfb display, on a copy of the
# factory project, composed into one contact sheet (ImageMagick); the world map's event palette,
# event dialog and settings dialog into a second one beside it (world-dialogs.png).
#   tools/shots/settings_sheet.sh [OUT.png]     (default docs/editor/settings.png)
# Builds the x86_64 target first.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(realpath -m "${1:-$root/docs/editor/settings.png}")
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
(cd "$work/project" && "$WINE" "$root/build/x64/tools/shots/settings_shots.exe" 'Z:'"${work//\//\\}"'\shots' \
    >"$work/log" 2>&1) || {
    cat "$work/log" >&2
    exit 1
}
labels=("システムの設定 1 (248)" "システムの設定 2 (249)" "システムの設定 3 (250)" "システムの設定 4 (251)"
        "システムの設定 5 (272)" "プロジェクトオプション 全般 (193)" "プロジェクトオプション 継承のデフォルト (146)"
        "ステージオプション (195)" "ビットマップ変換ツール (188)" "イベントパレット (158)" "イベント (161)"
        "ワールドマップの設定 (153)")
font=$(fc-match -f '%{file}' 'IPAGothic')
i=0
for bmp in $(ls "$work"/shots/*.bmp | sort -V); do
    convert "$bmp" -background '#d8d8d8' -font "$font" -pointsize 14 label:"${labels[$i]}" -gravity center \
        -append "$work/shots/$(basename "$bmp" .bmp).png"
    i=$((i + 1))
done
mkdir -p "$work/world"
mv "$work"/shots/1[0-9]-*.png "$work/world/"
montage $(ls "$work"/shots/*.png | sort -V) -background '#d8d8d8' -tile 2x -geometry '+10+10' "$out"
montage $(ls "$work"/world/*.png | sort -V) -background '#d8d8d8' -tile 3x -geometry '+10+10' \
    "$(dirname "$out")/world-dialogs.png"
echo "settings_sheet: $out"
