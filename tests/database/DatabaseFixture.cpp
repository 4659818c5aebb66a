#include "tests/database/DatabaseFixture.h"

const char* const kTableFiles[kDatabaseTables] = {
    "data\\database\\AnimeSet.dat", "data\\database\\Anime.dat",     "data\\database\\Bmp_CharaExc.dat",
    "data\\database\\SwordType.dat", "data\\database\\Effect.dat",   "data\\database\\CharaEffect.dat",
    "data\\database\\ScrEffect.dat", "data\\database\\Picture.dat",  "data\\database\\Sound.dat",
    "data\\database\\Bgm.dat"};

void DatabaseWindow::SetUp() {
    SetErrorLog(1, "EC_Test.txt");
    m_Saved = ProjectDatabase();
    ProjectDatabase() = cDatabase();
    CreateDirectoryA("data", nullptr);
    CreateDirectoryA("data\\database", nullptr);
}

void DatabaseWindow::TearDown() {
    if (m_lpSlot) {
        delete m_lpSlot;
        m_lpSlot = nullptr;
    }
    PumpPending(&m_Group);
    ProjectDatabase() = m_Saved;
    SetErrorLog(0, nullptr);
}

void DatabaseWindow::Open() {
    ASSERT_TRUE(ProjectDatabase().Save());
    m_lpSheet = new cDatabaseWnd(nullptr, &m_Group, &m_lpSlot);
    m_lpSlot = m_lpSheet;
    ASSERT_TRUE(m_lpSheet->CreatePages());
    PumpPending(&m_Group);
}

HWND DatabaseWindow::ShowPage(int index) {
    m_lpSheet->SetCurPage(index);
    PumpPending(&m_Group);
    return m_lpSheet->Page(index)->GetHwnd();
}

void DatabaseWindow::Click(int page, int id) {
    SendMessageA(Item(page, id), BM_CLICK, 0, 0);
    PumpPending(&m_Group);
}

void DatabaseWindow::Type(int page, int id, const char* text) {
    SetWindowTextA(Item(page, id), text);
    PumpPending(&m_Group);
}

void DatabaseWindow::SelectRow(int page, int row) {
    cDbPage* p = m_lpSheet->Page(page);
    HWND list = Item(page, p->ListId());
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    SendMessageA(list, LB_SETSEL, TRUE, row);
    SendMessageA(list, LB_SETCARETINDEX, row, FALSE);
    SendMessageA(p->GetHwnd(), WM_COMMAND, MAKEWPARAM(p->ListId(), LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    PumpPending(&m_Group);
}

std::string DatabaseWindow::Text(int page, int id) {
    char text[1024] = "";
    GetWindowTextA(Item(page, id), text, sizeof text);
    return text;
}

int DatabaseWindow::Rows(int page) {
    return static_cast<int>(SendMessageA(Item(page, m_lpSheet->Page(page)->ListId()), LB_GETCOUNT, 0, 0));
}

void DatabaseWindow::PressApply() {
    SendMessageA(GetDlgItem(m_lpSheet->GetHwnd(), kApplyButton), BM_CLICK, 0, 0);
    PumpPending(&m_Group);
}

void DatabaseWindow::PressCancel() {
    HWND wnd = m_lpSheet->GetHwnd();
    SendMessageA(GetDlgItem(wnd, IDCANCEL), BM_CLICK, 0, 0);
    PostMessageA(wnd, WM_NULL, 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return m_lpSlot == nullptr; }, &m_Group));
    m_lpSheet = nullptr;
}
