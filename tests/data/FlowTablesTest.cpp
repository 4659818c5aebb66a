#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "data/FlowTables.h"
#include "data/MoveShotTables.h"

namespace {

struct cNameTable {
    const char* what;
    const char* const* names;
    size_t size;  // with the empty end row
};

#define NAME_TABLE(t) {#t, t, sizeof(t) / sizeof(t[0])}

}  // namespace

// A table declared one row longer than its names would end in a null pointer, not the empty
// string the combo boxes stop at.
TEST(FlowTables, NameTablesEndWithOneEmptyName) {
    const cNameTable tables[] = {
        NAME_TABLE(FlowTriggerNames), NAME_TABLE(FlowIdNames), NAME_TABLE(FlowGroupNames),
        NAME_TABLE(CondJudgeNames), NAME_TABLE(KeyJudgeNames), NAME_TABLE(KeyStateNames),
        NAME_TABLE(FlowOpNames), NAME_TABLE(FlowOpTargetNames), NAME_TABLE(SelfTargetNames),
        NAME_TABLE(OwnerNames), NAME_TABLE(StatusOrVarNames), NAME_TABLE(ValueSourceNames),
        NAME_TABLE(VarScopeNames), NAME_TABLE(CalcModeNames), NAME_TABLE(OnOnlyNames),
        NAME_TABLE(StageClearNames), NAME_TABLE(MessagePosNames), NAME_TABLE(MessageTimeNames),
        NAME_TABLE(TargetNames), NAME_TABLE(TargetRangeNames), NAME_TABLE(PaletteNames),
        NAME_TABLE(CommonPaletteOnlyNames), NAME_TABLE(PicturePosNames), NAME_TABLE(PictureTimeNames),
        NAME_TABLE(ShowHideNames), NAME_TABLE(FlowChangeNames), NAME_TABLE(FlowDeleteIdNames),
        NAME_TABLE(StatusOperatorNames), NAME_TABLE(ConditionKindNames), NAME_TABLE(CompareNames),
        NAME_TABLE(DistanceCompareNames), NAME_TABLE(DistanceAxisNames), NAME_TABLE(CharaVarNames),
        NAME_TABLE(MoveDirModeNames), NAME_TABLE(WarpModeNames), NAME_TABLE(MoveDirNames),
        NAME_TABLE(TargetCoordNames), NAME_TABLE(CoordNames), NAME_TABLE(RotationNames),
        NAME_TABLE(TurnNames), NAME_TABLE(MoveSpeedModeNames), NAME_TABLE(CircleSpeedModeNames),
        NAME_TABLE(JumpTypeNames), NAME_TABLE(BlockSummonNames), NAME_TABLE(SummonForceNames),
        NAME_TABLE(ShotFormationNames), NAME_TABLE(ShotTrajectoryNames),
    };
    for (const cNameTable& t : tables) {
        SCOPED_TRACE(t.what);
        // Row 0 of the condition kinds is the empty name of kind 0.
        size_t first = t.names == ConditionKindNames ? 1 : 0;
        for (size_t i = first; i + 1 < t.size; ++i) {
            ASSERT_NE(nullptr, t.names[i]) << i;
            EXPECT_NE(0u, strlen(t.names[i])) << i;
        }
        ASSERT_NE(nullptr, t.names[t.size - 1]);
        EXPECT_STREQ("", t.names[t.size - 1]);
    }
}

TEST(FlowTables, FlagOptionsNameEveryValueFromTheMinimumUp) {
    for (const cFlagDesc* flags : {StatusFlagDescs, ScrollFlagDescs}) {
        int rows = flags == StatusFlagDescs ? kStatusFlagDescs : kScrollFlagDescs;
        for (int r = 0; r < rows; ++r) {
            const cFlagDesc& f = flags[r];
            SCOPED_TRACE(f.m_Name);
            int count = 0;
            while (f.m_Options[count][0]) ++count;
            EXPECT_EQ(f.m_Max - f.m_Min + 1, count);
            EXPECT_TRUE(f.m_Default >= f.m_Min && f.m_Default <= f.m_Max);
        }
    }
}

TEST(FlowTables, ItemCommandsTwoAndUpAreTheCharacterCommandsFromSeventeen) {
    for (int k = 2; k < kItemCommandTypes; ++k) {
        EXPECT_STREQ(CharaCommandTypes[k + kItemToCharaCommand].m_Name, ItemCommandTypes[k].m_Name) << k;
        EXPECT_EQ(CharaCommandTypes[k + kItemToCharaCommand].m_Value, ItemCommandTypes[k].m_Value) << k;
    }
    EXPECT_EQ(kCharaCommandTypes, kItemCommandTypes + kItemToCharaCommand);
}

// The stored command type is the row, and the game runs the row's command with the row's count
// of parameters: both programs' files depend on every row.
TEST(FlowTables, CommandTypesHoldTheirNamesAndParameterCountsRowByRow) {
    const cOptionEntry chara[kCharaCommandTypes] = {
        {"", 0},                       {"ウエイト", 0},           {"直線移動", 0},
        {"地上折り返し移動", 0},       {"円移動", 0},             {"突撃移動", 0},
        {"誘導移動", 0},               {"画面外回避移動", 0},     {"移動の無効化", 0},
        {"向き変更", 1},               {"ジャンプ", 5},           {"ショット", 0},
        {"ソード", 0},                 {"ブロック召喚", 0},       {"キャラ召喚", 0},
        {"アイテム召喚", 0},           {"フローの操作", 3},       {"ステージクリア", 5},
        {"ゲームウエイト", 1},         {"メッセージ", 9},         {"ワープ", 0},
        {"ターゲットの設定", 9},       {"ステータスの操作", 18},  {"ステータスの操作2", 3},
        {"アイテムの取得", 2},         {"グラフィックの変更", 3}, {"基本アニメセットの変更", 1},
        {"アニメの実行", 1},           {"エフェクトの実行", 8},   {"キャラエフェクトの実行", 2},
        {"画面エフェクトの実行", 2},   {"ピクチャーの表示", 10},  {"画面の色を変更", 8},
        {"背景の変更", 2},             {"効果音の再生", 1},       {"BGMの再生", 1},
        {"コードの実行", 0},
    };
    for (int k = 0; k < kCharaCommandTypes; ++k) {
        EXPECT_STREQ(chara[k].m_Name, CharaCommandTypes[k].m_Name) << k;
        EXPECT_EQ(chara[k].m_Value, CharaCommandTypes[k].m_Value) << k;
    }
    EXPECT_STREQ("", ItemCommandTypes[0].m_Name);
    EXPECT_EQ(0, ItemCommandTypes[0].m_Value);
    EXPECT_STREQ("フローの変更", ItemCommandTypes[1].m_Name);
    EXPECT_EQ(2, ItemCommandTypes[1].m_Value);
    EXPECT_STREQ("コードの実行", ItemCommandTypes[kItemCommandTypes - 1].m_Name);
}

// The option names, row by row: a value is stored as its row.
TEST(FlowTables, OptionTablesHoldTheirNamesRowByRow) {
    struct cExpected {
        const char* what;
        const char* const* names;
        size_t size;
        std::vector<std::string> rows;  // without the empty end row
    };
#define ROWS(t) #t, t, sizeof(t) / sizeof(t[0])
    const cExpected tables[] = {
        {ROWS(FlowTriggerNames),
         {"常時", "ダメージを受けた時", "衝撃を受けた時", "死亡した時", "キャラに当たった時", "ショットに当たった時",
          "アイテムに当たった時", "ブロックに当たった時", "自分の左右にブロックが当たった時",
          "自分の左にブロックが当たった時", "自分の右にブロックが当たった時", "自分の上下にブロックが当たった時",
          "自分の上にブロックが当たった時", "自分の下にブロックが当たった時", "主人公が乗っている時",
          "キャラが乗っている時", "ステージ開始前", "なし（フローの操作コマンドで実行）"}},
        {ROWS(CondJudgeNames), {"全ての条件が真なら成立", "1つ以上の条件が真なら成立"}},
        {ROWS(KeyJudgeNames), {"全てのキーが真なら成立", "1つ以上のキーが真なら成立", "1つだけキーが真なら成立"}},
        {ROWS(KeyStateNames), {"--", "押", "離"}},
        {ROWS(FlowOpNames), {"開始", "終了", "一時停止", "再開", "削除", "永久停止"}},
        {ROWS(FlowOpTargetNames), {"このフロー", "このフロー以外全て", "IDで指定"}},
        {ROWS(SelfTargetNames), {"自分", "ターゲット"}},
        {ROWS(OwnerNames), {"自分", "ターゲット", "システム"}},
        {ROWS(StatusOrVarNames), {"ステータス", "変数"}},
        {ROWS(ValueSourceNames), {"定数", "乱数", "ステータス", "変数"}},
        {ROWS(VarScopeNames), {"コモン変数", "ステージ変数"}},
        {ROWS(CalcModeNames), {"通常の計算", "最大値に対する％で指定", "現在値に対する％で指定"}},
        {ROWS(OnOnlyNames), {"ON"}},
        {ROWS(StageClearNames), {"次のステージへ", "番号で指定", "ワールドクリア"}},
        {ROWS(MessagePosNames),
         {"画面中央に表示", "自分の上に表示", "自分の下に表示", "自分の中心に表示", "主人公の上に表示",
          "主人公の下に表示", "主人公の中心に表示", "画面座標で指定", "ステージ座標で指定"}},
        {ROWS(MessageTimeNames), {"進行キーが押されるまで表示", "ステージ終了まで表示", "時間で指定"}},
        {ROWS(TargetNames), {"主人公", "自分", "最も近いキャラ", "キャラ(キャラIDで指定)"}},
        {ROWS(TargetRangeNames), {"全範囲（画面内のキャラ優先）", "全範囲", "画面内のみ"}},
        {ROWS(PaletteNames), {"コモンパレット", "ステージパレット"}},
        {ROWS(CommonPaletteOnlyNames), {"コモンパレット"}},
        {ROWS(PicturePosNames),
         {"画面中央に表示", "キャラの中心に表示", "主人公の中心に表示", "画面座標で指定", "ステージ座標で指定"}},
        {ROWS(PictureTimeNames), {"進行キーが押されるまで表示", "ステージ終了まで表示", "時間で指定"}},
        {ROWS(ShowHideNames), {"表示", "非表示", "反転(表示⇔非表示)"}},
        {ROWS(ConditionKindNames), {"", "コモン変数条件", "ステージ変数条件", "キャラ変数条件", "ステータス条件", "距離条件"}},
        {ROWS(CompareNames), {"である", "でない", "以上", "以下", "より上", "より下"}},
        {ROWS(DistanceCompareNames), {"以内", "外"}},
        {ROWS(DistanceAxisNames), {"横", "前", "後", "縦", "前Y", "後Y", "円"}},
    };
#undef ROWS
    for (const cExpected& t : tables) {
        SCOPED_TRACE(t.what);
        ASSERT_EQ(t.rows.size() + 1, t.size);
        for (size_t i = 0; i < t.rows.size(); ++i) EXPECT_EQ(t.rows[i], t.names[i]) << i;
    }
    // The flow IDs and groups: "-", then the letters.
    for (int i = 1; i <= 26; ++i) {
        EXPECT_EQ(std::string(1, static_cast<char>('A' + i - 1)), FlowIdNames[i]) << i;
        EXPECT_EQ(std::string(1, static_cast<char>('a' + i - 1)), FlowGroupNames[i]) << i;
    }
    EXPECT_STREQ("-", FlowIdNames[0]);
    EXPECT_STREQ("-", FlowGroupNames[0]);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(std::to_string(i + 1) + " キャラ変数-" + std::to_string(i + 1), CharaVarNames[i]);
}
