// The shot, sword and summon dialogs: every control writes exactly its field at OK and nothing at
// Cancel or the close box; formations and movement types bring their captions, ranges and
// defaults; the item and element lists follow their palettes; the graphic preview.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "data/CommonPalette.h"
#include "data/FlowTables.h"
#include "data/ProjectDatabase.h"
#include "data/Stage.h"
#include "editor/flow/CmdRowText.h"
#include "editor/flow/CmdSummonDlgs.h"
#include "editor/flow/FlowCmdIds.h"
#include "editor/shell/StageDoc.h"
#include "editor/shell/SystemBitmaps.h"
#include "tests/flow/CmdDlgFixture.h"
#include "tests/support/RestoreOnExit.h"

namespace {

template <class T>
std::function<void(cFlowCmd&)> S(T cEdShot::*field, T value) {
    return [=](cFlowCmd& cmd) { (*cmd.m_Shot).*field = value; };
}
std::function<void(cFlowCmd&)> SToggle(uint8_t cEdShot::*field) {
    return [=](cFlowCmd& cmd) { (*cmd.m_Shot).*field = !((*cmd.m_Shot).*field); };
}
std::function<void(cFlowCmd&)> FormParam(int slot, int16_t value) {
    return [=](cFlowCmd& cmd) { cmd.m_Shot->m_FormParam[slot] = value; };
}
// A choice (formation or movement type) with the three parameters it brings.
std::function<void(cFlowCmd&)> Choice(uint8_t cEdShot::*field, int16_t (cEdShot::*params)[3], uint8_t choice,
                                      int16_t a, int16_t b, int16_t c) {
    return [=](cFlowCmd& cmd) {
        cEdShot& s = *cmd.m_Shot;
        s.*field = choice;
        const int16_t values[3] = {a, b, c};
        for (int i = 0; i < 3; ++i) (s.*params)[i] = values[i];
    };
}
std::function<void(cFlowCmd&)> FormParams(uint8_t formation, int16_t a, int16_t b, int16_t c) {
    return Choice(&cEdShot::m_Formation, &cEdShot::m_FormParam, formation, a, b, c);
}
std::function<void(cFlowCmd&)> MoveParams(uint8_t type, int16_t a, int16_t b, int16_t c) {
    return Choice(&cEdShot::m_MoveType, &cEdShot::m_MoveParam, type, a, b, c);
}

std::vector<cFieldRow> ShotTimeRows() {
    return {
        {Type(IDC_CMD_TIME, "25"), C<uint16_t>(&cFlowCmd::m_Time, 25)},
        {Type(IDC_CMD_TIME_K, "-3"), C<int16_t>(&cFlowCmd::m_CloneTime, -3)},
        {Click(IDC_CMD_PARALLEL), CToggle(&cFlowCmd::m_Parallel)},
    };
}
std::vector<cFieldRow> AnimeSoundRows() {
    return {
        {Choose(IDC_CMD_ANIME, 0), C<uint16_t>(&cFlowCmd::m_Anime, 0)},
        {Choose(IDC_CMD_SOUND, 0), C<uint16_t>(&cFlowCmd::m_Sound, 0)},
        {Click(IDC_CMD_SKIP_OFFSCREEN), CToggle(&cFlowCmd::m_SoundOnScreen)},
    };
}
std::vector<cFieldRow> AttackRows() {
    return {
        {Type(IDC_SHOT_SIDE, "5"), S<uint8_t>(&cEdShot::m_Force, 5)},
        {Type(IDC_SHOT_SIDE, "8"), S<uint8_t>(&cEdShot::m_Force, 7)},
        {Click(IDC_SHOT_SAME_SIDE), SToggle(&cEdShot::m_SameForce)},
        {Choose(IDC_SHOT_GIANT, 9), S<uint8_t>(&cEdShot::m_Scale, 10)},
        {Type(IDC_SHOT_POWER, "-999999"), S<int32_t>(&cEdShot::m_Power, -999999)},
        {Type(IDC_SHOT_POWER, "1000000"), S<int32_t>(&cEdShot::m_Power, 999999)},
        {Type(IDC_SHOT_IMPACT, "-20"), S<int8_t>(&cEdShot::m_Impact, -20)},
        {Type(IDC_SHOT_IMPACT, "30"), S<int8_t>(&cEdShot::m_Impact, 20)},
        {Choose(IDC_SHOT_EFFECT, 0), S<int16_t>(&cEdShot::m_Effect, 0)},
        {Choose(IDC_SHOT_ITEM_SOURCE, 2), S<uint8_t>(&cEdShot::m_ItemPalette, 2)},
        {Click(IDC_SHOT_TRANSPARENT), SToggle(&cEdShot::m_Transparent)},
        {Type(IDC_SHOT_Z, "7"), S<uint8_t>(&cEdShot::m_Z, 7)},
        {Type(IDC_SHOT_Z, "9"), S<uint8_t>(&cEdShot::m_Z, 7)},
    };
}
std::vector<cFieldRow> SummonRows() {
    return {
        {Type(IDC_SHOT_OFFSET_X, "640"), S<int16_t>(&cEdShot::m_OffsetX, 640)},
        {Type(IDC_SHOT_OFFSET_Y, "-641"), S<int16_t>(&cEdShot::m_OffsetY, -640)},
        {Choose(IDC_SHOT_FORMATION, 3), FormParams(3, 0, 1, 0)},
        {Type(IDC_SHOT_FORM_PARAM1, "50"), FormParam(0, 40)},
        {Type(IDC_SHOT_COUNT, "127"), S<uint8_t>(&cEdShot::m_Count, 127)},
        {Click(IDC_SHOT_FLIP_X), SToggle(&cEdShot::m_FlipX)},
        {Click(IDC_SHOT_FLIP_Y), SToggle(&cEdShot::m_FlipY)},
        {Choose(IDC_SHOT_DIR, 12), S<uint8_t>(&cEdShot::m_Dir, 12)},
        {Choose(IDC_SUMMON_SOURCE, 1), S<uint8_t>(&cEdShot::m_SummonPalette, 1)},
        {Choose(IDC_SUMMON_ELEMENT, 2), S<int16_t>(&cEdShot::m_SummonIndex, 3)},
    };
}

class CmdShotDlgs : public CmdDlgTest {
protected:
    void SetUp() override {
        // Both palettes with a few named elements of each kind.
        cPalette& stage = ProjectStage().m_Palette;
        stage.m_Blocks.resize(4);
        stage.m_Charas.resize(4);
        stage.m_Items.resize(4);
        stage.m_Items[1].m_Name = "鍵";
        ProjectCommonPalette().m_Items[1].m_Name = "薬";
        StageDoc().m_EditSource = eSourceStagePalette;
    }

    cRestoreOnExit<cDatabase> m_Db{ProjectDatabase()};
    cRestoreOnExit<cCommonPalette> m_Common{ProjectCommonPalette()};
    cRestoreOnExit<cEdStage> m_Stage{ProjectStage()};
    cRestoreOnExit<int32_t> m_Source{StageDoc().m_EditSource};
};

TEST_F(CmdShotDlgs, ShotWritesEachField) {
    std::vector<cFieldRow> shot = {
        {Type(IDC_SHOT_GRAPHIC, "31"), S<int16_t>(&cEdShot::m_Graphic, 31)},
        {Type(IDC_SHOT_GRAPHIC, "121"), S<int16_t>(&cEdShot::m_Graphic, 120)},
        {Choose(IDC_SHOT_FORMATION, 2), FormParams(2, 30, 0, 0)},
        {Type(IDC_SHOT_FORM_PARAM1, "20"), FormParam(0, 20)},
        {Type(IDC_SHOT_COUNT, "0"), S<uint8_t>(&cEdShot::m_Count, 1)},
        {Type(IDC_SHOT_CLONES, "20"), S<uint8_t>(&cEdShot::m_Clones, 20)},
        {Choose(IDC_SHOT_DIR, 12), S<uint8_t>(&cEdShot::m_Dir, 12)},
        {Click(IDC_SHOT_AIM), SToggle(&cEdShot::m_AimTarget)},
        {Type(IDC_SHOT_ANGLE, "-7200"), S<int16_t>(&cEdShot::m_Angle, -7200)},
        {Type(IDC_SHOT_ANGLE_K, "5"), S<int16_t>(&cEdShot::m_AngleClone, 5)},
        {Type(IDC_SHOT_SPREAD, "200"), S<int16_t>(&cEdShot::m_Spread, 180)},
        {Click(IDC_SHOT_SHIFT_BY_ANGLE), SToggle(&cEdShot::m_PosByAngle)},
        {Type(IDC_SHOT_OFFSET_X, "640"), S<int16_t>(&cEdShot::m_OffsetX, 640)},
        {Type(IDC_SHOT_OFFSET_X_K, "-3"), S<int16_t>(&cEdShot::m_OffsetXClone, -3)},
        {Click(IDC_SHOT_FLIP_X), SToggle(&cEdShot::m_FlipX)},
        {Type(IDC_SHOT_OFFSET_Y, "-640"), S<int16_t>(&cEdShot::m_OffsetY, -640)},
        {Type(IDC_SHOT_OFFSET_Y_K, "4"), S<int16_t>(&cEdShot::m_OffsetYClone, 4)},
        {Click(IDC_SHOT_FLIP_Y), SToggle(&cEdShot::m_FlipY)},
        {Choose(IDC_SHOT_MOVE_TYPE, 8), MoveParams(8, 4, 4, 0)},
        {Choose(IDC_SHOT_MOVE_TYPE, 5), MoveParams(5, 0, 999, 0)},
        {Type(IDC_SHOT_SPEED, "-200"), S<int16_t>(&cEdShot::m_Speed, -200)},
        {Type(IDC_SHOT_SPEED_K, "9"), S<int16_t>(&cEdShot::m_SpeedClone, 9)},
        {Click(IDC_SHOT_USE_RANGE), SToggle(&cEdShot::m_UseRange)},
        {Type(IDC_SHOT_RANGE, "40"), S<int16_t>(&cEdShot::m_Range, 40)},
        {Type(IDC_SHOT_RANGE_K, "-40"), S<int16_t>(&cEdShot::m_RangeClone, -40)},
        {Click(IDC_SHOT_NO_VANISH_AT_END), SToggle(&cEdShot::m_NoVanishAtEnd)},
        {Click(IDC_SHOT_USE_LIFE), SToggle(&cEdShot::m_UseLife)},
        {Type(IDC_SHOT_LIFE, "999"), S<int16_t>(&cEdShot::m_Life, 999)},
        {Type(IDC_SHOT_LIFE_K, "-100"), S<int16_t>(&cEdShot::m_LifeClone, -99)},
        {Click(IDC_SHOT_VANISH_ON_SHOT), SToggle(&cEdShot::m_VanishOnShot)},
        {Type(IDC_SHOT_VANISH_VALUE, "9"), S<uint8_t>(&cEdShot::m_VanishValue, 9)},
        {Click(IDC_SHOT_THROUGH_BLOCKS), SToggle(&cEdShot::m_PierceBlock)},
        {Click(IDC_SHOT_THROUGH_CHARAS), SToggle(&cEdShot::m_PierceChara)},
    };
    CheckFamily<cCmdShotDlg>(11, IDD_CMD_SHOT, "ショット", Join({ShotTimeRows(), shot, AnimeSoundRows(), AttackRows()}));
}

TEST_F(CmdShotDlgs, SwordWritesEachField) {
    cDatabase& db = ProjectDatabase();
    db.m_SwordTypes.resize(3);
    db.m_SwordTypes[1].m_Positions.assign(2, cSwordPos());
    db.m_SwordTypes[1].m_Positions[0].m_Time = 12;
    db.m_SwordTypes[1].m_Positions[1].m_Time = 30;
    std::vector<cFieldRow> sword = {
        {Type(IDC_CMD_TIME, "25"), C<uint16_t>(&cFlowCmd::m_Time, 25)},
        {Click(IDC_CMD_PARALLEL), CToggle(&cFlowCmd::m_Parallel)},
        {Choose(IDC_SWORD_TYPE, 1),
         [](cFlowCmd& c) {
             c.m_Shot->m_MoveType = 1;
             c.m_Time = 42;
         }},
    };
    CheckFamily<cCmdSwordDlg>(12, IDD_CMD_SWORD, "ソード", Join({sword, AnimeSoundRows(), AttackRows()}));
}

TEST_F(CmdShotDlgs, SummonsWriteEachField) {
    std::vector<cFieldRow> block = {
        {Choose(IDC_SUMMON_KIND, 2), S<uint8_t>(&cEdShot::m_SummonType, 2)},
        {Click(IDC_SUMMON_FAIL_IF_BLOCKED), SToggle(&cEdShot::m_FailIfOccupied)},
    };
    CheckFamily<cCmdBlockSummonDlg>(13, IDD_CMD_BLOCK_SUMMON, "ブロック召喚",
                                    Join({ShotTimeRows(), SummonRows(), block, AnimeSoundRows()}));
    std::vector<cFieldRow> life = {
        {Click(IDC_SUMMON_USE_LIFE), SToggle(&cEdShot::m_UseRange)},
        {Type(IDC_SUMMON_LIFE, "9999"), S<int16_t>(&cEdShot::m_Range, 9999)},
    };
    std::vector<cFieldRow> chara = {
        {Choose(IDC_SUMMON_KIND, 2), S<uint8_t>(&cEdShot::m_SummonForce, 2)},
        {Type(IDC_SHOT_SIDE, "8"), S<uint8_t>(&cEdShot::m_Force, 7)},
        {Click(IDC_SUMMON_FLIP_DIR), SToggle(&cEdShot::m_FlipDir)},
        {Click(IDC_SUMMON_ZERO_SCORE), SToggle(&cEdShot::m_ZeroScore)},
    };
    CheckFamily<cCmdCharaSummonDlg>(14, IDD_CMD_CHARA_SUMMON, "キャラ召喚",
                                    Join({ShotTimeRows(), SummonRows(), life, chara, AnimeSoundRows()}));
    CheckFamily<cCmdItemSummonDlg>(15, IDD_CMD_ITEM_SUMMON, "アイテム召喚",
                                   Join({ShotTimeRows(), SummonRows(), life, AnimeSoundRows()}));
}

TEST_F(CmdShotDlgs, NewCommandsTakeTheirDefaults) {
    cFlowCmd shot = NewCmd(11);
    EXPECT_EQ(1, Run<cCmdShotDlg>(shot, 1, IDD_CMD_SHOT, "ショット", [](HWND d) { Press(d, IDC_CMD_OK); }));
    const cEdShot& s = *shot.m_Shot;
    EXPECT_EQ(1, shot.m_Time);
    EXPECT_EQ(1, shot.m_Anime);
    EXPECT_EQ(1, shot.m_Sound);
    EXPECT_EQ(20, s.m_Speed);
    EXPECT_EQ(1, s.m_Power);
    EXPECT_EQ(1, s.m_PierceBlock);
    EXPECT_EQ(3, s.m_Z);
    EXPECT_EQ(1, s.m_Effect);
    cFlowCmd sword = NewCmd(12);
    EXPECT_EQ(1, Run<cCmdSwordDlg>(sword, 1, IDD_CMD_SWORD, "ソード", [](HWND d) { Press(d, IDC_CMD_OK); }));
    EXPECT_EQ(1, sword.m_Shot->m_PierceBlock);
    EXPECT_EQ(1, sword.m_Shot->m_PierceChara);
    EXPECT_EQ(0, sword.m_Shot->m_VanishOnShot);
    EXPECT_EQ(10, sword.m_Shot->m_Power);
    EXPECT_EQ(std::max(1, SumDurations(ProjectDatabase(), 0)), sword.m_Time);
    struct cSummonCase {
        int type;
        uint8_t failIfBlocked, flipX, zeroScore, useLife;
    };
    for (cSummonCase c : {cSummonCase{13, 1, 1, 0, 0}, cSummonCase{14, 0, 1, 1, 1}, cSummonCase{15, 0, 1, 1, 1}}) {
        cFlowCmd cmd = NewCmd(c.type);
        auto ok = [c](HWND d) {
            if (c.type == 14) {
                EXPECT_TRUE(IsCheckedCtrl(d, IDC_SUMMON_USE_LIFE));
                EXPECT_TRUE(IsEnabledCtrl(d, IDC_SUMMON_LIFE));
            }
            Press(d, IDC_CMD_OK);
        };
        int result = c.type == 13   ? Run<cCmdBlockSummonDlg>(cmd, 1, IDD_CMD_BLOCK_SUMMON, "ブロック召喚", ok)
                     : c.type == 14 ? Run<cCmdCharaSummonDlg>(cmd, 1, IDD_CMD_CHARA_SUMMON, "キャラ召喚", ok)
                                    : Run<cCmdItemSummonDlg>(cmd, 1, IDD_CMD_ITEM_SUMMON, "アイテム召喚", ok);
        EXPECT_EQ(1, result);
        const cEdShot& m = *cmd.m_Shot;
        EXPECT_EQ(1, cmd.m_Time) << c.type;
        EXPECT_EQ(1, cmd.m_Anime) << c.type;
        EXPECT_EQ(1, cmd.m_Sound) << c.type;
        EXPECT_EQ(1, m.m_SummonIndex) << c.type;
        EXPECT_EQ(c.failIfBlocked, m.m_FailIfOccupied) << c.type;
        EXPECT_EQ(c.flipX, m.m_FlipX) << c.type;
        EXPECT_EQ(c.zeroScore, m.m_ZeroScore) << c.type;
        EXPECT_EQ(c.useLife, m.m_UseRange) << c.type;
    }
}

// Captions and ranges follow the movement type; opening keeps what is stored.
TEST_F(CmdShotDlgs, MovementTypeBringsItsParameters) {
    cFlowCmd cmd = NewCmd(11);
    cmd.m_Shot = cEdShot::Create();
    cmd.m_Shot->m_MoveType = 8;
    cmd.m_Shot->m_MoveParam[0] = 10;
    cmd.m_Shot->m_MoveParam[1] = 20;
    cmd.m_Shot->m_MoveParam[2] = 30;
    EXPECT_EQ(1, Run<cCmdShotDlg>(cmd, 0, IDD_CMD_SHOT, "ショット", [](HWND d) {
        EXPECT_EQ("波の最大(hbl)", WindowText(GetDlgItem(d, IDC_SHOT_MOVE_CAPTION1)));
        EXPECT_EQ("10", WindowText(GetDlgItem(d, IDC_SHOT_MOVE_PARAM1)));
        Press(d, IDC_CMD_OK);
    }));
    EXPECT_EQ(8, cmd.m_Shot->m_MoveType);
    EXPECT_EQ(10, cmd.m_Shot->m_MoveParam[0]);
    EXPECT_EQ(20, cmd.m_Shot->m_MoveParam[1]);
    EXPECT_EQ(30, cmd.m_Shot->m_MoveParam[2]);
    cmd.m_Shot->m_MoveType = 0;
    EXPECT_EQ(0, Run<cCmdShotDlg>(cmd, 0, IDD_CMD_SHOT, "ショット", [](HWND d) {
        const uint16_t edits[3] = {IDC_SHOT_MOVE_PARAM1, IDC_SHOT_MOVE_PARAM2, IDC_SHOT_MOVE_PARAM3};
        for (uint16_t id : edits) EXPECT_FALSE(IsEnabledCtrl(d, id)) << id;
        Act(d, Choose(IDC_SHOT_MOVE_TYPE, 8));
        const char* values[3] = {"4", "4", "0"};
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(IsEnabledCtrl(d, edits[i])) << i;
            EXPECT_EQ(values[i], WindowText(GetDlgItem(d, edits[i]))) << i;
        }
        EXPECT_EQ("開始角度", WindowText(GetDlgItem(d, IDC_SHOT_MOVE_CAPTION3)));
        Act(d, Type(IDC_SHOT_MOVE_PARAM1, "150"));
        Act(d, Type(IDC_SHOT_MOVE_PARAM3, "400"));
        EXPECT_EQ("100", WindowText(GetDlgItem(d, IDC_SHOT_MOVE_PARAM1)));
        EXPECT_EQ("359", WindowText(GetDlgItem(d, IDC_SHOT_MOVE_PARAM3)));
        Act(d, Choose(IDC_SHOT_MOVE_TYPE, 0));
        for (uint16_t id : edits) EXPECT_FALSE(IsEnabledCtrl(d, id)) << id;
        for (uint16_t id : {IDC_SHOT_MOVE_CAPTION1, IDC_SHOT_MOVE_CAPTION2, IDC_SHOT_MOVE_CAPTION3})
            EXPECT_EQ("", WindowText(GetDlgItem(d, id)));
        Press(d, IDC_CMD_CANCEL);
    }));
}

TEST_F(CmdShotDlgs, SideItemAndPaletteSourceRules) {
    cFlowCmd cmd = NewCmd(11);
    cmd.m_Shot = cEdShot::Create();
    cmd.m_Shot->m_Force = 5;
    cmd.m_Shot->m_SameForce = 0;
    EXPECT_EQ(1, Run<cCmdShotDlg>(cmd, 0, IDD_CMD_SHOT, "ショット", [](HWND d) {
        EXPECT_TRUE(IsEnabledCtrl(d, IDC_SHOT_SIDE));
        Act(d, Click(IDC_SHOT_SAME_SIDE));
        EXPECT_FALSE(IsEnabledCtrl(d, IDC_SHOT_SIDE));
        EXPECT_FALSE(IsEnabledCtrl(d, IDC_SHOT_ITEM));
        Act(d, Choose(IDC_SHOT_ITEM_SOURCE, 2));
        EXPECT_TRUE(IsEnabledCtrl(d, IDC_SHOT_ITEM));
        HWND items = GetDlgItem(d, IDC_SHOT_ITEM);
        EXPECT_EQ(3, SendMessageA(items, CB_GETCOUNT, 0, 0));
        char first[64] = "";
        SendMessageA(items, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
        EXPECT_STREQ("001 鍵", first);
        Act(d, Choose(IDC_SHOT_ITEM, 2));
        Press(d, IDC_CMD_OK);
    }));
    EXPECT_EQ(1, cmd.m_Shot->m_SameForce);
    EXPECT_EQ(5, cmd.m_Shot->m_Force);
    EXPECT_EQ(2, cmd.m_Shot->m_ItemPalette);
    EXPECT_EQ(3, cmd.m_Shot->m_ItemIndex);
    // While the common palette's element is edited only the common palette is offered.
    StageDoc().m_EditSource = eSourceCommonPalette;
    EXPECT_EQ(1, Run<cCmdShotDlg>(cmd, 0, IDD_CMD_SHOT, "ショット", [](HWND d) {
        EXPECT_EQ(2, SendDlgItemMessageA(d, IDC_SHOT_ITEM_SOURCE, CB_GETCOUNT, 0, 0));
        // The stored stage palette is not offered: nothing chosen, no item list.
        EXPECT_EQ(CB_ERR, SendDlgItemMessageA(d, IDC_SHOT_ITEM_SOURCE, CB_GETCURSEL, 0, 0));
        EXPECT_FALSE(IsEnabledCtrl(d, IDC_SHOT_ITEM));
        Press(d, IDC_CMD_OK);
    }));
    EXPECT_EQ(2, cmd.m_Shot->m_ItemPalette);
    EXPECT_EQ(3, cmd.m_Shot->m_ItemIndex);
    cFlowCmd summon = NewCmd(13);
    EXPECT_EQ(0, Run<cCmdBlockSummonDlg>(summon, 1, IDD_CMD_BLOCK_SUMMON, "ブロック召喚", [](HWND d) {
        EXPECT_EQ(1, SendDlgItemMessageA(d, IDC_SUMMON_SOURCE, CB_GETCOUNT, 0, 0));
        Press(d, IDC_CMD_CANCEL);
    }));
}

TEST_F(CmdShotDlgs, SwordTypeSetsTheTimeOnlyWhenItChanges) {
    cDatabase& db = ProjectDatabase();
    db.m_SwordTypes.resize(3);
    db.m_SwordTypes[2].m_Positions.assign(2, cSwordPos());
    db.m_SwordTypes[2].m_Positions[0].m_Time = 6000;
    db.m_SwordTypes[2].m_Positions[1].m_Time = 6000;
    cFlowCmd cmd = NewCmd(12);
    cmd.m_Shot = cEdShot::Create();
    cmd.m_Shot->m_MoveType = 2;
    cmd.m_Time = 15;
    EXPECT_EQ(1, Run<cCmdSwordDlg>(cmd, 0, IDD_CMD_SWORD, "ソード", [](HWND d) {
        EXPECT_EQ("15", WindowText(GetDlgItem(d, IDC_CMD_TIME)));
        Press(d, IDC_CMD_OK);
    }));
    EXPECT_EQ(15, cmd.m_Time);
    cmd.m_Shot->m_MoveType = 0;
    EXPECT_EQ(1, Run<cCmdSwordDlg>(cmd, 0, IDD_CMD_SWORD, "ソード", [](HWND d) {
        Act(d, Choose(IDC_SWORD_TYPE, 2));
        Press(d, IDC_CMD_OK);
    }));
    EXPECT_EQ(9999, cmd.m_Time);
}

TEST_F(CmdShotDlgs, SummonFormationAndBlockRemoval) {
    cFlowCmd cmd = NewCmd(13);
    cmd.m_Shot = cEdShot::Create();
    cmd.m_Shot->m_Formation = 3;
    cmd.m_Shot->m_FormParam[0] = 5;
    cmd.m_Shot->m_FormParam[1] = 7;
    cmd.m_Shot->m_FormParam[2] = 9;
    cmd.m_Shot->m_SummonPalette = 0;
    cmd.m_Shot->m_SummonIndex = 4;
    cmd.m_Shot->m_FailIfOccupied = 1;
    EXPECT_EQ(1, Run<cCmdBlockSummonDlg>(cmd, 0, IDD_CMD_BLOCK_SUMMON, "ブロック召喚", [](HWND d) {
        const char* captions[3] = {"間隔(hbl)", "列の数", "列の間隔(hbl)"};
        const char* values[3] = {"5", "7", "9"};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(captions[i], WindowText(GetDlgItem(d, IDC_SHOT_FORM_CAPTION1 + i)));
            EXPECT_EQ(values[i], WindowText(GetDlgItem(d, IDC_SHOT_FORM_PARAM1 + i)));
        }
        Act(d, Choose(IDC_SHOT_FORMATION, 2));
        EXPECT_EQ("角度", WindowText(GetDlgItem(d, IDC_SHOT_FORM_CAPTION1)));
        EXPECT_EQ("30", WindowText(GetDlgItem(d, IDC_SHOT_FORM_PARAM1)));
        EXPECT_FALSE(IsEnabledCtrl(d, IDC_SHOT_FORM_PARAM2));
        EXPECT_FALSE(IsEnabledCtrl(d, IDC_SHOT_FORM_PARAM3));
        Act(d, Choose(IDC_SUMMON_KIND, 1));
        for (uint16_t id : {IDC_SUMMON_SOURCE, IDC_SUMMON_ELEMENT, IDC_SUMMON_FAIL_IF_BLOCKED})
            EXPECT_FALSE(IsEnabledCtrl(d, id)) << id;
        Act(d, Choose(IDC_SUMMON_KIND, 0));
        for (uint16_t id : {IDC_SUMMON_SOURCE, IDC_SUMMON_ELEMENT, IDC_SUMMON_FAIL_IF_BLOCKED})
            EXPECT_TRUE(IsEnabledCtrl(d, id)) << id;
        EXPECT_EQ(3, SendDlgItemMessageA(d, IDC_SUMMON_ELEMENT, CB_GETCURSEL, 0, 0));
        EXPECT_TRUE(IsCheckedCtrl(d, IDC_SUMMON_FAIL_IF_BLOCKED));
        Press(d, IDC_CMD_OK);
    }));
    EXPECT_EQ(2, cmd.m_Shot->m_Formation);
    EXPECT_EQ(30, cmd.m_Shot->m_FormParam[0]);
    EXPECT_EQ(0, cmd.m_Shot->m_SummonType);
    EXPECT_EQ(4, cmd.m_Shot->m_SummonIndex);
    EXPECT_EQ(1, cmd.m_Shot->m_FailIfOccupied);
}

// The list line shows what the dialog wrote.
TEST_F(CmdShotDlgs, ListLineFollowsTheEdit) {
    cFlowCmd cmd = NewCmd(11);
    EXPECT_EQ(1, Run<cCmdShotDlg>(cmd, 1, IDD_CMD_SHOT, "ショット", [](HWND d) {
        Act(d, Choose(IDC_SHOT_FORMATION, 2));
        Act(d, Type(IDC_SHOT_COUNT, "3"));
        Act(d, Choose(IDC_SHOT_MOVE_TYPE, 8));
        Act(d, Type(IDC_SHOT_POWER, "12"));
        Press(d, IDC_CMD_OK);
    }));
    std::string text;
    CmdRowText(cmd, &text);
    EXPECT_EQ("1 ◆ ショット ◆ 拡散 数3(0) 前 速20 威12 ウェーブ", text);
    cFlowCmd summon = NewCmd(14);
    EXPECT_EQ(1, Run<cCmdCharaSummonDlg>(summon, 1, IDD_CMD_CHARA_SUMMON, "キャラ召喚", [](HWND d) {
        Act(d, Choose(IDC_SUMMON_ELEMENT, 2));
        Press(d, IDC_CMD_OK);
    }));
    CmdRowText(summon, &text);
    EXPECT_EQ("1 ◆ キャラ召喚 ◆ 「003 " + ProjectCommonPalette().m_Charas[3].m_Name + "」", text);
}

// Values from a file that the lists do not offer: nothing is chosen, what hangs on them is off,
// and OK keeps them.
TEST_F(CmdShotDlgs, ValuesOutsideTheListsAreKept) {
    cFlowCmd cmd = NewCmd(11);
    cmd.m_Shot = cEdShot::Create();
    cEdShot& s = *cmd.m_Shot;
    s.m_Formation = 9;
    s.m_FormParam[0] = 77;
    s.m_MoveType = 40;
    s.m_Scale = 0;
    s.m_ItemPalette = 7;
    s.m_ItemIndex = 300;
    s.m_Dir = 13;
    // In range, as the dialog writes them.
    s.m_Count = 1;
    s.m_VanishValue = 1;
    s.m_Life = 1;
    cmd.m_Time = 3;
    for (bool cancel : {false, true}) {
        ExpectOutsideValuesKept<cCmdShotDlg>(
            cmd, IDD_CMD_SHOT, "ショット",
            {IDC_SHOT_FORMATION, IDC_SHOT_MOVE_TYPE, IDC_SHOT_GIANT, IDC_SHOT_ITEM_SOURCE, IDC_SHOT_DIR},
            [](HWND d) {
                for (uint16_t id : {IDC_SHOT_FORM_PARAM1, IDC_SHOT_MOVE_PARAM1, IDC_SHOT_ITEM})
                    EXPECT_FALSE(IsEnabledCtrl(d, id)) << id;
                EXPECT_EQ("", WindowText(GetDlgItem(d, IDC_SHOT_FORM_CAPTION1)));
            },
            cancel);
    }
}

// The shot template labels its movement type and both shot offsets as the author knows them.
TEST_F(CmdShotDlgs, TheShotTemplateLabelsTheMovementTypeAndTheOffsets) {
    cFlowCmd cmd = NewCmd(11);
    EXPECT_EQ(0, Run<cCmdShotDlg>(cmd, 1, IDD_CMD_SHOT, "ショット", [](HWND d) {
        std::vector<std::string> labels;
        EnumChildWindows(
            d,
            [](HWND child, LPARAM list) {
                reinterpret_cast<std::vector<std::string>*>(list)->push_back(WindowText(child));
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&labels));
        for (const char* label : {"移動タイプ", "発射位置のズレX(dot)", "発射位置のズレY(dot)"})
            EXPECT_NE(labels.end(), std::find(labels.begin(), labels.end(), label)) << label;
        Press(d, IDC_CMD_CANCEL);
    }));
}

// Numbers stored in the slots a formation or movement type leaves unused are not the dialog's
// to change: OK keeps them, in the shot and in the summons that share the formation.
TEST_F(CmdShotDlgs, UnusedParameterSlotsKeepTheirNumbers) {
    cFlowCmd shot = NewCmd(11);
    ASSERT_EQ(1, Run<cCmdShotDlg>(shot, 1, IDD_CMD_SHOT, "ショット", PressOk));
    shot.m_Shot->m_Formation = 2;  // "拡散": slot 1 only
    shot.m_Shot->m_FormParam[0] = 45;
    shot.m_Shot->m_FormParam[1] = 12;
    shot.m_Shot->m_FormParam[2] = 999;
    shot.m_Shot->m_MoveType = 1;  // "主人公を狙う": slot 1 only
    shot.m_Shot->m_MoveParam[0] = 7;
    shot.m_Shot->m_MoveParam[1] = 300;
    shot.m_Shot->m_MoveParam[2] = 1;
    cFlowCmd stored = shot;
    EXPECT_EQ(1, Run<cCmdShotDlg>(shot, 0, IDD_CMD_SHOT, "ショット", [](HWND d) {
        EXPECT_FALSE(IsEnabledCtrl(d, IDC_SHOT_FORM_PARAM2));
        EXPECT_EQ("999", WindowText(GetDlgItem(d, IDC_SHOT_FORM_PARAM3)));
        Press(d, IDC_CMD_OK);
    }));
    EXPECT_TRUE(shot == stored);
    cFlowCmd summon = NewCmd(14);
    ASSERT_EQ(1, Run<cCmdCharaSummonDlg>(summon, 1, IDD_CMD_CHARA_SUMMON, "キャラ召喚", PressOk));
    summon.m_Shot->m_Formation = 5;  // "包囲": slot 1 only
    summon.m_Shot->m_FormParam[1] = 30;
    summon.m_Shot->m_FormParam[2] = 4;
    stored = summon;
    EXPECT_EQ(1, Run<cCmdCharaSummonDlg>(summon, 0, IDD_CMD_CHARA_SUMMON, "キャラ召喚", PressOk));
    EXPECT_TRUE(summon == stored);
}

// The preview shows the sheet's 16 x 16 cell of the graphic number, or nothing past the sheet.
TEST_F(CmdShotDlgs, PreviewShowsTheGraphicsCell) {
    cDib& sheet = SystemBitmap(eBmpShot);
    struct cProbe {
        int sheetWidth;
        int16_t graphic;
        bool drawn;
    };
    for (cProbe probe : {cProbe{160, 0, true}, cProbe{160, 31, true}, cProbe{160, 120, true}, cProbe{64, 120, false}}) {
        sheet.Release();
        ASSERT_TRUE(sheet.Create(probe.sheetWidth, 480, 24, 0));
        for (int g = 0; g < probe.sheetWidth / 32 * 30; ++g) {
            RECT cell = {g / 30 * 32, g % 30 * 16, g / 30 * 32 + 16, g % 30 * 16 + 16};
            HBRUSH brush = CreateSolidBrush(RGB(g, 255 - g, 90));
            FillRect(sheet.GetDC(), &cell, brush);
            DeleteObject(brush);
        }
        cFlowCmd cmd = NewCmd(11);
        cmd.m_Shot = cEdShot::Create();
        cmd.m_Shot->m_Graphic = probe.graphic;
        cCmdContext context;
        context.m_lpCmd = &cmd;
        cCmdShotDlg dlg(IDD_CMD_SHOT, nullptr, context, nullptr);
        COLORREF expected = probe.drawn ? RGB(probe.graphic, 255 - probe.graphic, 90) : RGB(0, 0, 0);
        DriveCaptioned("ショット", [&dlg, expected, probe](HWND d) {
            HDC preview = dlg.Preview().GetDC();
            EXPECT_EQ(expected, GetPixel(preview, 0, 0)) << probe.graphic;
            EXPECT_EQ(expected, GetPixel(preview, 15, 15)) << probe.graphic;
            Press(d, IDC_CMD_CANCEL);
        });
        EXPECT_EQ(0, dlg.DoModal(0));
    }
    sheet.Release();
}

}  // namespace
