// The chara and item data sheets hand their window to the command dialogs, which open over it,
// for as long as the sheet is open: closed with OK, with Cancel or replaced by the next sheet,
// the slot is empty again, never the window that has gone.
#include <gtest/gtest.h>

#include "editor/flow/CmdPage.h"
#include "tests/palette/CharaFixture.h"
#include "tests/palette/ItemFixture.h"

namespace {

template <class Windows>
void ExpectTheSlotFollowsTheSheet(HWND& slot) {
    struct cCase {
        const char* name;
        int button;  // 0: replaced by the sheet of another element
    } cases[] = {{"OK", IDOK}, {"Cancel", IDCANCEL}, {"replaced", 0}};
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        Windows windows(4, 4);
        windows.EditElement(kStagePalette, 1);
        ASSERT_NE(windows.Sheet(), nullptr);
        HWND first = windows.Sheet()->GetHwnd();
        EXPECT_EQ(slot, first);
        if (c.button) {
            windows.SheetButton(c.button);
            ASSERT_EQ(windows.Sheet(), nullptr) << "the group deletes the closed sheet";
            EXPECT_EQ(slot, nullptr);
        } else {
            windows.EditElement(kStagePalette, 2);
            ASSERT_NE(windows.Sheet(), nullptr);
            EXPECT_FALSE(IsWindow(first));
            EXPECT_EQ(slot, windows.Sheet()->GetHwnd());
        }
    }
    EXPECT_EQ(slot, nullptr) << "the sheet went with its palette window";
}

}  // namespace

TEST(SheetWindowSlot, TheCharaSheetsWindowIsInTheSlotWhileItIsOpen) {
    ExpectTheSlotFollowsTheSheet<cCharaWindows>(OpenCharaSheetWnd());
}

TEST(SheetWindowSlot, TheItemSheetsWindowIsInTheSlotWhileItIsOpen) {
    ExpectTheSlotFollowsTheSheet<cItemWindows>(OpenItemSheetWnd());
}
