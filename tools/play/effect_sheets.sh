#!/usr/bin/env bash
# Contact sheets of the character and screen effects, drawn by the play tests under Wine on a
# private Xvfb display (16-bit) and saved as PNG into docs/play/ (or the folder given):
#   tools/play/effect_sheets.sh [FOLDER]
# Builds the x86_64 target first.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(realpath -m "${1:-$root/docs/play}")
mkdir -p "$out"

"$root/scripts/build.sh" x64 >/dev/null
# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
kit_wine_start "$root/build/x64" own-display
shots=$(mktemp -d)
trap 'rm -rf "$shots"; kit_wine_stop' EXIT

cd "$root/build/x64/tests"
KIT_SHOT_DIR="Z:${shots//\//\\}" "$WINE" ./test_game_play.exe --gtest_filter='*ContactSheet*' >"$shots/log" 2>&1 \
    </dev/null || { cat "$shots/log" >&2; exit 1; }
for bmp in "$shots"/*.bmp; do
    name=$(basename "$bmp" .bmp)
    convert "$bmp" "$out/$name.png"
    echo "effect sheets: $out/$name.png"
done
