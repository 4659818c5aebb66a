#pragma once
// The editor with one kind's palettes shown, small common and stage palettes of that kind
// (element i shows graphic i, or 100 + i on the stage, and is named "Ci" or "Si"), and the
// kind's data sheet driven by messages. Everything it changes is put back.
#include <windows.h>
#include <prsht.h>

#include <functional>
#include <string>

#include "data/ProjectDatabase.h"
#include "editor/palette/DataWnd.h"
#include "editor/palette/PaletteDlg.h"
#include "editor/palette/PaletteIds.h"
#include "editor/palette/PaletteLists.h"
#include "tests/palette/PaletteFixture.h"
#include "tests/support/DialogDriver.h"
#include "tests/shell/EditorFixture.h"

const int kCommonPalette = 0;
const int kStagePalette = 1;
const int kSheetApply = 0x3021;

template <class T>
void FillElements(cRecordVector<T>& list, int count, int first, const char* prefix) {
    list.clear();
    for (int i = 0; i < count; ++i) {
        T element;
        element.m_Graphic = static_cast<uint16_t>(i ? first + i : 0);
        element.m_GraphicSrc = 1;
        element.m_Name = i ? prefix + std::to_string(i) : "";
        list.push_back(element);
    }
}

// T: the element kind; Sheet: its data sheet; page: the editor configuration's remembered page.
template <class T, class Sheet>
class cSheetWindows {
public:
    cSheetWindows(int common, int stage, int32_t& page) : m_Palettes(2, 2), m_Page(page) {
        m_Editor = new cEditorFixture(true);
        FillElements(PaletteList<T>(0), common, 0, "C");
        FillElements(PaletteList<T>(1), stage, 100, "S");
        ProjectStage().m_UndoCount = 8;
        UndoHistory().Init(ProjectStage().m_UndoCount, ProjectStage().m_Stride, ProjectStage().m_Height);
        SetPaletteShower(ShowPaletteWindows);
        ShowPaletteWindows(&m_Editor->Main(), KindOf(static_cast<T*>(nullptr)));
        PumpEditor();
    }
    ~cSheetWindows() {
        delete m_Editor;
        SetPaletteShower(nullptr);
    }
    cPaletteDlg* Palette(int stage) const {
        return dynamic_cast<cPaletteDlg*>(m_Editor->Main().m_lpPaletteWnd[stage][KindOf(static_cast<T*>(nullptr))]);
    }
    // Selects the element and runs the popup menu's "編集".
    void EditElement(int stage, int index) {
        StageDoc().m_SelPalette = stage;
        StageDoc().m_SelIndex = index;
        SendMessageA(Palette(stage)->GetHwnd(), WM_COMMAND, ID_ELEMENT_EDIT, 0);
        PumpEditor();
        m_Owner = stage;
    }
    void EditCell(uint32_t cell) {
        EditStageCell(&m_Editor->Main(), KindOf(static_cast<T*>(nullptr)), cell);
        PumpEditor();
        m_Owner = kStagePalette;
    }
    Sheet* GetSheet() const { return static_cast<Sheet*>(Palette(m_Owner)->DataWnd()); }
    // Shows the page as a click on its tab does.
    void ShowPage(int index) const {
        SendMessageA(GetSheet()->GetHwnd(), PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
        PumpEditor();
    }
    HWND PageWnd(int index) const { return GetSheet()->Page(index)->GetHwnd(); }
    void Click(int page, int id) const {
        SendMessageA(GetDlgItem(PageWnd(page), id), BM_CLICK, 0, 0);
        PumpEditor();
    }
    void Choose(int page, int id, int row) const {
        HWND wnd = PageWnd(page);
        SendDlgItemMessageA(wnd, id, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
        SendMessageA(wnd, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(wnd, id)));
        PumpEditor();
    }
    int ComboRow(int page, int id) const {
        return static_cast<int>(SendDlgItemMessageA(PageWnd(page), id, CB_GETCURSEL, 0, 0));
    }
    int ComboRows(int page, int id) const {
        return static_cast<int>(SendDlgItemMessageA(PageWnd(page), id, CB_GETCOUNT, 0, 0));
    }
    void Type(int page, int id, const char* text) const {
        SetDlgItemTextA(PageWnd(page), id, text);
        PumpEditor();
    }
    std::string Text(int page, int id) const {
        char text[256] = "";
        GetDlgItemTextA(PageWnd(page), id, text, sizeof text);
        return text;
    }
    bool Enabled(int page, int id) const { return IsWindowEnabled(GetDlgItem(PageWnd(page), id)) != 0; }
    bool Shown(int page, int id) const { return IsWindowVisible(GetDlgItem(PageWnd(page), id)) != 0; }
    bool Checked(int page, int id) const { return IsDlgButtonChecked(PageWnd(page), id) == BST_CHECKED; }
    void SheetButton(int id) const {
        SendMessageA(GetDlgItem(GetSheet()->GetHwnd(), id), BM_CLICK, 0, 0);
        // The group deletes a closed sheet on the next message through the loop.
        PostMessageA(m_Editor->MainWnd(), WM_NULL, 0, 0);
        PumpEditor();
    }
    cEditorFixture& Editor() const { return *m_Editor; }

private:
    cPaletteFixture m_Palettes;
    cRestoreOnExit<cRecordVector<T>> m_Common{PaletteList<T>(0)};
    cRestoreOnExit<cRecordVector<T>> m_Stage{PaletteList<T>(1)};
    cRestoreOnExit<int32_t> m_Page;
    cEditorFixture* m_Editor = nullptr;
    int m_Owner = kStagePalette;
};

// True for a visible window of the thread with the caption: the modal dialog a test drives.
inline std::function<bool(HWND)> CaptionIs(const char* caption) {
    std::string wanted = caption;
    return [wanted](HWND wnd) { return IsShownWithCaption(wnd, wanted.c_str()); };
}
