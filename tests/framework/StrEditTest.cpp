// Text edits keep their texts within the line width, the line count and the length while the
// user types: a table of cp932 texts typed, pasted and deleted into real edit controls.
#include <gtest/gtest.h>

#include "framework/StrEdit.h"
#include "tests/framework/ControlPage.h"

namespace {

enum eAction { eType, ePaste, eBackspace };

struct cCase {
    const char* name;
    int width, lines, dbcs;
    const char* before;
    int caret;  // character position as the edit counts it; -1: the end
    eAction action;
    const char* input;
    const char* after;
    int caretAfter;  // -1: the end
};

void PressBackspace(HWND edit) {
    INPUT key = {};
    key.type = INPUT_KEYBOARD;
    key.ki.wVk = VK_BACK;
    SendInput(1, &key, sizeof key);
    SendMessageA(edit, WM_CHAR, VK_BACK, 1);
    key.ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(1, &key, sizeof key);
}

void RunCase(const cCase& c, int id, const cStrEditDesc& desc, std::string* text) {
    SCOPED_TRACE(c.name);
    cBindings<cBoundStrEdit> edits(1);
    edits[0].m_Desc = desc;
    *text = c.before;
    cCtrlPage page(IDD_CTRL_TEXT);
    page.Open([&](cCtrlPage& p) { p.AttachCtrls(edits); });
    HWND edit = page.Item(id);
    int caret = c.caret < 0 ? GetWindowTextLengthW(edit) : c.caret;
    SendMessageA(edit, EM_SETSEL, caret, caret);
    switch (c.action) {
    case eType:
        for (const char* p = c.input; *p; ++p) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(*p), 1);
        break;
    case ePaste: SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(c.input)); break;
    case eBackspace: PressBackspace(edit); break;
    }
    EXPECT_EQ(c.after, WindowText(edit));
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    int expected = c.caretAfter < 0 ? GetWindowTextLengthW(edit) : c.caretAfter;
    EXPECT_EQ(expected, static_cast<int>(start));
    EXPECT_EQ(expected, static_cast<int>(end));
    page.CtrlsToData();
    EXPECT_EQ(c.after, *text);
}

}  // namespace

TEST(StrEdit, CountCharsCountsDoubleByteCharactersOnceAndLineFeedsNot) {
    EXPECT_EQ(0, CountChars(""));
    EXPECT_EQ(3, CountChars("あa\r\n"));
    EXPECT_EQ(6, CountChars("漢字テキスト\n"));
}

TEST(StrEdit, MultiLineTextsBreakAtTheWidthAndKeepTheLineLimit) {
    const cCase cases[] = {
        {"eleventh character starts a line", 10, 3, 0, "abcdefghij", -1, eType, "k", "abcdefghij\r\nk", -1},
        {"overflow joins the next line", 10, 3, 0, "abcdefghij\r\nxyz", 10, eType, "K", "abcdefghij\r\nKxyz", 13},
        {"overflow flows on", 10, 3, 0, "abcdefghij\r\n0123456789", 10, eType, "K",
         "abcdefghij\r\nK012345678\r\n9", 13},
        {"a fourth line is refused", 10, 3, 0, "a\r\nb\r\nc", -1, eType, "\r", "a\r\nb\r\nc", -1},
        {"overflow that makes a fourth line is refused", 4, 3, 0, "abcd\r\nefgh\r\nijkl", 4, eType, "X",
         "abcd\r\nefgh\r\nijkl", 4},
        {"double-byte characters pasted in one piece", 4, 3, 1, "", 0, ePaste, "あいうえお", "あいうえ\r\nお", -1},
        {"bytes: a double-byte character is not split", 5, 3, 0, "", 0, ePaste, "あいう", "あい\r\nう", -1},
    };
    for (const cCase& c : cases) {
        std::string text;
        RunCase(c, IDC_TEXT_LINES, BindRec(IDC_TEXT_LINES, &text, c.width, c.lines, c.dbcs), &text);
    }
}

// Backspace is a key that the whole display shares: these cases run alone.
TEST(StrEditKeys, BackspaceDoesNotJoinALineOntoAFullOne) {
    const cCase cases[] = {
        {"onto a full line nothing changes", 10, 3, 0, "abcdefghij\r\nk", 12, eBackspace, "", "abcdefghij\r\nk", 12},
        {"a short line joins", 10, 3, 0, "abc\r\nk", 5, eBackspace, "", "abck", 3},
    };
    for (const cCase& c : cases) {
        std::string text;
        RunCase(c, IDC_TEXT_LINES, BindRec(IDC_TEXT_LINES, &text, c.width, c.lines, c.dbcs), &text);
    }
}

TEST(StrEdit, SingleLineLimits) {
    const cCase cases[] = {
        // Character mode refuses a character past the limit with a beep.
        {"ninth character", 8, 1, 1, "あいうえおかきく", -1, eType, "x", "あいうえおかきく", -1},
        {"eighth character", 8, 1, 1, "あいうえおかき", -1, eType, "x", "あいうえおかきx", -1},
    };
    for (const cCase& c : cases) {
        std::string text;
        RunCase(c, IDC_TEXT_LINE, cStrEditDesc(IDC_TEXT_LINE, &text, c.width, c.dbcs), &text);
    }
}

TEST(StrEdit, ByteLimitCutsTheStoredTextAtWholeCharacters) {
    struct cCut {
        const char* typed;
        int limit;
        const char* stored;
    };
    for (const cCut& c : {cCut{"123456789", 8, "12345678"}, cCut{"あいうえお", 9, "あいうえ"}, cCut{"aあ", 2, "a"}}) {
        std::string text;
        cBindings<cBoundStrEdit> edits(1);
        edits[0].m_Desc = cStrEditDesc(IDC_TEXT_LINE, &text, c.limit, 0);
        cCtrlPage page(IDD_CTRL_TEXT);
        page.Open([&](cCtrlPage& p) { p.AttachCtrls(edits); });
        SetDlgItemTextA(page.GetHwnd(), IDC_TEXT_LINE, c.typed);
        page.CtrlsToData();
        EXPECT_EQ(c.stored, text) << c.typed;
    }
}
