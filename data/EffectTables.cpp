#include "data/EffectTables.h"

namespace {

constexpr cParamDesc kUnused = {"", 0, 0, 0};
constexpr cParamDesc Time(int16_t def) { return {"実行時間(1/10s)", 1, 9999, def}; }
constexpr cParamDesc Start(int16_t max, int16_t def) { return {"開始位置(dot)", 0, max, def}; }
constexpr cParamDesc End(int16_t max, int16_t def) { return {"終了位置(dot)", 0, max, def}; }
constexpr cParamDesc Blink(int16_t def) { return {"点滅間隔(1/60s)", 1, 9999, def}; }
constexpr cParamDesc kStartAngle = {"開始角度", 0, 9999, 0};
constexpr cParamDesc kEndAngle = {"終了角度", 0, 9999, 1440};

}  // namespace

const char* const CharaEffectTypeNames[kCharaEffectTypes] = {
    "破裂", "分割（横）", "分割（縦）", "波（横）", "波（縦）", "点滅",
    "回転A（キャラ巨大化時は実行速度重視）", "回転B（キャラ巨大化時は描画精度重視）", "回転（奥）", "円", "拡大", "レンズ",
    "色変化 ※16bit色だと遅い", "半透明 ※16bit色だと遅い", "モザイク ※16bit色だと遅い", "ぼかし ※16bit色専用", "",
};

const cParamDesc CharaEffectParamTable[kCharaEffectTypes][kEffectParams] = {
    {kUnused, kUnused, kUnused, kUnused, kUnused},
    {Time(5), Start(999, 0), End(999, 32), kUnused, kUnused},
    {Time(5), Start(999, 0), End(999, 32), {"分割数", 2, 16, 4}, kUnused},
    {Time(5), Start(999, 0), End(999, 32), {"分割数", 2, 16, 4}, kUnused},
    {Time(5), Start(999, 0), End(999, 32), {"波の数", 2, 16, 4}, kUnused},
    {Time(5), Start(999, 0), End(999, 32), {"波の数", 2, 16, 4}, kUnused},
    {Time(10), Blink(2), kUnused, kUnused, kUnused},
    {Time(10), kStartAngle, kEndAngle, kUnused, kUnused},
    {Time(10), kStartAngle, kEndAngle, kUnused, kUnused},
    {Time(10), Start(9999, 0), End(9999, 256), kUnused, kUnused},
    {Time(5), Start(32, 32), End(32, 0), kUnused, kUnused},
    {Time(10), Start(320, 32), End(320, 64), kUnused, kUnused},
    {Time(10), {"開始", 0, 100, 100}, {"終了", 0, 100, 5}, {"ズレX(dot)", -16, 16, 0}, {"ズレY(dot)", -16, 16, 0}},
    {Time(10), {"開始", 1, 4, 1}, {"終了", 1, 4, 1}, {"色", 16, 207, 16}, kUnused},
    {Time(10), Blink(9999), kUnused, kUnused, kUnused},
    {Time(10), {"開始", 1, 16, 1}, {"終了", 1, 16, 8}, kUnused, kUnused},
    {Time(10), {"開始", 1, 1, 1}, {"終了", 1, 4, 4}, kUnused, kUnused},
};

const char* const ScrEffectTypeNames[kScrEffectTypes] = {
    "移動", "振動（横）", "振動（縦）", "分割（横）", "分割（縦）", "波（横）", "波（縦）",
    "点滅", "回転", "円", "拡大", "レンズ", "モザイク ※16bit色だと遅い", "",
};

const cParamDesc ScrEffectParamTable[kScrEffectTypes][kEffectParams] = {
    {kUnused, kUnused, kUnused, kUnused, kUnused},
    {Time(10), {"開始座標X(dot)", -640, 640, 0}, {"開始座標Y(dot)", -480, 480, 0}, {"終了座標X(dot)", -640, 640, 640},
     {"終了座標Y(dot)", -480, 480, 0}},
    {Time(10), {"振動幅", 1, 640, 4}, {"振動回数", 1, 9999, 4}, kUnused, kUnused},
    {Time(10), {"振動幅", 1, 480, 4}, {"振動回数", 1, 9999, 4}, kUnused, kUnused},
    {Time(10), Start(640, 0), End(640, 640), {"分割数", 2, 240, 15}, kUnused},
    {Time(10), Start(480, 0), End(480, 480), {"分割数", 2, 320, 20}, kUnused},
    {Time(10), Start(640, 0), End(640, 640), {"波の数", 2, 240, 15}, kUnused},
    {Time(10), Start(480, 0), End(480, 480), {"波の数", 2, 320, 20}, kUnused},
    {Time(10), Blink(10), kUnused, kUnused, kUnused},
    {Time(10), kStartAngle, kEndAngle, kUnused, kUnused},
    {Time(10), Start(640, 640), End(640, 0), kUnused, kUnused},
    {Time(10), Start(6400, 640), End(6400, 1280), kUnused, kUnused},
    {Time(10), {"開始", 0, 1500, 1500}, {"終了", 0, 1500, 5}, {"ズレX(dot)", -320, 320, 0}, {"ズレY(dot)", -240, 240, 0}},
    {Time(10), {"開始", 1, 240, 1}, {"終了", 1, 240, 60}, kUnused, kUnused},
};

const char* const SwordDirectionNames[5] = {"前", "後", "上", "下", ""};
