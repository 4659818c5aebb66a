#include "data/MoveShotTables.h"

const char* const MoveDirModeNames[3] = {"方向で指定", "目標座標で指定", ""};
const char* const WarpModeNames[4] = {"方向と距離で指定", "ターゲットからの方向と距離で指定", "目標座標で指定", ""};
const char* const MoveDirNames[14] = {"前", "後", "左", "右", "前Y", "後Y", "上",
                                      "下", "左上", "左下", "右上", "右下", "入力方向", ""};
const char* const TargetCoordNames[5] = {"配置位置からの相対座標", "相対座標", "絶対座標", "画面座標", ""};
const char* const CoordNames[4] = {"相対座標", "絶対座標", "画面座標", ""};
const char* const RotationNames[5] = {"右回り", "左回り", "左向きなら右回り、右向きなら左回り",
                                      "左向きなら左回り、右向きなら右回り", ""};
const char* const TurnNames[7] = {"左を向く", "右を向く", "ターゲットがいる方を向く", "ターゲットがいる方の逆を向く",
                                  "最後にブロックが当たった方を向く", "最後にブロックが当たった方の逆を向く", ""};
const char* const MoveSpeedModeNames[4] = {"時間と速度を指定", "時間と距離を指定", "速度と距離を指定", ""};
const char* const CircleSpeedModeNames[3] = {"時間を指定", "速度を指定", ""};
const char* const JumpTypeNames[4] = {"高さがキーで調節できない", "高さがキーで調節できる(主人公のみ有効)",
                                      "慣性移動速度に応じて高さを決定(主人公のみ有効)", ""};
const char* const BlockSummonNames[4] = {"ブロックを召喚", "ブロックを消す", "ブロックがなければ召喚、ブロックがあれば消す", ""};
const char* const SummonForceNames[4] = {"パレットの設定に準ずる", "使用者と同じ", "番号で指定", ""};

const char* const ShotFormationNames[kShotFormations + 1] = {"直進A", "直進B", "拡散", "落雷", "爆発", "包囲", ""};
const char* const ShotTrajectoryNames[kShotTrajectories + 1] = {
    "直進", "主人公を狙う", "近いキャラを狙う", "ターゲットを狙う", "主人公へ誘導",
    "近いキャラへ誘導（対象死亡時、誘導を無効化）", "ターゲットへ誘導", "近いキャラへ誘導（対象死亡時、対象を変更）",
    "ウェーブ", "落下", "",
};

namespace {
constexpr cParamDesc kUnused = {"", 0, 0, 0};
constexpr cParamDesc kInterval = {"間隔(hbl)", 0, 40, 0};
constexpr cParamDesc kCourse = {"軌道変更(hbl)", 0, 40, 0};
constexpr cParamDesc kForce = {"対象勢力", 0, 7, 0};
constexpr cParamDesc kHomingStart = {"誘導開始(hbl)", 0, 40, 0};
constexpr cParamDesc kHomingEnd = {"誘導終了(hbl)", 0, 999, 999};
}  // namespace

const cParamDesc ShotFormationParams[kShotFormations][kShotParams] = {
    {kInterval, kUnused, kUnused},
    {kInterval, kUnused, kUnused},
    {{"角度", 0, 180, 30}, kUnused, kUnused},
    {kInterval, {"列の数", 1, 50, 1}, {"列の間隔(hbl)", 0, 40, 0}},
    {kUnused, kUnused, kUnused},
    {{"距離(hbl)", 0, 40, 6}, kUnused, kUnused},
};

const cParamDesc ShotTrajectoryParams[kShotTrajectories][kShotParams] = {
    {kUnused, kUnused, kUnused},
    {kCourse, kUnused, kUnused},
    {kCourse, kForce, kUnused},
    {kCourse, kUnused, kUnused},
    {kHomingStart, kHomingEnd, kUnused},
    {kHomingStart, kHomingEnd, kForce},
    {kHomingStart, kHomingEnd, kUnused},
    {kHomingStart, kHomingEnd, kForce},
    {{"波の最大(hbl)", 0, 100, 4}, {"波の速度", 0, 100, 4}, {"開始角度", 0, 359, 0}},
    {kCourse, kUnused, kUnused},
};
