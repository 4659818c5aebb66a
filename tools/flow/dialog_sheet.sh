#!/usr/bin/env bash
# Pictures the command picker and the command dialogs under Wine on a private Xvfb display and
# composes them into one contact sheet (ImageMagick):
#   tools/flow/dialog_sheet.sh [OUT.png]      (docs/editor/command-dialogs.png by default)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(realpath -m "${1:-$root/docs/editor/command-dialogs.png}")
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
KIT_DIALOG_SHOTS="Z:$shots" "$root/scripts/test.sh" -R "^CmdDlgTest\.PicturesOfThePickerAndTheDialogs$" --output-on-failure >/dev/null
labels=("コマンド" "ウエイト" "直線移動" "地上折り返し移動" "円移動" "突撃移動" "誘導移動" "画面外回避移動"
        "移動の無効化" "向き変更" "ジャンプ" "ショット" "ソード" "ブロック召喚" "キャラ召喚" "アイテム召喚")
args=()
for i in "${!labels[@]}"; do
    args+=(-label "${labels[$i]}" "$shots/$i.bmp")
done
montage "${args[@]}" -font "$(fc-match -f '%{file}' 'IPAGothic')" -tile 4x -geometry +8+8 -background '#d0d0d0' "$out"
echo "$out"
