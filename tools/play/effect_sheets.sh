#!/usr/bin/env bash
# Contact sheets of the character and screen effects and a picture of the six shot formations'
# volleys, drawn by the play tests under Wine on a private Xvfb display (16-bit) and saved as PNG
# into docs/play/ (or the folder given):
#   tools/play/effect_sheets.sh [FOLDER]
# Builds the x86_64 target first.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=scripts/game-session.sh
. "$root/scripts/game-session.sh"
game_display "${1:-$root/docs/play}"

cd "$root/build/x64/tests"
KIT_SHOT_DIR="Z:${game_work//\//\\}" "$WINE" ./test_game_play.exe --gtest_filter='*ContactSheet*' >"$game_work/log" 2>&1 \
    </dev/null || { cat "$game_work/log" >&2; exit 1; }
for bmp in "$game_work"/*.bmp; do
    name=$(basename "$bmp" .bmp)
    convert "$bmp" "$game_out/$name.png"
    echo "effect sheets: $game_out/$name.png"
done
