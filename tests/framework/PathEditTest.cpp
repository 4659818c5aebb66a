// A path edit filled by the Open dialog: the chosen file's path relative to the current folder
// goes into the bound edit, or nothing when the dialog is cancelled, the binding is missing or
// the path is longer than the edit holds.
#include <gtest/gtest.h>

#include <string>

#include "framework/FileDialogs.h"
#include "framework/PathEdit.h"
#include "framework/TestSeams.h"
#include "tests/framework/ControlPage.h"
#include "tests/support/TempDir.h"

namespace {

std::string g_Chosen;  // empty: the dialog is cancelled
std::string g_Folder;

int Answer(bool, char* file, DWORD length, const char* folder, const char*, const char*, const char*) {
    g_Folder = folder ? folder : "";
    if (g_Chosen.empty()) return 0;
    lstrcpynA(file, g_Chosen.c_str(), static_cast<int>(length));
    return 1;
}

}  // namespace

TEST(PathEdit, TheChosenFileGoesInRelativeOrNothingChanges) {
    cTempDir dir;
    struct cCase {
        const char* name;
        std::string chosen;
        int limit, dbcs;
        uint16_t editId;
        const char* shown;
    };
    const std::string inside = dir.Path() + "\\wave\\a.wav";  // ".\wave\a.wav": 12 bytes
    const cCase cases[] = {
        {"a file under the folder", inside, 259, 0, IDC_TEXT_LINE, ".\\wave\\a.wav"},
        {"a relative answer stays", "bmp\\b.bmp", 259, 0, IDC_TEXT_LINE, "bmp\\b.bmp"},
        {"exactly as long as the edit holds", inside, 12, 0, IDC_TEXT_LINE, ".\\wave\\a.wav"},
        {"one byte too long", inside, 11, 0, IDC_TEXT_LINE, "old"},
        // 7 characters, 9 bytes: an edit that counts characters still stores bytes.
        {"double-byte characters that would be cut", "音\\声.wav", 7, 1, IDC_TEXT_LINE, "old"},
        {"double-byte characters that fit", "音\\声.wav", 9, 1, IDC_TEXT_LINE, "音\\声.wav"},
        {"cancelled", "", 259, 0, IDC_TEXT_LINE, "old"},
        {"no binding for the id", inside, 259, 0, IDC_TEXT_LINES, "old"},
    };
    SetFileDialogHook(Answer);
    for (const cCase& c : cases) {
        g_Chosen = c.chosen;
        std::string text = "old";
        cBindings<cBoundStrEdit> edits(1);
        edits[0].m_Desc = cStrEditDesc(IDC_TEXT_LINE, &text, c.limit, c.dbcs);
        cCtrlPage page(IDD_CTRL_TEXT);
        page.Open([&](cCtrlPage& p) { p.AttachCtrls(edits); });
        ChooseFileInto(page.GetHwnd(), edits, c.editId, "wave\\", "効果音の選択", "WaveFile ( *.wav )\0*.wav\0",
                       "wav");
        EXPECT_EQ(c.shown, WindowText(page.Item(IDC_TEXT_LINE))) << c.name;
        EXPECT_EQ("wave\\", g_Folder) << c.name;
        page.CtrlsToData();
        EXPECT_EQ(c.shown, text) << c.name << ": the edit's change stores it";
    }
    SetFileDialogHook(nullptr);
}
