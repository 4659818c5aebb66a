#include "data/ElementNames.h"

const char* const OffOnNames[3] = {"OFF", "ON", ""};
const char* const StageCommonNames[3] = {"ステージパレット", "コモンパレット", ""};
const char* const InheritSrcNames[4] = {"継承しない", "コモンパレット", "ステージパレット", ""};
const char* const InheritCommonNames[3] = {"継承しない", "コモンパレット", ""};
const char* const InheritStageNames[3] = {"継承しない", "ステージパレット", ""};
const char* const InheritNoneNames[2] = {"継承しない", ""};
const char* const GraphicSrcNames[6] = {"ブロック", "キャラ", "アイテム", "ショット", "専用bmp", ""};
const char* const MarkModeNames[4] = {"表示しない", "表示する", "エディターでのみ表示", ""};
const char* const BlockTypeNames[4] = {"当たらない", "当たる", "主人公が当たると即死", ""};
const char* const ForceNames[10] = {"なし", "0", "1", "2", "3", "4", "5", "6", "7", ""};
const char* const BlockActionNames[7] = {"なし", "ジャンプ X=高さ(hbl)", "ジャンプ禁止", "移動速度変更 X=％",
                                         "左移動 X=移動速度", "右移動 X=移動速度", ""};
const char* const ItemSrcNames[4] = {"なし", "コモンパレット", "ステージパレット", ""};
const char* const ItemSrcCommonNames[3] = {"なし", "コモンパレット", ""};
const char* const TakeModeNames[4] = {"1回だけ取れる", "何回でも取れる", "取れない", ""};
const char* const ScaleNames[11] = {"しない", "×4", "×9", "×16", "×25", "×36", "×49", "×64", "×81", "×100", ""};
