#!/usr/bin/env bash
# Pictures the item flow editor's buttons, the dialog of "フローの変更" and the flow data window
# under Wine on a private Xvfb display and composes them into one sheet (ImageMagick):
#   tools/flow/item_flow_sheet.sh [OUT.png]     (default docs/editor/item-flow.png)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(realpath -m "${1:-$root/docs/editor/item-flow.png}")
mkdir -p "$(dirname "$out")"
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
KIT_DIALOG_SHOTS="Z:$shots" GTEST_FILTER=FlowChangeShots.PicturesOfTheItemFlowEditor "$root/scripts/test.sh" -R '^test_palette\.Whole$' \
    --output-on-failure >/dev/null
font=$(fc-match -f '%{file}' 'IPAGothic')
montage -label "コマンド (216)" "$shots/editor.bmp" -label "フローの操作 (217)" "$shots/change.bmp" \
    -label "フローデータ (201)" "$shots/flows.bmp" -font "$font" -tile 3x -geometry +8+8 -background '#d0d0d0' "$out"
echo "$out"
