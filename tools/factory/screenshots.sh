#!/usr/bin/env bash
# Screenshots of the factory pictures as the game loads and draws them, taken under Wine on a
# private Xvfb display (16-bit) and composed into one contact sheet:
#   tools/factory/screenshots.sh [OUT.png]      (docs/factory-screens.png by default)
# Builds the x86_64 target first.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(realpath -m "${1:-$root/docs/factory-screens.png}")

"$root/scripts/build.sh" x64 >/dev/null
# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
kit_wine_start "$root/build/x64" own-display
shots=$(mktemp -d)
trap 'rm -rf "$shots"; kit_wine_stop' EXIT

cd "$root/build/x64/project"
"$WINE" "$root/build/x64/tools/factory/show_pictures.exe" "Z:${shots//\//\\}" >"$shots/log" 2>&1 </dev/null &
viewer=$!
n=0
while kill -0 "$viewer" 2>/dev/null; do
    note="$shots/shown-$n"
    if [ ! -s "$note" ]; then sleep 0.05; continue; fi
    sleep 0.3  # the window has been drawn; let the X server catch up
    read -r x y w h file <"$note"
    file=${file%$'\r'}
    name=${file##*\\}
    import -window root -crop "${w}x${h}+${x}+${y}" +repage -set label "${name%.bmp}" "$shots/$(printf '%02d' "$n").png"
    touch "$shots/shot-$n"
    n=$((n + 1))
done
if ! wait "$viewer"; then cat "$shots/log" >&2; exit 1; fi
[ "$n" -gt 0 ] || { echo "screenshots: nothing was shown" >&2; exit 1; }
montage "$shots"/[0-9]*.png -background '#15151c' -fill '#e0e0e0' -font "$(fc-match -f '%{file}' sans)" \
    -pointsize 14 -tile 4x -geometry '320x240+8+8' -filter Point "$out"
echo "screenshots: $n pictures in $out"
