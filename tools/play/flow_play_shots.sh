#!/usr/bin/env bash
# Pictures of a flow made in the editor and played in the game, taken by the editor-and-game
# test under Wine on a private Xvfb display (the test saves them when KIT_PLAY_SHOTS names a
# folder), composed with ImageMagick into (or into the folders given):
#   docs/editor/flow-play-steps.png   the blob's data sheet with a new flow, the command picker,
#                                     the movement, wait and jump dialogs as set, the flow's list
#   docs/play/flow-play.png           the test-played stage without the flow (the blob stands)
#                                     and with it (it walks left and jumps), each at its start, at
#                                     the blob's highest and at the end of the look (landed again),
#                                     with the times
#   tools/play/flow_play_shots.sh [EDITOR_FOLDER [PLAY_FOLDER]]
# It runs the test through scripts/test.sh (both targets built); KIT_SHOTS_X64_ONLY=1 builds and
# runs only the x86_64 target.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
editor_out=$(realpath -m "${1:-$root/docs/editor}")
play_out=$(realpath -m "${2:-$root/docs/play}")
mkdir -p "$editor_out" "$play_out"
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
export KIT_PLAY_SHOTS="Z:$shots" GTEST_FILTER=Programs.EditorFlowMakesThePlacedCharaWalkAndJumpInTestPlay
if [ "${KIT_SHOTS_X64_ONLY:-0}" = 1 ]; then
    # The x86_64 build alone, on the Wine set-up the tests use: the slow i686 build is not needed
    # for the pictures.
    "$root/scripts/build.sh" x64 >/dev/null
    (
        # shellcheck source=scripts/wine-env.sh
        . "$root/scripts/wine-env.sh"
        kit_wine_start "$root/build/x64" own-display
        cd "$root/build/x64"
        ctest --timeout 600 -R '^test_programs\.Whole$' --output-on-failure >/dev/null
    )
else
    "$root/scripts/test.sh" -R '^test_programs\.Whole$' --output-on-failure >/dev/null
fi
font=$(fc-match -f '%{file}' 'IPAGothic')

steps=(sheet-1-new-flow "新しいフロー（常時）" command-1-picker "コマンドの選択" command-2-line-move "直線移動：左、5/10秒"
       command-3-wait "ウエイト：5/10秒" command-4-jump "ジャンプ：高さ7" sheet-2-commands "フローのコマンド")
args=()
for ((i = 0; i < ${#steps[@]}; i += 2)); do args+=(-label "${steps[i + 1]}" "$shots/${steps[i]}.bmp"); done
montage "${args[@]}" -font "$font" -tile 3x -geometry +8+8 -background '#d0d0d0' "$editor_out/flow-play-steps.png"
echo "$editor_out/flow-play-steps.png"

args=()
for run in play-without-flow play-with-flow; do
    caption=$([ "$run" = play-with-flow ] && echo "フローあり" || echo "フローなし")
    mapfile -t times < <(tr -d '\r' <"$shots/$run.txt")
    for n in 1 2 3; do args+=(-label "$caption ${times[n - 1]} ms" "$shots/$run-$n.bmp"); done
done
montage "${args[@]}" -font "$font" -tile 3x -geometry 320x240+6+6 -background '#d0d0d0' "$play_out/flow-play.png"
echo "$play_out/flow-play.png"
