#!/usr/bin/env bash
# Pictures of the stage canvas driven with the mouse in the running editor, taken by the
# editor's canvas test under Wine on a private Xvfb display (the test saves them when
# KIT_PLAY_SHOTS names a folder), composed with ImageMagick into (or into the folder given):
#   docs/editor/canvas-drag.png   a rectangle held with the ground's block as the pen (the cells
#                                 it will place shown before the button is let go), the view
#                                 scrolled by a drag held beyond the right edge, and the stage
#                                 saved and opened again
#   tools/play/canvas_shots.sh [FOLDER]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(realpath -m "${1:-$root/docs/editor}")
mkdir -p "$out"
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
KIT_PLAY_SHOTS="Z:$shots" GTEST_FILTER=Programs.EditorCanvasPreviewsScrollsAndKeepsWhatWasDrawn "$root/scripts/test.sh" -R '^test_programs\.Whole$' \
    --output-on-failure >/dev/null
font=$(fc-match -f '%{file}' 'IPAGothic')
montage -label "矩形のドラッグ中（離す前）" "$shots/canvas-1-rectangle-held.bmp" \
    -label "右端の外で押したまま：スクロール" "$shots/canvas-2-scrolled.bmp" \
    -label "保存して開き直したステージ" "$shots/canvas-3-reopened.bmp" \
    -font "$font" -tile 3x -geometry +8+8 -background '#d0d0d0' "$out/canvas-drag.png"
echo "$out/canvas-drag.png"
