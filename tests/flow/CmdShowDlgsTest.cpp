// The status switch, item, graphic, anime, effect, picture, screen, background, sound, music and
// code dialogs: every control writes exactly its field at OK and nothing at Cancel or the close
// box; new commands take their defaults; the controls are enabled as the other controls say;
// the previews show what the controls name; a code line is accepted only when it checks.
#include <functional>
#include <string>
#include <vector>

#include "data/CommonPalette.h"
#include "data/FlowTables.h"
#include "data/GValInfo.h"
#include "data/ProjectDatabase.h"
#include "data/Stage.h"
#include "editor/flow/CmdDlg.h"
#include "editor/flow/CmdRowText.h"
#include "editor/flow/CmdScreenDlgs.h"
#include "editor/flow/CmdShowIds.h"
#include "editor/flow/CmdSoundDlgs.h"
#include "editor/flow/CmdStatusDlgs.h"
#include "editor/flow/FlowCmdIds.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/StageDoc.h"
#include "editor/shell/SystemBitmaps.h"
#include "framework/FrameworkIds.h"
#include "tests/flow/CmdDlgFixture.h"
#include "tests/flow/CondFixture.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/RestoreOnExit.h"

namespace {

// "一時停止" of the effect or the picture: the parameter and the parallel run with it.
std::function<void(cFlowCmd&)> Pause(size_t i) {
    return [=](cFlowCmd& cmd) {
        cmd.m_Params[i] = !cmd.m_Params[i];
        cmd.m_Parallel = cmd.m_Params[i] ? 0 : 1;
    };
}

void PressOkOnly(HWND dlg) { Press(dlg, IDC_CMD_OK); }

template <class Table>
void Name(Table& table, size_t count, const char* stem) {
    table.resize(count);
    for (size_t i = 0; i < count; ++i) table[i].m_Name = stem + std::to_string(i);
}

// A database and palettes with a few named entries of every table the dialogs list.
class CmdShowDlgs : public CmdDlgTest {
protected:
    CmdShowDlgs() {
        cDatabase& db = ProjectDatabase();
        Name(db.m_AnimeSets, 3, "set");
        Name(db.m_Animes, 4, "anime");
        Name(db.m_BmpCharaExcs, 3, "bmp");
        Name(db.m_Effects, 4, "effect");
        Name(db.m_CharaEffects, 3, "chara");
        Name(db.m_ScrEffects, 3, "screen");
        Name(db.m_Pictures, 4, "picture");
        Name(db.m_Sounds, 3, "sound");
        Name(db.m_Bgms, 3, "bgm");
        Name(ProjectCommonPalette().m_Items, 5, "common");
        Name(ProjectStage().m_Palette.m_Items, 3, "stage");
        StageDoc().m_EditSource = eSourceStagePalette;
    }

    cRestoreOnExit<cDatabase> m_Db{ProjectDatabase()};
    cRestoreOnExit<cRecordVector<cEdItem>> m_CommonItems{ProjectCommonPalette().m_Items};
    cRestoreOnExit<cRecordVector<cEdItem>> m_StageItems{ProjectStage().m_Palette.m_Items};
    cRestoreOnExit<int> m_Source{StageDoc().m_EditSource};
    cSampleVarNames m_Names;
};

TEST_F(CmdShowDlgs, StatusItemGraphicAndAnimeWriteEachField) {
    CheckFamilyFrom<cCmdStatusOp2Dlg>(23, IDD_CMD_STATUS_OP2, "ステータスの操作2",
                                      [](cFlowCmd& c) { c.m_Params = {0, 4, 1}; },
                                      {
                                          {Choose(IDC_SW_SUBJECT, 1), P(0, 1)},
                                          {Choose(IDC_SW_STATUS, 3), P(1, 3)},
                                          {Choose(IDC_SW_SETTING, 2), P(2, 2)},
                                      });
    CheckFamilyFrom<cCmdItemGetDlg>(24, IDD_CMD_ITEM_GET, "アイテムの取得", [](cFlowCmd& c) { c.m_Params = {0, 2}; },
                                    {
                                        {Choose(IDC_GET_PALETTE, 1), P(0, 1)},
                                        {Choose(IDC_GET_ITEM, 0), P(1, 1)},
                                    });
    CheckFamily<cCmdGraphicDlg>(25, IDD_CMD_GRAPHIC, "グラフィックの変更",
                                {
                                    {Choose(IDC_GFX_KIND, 3), P(0, 3)},
                                    {Type(IDC_GFX_NUMBER, "119"), P(1, 119)},
                                    {Type(IDC_GFX_NUMBER, "120"), P(1, 119)},
                                    {Type(IDC_GFX_SHIFT, "19"), P(2, 19)},
                                    {Type(IDC_GFX_SHIFT, "20"), P(2, 19)},
                                });
    CheckFamily<cCmdAnimeSetDlg>(26, IDD_CMD_ANIME_SET, "基本アニメセットの変更", {{Choose(IDC_ANIME_SET, 2), P(0, 2)}});
    CheckFamily<cCmdAnimeDlg>(27, IDD_CMD_ANIME, "アニメの実行", {{Choose(IDC_ANIME, 2), P(0, 3)}});
}

TEST_F(CmdShowDlgs, EffectPictureAndScreenWriteEachField) {
    std::vector<cFieldRow> place = {
        {Choose(IDC_FX_POS, 4), P(1, 4)},
        {Type(IDC_FX_X, "21"), P(2, 20)},
        {Type(IDC_FX_Y, "7"), P(3, 7)},
        {Type(IDC_FX_OFFSET_X, "-1000"), P(4, -999)},
        {Type(IDC_FX_OFFSET_Y, "5"), P(5, 5)},
        {Type(IDC_FX_SCALE, "0"), P(6, 1)},
        {Type(IDC_FX_SCALE, "1001"), P(6, 1000)},
    };
    std::vector<cFieldRow> effect = {{Choose(IDC_FX_EFFECT, 3), P(0, 3)}, {Click(IDC_FX_PAUSE), Pause(7)}};
    CheckFamilyFrom<cCmdEffectDlg>(28, IDD_CMD_EFFECT, "エフェクトの実行", [](cFlowCmd& c) { c.m_Params[1] = 3; },
                                   Join({effect, place}));
    std::vector<cFieldRow> picture = {
        {Choose(IDC_FX_PICTURE, 0), P(0, 0)},
        // Until the stage ends the game cannot wait: "一時停止" is cleared.
        {Choose(IDC_FX_SHOW, 1),
         [](cFlowCmd& c) {
             c.m_Params[7] = 1;
             c.m_Params[9] = 0;
             c.m_Parallel = 1;
         }},
        {Choose(IDC_FX_SHOW, 0), P(7, 0)},
        {Type(IDC_CMD_TIME, "0"), P(8, 1)},
        {Type(IDC_CMD_TIME, "10000"), P(8, 9999)},
        {Click(IDC_FX_PAUSE), Pause(9)},
    };
    CheckFamilyFrom<cCmdPictureDlg>(31, IDD_CMD_PICTURE, "ピクチャーの表示",
                                    [](cFlowCmd& c) {
                                        c.m_Params[1] = 3;
                                        c.m_Params[7] = 2;
                                    },
                                    Join({picture, place}));
    CheckFamily<cCmdEffectRunDlg>(29, IDD_CMD_CHARA_EFFECT, "キャラエフェクトの実行",
                                  {{Choose(IDC_FX_CHARA_EFFECT, 2), P(0, 2)}, {Click(IDC_FX_LOOP), PToggle(1)}});
    CheckFamily<cCmdEffectRunDlg>(30, IDD_CMD_SCR_EFFECT, "画面エフェクトの実行",
                                  {{Choose(IDC_FX_SCR_EFFECT, 0), P(0, 0)}, {Click(IDC_FX_LOOP), PToggle(1)}});
    CheckFamily<cCmdScreenColorDlg>(32, IDD_CMD_SCREEN_COLOR, "画面の色を変更",
                                    {
                                        {Slide(IDC_COLOR_RED, 200), P(0, 200)},
                                        {Slide(IDC_COLOR_GREEN, 255), P(1, 255)},
                                        {Slide(IDC_COLOR_BLUE, 30), P(2, 30)},
                                        {Slide(IDC_COLOR_PERCENT, 100), P(3, 100)},
                                        {Click(IDC_COLOR_RESTORE), PToggle(4)},
                                        {Type(IDC_CMD_TIME, "1000"), P(5, 999)},
                                        {Click(IDC_COLOR_FLASH), PToggle(6)},
                                        {Type(IDC_COLOR_FLASH_COUNT, "100"), P(7, 99)},
                                    });
    CheckFamily<cCmdBackgroundDlg>(33, IDD_CMD_BACKGROUND, "背景の変更",
                                   {
                                       {Type(IDC_BACK_LAYER, "9"), P(0, 8)},
                                       {Type(IDC_BACK_LAYER, "0"), P(0, 1)},
                                       {Choose(IDC_BACK_ACTION, 2), P(1, 2)},
                                   });
}

TEST_F(CmdShowDlgs, SoundMusicAndCodeWriteEachField) {
    cBoxAnswers boxes;  // the sound combo plays its choice; nothing can be played here
    CheckFamily<cCmdSoundDlg>(34, IDD_CMD_SOUND, "効果音の再生",
                              {
                                  {Choose(IDC_SND_SOUND, 1), P(0, 2)},
                                  {Click(IDC_SND_SKIP_OFFSCREEN), CToggle(&cFlowCmd::m_SoundOnScreen)},
                              });
    CheckFamily<cCmdBgmDlg>(35, IDD_CMD_BGM, "BGMの再生", {{Choose(IDC_BGM_MUSIC, 2), P(0, 2)}});
    CheckFamily<cCmdCodeDlg>(36, IDD_CMD_CODE, "コードの実行",
                             {
                                 {Type(IDC_CODE_TEXT, "hp = hp + 10"), C<std::string>(&cFlowCmd::m_Text, "hp = hp + 10")},
                                 {Type(IDC_CODE_TEXT, "C5 = rand(0,5)"), C<std::string>(&cFlowCmd::m_Text, "C5 = rand(0,5)")},
                             });
    for (const cShownBox& box : boxes.Shown()) EXPECT_EQ(std::string::npos, box.text.find("コントロールID")) << box.text;
}

struct cDefaultsCase {
    int type;
    std::vector<int32_t> params;
};

TEST_F(CmdShowDlgs, NewCommandsTakeTheirDefaults) {
    const cDefaultsCase cases[] = {
        {23, {0, 0, 0}},         {24, {0, 1}},       {25, {1, 1, 0}}, {26, {0}},    {27, {1}},
        {28, {1, 0, 0, 0, 0, 0, 100, 0}},           {29, {1, 0}},    {30, {1, 0}},
        {31, {1, 0, 0, 0, 0, 0, 100, 0, 10, 1}},    {32, {0, 0, 0, 0, 0, 0, 0, 1}},
        {33, {1, 0}},            {34, {1}},          {35, {1}},       {36, {}},
    };
    for (const cDefaultsCase& c : cases) {
        cFlowCmd cmd = NewCmd(c.type);
        cmd.m_Time = 50;
        cmd.m_Parallel = 0;
        int result = 0;
        const char* caption = CharaCommandTypes[c.type].m_Name;
        switch (c.type) {
        case 23: result = Run<cCmdStatusOp2Dlg>(cmd, 1, IDD_CMD_STATUS_OP2, caption, PressOkOnly); break;
        case 24: result = Run<cCmdItemGetDlg>(cmd, 1, IDD_CMD_ITEM_GET, caption, PressOkOnly); break;
        case 25: result = Run<cCmdGraphicDlg>(cmd, 1, IDD_CMD_GRAPHIC, caption, PressOkOnly); break;
        case 26: result = Run<cCmdAnimeSetDlg>(cmd, 1, IDD_CMD_ANIME_SET, caption, PressOkOnly); break;
        case 27: result = Run<cCmdAnimeDlg>(cmd, 1, IDD_CMD_ANIME, caption, PressOkOnly); break;
        case 28: result = Run<cCmdEffectDlg>(cmd, 1, IDD_CMD_EFFECT, caption, PressOkOnly); break;
        case 29: result = Run<cCmdEffectRunDlg>(cmd, 1, IDD_CMD_CHARA_EFFECT, caption, PressOkOnly); break;
        case 30: result = Run<cCmdEffectRunDlg>(cmd, 1, IDD_CMD_SCR_EFFECT, caption, PressOkOnly); break;
        case 31: result = Run<cCmdPictureDlg>(cmd, 1, IDD_CMD_PICTURE, caption, PressOkOnly); break;
        case 32: result = Run<cCmdScreenColorDlg>(cmd, 1, IDD_CMD_SCREEN_COLOR, caption, PressOkOnly); break;
        case 33: result = Run<cCmdBackgroundDlg>(cmd, 1, IDD_CMD_BACKGROUND, caption, PressOkOnly); break;
        case 34: result = Run<cCmdSoundDlg>(cmd, 1, IDD_CMD_SOUND, caption, PressOkOnly); break;
        case 35: result = Run<cCmdBgmDlg>(cmd, 1, IDD_CMD_BGM, caption, PressOkOnly); break;
        case 36: result = Run<cCmdCodeDlg>(cmd, 1, IDD_CMD_CODE, caption, PressOkOnly); break;
        }
        EXPECT_EQ(1, result) << caption;
        EXPECT_EQ(0, cmd.m_Time) << caption;
        // A new picture is shown until a key is pressed: the game waits, not in parallel.
        EXPECT_EQ(c.type == 31 ? 0 : 1, cmd.m_Parallel) << caption;
        EXPECT_EQ(c.params, cmd.m_Params) << caption;
    }
}

TEST_F(CmdShowDlgs, StatusSwitchListsFollowTheSubjectAndStatus) {
    cFlowCmd cmd = NewCmd(23);
    cmd.m_Params = {0, 5, 1};
    EXPECT_EQ(1, Run<cCmdStatusOp2Dlg>(cmd, 0, IDD_CMD_STATUS_OP2, "ステータスの操作2", [](HWND d) {
        std::vector<std::string> scale = ComboItems(d, IDC_SW_SETTING);
        ASSERT_EQ(10u, scale.size());
        EXPECT_EQ("しない", scale[0]);
        EXPECT_EQ(0, Chosen(d, IDC_SW_SETTING));
        Act(d, Choose(IDC_SW_SETTING, 9));  // ×100
        Press(d, IDC_CMD_OK);
    }));
    EXPECT_EQ(10, cmd.m_Params[2]);
    EXPECT_EQ(1, Run<cCmdStatusOp2Dlg>(cmd, 0, IDD_CMD_STATUS_OP2, "ステータスの操作2", [](HWND d) {
        EXPECT_EQ(9, Chosen(d, IDC_SW_SETTING));
        Act(d, Choose(IDC_SW_SETTING, 0));  // しない
        Press(d, IDC_CMD_OK);
    }));
    EXPECT_EQ(1, cmd.m_Params[2]);
    EXPECT_EQ(0, Run<cCmdStatusOp2Dlg>(cmd, 0, IDD_CMD_STATUS_OP2, "ステータスの操作2", [](HWND d) {
        EXPECT_EQ(6u, ComboItems(d, IDC_SW_STATUS).size());
        Act(d, Choose(IDC_SW_SUBJECT, 2));
        EXPECT_EQ((std::vector<std::string>{"横スクロール", "縦スクロール"}), ComboItems(d, IDC_SW_STATUS));
        EXPECT_EQ((std::vector<std::string>{"主人公の位置に合わせてスクロール", "オートスクロール"}),
                  ComboItems(d, IDC_SW_SETTING));
        Act(d, Choose(IDC_SW_SUBJECT, 0));
        Act(d, Choose(IDC_SW_STATUS, 3));  // 飛行
        EXPECT_EQ(4u, ComboItems(d, IDC_SW_SETTING).size());
        Press(d, IDC_CMD_CANCEL);
    }));
}

// Values from a file that the lists lack select nothing; OK keeps them.
TEST_F(CmdShowDlgs, ValuesOutsideTheListsAreKept) {
    struct cKeepCase {
        int type;
        std::vector<int32_t> params;
        std::vector<uint16_t> unselected;
    };
    const cKeepCase cases[] = {
        {23, {7, 9, 40}, {IDC_SW_SUBJECT, IDC_SW_STATUS, IDC_SW_SETTING}},
        {23, {0, 5, 0}, {IDC_SW_SETTING}},
        {24, {5, 30}, {IDC_GET_PALETTE}},
        {28, {9, 9, 0, 0, 0, 0, 100, 0}, {IDC_FX_EFFECT, IDC_FX_POS}},
        {33, {1, 6}, {IDC_BACK_ACTION}},
    };
    for (const cKeepCase& c : cases) {
        cFlowCmd cmd = NewCmd(c.type);
        cmd.m_Params = c.params;
        cFlowCmd kept = cmd;
        auto drive = [&c](HWND d) {
            for (uint16_t id : c.unselected) EXPECT_EQ(-1, Chosen(d, id)) << c.type << " " << id;
            Press(d, IDC_CMD_OK);
        };
        const char* caption = CharaCommandTypes[c.type].m_Name;
        int result = 0;
        switch (c.type) {
        case 23: result = Run<cCmdStatusOp2Dlg>(cmd, 0, IDD_CMD_STATUS_OP2, caption, drive); break;
        case 24: result = Run<cCmdItemGetDlg>(cmd, 0, IDD_CMD_ITEM_GET, caption, drive); break;
        case 28: result = Run<cCmdEffectDlg>(cmd, 0, IDD_CMD_EFFECT, caption, drive); break;
        case 33: result = Run<cCmdBackgroundDlg>(cmd, 0, IDD_CMD_BACKGROUND, caption, drive); break;
        }
        EXPECT_EQ(1, result) << caption;
        if (c.type == 28) kept.m_Parallel = 1;
        EXPECT_TRUE(cmd == kept) << caption;
    }
}

TEST_F(CmdShowDlgs, ItemPaletteFollowsTheEditedSource) {
    cFlowCmd cmd = NewCmd(24);
    cmd.m_Params = {0, 4};
    EXPECT_EQ(1, Run<cCmdItemGetDlg>(cmd, 0, IDD_CMD_ITEM_GET, "アイテムの取得", [](HWND d) {
        EXPECT_EQ("004 common4", ComboItems(d, IDC_GET_ITEM)[3]);
        Act(d, Choose(IDC_GET_PALETTE, 1));
        EXPECT_EQ((std::vector<std::string>{"001 stage1", "002 stage2"}), ComboItems(d, IDC_GET_ITEM));
        EXPECT_EQ(1, Chosen(d, IDC_GET_ITEM));  // item 4 is past the stage palette: its last
        Press(d, IDC_CMD_OK);
    }));
    EXPECT_EQ((std::vector<int32_t>{1, 2}), cmd.m_Params);
    // While common elements are edited only the common palette is offered; a stored stage item
    // stays as stored.
    StageDoc().m_EditSource = eSourceCommonPalette;
    cFlowCmd kept = cmd;
    EXPECT_EQ(1, Run<cCmdItemGetDlg>(cmd, 0, IDD_CMD_ITEM_GET, "アイテムの取得", [](HWND d) {
        EXPECT_EQ((std::vector<std::string>{"コモンパレット"}), ComboItems(d, IDC_GET_PALETTE));
        EXPECT_FALSE(IsEnabledCtrl(d, IDC_GET_ITEM));
        Press(d, IDC_CMD_OK);
    }));
    EXPECT_TRUE(cmd == kept);
}

TEST_F(CmdShowDlgs, GraphicRangesFollowTheKind) {
    struct cRangeCase {
        size_t bitmaps;  // rows of the dedicated bitmap table, row 0 none
        int kind;
        bool shift;
        const char* number;
        int32_t stored;
        const char* shiftTyped;
        int32_t shiftStored;
    };
    const cRangeCase cases[] = {
        {3, 1, true, "119", 119, "20", 19},   {3, 4, true, "5", 2, "239", 239}, {2, 4, true, "5", 1, "240", 239},
        {1, 4, true, "5", 1, "0", 0},         {0, 4, true, "0", 1, "0", 0},     {3, 0, false, "119", 119, "0", 0},
        {3, 2, false, "120", 119, "0", 0},    {3, 3, false, "1", 1, "0", 0},
    };
    for (const cRangeCase& c : cases) {
        ProjectDatabase().m_BmpCharaExcs.resize(c.bitmaps);
        cFlowCmd cmd = NewCmd(25);
        EXPECT_EQ(1, Run<cCmdGraphicDlg>(cmd, 1, IDD_CMD_GRAPHIC, "グラフィックの変更", [&c](HWND d) {
            EXPECT_EQ(1, Chosen(d, IDC_GFX_KIND));
            EXPECT_TRUE(IsEnabledCtrl(d, IDC_GFX_SHIFT));
            Act(d, Choose(IDC_GFX_KIND, c.kind));
            EXPECT_EQ(c.shift, IsEnabledCtrl(d, IDC_GFX_SHIFT)) << c.kind;
            Act(d, Type(IDC_GFX_NUMBER, c.number));
            Act(d, Type(IDC_GFX_SHIFT, c.shiftTyped));
            Press(d, IDC_CMD_OK);
        }));
        EXPECT_EQ(c.stored, cmd.m_Params[1]) << c.bitmaps << " " << c.kind << " " << c.number;
        if (c.shift) {
            EXPECT_EQ(c.shiftStored, cmd.m_Params[2]) << c.bitmaps << " " << c.kind;
        }
    }
}

// The graphic preview draws the chara sheet's cell the controls name, or nothing.
TEST_F(CmdShowDlgs, GraphicPreviewShowsTheNamedCell) {
    cDib& sheet = SystemBitmap(eBmpChara1);
    ASSERT_TRUE(sheet.Create(640, 480, 24, 0));
    for (int column = 0; column < 20; ++column)
        for (int row = 0; row < 15; ++row) {
            RECT cell = {column * 32, row * 32, column * 32 + 32, row * 32 + 32};
            HBRUSH brush = CreateSolidBrush(RGB(column * 10, row * 10, 77));
            FillRect(sheet.GetDC(), &cell, brush);
            DeleteObject(brush);
        }
    struct cProbe {
        int kind;
        const char* number;
        const char* shift;
        COLORREF expected;
    };
    const cProbe probes[] = {
        {1, "3", "2", RGB(20, 30, 77)},
        {1, "14", "0", RGB(0, 140, 77)},
        {4, "1", "0", RGB(0, 0, 0)},  // a dedicated bitmap that was never loaded
    };
    for (const cProbe& probe : probes) {
        cFlowCmd cmd = NewCmd(25);
        cCmdContext context;
        context.m_lpCmd = &cmd;
        context.m_New = 1;
        cCmdGraphicDlg dlg(IDD_CMD_GRAPHIC, nullptr, context, nullptr);
        DriveCaptioned("グラフィックの変更", [&dlg, &probe](HWND d) {
            Act(d, Choose(IDC_GFX_KIND, probe.kind));
            Act(d, Type(IDC_GFX_NUMBER, probe.number));
            Act(d, Type(IDC_GFX_SHIFT, probe.shift));
            HDC preview = dlg.Preview().GetDC();
            EXPECT_EQ(probe.expected, GetPixel(preview, 0, 0)) << probe.number;
            EXPECT_EQ(probe.expected, GetPixel(preview, 31, 31)) << probe.number;
            Press(d, IDC_CMD_CANCEL);
        });
        EXPECT_EQ(0, dlg.DoModal(0));
    }
    // A stored command's graphic shows as the dialog opens.
    cFlowCmd cmd = NewCmd(25);
    cmd.m_Params = {1, 3, 2};
    cCmdContext context;
    context.m_lpCmd = &cmd;
    cCmdGraphicDlg dlg(IDD_CMD_GRAPHIC, nullptr, context, nullptr);
    DriveCaptioned("グラフィックの変更", [&dlg](HWND d) {
        EXPECT_EQ(RGB(20, 30, 77), GetPixel(dlg.Preview().GetDC(), 16, 16));
        Press(d, IDC_CMD_CANCEL);
    });
    EXPECT_EQ(0, dlg.DoModal(0));
    sheet.Release();
}

TEST_F(CmdShowDlgs, EffectAndPictureEnables) {
    cFlowCmd effect = NewCmd(28);
    EXPECT_EQ(1, Run<cCmdEffectDlg>(effect, 1, IDD_CMD_EFFECT, "エフェクトの実行", [](HWND d) {
        EXPECT_EQ(1, Chosen(d, IDC_FX_EFFECT));
        EXPECT_EQ("エフェクトの消去", ComboItems(d, IDC_FX_EFFECT)[0]);
        EXPECT_EQ(0, Chosen(d, IDC_FX_POS));
        EXPECT_EQ("100", WindowText(GetDlgItem(d, IDC_FX_SCALE)));
        EXPECT_FALSE(IsEnabledCtrl(d, IDC_FX_X));
        EXPECT_FALSE(IsEnabledCtrl(d, IDC_FX_Y));
        for (int pos = 0; pos < 5; ++pos) {
            Act(d, Choose(IDC_FX_POS, pos));
            EXPECT_EQ(pos >= 3, IsEnabledCtrl(d, IDC_FX_X)) << pos;
            EXPECT_EQ(pos >= 3, IsEnabledCtrl(d, IDC_FX_Y)) << pos;
        }
        Act(d, Click(IDC_FX_PAUSE));
        Act(d, Choose(IDC_FX_EFFECT, 0));
        for (uint16_t id : {IDC_FX_POS, IDC_FX_X, IDC_FX_Y, IDC_FX_OFFSET_X, IDC_FX_OFFSET_Y, IDC_FX_SCALE, IDC_FX_PAUSE})
            EXPECT_FALSE(IsEnabledCtrl(d, id)) << id;
        Press(d, IDC_CMD_OK);
    }));
    // The disabled "一時停止" still decides the parallel run.
    EXPECT_EQ(0, effect.m_Params[0]);
    EXPECT_EQ(1, effect.m_Params[7]);
    EXPECT_EQ(0, effect.m_Parallel);

    struct cShowCase {
        int show;
        bool enabled;
        int checked;  // -1: as it was
    };
    const cShowCase shows[] = {{1, false, 0}, {2, true, -1}, {0, false, 1}};
    cFlowCmd picture = NewCmd(31);
    EXPECT_EQ(1, Run<cCmdPictureDlg>(picture, 1, IDD_CMD_PICTURE, "ピクチャーの表示", [&shows](HWND d) {
        for (const cShowCase& c : shows) {
            Act(d, Choose(IDC_FX_SHOW, c.show));
            EXPECT_EQ(c.enabled, IsEnabledCtrl(d, IDC_CMD_TIME)) << c.show;
            EXPECT_EQ(c.enabled, IsEnabledCtrl(d, IDC_FX_PAUSE)) << c.show;
            if (c.checked >= 0) {
                EXPECT_EQ(c.checked == 1, IsCheckedCtrl(d, IDC_FX_PAUSE)) << c.show;
            }
        }
        Act(d, Choose(IDC_FX_PICTURE, 0));
        for (uint16_t id : {IDC_FX_POS, IDC_FX_X, IDC_FX_Y, IDC_FX_OFFSET_X, IDC_FX_OFFSET_Y, IDC_FX_SCALE, IDC_FX_SHOW,
                            IDC_CMD_TIME, IDC_FX_PAUSE})
            EXPECT_FALSE(IsEnabledCtrl(d, id)) << id;
        Act(d, Choose(IDC_FX_PICTURE, 2));
        Press(d, IDC_CMD_OK);
    }));
    // Shown until a key is pressed: not in parallel.
    EXPECT_EQ(0, picture.m_Params[7]);
    EXPECT_EQ(1, picture.m_Params[9]);
    EXPECT_EQ(0, picture.m_Parallel);
}

TEST_F(CmdShowDlgs, ScreenColourRestoreAndPreview) {
    cFlowCmd cmd = NewCmd(32);
    cmd.m_Params = {10, 20, 30, 50, 0, 5, 1, 4};
    cCmdContext context;
    context.m_lpCmd = &cmd;
    cCmdScreenColorDlg dlg(IDD_CMD_SCREEN_COLOR, nullptr, context, nullptr);
    DriveCaptioned("画面の色を変更", [&dlg](HWND d) {
        EXPECT_TRUE(IsEnabledCtrl(d, IDC_COLOR_FLASH_COUNT));
        EXPECT_EQ(RGB(10, 20, 30), GetPixel(dlg.Preview().GetDC(), 0, 0));  // drawn as it opens
        Act(d, Slide(IDC_COLOR_RED, 255));
        Act(d, Slide(IDC_COLOR_BLUE, 128));
        EXPECT_EQ("255", WindowText(GetDlgItem(d, IDC_COLOR_RED_EDIT)));
        HDC preview = dlg.Preview().GetDC();
        EXPECT_EQ(RGB(255, 20, 128), GetPixel(preview, 0, 0));
        EXPECT_EQ(RGB(255, 20, 128), GetPixel(preview, 31, 31));
        Act(d, Click(IDC_COLOR_RESTORE));
        for (uint16_t id : {IDC_COLOR_RED, IDC_COLOR_GREEN, IDC_COLOR_BLUE, IDC_COLOR_PERCENT, IDC_COLOR_FLASH,
                            IDC_COLOR_FLASH_COUNT})
            EXPECT_FALSE(IsEnabledCtrl(d, id)) << id;
        EXPECT_FALSE(IsCheckedCtrl(d, IDC_COLOR_FLASH));
        Act(d, Click(IDC_COLOR_RESTORE));
        EXPECT_TRUE(IsEnabledCtrl(d, IDC_COLOR_FLASH));
        EXPECT_FALSE(IsEnabledCtrl(d, IDC_COLOR_FLASH_COUNT));
        Act(d, Click(IDC_COLOR_RESTORE));
        Press(d, IDC_CMD_OK);
    });
    EXPECT_EQ(1, dlg.DoModal(0));
    EXPECT_EQ((std::vector<int32_t>{255, 20, 128, 50, 1, 5, 0, 4}), cmd.m_Params);
}

TEST_F(CmdShowDlgs, CodeLineIsCheckedBeforeItIsAccepted) {
    cBoxAnswers boxes;
    cFlowCmd cmd = NewCmd(36);
    cmd.m_Text = "C1 = 2";
    // One token without spaces: refused with the checker's message, the dialog stays open.
    EXPECT_EQ(0, Run<cCmdCodeDlg>(cmd, 0, IDD_CMD_CODE, "コードの実行", [](HWND d) {
        Act(d, Type(IDC_CODE_TEXT, "hp=hp+10"));
        Press(d, IDC_CMD_OK);
        EXPECT_TRUE(IsWindowVisible(d));
        EXPECT_EQ("hp=hp+10", WindowText(GetDlgItem(d, IDC_CODE_TEXT)));
        Press(d, IDC_CMD_CANCEL);
    }));
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("定数 \"hp=hp+10\" が認識できません！", boxes.Shown()[0].text);
    EXPECT_EQ("C1 = 2", cmd.m_Text);
    // A new command's empty line is accepted.
    cFlowCmd fresh = NewCmd(36);
    EXPECT_EQ(1, Run<cCmdCodeDlg>(fresh, 1, IDD_CMD_CODE, "コードの実行", PressOkOnly));
    EXPECT_EQ("", fresh.m_Text);
    EXPECT_EQ(1u, boxes.Shown().size());
}

TEST_F(CmdShowDlgs, CodeRenamesReachTheNamesFileBeforeCancel) {
    CreateDirectoryA("data", nullptr);
    cFlowCmd cmd = NewCmd(36);
    EXPECT_EQ(0, Run<cCmdCodeDlg>(cmd, 1, IDD_CMD_CODE, "コードの実行", [](HWND d) {
        EXPECT_EQ("001 ", ComboItems(d, IDC_CODE_COMMON_VAR)[0]);
        Act(d, Choose(IDC_CODE_COMMON_VAR, 1));
        cModalSteps input;
        input.Then("変数名の入力", [](HWND i) {
            Type(i, IDC_INPUT_EDIT, "体力");
            Click(i, IDC_INPUT_OK);
        });
        Press(d, IDC_CODE_COMMON_RENAME);
        EXPECT_EQ("002 体力", ComboItems(d, IDC_CODE_COMMON_VAR)[1]);
        cVarNames saved;
        EXPECT_TRUE(LoadGValInfo(saved, "data\\GValInfo.dat", false));
        EXPECT_EQ("体力", saved[2].m_Name);
        cModalSteps stage;
        stage.Then("変数名の入力", [](HWND i) {
            Type(i, IDC_INPUT_EDIT, "扉");
            Click(i, IDC_INPUT_OK);
        });
        Act(d, Choose(IDC_CODE_STAGE_VAR, 2));
        Press(d, IDC_CODE_STAGE_RENAME);
        EXPECT_EQ("003 扉", ComboItems(d, IDC_CODE_STAGE_VAR)[2]);
        Press(d, IDC_CMD_CANCEL);
    }));
    EXPECT_EQ("体力", CommonVarNames()[2].m_Name);
    EXPECT_EQ("扉", ProjectStage().m_VarNames[3].m_Name);
}

TEST_F(CmdShowDlgs, PlayingTheStopEntryDoesNothing) {
    cBoxAnswers boxes;
    cFlowCmd cmd = NewCmd(35);
    cmd.m_Params = {0};
    EXPECT_EQ(0, Run<cCmdBgmDlg>(cmd, 0, IDD_CMD_BGM, "BGMの再生", [](HWND d) {
        EXPECT_EQ("BGMの停止", ComboItems(d, IDC_BGM_MUSIC)[0]);
        Press(d, IDC_BGM_PLAY);
        Press(d, IDC_CMD_CANCEL);
    }));
    EXPECT_TRUE(boxes.Shown().empty());
}

// The picker opens each dialog for its type, from the flow operation on.
TEST_F(CmdShowDlgs, PickerOpensEachDialog) {
    for (int type = 16; type <= 36; ++type) {
        cFlowCmd cmd = NewCmd(type);
        const char* caption = CharaCommandTypes[type].m_Name;
        bool seen = false;
        DriveCaptioned(caption, [&seen](HWND d) {
            seen = true;
            Press(d, IDC_CMD_CANCEL);
        });
        EXPECT_EQ(0, RunPicker(cmd, 0)) << caption;
        EXPECT_TRUE(seen) << caption;
    }
}

// An item command k runs as chara type k + 15: the same dialog, on a parameter list sized by the
// item command table; the item's own "フローの変更" has no dialog here.
TEST_F(CmdShowDlgs, ItemCommandsOpenTheDialogsOfTheCharaTypesTheyRunAs) {
    for (int k = 1; k < kItemCommandTypes; ++k) {
        cFlowCmd cmd;
        cmd.m_CmdSet = 1;
        cmd.m_CmdType = static_cast<uint8_t>(k);
        cCmdContext context;
        context.m_lpCmd = &cmd;
        context.m_New = 1;
        if (k == 1) {
            EXPECT_EQ(0, RunCmdTypeDialog(nullptr, context, nullptr));
            continue;
        }
        const char* caption = CharaCommandTypes[k + 15].m_Name;
        bool seen = false;
        DriveCaptioned(caption, [&seen](HWND d) {
            seen = true;
            Press(d, IDC_CMD_OK);
        });
        EXPECT_EQ(1, RunCmdTypeDialog(nullptr, context, nullptr)) << caption;
        EXPECT_TRUE(seen) << caption;
        EXPECT_EQ(static_cast<size_t>(ItemCommandTypes[k].m_Value), cmd.m_Params.size()) << caption;
        if (k != 7) continue;
        // The status operation: its 18 parameters, and the list line of chara type 22.
        EXPECT_EQ(18u, cmd.m_Params.size());
        cFlowCmd chara = cmd;
        chara.m_CmdSet = 0;
        chara.m_CmdType = 22;
        std::string itemLine, charaLine;
        CmdRowText(cmd, &itemLine);
        CmdRowText(chara, &charaLine);
        EXPECT_EQ(charaLine, itemLine);
        EXPECT_NE(std::string::npos, itemLine.find("ステータスの操作"));
    }
}

}  // namespace
