#!/usr/bin/env bash
# The system settings sheet's five pages, the project options sheet's two pages, the stage option
# dialog and the bitmap conversion tool under Wine on a private Xvfb display, on a copy of the
# factory project, composed into one contact sheet (ImageMagick); the world map's event palette,
# event dialog and settings dialog into a second one beside it (world-dialogs.png); the stage
# settings sheet's three pages beside them as stage-settings-basic, -advanced and -advanced2.png.
#   tools/shots/settings_sheet.sh [OUT.png]     (default docs/editor/settings.png)
# Builds the x86_64 target first.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(realpath -m "${1:-$root/docs/editor/settings.png}")
mkdir -p "$(dirname "$out")"
# shellcheck source=tools/shots/sheet.sh
. "$root/tools/shots/sheet.sh"
sheet_run "$root" settings_shots

# The stage settings pages are pictures of their own beside the sheet.
for page in basic advanced advanced2; do
    convert "$work/shots/stage-settings-$page.bmp" "$(dirname "$out")/stage-settings-$page.png"
    rm "$work/shots/stage-settings-$page.bmp"
done
labels=("システムの設定 1 (248)" "システムの設定 2 (249)" "システムの設定 3 (250)" "システムの設定 4 (251)"
        "システムの設定 5 (272)" "プロジェクトオプション 全般 (193)" "プロジェクトオプション 継承のデフォルト (146)"
        "ステージオプション (195)" "ビットマップ変換ツール (188)" "イベントパレット (158)" "イベント (161)"
        "ワールドマップの設定 (153)")
i=0
for bmp in $(ls "$work"/shots/*.bmp | sort -V); do
    sheet_label "$bmp" "${labels[$i]}"
    i=$((i + 1))
done
mkdir -p "$work/world"
mv "$work"/shots/1[0-9]-*.png "$work/world/"
montage $(ls "$work"/shots/*.png | sort -V) -background '#d8d8d8' -tile 2x -geometry '+10+10' "$out"
montage $(ls "$work"/world/*.png | sort -V) -background '#d8d8d8' -tile 3x -geometry '+10+10' \
    "$(dirname "$out")/world-dialogs.png"
echo "settings_sheet: $out"
