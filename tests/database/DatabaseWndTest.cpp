// The database window: its pages and item dialogs, the page protocol (working copies, the
// record list commands, the write-back of typed values), OK, Apply and Cancel.
#include <vector>

#include "data/ProjectData.h"
#include "data/Stage.h"
#include "editor/shell/EditorSound.h"
#include "editor/database/EffectTypePages.h"
#include "editor/database/AnimePages.h"
#include "editor/database/EffectPage.h"
#include "editor/database/FilePages.h"
#include "editor/database/SwordPage.h"
#include "tests/database/DatabaseFixture.h"
#include "tests/support/BoxAnswers.h"

namespace {

struct cTemplateIds {
    int templateId;
    const char* caption;
    std::vector<int> ids;
};

// Every control id each template must hold.
const cTemplateIds kTemplates[] = {
    {IDD_DB_ANIME_SET, "基本アニメセット",
     {1159, 1066, 1056, 11071, 1002, 1201, 1202, 1199, 1200, 1263, 1264, 1067, 1160, 1254, 1036, 1037, 1070, 1038, 1039}},
    {IDD_DB_ANIME, "アニメ", {1160, 1066, 1056, 11071, 1002, 1226, 1254, 1036, 1037, 1070, 1038, 1039}},
    {IDD_DB_CHARA_BMP, "キャラの専用bmp", {1054, 1066, 1056, 11071, 1002, 1003, 1055}},
    {IDD_DB_SWORD, "ソードタイプ", {1207, 1066, 1056, 11071, 1002, 1208, 1209, 1210, 1211, 1215, 1214, 1212, 1213}},
    {IDD_DB_EFFECT, "エフェクト",
     {1158, 1066, 1056, 11071, 1002, 1003, 1055, 11210, 11212, 11211, 11166, 902, 903, 1225, 1206, 1227, 1228, 1229}},
    {IDD_DB_CHARA_EFFECT, "キャラエフェクト",
     {1157, 1066, 1056, 11071, 1002, 1040, 1160, 1161, 1162, 1169, 1171, 1163, 1164, 1057, 1058, 1059, 1165, 1166, 1167,
      1168, 1170, 1185}},
    {IDD_DB_SCR_EFFECT, "画面エフェクト",
     {1224, 1066, 1056, 11071, 1002, 1040, 1160, 1161, 1162, 1169, 1171, 1163, 1164, 1057, 1058, 1059, 1165, 1166, 1167,
      1168, 1170}},
    {IDD_DB_PICTURE, "ピクチャー", {1232, 1066, 1056, 11071, 1002, 1003, 1055}},
    {IDD_DB_SOUND, "効果音", {1057, 1066, 1056, 11071, 1002, 1003, 1055, 1309}},
    {IDD_DB_BGM, "BGM", {1198, 1066, 1056, 11071, 1002, 1003, 1055, 1309}},
    {IDD_DB_ANIME_PATTERN, "アニメパターン", {1206, 1066, 1067, 1201, 1202, 1203, 1204, 1205, 1070, 1000, 1001}},
    {IDD_DB_EFFECT_FRAME, "アニメ", {1202, 1203, 1204, 1205, 1000, 1001}},
    {IDD_DB_SWORD_POS, "ソードの位置",
     {1040, 1045, 1048, 1049, 1053, 1055, 1128, 1216, 1217, 1218, 1219, 11210, 11212, 11211, 11166, 1113, 1114, 1000,
      1001}},
};

template <class V>
bool SameTable(const V& a, const V& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!RecordsEqual(a[i], b[i])) return false;
    return true;
}

bool SameDatabase(const cDatabase& a, const cDatabase& b) {
    return SameTable(a.m_AnimeSets, b.m_AnimeSets) && SameTable(a.m_Animes, b.m_Animes) &&
           SameTable(a.m_BmpCharaExcs, b.m_BmpCharaExcs) && SameTable(a.m_SwordTypes, b.m_SwordTypes) &&
           SameTable(a.m_Effects, b.m_Effects) && SameTable(a.m_CharaEffects, b.m_CharaEffects) &&
           SameTable(a.m_ScrEffects, b.m_ScrEffects) && SameTable(a.m_Pictures, b.m_Pictures) &&
           SameTable(a.m_Sounds, b.m_Sounds) && SameTable(a.m_Bgms, b.m_Bgms);
}

INT_PTR CALLBACK QuietProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

}  // namespace

TEST(DatabaseTemplates, EveryTemplateHoldsItsControls) {
    // Page templates are child windows: they need a parent.
    HWND parent = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    for (const cTemplateIds& t : kTemplates) {
        SCOPED_TRACE(t.caption);
        HWND dlg = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(t.templateId), parent, QuietProc, 0);
        ASSERT_NE(nullptr, dlg);
        char caption[64] = "";
        GetWindowTextA(dlg, caption, sizeof caption);
        EXPECT_STREQ(t.caption, caption);
        for (int id : t.ids) EXPECT_NE(nullptr, GetDlgItem(dlg, id)) << id;
        DestroyWindow(dlg);
    }
    DestroyWindow(parent);
}

TEST_F(DatabaseWindow, OpensTheTenPagesInOrderAndBindsEveryControl) {
    Open();
    char title[64] = "";
    GetWindowTextA(m_lpSheet->GetHwnd(), title, sizeof title);
    EXPECT_STREQ("データベース", title);
    const int order[] = {212, 226, 141, 222, 211, 210, 235, 237, 199, 220};
    HWND tab = PropSheet_GetTabControl(m_lpSheet->GetHwnd());
    ASSERT_EQ(kDatabasePages, TabCtrl_GetItemCount(tab));
    // Each page attaches its bindings when it is first shown: a missing one would show a box.
    for (int i = 0; i < kDatabasePages; ++i) {
        ASSERT_NE(nullptr, ShowPage(i)) << i;
        EXPECT_TRUE(m_lpSheet->Page(i)->IsInitialised());
        const cTemplateIds& t = kTemplates[i];
        EXPECT_EQ(order[i], t.templateId);
        char text[64] = "";
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        TabCtrl_GetItem(tab, i, &item);
        EXPECT_STREQ(t.caption, text);
    }
    // Names take 12 bytes; paths 259, so that nothing typed is cut later.
    EXPECT_EQ(12, SendMessageA(Item(kSound, IDC_DB_NAME), EM_GETLIMITTEXT, 0, 0));
    for (int page : {kCharaBmp, kEffect, kPicture, kSound, kBgm})
        EXPECT_EQ(259, SendMessageA(Item(page, IDC_DB_PATH), EM_GETLIMITTEXT, 0, 0)) << page;
    EXPECT_EQ(259, SendMessageA(Item(kSword, IDC_DB_LEFT_BMP), EM_GETLIMITTEXT, 0, 0));
    EXPECT_EQ(259, SendMessageA(Item(kSword, IDC_DB_RIGHT_BMP), EM_GETLIMITTEXT, 0, 0));
}

TEST_F(DatabaseWindow, EmptyTablesGetTheirMinimumEvenWhenCancelled) {
    cDatabase& db = ProjectDatabase();
    db.m_AnimeSets.clear();
    db.m_Animes.clear();
    db.m_BmpCharaExcs.clear();
    db.m_SwordTypes.clear();
    db.m_Effects.assign(1, cEffect());
    db.m_CharaEffects.clear();
    db.m_ScrEffects.clear();
    db.m_Pictures.clear();
    db.m_Sounds.clear();
    db.m_Bgms.clear();
    Open();
    PressCancel();
    EXPECT_EQ(1u, db.m_AnimeSets.size());
    EXPECT_EQ(1u, db.m_SwordTypes.size());
    for (size_t size : {db.m_Animes.size(), db.m_BmpCharaExcs.size(), db.m_Effects.size(), db.m_CharaEffects.size(),
                        db.m_ScrEffects.size(), db.m_Pictures.size(), db.m_Sounds.size(), db.m_Bgms.size()})
        EXPECT_EQ(2u, size);
}

TEST_F(DatabaseWindow, CancelChangesNoTableAndNoFile) {
    Open();
    std::string before[kDatabaseTables];
    for (int k = 0; k < kDatabaseTables; ++k) before[k] = File(k);
    cDatabase old = ProjectDatabase();
    ShowPage(kSound);
    Type(kSound, IDC_DB_NAME, "ばくはつ");
    Type(kSound, IDC_DB_PATH, "wave\\a.wav");
    ShowPage(kAnimeSet);
    Type(kAnimeSet, IDC_DB_NAME, "歩き");
    EXPECT_EQ("ばくはつ", static_cast<cDbFilePage<cSound>*>(m_lpSheet->Page(kSound))->Work()[1].m_Name);
    PressCancel();
    EXPECT_TRUE(SameDatabase(old, ProjectDatabase()));
    EXPECT_EQ("", ProjectDatabase().m_Sounds[1].m_Name);
    EXPECT_EQ("", ProjectDatabase().m_AnimeSets[0].m_Name);
    for (int k = 0; k < kDatabaseTables; ++k) EXPECT_EQ(before[k], File(k)) << kTableFiles[k];
}

TEST_F(DatabaseWindow, ApplyAfterTheFirstPageSavesAllTenTables) {
    ProjectDatabase().m_Bgms.resize(4);
    ProjectDatabase().m_Bgms[3].m_Name = "最後";
    Open();
    std::string saved[kDatabaseTables];
    for (int k = 0; k < kDatabaseTables; ++k) {
        saved[k] = File(k);
        m_Dir.Write(kTableFiles[k], "old");
    }
    Type(kAnimeSet, IDC_DB_NAME, "走り");
    PressApply();
    EXPECT_EQ("走り", ProjectDatabase().m_AnimeSets[0].m_Name);
    EXPECT_NE(saved[0], File(0));
    // The pages never shown are saved as they were.
    for (int k = 1; k < kDatabaseTables; ++k) EXPECT_EQ(saved[k], File(k)) << kTableFiles[k];
    // The working copies stay: a second Apply saves the same.
    std::string first = File(0);
    PressApply();
    EXPECT_EQ(first, File(0));
}

TEST_F(DatabaseWindow, ApplyThatCannotWriteATableReportsItAndKeepsEveryOldFile) {
    Open();
    std::string before[kDatabaseTables];
    for (int k = 0; k < kDatabaseTables; ++k) before[k] = File(k);
    ASSERT_TRUE(SetFileAttributesA(kTableFiles[kPicture], FILE_ATTRIBUTE_READONLY));
    ShowPage(kSound);
    Type(kSound, IDC_DB_NAME, "鐘");
    cBoxAnswers boxes;
    boxes.Answer(IDOK);
    PressApply();
    SetFileAttributesA(kTableFiles[kPicture], FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("data\\database\\Picture.dat の保存に失敗しました！", boxes.Shown()[0].text);
    for (int k = 0; k < kDatabaseTables; ++k) EXPECT_EQ(before[k], File(k)) << kTableFiles[k];
    // The sheet stays open with Apply still enabled.
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(m_lpSheet->GetHwnd(), kApplyButton)));
    PressApply();
    EXPECT_NE(before[kSound], File(kSound));
}

TEST_F(DatabaseWindow, TypedValuesSurviveRowChanges) {
    ProjectDatabase().m_Pictures.resize(3);
    Open();
    ShowPage(kPicture);
    ASSERT_EQ(3, Rows(kPicture));  // two records and the append row
    Type(kPicture, IDC_DB_NAME, "空");
    Type(kPicture, IDC_DB_PATH, "bmp\\picture\\sky.bmp");
    SelectRow(kPicture, 1);
    EXPECT_EQ("", Text(kPicture, IDC_DB_NAME));
    Type(kPicture, IDC_DB_NAME, "海");
    SelectRow(kPicture, 0);
    EXPECT_EQ("空", Text(kPicture, IDC_DB_NAME));
    EXPECT_EQ("bmp\\picture\\sky.bmp", Text(kPicture, IDC_DB_PATH));
    char row[64] = "";
    SendMessageA(Item(kPicture, IDC_DB_PICTURE_LIST), LB_GETTEXT, 1, reinterpret_cast<LPARAM>(row));
    EXPECT_STREQ("2 海", row);
    PressApply();
    EXPECT_EQ("空", ProjectDatabase().m_Pictures[1].m_Name);
    EXPECT_EQ("bmp\\picture\\sky.bmp", ProjectDatabase().m_Pictures[1].m_File);
    EXPECT_EQ("海", ProjectDatabase().m_Pictures[2].m_Name);
}

TEST_F(DatabaseWindow, CountAndAppendKeepTheTableWithinItsRange) {
    struct cCase {
        const char* name;
        const char* typed;
        size_t records;  // of the working copy afterwards, record 0 included
    };
    const cCase cases[] = {{"equal", "3", 4}, {"smaller", "1", 2}, {"larger", "5", 6}, {"beyond", "1200", 1000}};
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectDatabase().m_Sounds.resize(4);
        ProjectDatabase().m_Sounds[3].m_Name = "三";
        Open();
        ShowPage(kSound);
        auto* page = static_cast<cDbFilePage<cSound>*>(m_lpSheet->Page(kSound));
        SelectRow(kSound, 2);
        std::string shown;
        DriveCaptioned("データ数", [&](HWND dlg) {
            shown = [&] {
                char text[16] = "";
                GetDlgItemTextA(dlg, IDC_INPUT_EDIT, text, sizeof text);
                return std::string(text);
            }();
            SetDlgItemTextA(dlg, IDC_INPUT_EDIT, c.typed);
            PostMessageA(dlg, WM_COMMAND, IDC_INPUT_OK, 0);
        });
        Click(kSound, IDC_DB_COUNT);
        EXPECT_EQ("3", shown);
        EXPECT_EQ(c.records, page->Work().size());
        if (c.records >= 4) {
            EXPECT_EQ("三", page->Work()[3].m_Name);
        }
        PressCancel();
        ProjectDatabase() = cDatabase();
    }
}

TEST_F(DatabaseWindow, NewBeepsAtTheMaximumAndAppendsBelowIt) {
    ProjectDatabase().m_Bgms.resize(1000);
    Open();
    ShowPage(kBgm);
    auto* page = static_cast<cDbFilePage<cBgm>*>(m_lpSheet->Page(kBgm));
    Click(kBgm, IDC_DB_NEW);
    EXPECT_EQ(1000u, page->Work().size());
    PressCancel();
    ProjectDatabase().m_Bgms.resize(3);
    Open();
    ShowPage(kBgm);
    page = static_cast<cDbFilePage<cBgm>*>(m_lpSheet->Page(kBgm));
    Click(kBgm, IDC_DB_NEW);
    EXPECT_EQ(4u, page->Work().size());
    EXPECT_EQ(4, Rows(kBgm));
}

TEST_F(DatabaseWindow, EveryPageVisitedRowByRowSavesTheSameBytes) {
    cDatabase& db = ProjectDatabase();
    db.m_Animes.resize(4);
    db.m_Animes[2].m_Name = "a";
    db.m_Animes[2].m_SampleKind = 4;
    db.m_Pictures.resize(3);
    db.m_Pictures[2].m_File = "bmp\\picture\\p.bmp";
    db.m_ScrEffects.resize(4);
    db.m_ScrEffects[2].m_Type = 5;
    db.m_ScrEffects[2].m_Params[3] = 300;
    db.m_CharaEffects.resize(3);
    db.m_CharaEffects[2].m_Type = 13;
    db.m_CharaEffects[2].m_Params[3] = 100;
    db.m_SwordTypes.resize(2);
    db.m_SwordTypes[1].m_LeftBmp = "bmp\\sword\\l.bmp";
    Open();
    std::string before[kDatabaseTables];
    for (int k = 0; k < kDatabaseTables; ++k) before[k] = File(k);
    for (int page = 0; page < kDatabasePages; ++page) {
        ShowPage(page);
        for (int row = Rows(page) - 2; row >= 0; --row) SelectRow(page, row);
    }
    PressApply();
    for (int k = 0; k < kDatabaseTables; ++k) EXPECT_EQ(before[k], File(k)) << kTableFiles[k];
}

TEST_F(DatabaseWindow, ScreenEffectTypeChangesGiveDefaultsAndSelectionShowsValuesUnclamped) {
    cDatabase& db = ProjectDatabase();
    db.m_ScrEffects.resize(4);
    db.m_ScrEffects[1].m_Type = 1;  // 移動
    db.m_ScrEffects[2].m_Type = 4;  // 分割（横）
    db.m_ScrEffects[3].m_Type = 5;  // 分割（縦）
    db.m_ScrEffects[3].m_Params[3] = 300;
    Open();
    ShowPage(kScrEffect);
    // 移動 to 点滅: parameters 3 to 5 go unused and blank, 1 and 2 take 点滅's defaults.
    HWND combo = Item(kScrEffect, IDC_DB_EFFECT_TYPE);
    SendMessageA(combo, CB_SETCURSEL, 7, 0);
    SendMessageA(m_lpSheet->Page(kScrEffect)->GetHwnd(), WM_COMMAND, MAKEWPARAM(IDC_DB_EFFECT_TYPE, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    PumpPending(&m_Group);
    EXPECT_EQ("実行時間(1/10s)", Text(kScrEffect, IDC_DB_PARAM1_LABEL));
    EXPECT_EQ("点滅間隔(1/60s)", Text(kScrEffect, IDC_DB_PARAM2_LABEL));
    for (int id : {IDC_DB_PARAM3_LABEL, IDC_DB_PARAM4_LABEL, IDC_DB_PARAM5_LABEL}) EXPECT_EQ("", Text(kScrEffect, id));
    for (int id : {IDC_DB_PARAM3, IDC_DB_PARAM4, IDC_DB_PARAM5}) EXPECT_FALSE(IsWindowEnabled(Item(kScrEffect, id)));
    EXPECT_EQ("10", Text(kScrEffect, IDC_DB_PARAM1));
    EXPECT_EQ("10", Text(kScrEffect, IDC_DB_PARAM2));
    auto* page = static_cast<cDbScrEffectPage*>(m_lpSheet->Page(kScrEffect));
    EXPECT_EQ(8, page->Work()[1].m_Type);
    EXPECT_EQ(10, page->Work()[1].m_Params[1]);
    // 分割（横） allows 240 divisions; the 分割（縦） record after it shows its 300.
    SelectRow(kScrEffect, 1);
    SelectRow(kScrEffect, 2);
    EXPECT_EQ("300", Text(kScrEffect, IDC_DB_PARAM4));
    EXPECT_EQ(300, page->Work()[3].m_Params[3]);
    // The selected record's type is the remembered one: choosing 分割（横） now gives its
    // defaults, and choosing it back keeps them.
    EXPECT_EQ(5, page->RememberedType());
    SendMessageA(combo, CB_SETCURSEL, 3, 0);
    SendMessageA(page->GetHwnd(), WM_COMMAND, MAKEWPARAM(IDC_DB_EFFECT_TYPE, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    PumpPending(&m_Group);
    EXPECT_EQ(15, page->Work()[3].m_Params[3]);
    EXPECT_EQ(640, page->Work()[3].m_Params[2]);
}

// Closing the window brings the menu music and the open stage's palette back within tables the
// author made smaller; references still inside stay as they were.
TEST_F(DatabaseWindow, ClosingLeavesNoReferencePastTheEndOfASmallerTable) {
    cSystemData& system = ProjectSystemData();
    cSystemData savedSystem = system;
    cPalette savedPalette;
    savedPalette.swap(ProjectStage().m_Palette);
    cRecordVector<cEdChara>& charas = ProjectStage().m_Palette.m_Charas;
    charas.resize(3);
    const uint16_t sets[] = {4, 1, 0};
    for (size_t k = 0; k < charas.size(); ++k) {
        charas[k].m_AnimeSet = sets[k];
        charas[k].m_StartEffect = 2;
    }
    cDatabase& db = ProjectDatabase();
    db.m_Bgms.resize(5);
    db.m_AnimeSets.resize(5);
    db.m_CharaEffects.resize(3);
    system.m_MenuMusic[0] = 4;
    system.m_MenuMusic[1] = 1;
    Open();
    for (int page : {kBgm, kAnimeSet}) {
        ShowPage(page);
        DriveCaptioned("データ数", [](HWND dlg) {
            SetDlgItemTextA(dlg, IDC_INPUT_EDIT, "2");
            PostMessageA(dlg, WM_COMMAND, IDC_INPUT_OK, 0);
        });
        Click(page, IDC_DB_COUNT);
    }
    PressApply();
    EXPECT_EQ(3u, ProjectDatabase().m_Bgms.size());
    EXPECT_EQ(2u, ProjectDatabase().m_AnimeSets.size());
    EXPECT_EQ(4, charas[0].m_AnimeSet);  // only closing mends them
    PressCancel();
    EXPECT_EQ(0, system.m_MenuMusic[0]);
    EXPECT_EQ(1, system.m_MenuMusic[1]);
    const uint16_t mended[] = {1, 1, 0};
    for (size_t k = 0; k < charas.size(); ++k) {
        EXPECT_EQ(mended[k], charas[k].m_AnimeSet) << k;
        EXPECT_EQ(2, charas[k].m_StartEffect) << k;
    }
    system = savedSystem;
    savedPalette.swap(ProjectStage().m_Palette);
}

TEST_F(DatabaseWindow, SwordPositionsAreInsertedEditedAndCancelledInTheirDialog) {
    cDatabase& db = ProjectDatabase();
    db.m_SwordTypes.assign(1, cSwordType());
    db.m_SwordTypes[0].m_Positions[0].m_MirrorX = 0;
    db.m_SwordTypes[0].m_Positions[0].m_Width = 32;
    db.m_SwordTypes[0].m_Positions[0].m_Height = 48;
    Open();
    ShowPage(kSword);
    auto* page = static_cast<cDbSwordPage*>(m_lpSheet->Page(kSword));
    HWND list = Item(kSword, IDC_DB_POS_LIST);
    auto row = [&](int r) {
        char text[128] = "";
        SendMessageA(list, LB_GETTEXT, r, reinterpret_cast<LPARAM>(text));
        return std::string(text);
    };
    EXPECT_EQ("前(0,0) 縦48 横32 時間1", row(0));
    // The dialog shows the stored mirror flag; Cancel leaves the position as it was.
    int shownMirror = -1;
    DriveCaptioned("ソードの位置", [&](HWND dlg) {
        shownMirror = static_cast<int>(SendDlgItemMessageA(dlg, IDC_DB_POS_MIRROR_X, BM_GETCHECK, 0, 0));
        SetDlgItemTextA(dlg, IDC_DB_POS_X, "12");
        PostMessageA(dlg, WM_COMMAND, IDC_DB_CANCEL, 0);
    });
    Click(kSword, IDC_DB_POS_EDIT);
    EXPECT_EQ(0, shownMirror);
    EXPECT_EQ(0, page->Work()[0].m_Positions[0].m_MirrorX);
    EXPECT_EQ(0, page->Work()[0].m_Positions[0].m_X);
    // Inserting and cancelling leaves the positions as they were.
    DriveCaptioned("ソードの位置", [](HWND dlg) { PostMessageA(dlg, WM_COMMAND, IDC_DB_CANCEL, 0); });
    Click(kSword, IDC_DB_POS_INSERT);
    EXPECT_EQ(1u, page->Work()[0].m_Positions.size());
    // Inserting on the append row adds at the end; OK stores the typed values.
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    SendMessageA(list, LB_SETSEL, TRUE, 1);
    SendMessageA(list, LB_SETCARETINDEX, 1, FALSE);
    SendMessageA(page->GetHwnd(), WM_COMMAND, MAKEWPARAM(IDC_DB_POS_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    DriveCaptioned("ソードの位置", [](HWND dlg) {
        SetDlgItemTextA(dlg, IDC_DB_POS_X, "-7");
        SendDlgItemMessageA(dlg, IDC_DB_POS_DIRECTION, CB_SETCURSEL, 2, 0);
        PostMessageA(dlg, WM_COMMAND, IDC_DB_OK, 0);
    });
    Click(kSword, IDC_DB_POS_INSERT);
    ASSERT_EQ(2u, page->Work()[0].m_Positions.size());
    EXPECT_EQ(-7, page->Work()[0].m_Positions[1].m_X);
    EXPECT_EQ(2, page->Work()[0].m_Positions[1].m_Direction);
    EXPECT_EQ("上(-7,0) 縦0 横0 時間0", row(1));
    PressApply();
    EXPECT_EQ(-7, ProjectDatabase().m_SwordTypes[0].m_Positions[1].m_X);
}

TEST_F(DatabaseWindow, NewSwordTypesStartWithOnePositionAndNinetyNineIsTheMost) {
    cDatabase& db = ProjectDatabase();
    db.m_SwordTypes.assign(1, cSwordType());
    db.m_SwordTypes[0].m_Positions.resize(99);
    Open();
    ShowPage(kSword);
    auto* page = static_cast<cDbSwordPage*>(m_lpSheet->Page(kSword));
    // A full list refuses the insert and opens no dialog.
    Click(kSword, IDC_DB_POS_INSERT);
    EXPECT_EQ(99u, page->Work()[0].m_Positions.size());
    Click(kSword, IDC_DB_NEW);
    ASSERT_EQ(2u, page->Work().size());
    char text[128] = "";
    SendMessageA(Item(kSword, IDC_DB_POS_LIST), LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ("前(0,0) 縦0 横0 時間1", text);
}

TEST_F(DatabaseWindow, EffectFramesAreInsertedAndEditedInTheirDialogAndClearKeepsThem) {
    cDatabase& db = ProjectDatabase();
    db.m_Effects.resize(3);
    db.m_Effects[1].m_Name = "火";
    db.m_Effects[1].m_Frames.resize(1);
    db.m_Effects[1].m_Frames[0].m_Cell = 3;
    db.m_Effects[1].m_Frames[0].m_Time = 5;
    Open();
    ShowPage(kEffect);
    auto* page = static_cast<cDbEffectPage*>(m_lpSheet->Page(kEffect));
    HWND list = Item(kEffect, IDC_DB_FRAME_LIST);
    auto row = [&](int r) {
        char text[64] = "";
        SendMessageA(list, LB_GETTEXT, r, reinterpret_cast<LPARAM>(text));
        return std::string(text);
    };
    EXPECT_EQ("3-5", row(0));
    // Insert and Cancel: the frames are as they were.
    DriveCaptioned("アニメ", [](HWND dlg) { PostMessageA(dlg, WM_COMMAND, IDC_DB_CANCEL, 0); });
    Click(kEffect, IDC_DB_EFFECT_INSERT);
    EXPECT_EQ(1u, page->Work()[1].m_Frames.size());
    // Insert before the first frame and OK: the typed values land in the new frame.
    DriveCaptioned("アニメ", [](HWND dlg) {
        SetDlgItemTextA(dlg, IDC_DB_FRAME_CELL, "7");
        SetDlgItemTextA(dlg, IDC_DB_FRAME_TIME, "2");
        PostMessageA(dlg, WM_COMMAND, IDC_DB_OK, 0);
    });
    Click(kEffect, IDC_DB_EFFECT_INSERT);
    ASSERT_EQ(2u, page->Work()[1].m_Frames.size());
    EXPECT_EQ(7, page->Work()[1].m_Frames[0].m_Cell);
    EXPECT_EQ("7-2", row(0));
    EXPECT_EQ("3-5", row(1));
    // A new effect has no frames: its list shows only the append row, and an insert there
    // cancelled leaves it without frames.
    SelectRow(kEffect, 1);
    EXPECT_EQ(1, static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)));
    DriveCaptioned("アニメ", [](HWND dlg) { PostMessageA(dlg, WM_COMMAND, IDC_DB_CANCEL, 0); });
    Click(kEffect, IDC_DB_EFFECT_INSERT);
    EXPECT_EQ(0u, page->Work()[2].m_Frames.size());
    // Clear resets the effect but keeps its frames.
    SelectRow(kEffect, 0);
    Click(kEffect, IDC_DB_CLEAR);
    EXPECT_EQ("", page->Work()[1].m_Name);
    EXPECT_EQ(2u, page->Work()[1].m_Frames.size());
    PressApply();
    EXPECT_EQ(7, ProjectDatabase().m_Effects[1].m_Frames[0].m_Cell);
}

TEST(AnimePreview, EachFrameShowsForItsTimeInTicksAndTheSampleRangesFollowTheKind) {
    cAnime anime;
    anime.m_Frames.resize(2);
    anime.m_Frames[0].m_Cell = 2;
    anime.m_Frames[0].m_Time = 3;
    anime.m_Frames[1].m_Cell = 5;
    anime.m_Frames[1].m_Time = 3;
    cAnimePlayer player;
    ASSERT_TRUE(player.SetPatterns(cAnimePatterns{PreviewPattern(anime)}));
    std::vector<int32_t> shown;
    for (int tick = 0; tick < 37; ++tick) shown.push_back(player.Update());
    // The player advances, then shows: tick n is the n-th call.
    EXPECT_EQ(2, shown[0]);
    EXPECT_EQ(2, shown[16]);
    EXPECT_EQ(5, shown[17]);  // tick 18
    EXPECT_EQ(5, shown[34]);
    EXPECT_EQ(2, shown[35]);  // looped
    // A time of 0 from a file still moves on: both frames keep coming.
    anime.m_Frames[0].m_Time = 0;
    ASSERT_TRUE(player.SetPatterns(cAnimePatterns{PreviewPattern(anime)}));
    int twos = 0, fives = 0;
    for (int tick = 0; tick < 60; ++tick) (player.Update() == 2 ? twos : fives)++;
    EXPECT_GT(twos, 0);
    EXPECT_GT(fives, 0);
    // Without frames the preview shows cell 0.
    anime.m_Frames.clear();
    ASSERT_TRUE(player.SetPatterns(cAnimePatterns{PreviewPattern(anime)}));
    EXPECT_EQ(0, player.Update());

    struct cCase {
        int kind;
        size_t dedicated;
        int16_t maxNo;
        bool cellUsed;
        int16_t maxCell;
    };
    const cCase cases[] = {{0, 2, 119, false, 19}, {1, 2, 119, true, 19}, {3, 9, 119, false, 19},
                           {4, 2, 1, true, 239},   {4, 1, 1, true, 239},  {4, 0, 1, true, 239}, {4, 30, 29, true, 239}};
    for (const cCase& c : cases) {
        cSampleRanges r = SampleRanges(c.kind, c.dedicated);
        EXPECT_EQ(c.maxNo, r.maxNo) << c.kind << " " << c.dedicated;
        EXPECT_EQ(c.cellUsed, r.cellUsed) << c.kind;
        EXPECT_EQ(c.maxCell, r.maxCell) << c.kind;
    }
}

TEST_F(DatabaseWindow, PlayIsSilentOnAnEmptyPathAndReportsAFileThatDoesNotLoad) {
    ProjectDatabase().m_Sounds.resize(3);
    ProjectDatabase().m_Sounds[2].m_File = "wave\\missing.wav";
    EditorWave().Enable();
    Open();
    ShowPage(kSound);
    cBoxAnswers boxes;
    boxes.Answer(IDOK);
    Click(kSound, IDC_DB_PLAY);
    EXPECT_TRUE(boxes.Shown().empty());
    SelectRow(kSound, 1);
    Click(kSound, IDC_DB_PLAY);
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("読み込み失敗！", boxes.Shown()[0].text);
    EditorWave().Release();
}
