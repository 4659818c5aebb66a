#!/usr/bin/env bash
# Pictures the command picker and the command dialogs under Wine on a private Xvfb display and
# composes them into three contact sheets (ImageMagick) in docs/editor/ (or the folder given):
#   command-dialogs.png        the picker and the movement, shot, sword and summon dialogs
#   command-dialogs-flow.png   flow operation to status operation
#   command-dialogs-show.png   status switch to code
#   tools/flow/dialog_sheet.sh [OUT_FOLDER]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(realpath -m "${1:-$root/docs/editor}")
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
KIT_DIALOG_SHOTS="Z:$shots" GTEST_FILTER=CmdDlgTest.PicturesOfThePickerAndTheDialogs "$root/scripts/test.sh" -R '^test_flow\.Whole$' --output-on-failure >/dev/null
# Picture k is command type k's dialog; picture 0 the picker.
labels=("コマンド" "ウエイト" "直線移動" "地上折り返し移動" "円移動" "突撃移動" "誘導移動" "画面外回避移動"
        "移動の無効化" "向き変更" "ジャンプ" "ショット" "ソード" "ブロック召喚" "キャラ召喚" "アイテム召喚"
        "フローの操作" "ステージクリア" "ゲームウエイト" "メッセージ" "ワープ" "ターゲットの設定" "ステータスの操作"
        "ステータスの操作2" "アイテムの取得" "グラフィックの変更" "基本アニメセットの変更" "アニメの実行"
        "エフェクトの実行" "キャラエフェクトの実行" "画面エフェクトの実行" "ピクチャーの表示" "画面の色を変更"
        "背景の変更" "効果音の再生" "BGMの再生" "コードの実行")
font=$(fc-match -f '%{file}' 'IPAGothic')
sheet() {  # NAME FIRST LAST COLUMNS
    local args=()
    for ((i = $2; i <= $3; i++)); do args+=(-label "${labels[$i]}" "$shots/$i.bmp"); done
    montage "${args[@]}" -font "$font" -tile "$4"x -geometry +8+8 -background '#d0d0d0' "$out/$1"
    echo "$out/$1"
}
sheet command-dialogs.png 0 15 4
sheet command-dialogs-flow.png 16 22 3
sheet command-dialogs-show.png 23 36 4
