#include "data/FlowTables.h"

namespace {
// Character types 17-36, which are item types 2-21 as well.
constexpr cOptionEntry kShared[20] = {
    {"ステージクリア", 5},
    {"ゲームウエイト", 1},
    {"メッセージ", 9},
    {"ワープ", 0},
    {"ターゲットの設定", 9},
    {"ステータスの操作", 18},
    {"ステータスの操作2", 3},
    {"アイテムの取得", 2},
    {"グラフィックの変更", 3},
    {"基本アニメセットの変更", 1},
    {"アニメの実行", 1},
    {"エフェクトの実行", 8},
    {"キャラエフェクトの実行", 2},
    {"画面エフェクトの実行", 2},
    {"ピクチャーの表示", 10},
    {"画面の色を変更", 8},
    {"背景の変更", 2},
    {"効果音の再生", 1},
    {"BGMの再生", 1},
    {"コードの実行", 0},
};
}  // namespace

const cOptionEntry CharaCommandTypes[kCharaCommandTypes] = {
    {"", 0},
    {"ウエイト", 0},
    {"直線移動", 0},
    {"地上折り返し移動", 0},
    {"円移動", 0},
    {"突撃移動", 0},
    {"誘導移動", 0},
    {"画面外回避移動", 0},
    {"移動の無効化", 0},
    {"向き変更", 1},
    {"ジャンプ", 5},
    {"ショット", 0},
    {"ソード", 0},
    {"ブロック召喚", 0},
    {"キャラ召喚", 0},
    {"アイテム召喚", 0},
    {"フローの操作", 3},
    kShared[0], kShared[1], kShared[2], kShared[3], kShared[4],
    kShared[5], kShared[6], kShared[7], kShared[8], kShared[9],
    kShared[10], kShared[11], kShared[12], kShared[13], kShared[14],
    kShared[15], kShared[16], kShared[17], kShared[18], kShared[19],
};

const cOptionEntry ItemCommandTypes[kItemCommandTypes] = {
    {"", 0},
    {"フローの変更", 2},
    kShared[0], kShared[1], kShared[2], kShared[3], kShared[4],
    kShared[5], kShared[6], kShared[7], kShared[8], kShared[9],
    kShared[10], kShared[11], kShared[12], kShared[13], kShared[14],
    kShared[15], kShared[16], kShared[17], kShared[18], kShared[19],
};

const char* const FlowTriggerNames[19] = {
    "常時", "ダメージを受けた時", "衝撃を受けた時", "死亡した時", "キャラに当たった時",
    "ショットに当たった時", "アイテムに当たった時", "ブロックに当たった時",
    "自分の左右にブロックが当たった時", "自分の左にブロックが当たった時", "自分の右にブロックが当たった時",
    "自分の上下にブロックが当たった時", "自分の上にブロックが当たった時", "自分の下にブロックが当たった時",
    "主人公が乗っている時", "キャラが乗っている時", "ステージ開始前", "なし（フローの操作コマンドで実行）", "",
};

const char* const FlowIdNames[28] = {"-", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                                     "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z", ""};
const char* const FlowGroupNames[28] = {"-", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m",
                                        "n", "o", "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z", ""};
const char* const CondJudgeNames[3] = {"全ての条件が真なら成立", "1つ以上の条件が真なら成立", ""};
const char* const KeyJudgeNames[4] = {"全てのキーが真なら成立", "1つ以上のキーが真なら成立", "1つだけキーが真なら成立", ""};
const char* const KeyStateNames[4] = {"--", "押", "離", ""};
const char* const FlowOpNames[7] = {"開始", "終了", "一時停止", "再開", "削除", "永久停止", ""};
const char* const FlowOpTargetNames[4] = {"このフロー", "このフロー以外全て", "IDで指定", ""};
const char* const SelfTargetNames[3] = {"自分", "ターゲット", ""};
const char* const OwnerNames[4] = {"自分", "ターゲット", "システム", ""};
const char* const StatusOrVarNames[3] = {"ステータス", "変数", ""};
const char* const ValueSourceNames[5] = {"定数", "乱数", "ステータス", "変数", ""};
const char* const VarScopeNames[3] = {"コモン変数", "ステージ変数", ""};
const char* const CalcModeNames[4] = {"通常の計算", "最大値に対する％で指定", "現在値に対する％で指定", ""};
const char* const OnOnlyNames[2] = {"ON", ""};
const char* const StageClearNames[4] = {"次のステージへ", "番号で指定", "ワールドクリア", ""};
const char* const MessagePosNames[10] = {
    "画面中央に表示", "自分の上に表示", "自分の下に表示", "自分の中心に表示", "主人公の上に表示",
    "主人公の下に表示", "主人公の中心に表示", "画面座標で指定", "ステージ座標で指定", "",
};
const char* const MessageTimeNames[4] = {"進行キーが押されるまで表示", "ステージ終了まで表示", "時間で指定", ""};
const char* const TargetNames[5] = {"主人公", "自分", "最も近いキャラ", "キャラ(キャラIDで指定)", ""};
const char* const TargetRangeNames[4] = {"全範囲（画面内のキャラ優先）", "全範囲", "画面内のみ", ""};
const char* const PaletteNames[3] = {"コモンパレット", "ステージパレット", ""};
const char* const CommonPaletteOnlyNames[2] = {"コモンパレット", ""};
const char* const PicturePosNames[6] = {"画面中央に表示", "キャラの中心に表示", "主人公の中心に表示",
                                        "画面座標で指定", "ステージ座標で指定", ""};
const char* const PictureTimeNames[4] = {"進行キーが押されるまで表示", "ステージ終了まで表示", "時間で指定", ""};
const char* const ShowHideNames[4] = {"表示", "非表示", "反転(表示⇔非表示)", ""};
const char* const FlowChangeNames[4] = {"追加", "変更", "削除", ""};
const char* const FlowDeleteIdNames[28] = {"全て削除", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                                           "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z", ""};
const char* const StatusOperatorNames[8] = {"＝", "＋", "－", "×", "÷", "÷ X の余り", "X ％", ""};

const char* const ConditionKindNames[7] = {"", "コモン変数条件", "ステージ変数条件", "キャラ変数条件",
                                           "ステータス条件", "距離条件", ""};
const char* const CompareNames[7] = {"である", "でない", "以上", "以下", "より上", "より下", ""};
const char* const DistanceCompareNames[3] = {"以内", "外", ""};
const char* const DistanceAxisNames[8] = {"横", "前", "後", "縦", "前Y", "後Y", "円", ""};
const char* const CharaVarNames[9] = {"1 キャラ変数-1", "2 キャラ変数-2", "3 キャラ変数-3", "4 キャラ変数-4",
                                      "5 キャラ変数-5", "6 キャラ変数-6", "7 キャラ変数-7", "8 キャラ変数-8", ""};

const cStatusDesc StatusDescs[kStatusDescs] = {
    {"キャラ変数", -999999, 999999, -999999, 999999, 0, 0, 1},
    {"HP", 0, 999999, -999999, 999999, 0, 1, 1},
    {"SP", 0, 999999, -999999, 999999, 0, 1, 1},
    {"最大HP", 0, 999999, -999999, 999999, 0, 0, 1},
    {"最大SP", 0, 999999, -999999, 999999, 0, 0, 1},
    {"Z座標", 0, 8, -8, 8, 0, 0, 0},
    // The lower bound is -121, not -119: kept as the game reads it.
    {"マーク番号", 0, 119, -121, 119, 0, 0, 0},
    {"視界範囲(hbl)", 0, 40, -40, 40, 0, 0, 1},
    {"体当たりの威力", -999999, 999999, -999999, 999999, 0, 0, 1},
    {"体当たりの衝撃", -20, 20, -20, 20, 0, 0, 1},
    {"衝撃耐性", 0, 20, -20, 20, 0, 0, 1},
    {"止まりやすさ", 0, 200, -200, 200, 0, 0, 1},
    {"獲得スコア", -999999, 999999, -999999, 999999, 0, 0, 1},
};

const cStatusDesc SystemValueDescs[kSystemValueDescs] = {
    {"時間", 0, 999, -999, 999, 0, 0, 1},
    {"横スクロール速度", -480, 480, -480, 480, 0, 0, 1},
    {"縦スクロール速度", -480, 480, -480, 480, 0, 0, 1},
    {"スコア", 0, 999999, -999999, 999999, 0, 0, 1},
    {"残り人数", 0, 99, -99, 99, 0, 0, 1},
};

namespace {
const char* const kOffOn[] = {"OFF", "ON", ""};
const char* const kFlying[] = {"OFF", "ON (ブロックをすり抜ける)", "ON (ブロックに当たる)", "ON (ブロックに当たると即死)", ""};
const char* const kInvincible[] = {"OFF", "ON (ショットが当たる)", "ON (ショットがすり抜ける)", ""};
const char* const kScale[] = {"しない", "×4", "×9", "×16", "×25", "×36", "×49", "×64", "×81", "×100", ""};
const char* const kScroll[] = {"主人公の位置に合わせてスクロール", "オートスクロール", ""};
}  // namespace

const cFlagDesc StatusFlagDescs[kStatusFlagDescs] = {
    {"消滅", 0, 0, OnOnlyNames, 0},
    {"透明", 0, 1, kOffOn, 0},
    {"向き固定", 0, 1, kOffOn, 0},
    {"飛行", 0, 3, kFlying, 0},
    {"無敵", 0, 2, kInvincible, 0},
    {"巨大化", 1, 10, kScale, 1},
};

const cFlagDesc ScrollFlagDescs[kScrollFlagDescs] = {
    {"横スクロール", 0, 1, kScroll, 0},
    {"縦スクロール", 0, 1, kScroll, 0},
};
