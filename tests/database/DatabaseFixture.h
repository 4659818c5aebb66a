#pragma once
// The database window over the project's database in a fresh folder that holds the ten table
// files, with the error log on (a control missing from a template shows a box, which fails the
// test). The project's database is put back afterwards.
#include <gtest/gtest.h>
#include <windows.h>
#include <prsht.h>

#include <functional>
#include <string>

#include "data/Paths.h"
#include "data/ProjectDatabase.h"
#include "editor/database/DatabaseIds.h"
#include "editor/database/DatabaseWnd.h"
#include "editor/database/DbPage.h"
#include "framework/ChildWnd.h"
#include "framework/ErrorLog.h"
#include "framework/FrameworkIds.h"
#include "tests/framework/TestPage.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/TempDir.h"

const int kApplyButton = 0x3021;
// The window's pages, in the tables' order.
enum { kAnimeSet, kAnime, kCharaBmp, kSword, kEffect, kCharaEffect, kScrEffect, kPicture, kSound, kBgm };
extern const char* const kTableFiles[kDatabaseTables];

class DatabaseWindow : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the window on the database as it is now, its files saved first.
    void Open();
    // The page at index, shown.
    HWND ShowPage(int index);
    HWND Item(int page, int id) { return GetDlgItem(m_lpSheet->Page(page)->GetHwnd(), id); }
    void Click(int page, int id);
    void Type(int page, int id, const char* text);
    // Selects one row of the page's record list as a click does.
    void SelectRow(int page, int row);
    std::string Text(int page, int id);
    int Rows(int page);
    void PressApply();
    // Cancel; the group deletes the window.
    void PressCancel();
    std::string File(int table) const { return m_Dir.Read(kTableFiles[table]); }

    cTempDir m_Dir;
    cDatabase m_Saved;
    cWndGroup m_Group;
    cPropSheet* m_lpSlot = nullptr;
    cDatabaseWnd* m_lpSheet = nullptr;
};
