#pragma once
// The main window with a settings sheet opened by its menu command, driven by messages as the
// author does: pages shown, texts typed, buttons clicked, the sheet applied and closed.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "framework/PropSheet.h"
#include "tests/shell/EditorFixture.h"

inline std::string FileBytes(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The editor's windows, made before a driver that reaches into the main window.
struct cEditorHolder {
    explicit cEditorHolder(bool stageOpen) : m_Editor(stageOpen) {}
    cEditorFixture m_Editor;
};

class cSheetDriver {
public:
    static constexpr int kApplyButton = 0x3021;

    explicit cSheetDriver(cPropSheet* const* slot) : m_Slot(slot) {}

    cPropSheet* Sheet() const { return *m_Slot; }
    HWND SheetWnd() const { return Sheet() ? Sheet()->GetHwnd() : nullptr; }
    // Shows the page and answers its window.
    HWND Page(int index) const {
        Sheet()->SetCurPage(index);
        PumpEditor();
        return Sheet()->m_Pages.At(index)->GetHwnd();
    }
    void Type(HWND page, int id, const char* text) const {
        SetDlgItemTextA(page, id, text);
        PumpEditor();
    }
    void Click(HWND wnd, int id) const {
        SendMessageA(GetDlgItem(wnd, id), BM_CLICK, 0, 0);
        PumpEditor();
    }
    void Choose(HWND page, int id, int position) const {
        SendDlgItemMessageA(page, id, CB_SETCURSEL, position, 0);
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
        PumpEditor();
    }
    void Apply() const { Click(SheetWnd(), kApplyButton); }
    // The group deletes a closed sheet when the loop takes its next message.
    void Close(int button) const {
        HWND sheet = SheetWnd();
        Click(sheet, button);
        PostMessageA(GetParent(sheet) ? GetParent(sheet) : sheet, WM_NULL, 0, 0);
        PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
        PumpEditor();
    }
    static bool Enabled(HWND page, int id) { return IsWindowEnabled(GetDlgItem(page, id)) != 0; }
    static bool Checked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }
    static std::string Text(HWND wnd, int id) {
        char text[300] = "";
        GetDlgItemTextA(wnd, id, text, sizeof text);
        return text;
    }

private:
    cPropSheet* const* m_Slot;
};

// Every listed control of a template is there, made as a child of the parent window.
inline void ExpectControls(HWND parent, int templateId, const std::vector<int>& ids) {
    struct cQuiet {
        static INT_PTR CALLBACK Proc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }
    };
    HWND dlg = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), parent, cQuiet::Proc, 0);
    ASSERT_NE(dlg, nullptr) << templateId;
    for (int id : ids) EXPECT_NE(GetDlgItem(dlg, id), nullptr) << templateId << " " << id;
    DestroyWindow(dlg);
}
