#!/usr/bin/env bash
# The condition windows under Wine on a private Xvfb display, composed into one contact sheet
# (ImageMagick): a flows page's condition list, the kind chooser, the five kind dialogs and the
# key condition dialog.
#   tools/shots/cond_sheet.sh [OUT.png]     (default docs/editor/conditions.png)
# Builds the x86_64 target first.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(realpath -m "${1:-$root/docs/editor/conditions.png}")
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

(cd "$work" && "$WINE" "$root/build/x64/tools/shots/cond_shots.exe" . >"$work/log" 2>&1) || {
    cat "$work/log" >&2
    exit 1
}
labels=("フローの条件リスト" "種類の選択 (170)" "コモン変数条件 (196)" "ステージ変数条件 (197)"
        "キャラ変数条件 (218)" "ステータス条件 (269)" "距離条件 (219)" "キー条件 (204)")
font=$(fc-match -f '%{file}' 'IPAGothic')
i=0
for bmp in "$work"/*.bmp; do
    convert "$bmp" -background '#d8d8d8' -font "$font" -pointsize 14 label:"${labels[$i]}" -gravity center \
        -append "$work/$(basename "$bmp" .bmp).png"
    i=$((i + 1))
done
montage "$work"/*.png -background '#d8d8d8' -tile 3x -geometry '+10+10' "$out"
echo "cond_sheet: $out"
