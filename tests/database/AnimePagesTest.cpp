// The anime set page and the anime page: the pattern dialog on an anime's frames, the set's four
// slots and its first slot's sample, and the preview player that both pages drive.
#include <algorithm>
#include <string>
#include <vector>

#include "editor/database/AnimePages.h"
#include "tests/database/DatabaseFixture.h"
#include "tests/shell/TestSheet.h"

namespace {

std::vector<std::string> ListRows(HWND list) {
    std::vector<std::string> rows;
    int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int r = 0; r < count; ++r) {
        char text[128] = "";
        SendMessageA(list, LB_GETTEXT, r, reinterpret_cast<LPARAM>(text));
        rows.push_back(text);
    }
    return rows;
}

void ClickIn(HWND dlg, int id) { SendDlgItemMessageA(dlg, id, BM_CLICK, 0, 0); }

cAnimeFrame Frame(int cell, int time, int run = 0) {
    cAnimeFrame frame;
    frame.m_Cell = cell;
    frame.m_Time = time;
    frame.m_RunCommand = run;
    return frame;
}

const std::string kAppend = kAppendRowText;

}  // namespace

TEST_F(DatabaseWindow, PatternDialogEditsTheAnimesFramesAndCancelLeavesThem) {
    cDatabase& db = ProjectDatabase();
    db.m_Animes.resize(4);
    db.m_Animes[1].m_Frames = {Frame(2, 3, 1), Frame(5, 3)};
    db.m_Animes[2].m_Frames.clear();
    db.m_Animes[3].m_Frames.assign(99, Frame(1, 1));
    Open();
    ShowPage(kAnime);
    auto* page = static_cast<cDbAnimePage*>(m_lpSheet->Page(kAnime));
    auto frames = [&](int index) -> const cRecordVector<cAnimeFrame>& { return page->Work()[index].m_Frames; };

    // Insert at the first row, type its values, mark it to run commands, OK.
    std::vector<std::string> shown, edited;
    bool runShown = false;
    DriveCaptioned("アニメパターン", [&](HWND dlg) {
        HWND list = GetDlgItem(dlg, IDC_DB_FRAME_LIST);
        shown = ListRows(list);
        runShown = IsWindowEnabled(GetDlgItem(dlg, IDC_DB_RUN_COMMAND)) != 0;
        ClickIn(dlg, IDC_DB_FRAME_INSERT);
        SetDlgItemTextA(dlg, IDC_DB_FRAME_CELL, "7");
        SetDlgItemTextA(dlg, IDC_DB_FRAME_TIME, "4");
        ClickIn(dlg, IDC_DB_RUN_COMMAND);
        edited = ListRows(list);
        PostMessageA(dlg, WM_COMMAND, IDC_DB_OK, 0);
    });
    Click(kAnime, IDC_DB_PATTERN_EDIT);
    EXPECT_EQ((std::vector<std::string>{"実行 2-3", "5-3", kAppend}), shown);
    EXPECT_TRUE(runShown);
    EXPECT_EQ((std::vector<std::string>{"実行 7-4", "実行 2-3", "5-3", kAppend}), edited);
    ASSERT_EQ(3u, frames(1).size());
    EXPECT_EQ(7, frames(1)[0].m_Cell);
    EXPECT_EQ(4, frames(1)[0].m_Time);
    EXPECT_EQ(1, frames(1)[0].m_RunCommand);

    // Delete and Cancel: the frames stay.
    DriveCaptioned("アニメパターン", [&](HWND dlg) {
        ClickIn(dlg, IDC_DB_FRAME_DELETE);
        edited = ListRows(GetDlgItem(dlg, IDC_DB_FRAME_LIST));
        PostMessageA(dlg, WM_COMMAND, IDC_DB_CANCEL, 0);
    });
    Click(kAnime, IDC_DB_PATTERN_EDIT);
    EXPECT_EQ(3u, edited.size());
    EXPECT_EQ(3u, frames(1).size());

    // An anime without frames gets one as the dialog opens, even when it is cancelled.
    SelectRow(kAnime, 1);
    DriveCaptioned("アニメパターン", [&](HWND dlg) {
        shown = ListRows(GetDlgItem(dlg, IDC_DB_FRAME_LIST));
        PostMessageA(dlg, WM_COMMAND, IDC_DB_CANCEL, 0);
    });
    Click(kAnime, IDC_DB_PATTERN_EDIT);
    EXPECT_EQ((std::vector<std::string>{"0-1", kAppend}), shown);
    EXPECT_EQ(1u, frames(2).size());

    // 99 frames: insert beeps; deleting every frame stops at one.
    SelectRow(kAnime, 2);
    size_t afterInsert = 0, afterDelete = 0;
    DriveCaptioned("アニメパターン", [&](HWND dlg) {
        HWND list = GetDlgItem(dlg, IDC_DB_FRAME_LIST);
        ClickIn(dlg, IDC_DB_FRAME_INSERT);
        afterInsert = ListRows(list).size();
        SendMessageA(list, LB_SETSEL, TRUE, -1);
        SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDC_DB_FRAME_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
        ClickIn(dlg, IDC_DB_FRAME_DELETE);
        afterDelete = ListRows(list).size();
        PostMessageA(dlg, WM_COMMAND, IDC_DB_OK, 0);
    });
    Click(kAnime, IDC_DB_PATTERN_EDIT);
    EXPECT_EQ(100u, afterInsert);
    EXPECT_EQ(2u, afterDelete);
    EXPECT_EQ(1u, frames(3).size());

    PressApply();
    EXPECT_EQ(3u, ProjectDatabase().m_Animes[1].m_Frames.size());
    EXPECT_EQ(1u, ProjectDatabase().m_Animes[2].m_Frames.size());
    EXPECT_EQ(1u, ProjectDatabase().m_Animes[3].m_Frames.size());
}

TEST_F(DatabaseWindow, AnimeSetPageShowsFourSlotsAndItsSlotsTakeTheFirstSlotsSample) {
    cDatabase& db = ProjectDatabase();
    db.m_AnimeSets.assign(1, cAnimeSet());
    cAnime& first = db.m_AnimeSets[0].m_Slots[0];
    first.m_Frames = {Frame(0, 2), Frame(1, 2)};
    first.m_SampleKind = 1;
    first.m_SampleNo = 3;
    first.m_SampleCell = 2;
    db.m_BmpCharaExcs.resize(2);
    Open();
    auto* page = static_cast<cDbAnimeSetPage*>(m_lpSheet->Page(kAnimeSet));
    HWND slots = Item(kAnimeSet, IDC_DB_ANIME_LIST);
    EXPECT_EQ((std::vector<std::string>{"立ち ×2", "立ち移動 ×1", "飛行 ×1", "飛行移動 ×1"}), ListRows(slots));
    EXPECT_EQ("3", Text(kAnimeSet, IDC_DB_SAMPLE_NO));
    EXPECT_EQ("2", Text(kAnimeSet, IDC_DB_SAMPLE_CELL));

    // The sample edits the first slot; "専用bmp" with two dedicated records offers 1 alone.
    HWND kind = Item(kAnimeSet, IDC_DB_SAMPLE_KIND);
    SendMessageA(kind, CB_SETCURSEL, 4, 0);
    SendMessageA(page->GetHwnd(), WM_COMMAND, MAKEWPARAM(IDC_DB_SAMPLE_KIND, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(kind));
    PumpPending(&m_Group);
    EXPECT_EQ("1", Text(kAnimeSet, IDC_DB_SAMPLE_NO));
    Type(kAnimeSet, IDC_DB_SAMPLE_CELL, "30");
    EXPECT_EQ(4, page->Work()[0].m_Slots[0].m_SampleKind);
    EXPECT_EQ(1, page->Work()[0].m_Slots[0].m_SampleNo);
    EXPECT_EQ(30, page->Work()[0].m_Slots[0].m_SampleCell);

    // 編集 on the third slot: it takes the first slot's sample, and runs no commands.
    SendMessageA(slots, LB_SETCURSEL, 2, 0);
    SendMessageA(page->GetHwnd(), WM_COMMAND, MAKEWPARAM(IDC_DB_ANIME_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(slots));
    bool runShown = true;
    DriveCaptioned("アニメパターン", [&](HWND dlg) {
        runShown = IsWindowEnabled(GetDlgItem(dlg, IDC_DB_RUN_COMMAND)) != 0;
        ClickIn(dlg, IDC_DB_FRAME_INSERT);
        PostMessageA(dlg, WM_COMMAND, IDC_DB_OK, 0);
    });
    Click(kAnimeSet, IDC_DB_SLOT_EDIT);
    EXPECT_FALSE(runShown);
    const cAnime& third = page->Work()[0].m_Slots[2];
    EXPECT_EQ(2u, third.m_Frames.size());
    EXPECT_EQ(4, third.m_SampleKind);
    EXPECT_EQ(1, third.m_SampleNo);
    EXPECT_EQ(30, third.m_SampleCell);
    EXPECT_EQ("飛行 ×2", ListRows(slots)[2]);
    EXPECT_EQ(2, static_cast<int>(SendMessageA(slots, LB_GETCURSEL, 0, 0)));
    // No list command reaches the slots (a list's ids for clear and delete by default).
    SetFocus(slots);
    ASSERT_EQ(slots, GetFocus());
    for (WPARAM id : {40008, 40032}) SendMessageA(page->GetHwnd(), WM_COMMAND, id, 0);
    PumpPending(&m_Group);
    EXPECT_EQ(4u, page->Work()[0].m_Slots.size());
    EXPECT_EQ("飛行 ×2", ListRows(slots)[2]);

    // A double click on a slot opens it as well.
    SendMessageA(slots, LB_SETCURSEL, 3, 0);
    SendMessageA(page->GetHwnd(), WM_COMMAND, MAKEWPARAM(IDC_DB_ANIME_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(slots));
    DriveCaptioned("アニメパターン", [&](HWND dlg) {
        ClickIn(dlg, IDC_DB_FRAME_INSERT);
        PostMessageA(dlg, WM_COMMAND, IDC_DB_OK, 0);
    });
    SendMessageA(page->GetHwnd(), WM_COMMAND, MAKEWPARAM(IDC_DB_ANIME_LIST, LBN_DBLCLK), reinterpret_cast<LPARAM>(slots));
    PumpPending(&m_Group);
    EXPECT_EQ(2u, page->Work()[0].m_Slots[3].m_Frames.size());
    EXPECT_EQ("飛行移動 ×2", ListRows(slots)[3]);

    PressApply();
    EXPECT_EQ(2u, ProjectDatabase().m_AnimeSets[0].m_Slots[2].m_Frames.size());
    EXPECT_EQ(2u, ProjectDatabase().m_AnimeSets[0].m_Slots[3].m_Frames.size());
}

TEST_F(DatabaseWindow, AnimeSetWithOtherThanFourSlotsIsGivenFour) {
    cDatabase& db = ProjectDatabase();
    db.m_AnimeSets.assign(2, cAnimeSet());
    db.m_AnimeSets[0].m_Slots.resize(2);
    db.m_AnimeSets[1].m_Slots.resize(6);
    Open();
    EXPECT_EQ(4, static_cast<int>(SendMessageA(Item(kAnimeSet, IDC_DB_ANIME_LIST), LB_GETCOUNT, 0, 0)));
    SelectRow(kAnimeSet, 1);
    EXPECT_EQ(4, static_cast<int>(SendMessageA(Item(kAnimeSet, IDC_DB_ANIME_LIST), LB_GETCOUNT, 0, 0)));
    // Only the page's copy has four: Cancel would leave the project's table as it was.
    EXPECT_EQ(2u, ProjectDatabase().m_AnimeSets[0].m_Slots.size());
    EXPECT_EQ(6u, ProjectDatabase().m_AnimeSets[1].m_Slots.size());
    PressApply();
    for (const cAnimeSet& set : ProjectDatabase().m_AnimeSets) EXPECT_EQ(4u, set.m_Slots.size());
}

// The preview restarts with every command: a frame of time 3 shows for ticks 0 to 17, the next
// from tick 18. The anime set page plays its selected slot.
TEST_F(DatabaseWindow, PreviewPlaysTheEditedAnimeSixTicksATenthOfASecond) {
    cDatabase& db = ProjectDatabase();
    db.m_Animes.resize(2);
    db.m_Animes[1].m_Frames = {Frame(2, 3), Frame(5, 3)};
    db.m_AnimeSets.assign(1, cAnimeSet());
    db.m_AnimeSets[0].m_Slots[1].m_Frames = {Frame(0, 1), Frame(4, 1)};
    Open();
    cAnimePlayer& player = DatabasePreviewPlayer();
    auto probe = [&](cDbPage* page, int ticks) {
        for (int t = 0; t < ticks; ++t) page->OnIdle();
        return player.GetFrame();
    };

    ShowPage(kAnime);
    cDbPage* anime = m_lpSheet->Page(kAnime);
    HWND list = Item(kAnime, IDC_DB_ANIME_LIST);
    SendMessageA(anime->GetHwnd(), WM_COMMAND, MAKEWPARAM(IDC_DB_ANIME_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(0, probe(anime, 0));
    // Repaints of the page are no ticks. (Painted at once: pumping would let a focus change
    // through, a command that restarts the preview.)
    for (int paint = 0; paint < 5; ++paint)
        RedrawWindow(anime->GetHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_EQ(0, probe(anime, 17));
    EXPECT_EQ(1, probe(anime, 1));
    EXPECT_EQ(0, probe(anime, 18));  // looped

    ShowPage(kAnimeSet);
    cDbPage* set = m_lpSheet->Page(kAnimeSet);
    HWND slots = Item(kAnimeSet, IDC_DB_ANIME_LIST);
    SendMessageA(slots, LB_SETCURSEL, 1, 0);
    SendMessageA(set->GetHwnd(), WM_COMMAND, MAKEWPARAM(IDC_DB_ANIME_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(slots));
    EXPECT_EQ(0, probe(set, 5));
    EXPECT_EQ(1, probe(set, 1));
}

// The editor's idle frames move the anime page's preview: the box shows the sample's sheet cell
// at the start frame plus the frame the player is on, six frames for a tenth of a second.
TEST_F(DatabaseWindow, AnimePageDrawsItsPreviewEveryIdleFrame) {
    auto cellColour = [](int column) { return RGB(20 + 10 * column, 60, 90); };
    // Character sheet 1: graphic 1 is its second row, each column in a colour of its own.
    cTestSheet sheet(eBmpChara1, 32 * 10, 64, [&](int x, int y) { return y < 32 ? RGB(1, 1, 1) : cellColour(x / 32); });
    cDatabase& db = ProjectDatabase();
    db.m_Animes.resize(2);
    db.m_Animes[1].m_SampleKind = 1;
    db.m_Animes[1].m_SampleNo = 1;
    db.m_Animes[1].m_SampleCell = 1;
    db.m_Animes[1].m_Frames = {Frame(2, 1), Frame(5, 1)};
    Open();
    ShowPage(kAnime);
    SelectRow(kAnime, 0);
    auto* page = static_cast<cDbAnimePage*>(m_lpSheet->Page(kAnime));
    // Each frame shows for six ticks: the first frame's cell, then the second's, then the first.
    std::vector<COLORREF> shown;
    for (int tick = 0; tick < 14; ++tick) {
        ASSERT_EQ(1, m_lpSheet->ApplyCurPage());
        shown.push_back(PixelOf(page->Preview().Canvas(), 16, 16));
    }
    const size_t second = std::find(shown.begin(), shown.end(), cellColour(6)) - shown.begin();
    ASSERT_GE(second, 1u);
    ASSERT_LE(second, 6u);
    for (size_t tick = 0; tick < shown.size(); ++tick)
        EXPECT_EQ(tick >= second && tick < second + 6 ? cellColour(6) : cellColour(3), shown[tick]) << tick;
}
