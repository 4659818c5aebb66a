#!/usr/bin/env bash
# The palette windows beside the editor's main window as the editor opens its stage, taken by the
# editor's palette test under Wine on a private Xvfb display (the test saves the picture when
# KIT_PLAY_SHOTS names a folder), written into (or into the folder given):
#   docs/editor/palettes-beside-main.png
#   tools/play/palette_shots.sh [FOLDER]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(realpath -m "${1:-$root/docs/editor}")
mkdir -p "$out"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" x64
# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
kit_wine_start "$root/build/x64" own-display
shots=$(mktemp -d)
trap 'kit_wine_stop; rm -rf "$shots"' EXIT
cd "$root/build/x64/tests"
KIT_PLAY_SHOTS="Z:$shots" "$WINE" ./test_programs.exe \
    --gtest_filter=Programs.EditorShowsThePalettesOfTheLayerBesideItsMainWindow >/dev/null
convert "$shots/palettes-beside-main.bmp" "$out/palettes-beside-main.png"
echo "$out/palettes-beside-main.png"
