// What each page adds to the protocol: every bound field reaching its table, the character
// effect types and their colour sample, and the keys and popup commands of the sword positions
// and of the effect frames.
#include <functional>
#include <string>
#include <vector>

#include "editor/database/EffectPage.h"
#include "editor/database/EffectTypePages.h"
#include "editor/database/SwordPage.h"
#include "tests/database/DatabaseFixture.h"
#include "tests/framework/TestPalette.h"
#include "tests/support/BoxAnswers.h"

namespace {

std::string Num(int value) { return std::to_string(value); }

void ChooseType(HWND page, HWND combo, int type) {
    SendMessageA(combo, CB_SETCURSEL, type - 1, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_DB_EFFECT_TYPE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

// A command from a key or the popup menu of the list, which has the focus as the person's key
// or click gives it.
void ListCommand(cWndGroup* group, HWND page, HWND list, uint16_t id) {
    SetFocus(list);
    SendMessageA(page, WM_COMMAND, id, 0);
    PumpPending(group);
}

// The command ids of a list's keys and of its popup menu, for the list's kind and id set.
struct cListIds {
    cListIds(int kind, int set) {
        EXPECT_TRUE(GetListAccelIds(kind, set, keys));
        EXPECT_TRUE(GetListMenuIds(kind, set, menu));
    }
    uint16_t keys[kListCmds] = {};
    uint16_t menu[kListCmds] = {};
};

cEffectFrame EffectFrame(int cell, int time) {
    cEffectFrame frame;
    frame.m_Cell = cell;
    frame.m_Time = time;
    return frame;
}

// Selects the one row of a list of several selections, as a click does.
void SelectOnly(HWND page, HWND list, int row) {
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    SendMessageA(list, LB_SETSEL, TRUE, row);
    SendMessageA(list, LB_SETCARETINDEX, row, FALSE);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

}  // namespace

TEST_F(DatabaseWindow, EveryBoundFieldReachesItsTable) {
    struct cCase {
        int page;
        int id;
        const char* typed;
        std::function<std::string(const cDatabase&)> stored;
    };
    const cCase cases[] = {
        {kAnimeSet, IDC_DB_NAME, "歩き", [](const cDatabase& d) { return d.m_AnimeSets[0].m_Name; }},
        {kAnimeSet, IDC_DB_FLY, "7", [](const cDatabase& d) { return Num(d.m_AnimeSets[0].m_FlyOffset); }},
        {kAnimeSet, IDC_DB_INVINCIBLE, "8", [](const cDatabase& d) { return Num(d.m_AnimeSets[0].m_InvincibleOffset); }},
        {kAnimeSet, IDC_DB_BLOCK, "9", [](const cDatabase& d) { return Num(d.m_AnimeSets[0].m_BlockOffset); }},
        {kAnimeSet, IDC_DB_SAMPLE_NO, "5", [](const cDatabase& d) { return Num(d.m_AnimeSets[0].m_Slots[0].m_SampleNo); }},
        {kAnimeSet, IDC_DB_SAMPLE_CELL, "6",
         [](const cDatabase& d) { return Num(d.m_AnimeSets[0].m_Slots[0].m_SampleCell); }},
        {kAnime, IDC_DB_NAME, "跳ね", [](const cDatabase& d) { return d.m_Animes[1].m_Name; }},
        {kAnime, IDC_DB_SAMPLE_NO, "12", [](const cDatabase& d) { return Num(d.m_Animes[1].m_SampleNo); }},
        {kAnime, IDC_DB_SAMPLE_CELL, "3", [](const cDatabase& d) { return Num(d.m_Animes[1].m_SampleCell); }},
        {kCharaBmp, IDC_DB_NAME, "王", [](const cDatabase& d) { return d.m_BmpCharaExcs[1].m_Name; }},
        {kCharaBmp, IDC_DB_PATH, "bmp\\chara_sp\\k.bmp", [](const cDatabase& d) { return d.m_BmpCharaExcs[1].m_File; }},
        {kSword, IDC_DB_NAME, "剣", [](const cDatabase& d) { return d.m_SwordTypes[0].m_Name; }},
        {kSword, IDC_DB_LEFT_BMP, "bmp\\sword\\l.bmp", [](const cDatabase& d) { return d.m_SwordTypes[0].m_LeftBmp; }},
        {kSword, IDC_DB_RIGHT_BMP, "bmp\\sword\\r.bmp", [](const cDatabase& d) { return d.m_SwordTypes[0].m_RightBmp; }},
        {kEffect, IDC_DB_NAME, "炎", [](const cDatabase& d) { return d.m_Effects[1].m_Name; }},
        {kEffect, IDC_DB_PATH, "bmp\\effect\\f.bmp", [](const cDatabase& d) { return d.m_Effects[1].m_File; }},
        {kEffect, IDC_DB_CELL_WIDTH, "48", [](const cDatabase& d) { return Num(d.m_Effects[1].m_CellWidth); }},
        {kEffect, IDC_DB_CELL_HEIGHT, "40", [](const cDatabase& d) { return Num(d.m_Effects[1].m_CellHeight); }},
        {kCharaEffect, IDC_DB_NAME, "破", [](const cDatabase& d) { return d.m_CharaEffects[1].m_Name; }},
        {kCharaEffect, IDC_DB_PARAM1, "77", [](const cDatabase& d) { return Num(d.m_CharaEffects[1].m_Params[0]); }},
        {kScrEffect, IDC_DB_NAME, "揺れ", [](const cDatabase& d) { return d.m_ScrEffects[1].m_Name; }},
        {kScrEffect, IDC_DB_PARAM2, "-20", [](const cDatabase& d) { return Num(d.m_ScrEffects[1].m_Params[1]); }},
        {kPicture, IDC_DB_NAME, "空", [](const cDatabase& d) { return d.m_Pictures[1].m_Name; }},
        {kPicture, IDC_DB_PATH, "bmp\\picture\\s.bmp", [](const cDatabase& d) { return d.m_Pictures[1].m_File; }},
        {kSound, IDC_DB_NAME, "鐘", [](const cDatabase& d) { return d.m_Sounds[1].m_Name; }},
        {kSound, IDC_DB_PATH, "wave\\b.wav", [](const cDatabase& d) { return d.m_Sounds[1].m_File; }},
        {kBgm, IDC_DB_NAME, "海", [](const cDatabase& d) { return d.m_Bgms[1].m_Name; }},
        {kBgm, IDC_DB_PATH, "bgm\\sea.ogg", [](const cDatabase& d) { return d.m_Bgms[1].m_File; }},
    };
    Open();
    for (const cCase& c : cases) {
        ShowPage(c.page);
        Type(c.page, c.id, c.typed);
    }
    // Apply reloads the dedicated bitmaps: the new path names a file that is not there.
    cBoxAnswers boxes;
    PressApply();
    ASSERT_EQ(2u, boxes.Shown().size());
    EXPECT_EQ("bmp\\chara_sp\\k.bmp が読み込めません！", boxes.Shown()[0].text);
    EXPECT_EQ("bmp\\chara_sp\\k.bmp の読み込みに失敗！", boxes.Shown()[1].text);
    for (const cCase& c : cases) EXPECT_EQ(c.typed, c.stored(ProjectDatabase())) << c.page << " " << c.id;
}

TEST_F(DatabaseWindow, CharaEffectTypesRelabelTheirParametersAndColourChangeShowsItsColour) {
    std::vector<RGBQUAD> colours(256, RGBQUAD{0, 0, 0, 0});
    colours[100] = RGBQUAD{0, 0, 255, 0};  // red
    colours[120] = RGBQUAD{0, 255, 0, 0};  // green
    cTestPalette palette(m_Dir, colours);
    cDatabase& db = ProjectDatabase();
    db.m_CharaEffects.resize(5);
    db.m_CharaEffects[1].m_Type = 1;  // 破裂
    db.m_CharaEffects[2].m_Type = 12;  // レンズ
    db.m_CharaEffects[2].m_Params[3] = -8;
    db.m_CharaEffects[3].m_Type = 6;  // 点滅
    db.m_CharaEffects[4].m_Type = 13;  // 色変化
    db.m_CharaEffects[4].m_Params[3] = 100;
    Open();
    ShowPage(kCharaEffect);
    auto* page = static_cast<cDbCharaEffectPage*>(m_lpSheet->Page(kCharaEffect));
    HWND sample = Item(kCharaEffect, IDC_DB_COLOUR_SAMPLE);
    HWND combo = Item(kCharaEffect, IDC_DB_EFFECT_TYPE);
    auto samplePixel = [&] {
        const uint8_t* p = page->ColourSample().Canvas().Bits();
        return RGB(p[2], p[1], p[0]);
    };
    EXPECT_FALSE(IsWindowVisible(sample));

    // A lens record after a burst shows its offset unclamped.
    SelectRow(kCharaEffect, 1);
    EXPECT_EQ("-8", Text(kCharaEffect, IDC_DB_PARAM4));
    EXPECT_EQ(-8, page->Work()[2].m_Params[3]);

    // 点滅: two parameters, the others blank and disabled.
    SelectRow(kCharaEffect, 2);
    EXPECT_EQ("実行時間(1/10s)", Text(kCharaEffect, IDC_DB_PARAM1_LABEL));
    EXPECT_EQ("点滅間隔(1/60s)", Text(kCharaEffect, IDC_DB_PARAM2_LABEL));
    for (int id : {IDC_DB_PARAM3_LABEL, IDC_DB_PARAM4_LABEL, IDC_DB_PARAM5_LABEL})
        EXPECT_EQ("", Text(kCharaEffect, id));
    for (int id : {IDC_DB_PARAM3, IDC_DB_PARAM4, IDC_DB_PARAM5}) EXPECT_FALSE(IsWindowEnabled(Item(kCharaEffect, id)));
    // Choosing レンズ gives its defaults, stored with the type.
    ChooseType(page->GetHwnd(), combo, 12);
    PumpPending(&m_Group);
    EXPECT_EQ(12, page->Work()[3].m_Type);
    const int lens[] = {10, 100, 5, 0, 0};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(lens[i], page->Work()[3].m_Params[i]) << i;

    // 色変化 shows the palette colour of its fourth parameter, and follows it.
    SelectRow(kCharaEffect, 3);
    EXPECT_TRUE(IsWindowVisible(sample));
    EXPECT_EQ(RGB(255, 0, 0), samplePixel());
    Type(kCharaEffect, IDC_DB_PARAM4, "120");
    EXPECT_EQ(RGB(0, 255, 0), samplePixel());
    ChooseType(page->GetHwnd(), combo, 1);
    PumpPending(&m_Group);
    EXPECT_FALSE(IsWindowVisible(sample));
}

TEST_F(DatabaseWindow, SwordPositionKeysAndMenuCommandsStayWithTheirSwordType) {
    cDatabase& db = ProjectDatabase();
    db.m_SwordTypes.assign(2, cSwordType());
    db.m_SwordTypes[0].m_Positions[0].m_X = 5;
    db.m_SwordTypes[1].m_Positions.resize(99);
    Open();
    ShowPage(kSword);
    auto* page = static_cast<cDbSwordPage*>(m_lpSheet->Page(kSword));
    HWND list = Item(kSword, IDC_DB_POS_LIST);
    const cListIds ids(1, 1);
    auto command = [&](uint16_t id) { ListCommand(&m_Group, page->GetHwnd(), list, id); };
    // Ctrl+I inserts before the selected position, without the dialog.
    command(ids.keys[eCmdInsert]);
    ASSERT_EQ(2u, page->Work()[0].m_Positions.size());
    EXPECT_EQ(5, page->Work()[0].m_Positions[1].m_X);
    // The popup's copy and paste add a copy of the selected position.
    SelectRow(kSword, 1);
    SelectRow(kSword, 0);
    EXPECT_EQ(3, static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)));
    SelectOnly(page->GetHwnd(), list, 1);
    command(ids.menu[eCmdCopy]);
    command(ids.menu[eCmdPaste]);
    ASSERT_EQ(3u, page->Work()[0].m_Positions.size());
    EXPECT_EQ(5, page->Work()[0].m_Positions[2].m_X);
    // 99 positions: the key adds nothing.
    SelectRow(kSword, 1);
    command(ids.keys[eCmdInsert]);
    EXPECT_EQ(99u, page->Work()[1].m_Positions.size());
    PressApply();
    EXPECT_EQ(3u, ProjectDatabase().m_SwordTypes[0].m_Positions.size());
}

// The frame list's keys (cut, copy, paste) and its popup's clear change the edited effect: its
// row keeps them across a row change, and Apply stores them.
TEST_F(DatabaseWindow, EffectFrameKeysAndMenuCommandsStayWithTheirEffect) {
    cDatabase& db = ProjectDatabase();
    db.m_Effects.resize(3);
    db.m_Effects[1].m_Frames = {EffectFrame(3, 5), EffectFrame(8, 2)};
    Open();
    ShowPage(kEffect);
    auto* page = static_cast<cDbEffectPage*>(m_lpSheet->Page(kEffect));
    HWND list = Item(kEffect, IDC_DB_FRAME_LIST);
    const cListIds ids(0, 2);
    auto command = [&](uint16_t id) { ListCommand(&m_Group, page->GetHwnd(), list, id); };
    auto frames = [&](const cEffect& effect) {
        std::string text;
        for (const cEffectFrame& frame : effect.m_Frames) text += Num(frame.m_Cell) + "-" + Num(frame.m_Time) + " ";
        return text;
    };
    // Ctrl+C on the first frame, Ctrl+V before the second.
    command(ids.keys[eCmdCopy]);
    SelectOnly(page->GetHwnd(), list, 1);
    command(ids.keys[eCmdPaste]);
    EXPECT_EQ("3-5 3-5 8-2 ", frames(page->Work()[1]));
    // The popup's clear resets the selected frame; Ctrl+X takes the last one out.
    SelectOnly(page->GetHwnd(), list, 0);
    command(ids.menu[eCmdClear]);
    SelectOnly(page->GetHwnd(), list, 2);
    command(ids.keys[eCmdCut]);
    EXPECT_EQ("0-1 3-5 ", frames(page->Work()[1]));
    // Another effect and back: the row kept them, and so does Apply.
    SelectRow(kEffect, 1);
    SelectRow(kEffect, 0);
    EXPECT_EQ("0-1 3-5 ", frames(page->Edited()));
    EXPECT_EQ(3, static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)));
    PressApply();
    EXPECT_EQ("0-1 3-5 ", frames(ProjectDatabase().m_Effects[1]));
    EXPECT_EQ("", frames(ProjectDatabase().m_Effects[2]));
}

TEST_F(DatabaseWindow, SwordTypeCountRunsFromOneToNinetyNine) {
    struct cCase {
        const char* typed;
        size_t records;
    };
    const cCase cases[] = {{"150", 99}, {"0", 1}, {"3", 3}};
    Open();
    ShowPage(kSword);
    auto* page = static_cast<cDbSwordPage*>(m_lpSheet->Page(kSword));
    for (const cCase& c : cases) {
        DriveCaptioned("データ数", [&](HWND dlg) {
            SetDlgItemTextA(dlg, IDC_INPUT_EDIT, c.typed);
            PostMessageA(dlg, WM_COMMAND, IDC_INPUT_OK, 0);
        });
        Click(kSword, IDC_DB_COUNT);
        EXPECT_EQ(c.records, page->Work().size()) << c.typed;
    }
}
