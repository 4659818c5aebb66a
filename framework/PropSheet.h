#pragma once
// A set of dialog pages shown as one modeless property sheet with tabs. A derived sheet makes
// its pages, appends them to m_Pages in tab order, calls Open and sets the caption:
//   cMySheet(cChildWnd* parent, cWndGroup* group, cPropSheet** slot)
//       : cPropSheet(1, parent, group, slot), m_First(IDD_A, parent, eKindSheetPage, group), ... {
//       m_Pages.push_back(&m_First); ...
//       if (Open()) SetWindowTextA(GetHwnd(), "caption");
//   }
// The pages get PSN_APPLY, PSN_RESET and the other sheet notifications as WM_NOTIFY. The sheet
// is registered in its group; once it was closed with OK or Cancel the group's PreTranslate
// destroys it, deletes the object and clears the owner's slot.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "framework/CheckedVector.h"

class cChildWnd;
class cPage;
class cWndGroup;

class cPropSheet {
public:
    cPropSheet(int mode, cChildWnd* parent, cWndGroup* group, cPropSheet** ownerSlot = nullptr);
    virtual ~cPropSheet();
    cPropSheet(const cPropSheet&) = delete;
    cPropSheet& operator=(const cPropSheet&) = delete;

    // Creates and shows the sheet; false when it cannot be made (reported, owner closed).
    bool Open();
    // Destroys the sheet window; the result of DestroyWindow, 0 when there was none.
    BOOL Close();
    void SetCurPage(int index);
    int GetCurPage() const;
    // Repaints the current page through its OnPaint and returns its result.
    int ApplyCurPage();
    // Toolkit API: sets bits of the sheet window's style, as RemoveStyle clears them.
    void AddStyle(LONG bits) {
        if (m_hWnd) SetWindowLongA(m_hWnd, GWL_STYLE, GetWindowLongA(m_hWnd, GWL_STYLE) | bits);
    }
    void RemoveStyle(LONG bits);
    // Puts the open sheet's window into the slot, where others look for it; the slot is cleared
    // again when the sheet closes, whichever way it goes (OK, Cancel, its owner's end).
    void PublishWindow(HWND& slot);

    HWND GetHwnd() const { return m_hWnd; }

    cCheckedVector<cPage*> m_Pages;  // in tab order; the pages belong to the derived sheet

protected:
    int m_Mode;
    HWND m_hOwner;
    cChildWnd* m_lpParent;
    cWndGroup* m_lpGroup;
    std::vector<HPROPSHEETPAGE> m_PageHandles;
    HWND m_hWnd = nullptr;

private:
    static int CALLBACK SheetCallback(HWND wnd, UINT msg, LPARAM lParam);

    HWND* m_lpWindowSlot = nullptr;
};

// True for the window of an open cPropSheet.
bool IsPropSheetWindow(HWND wnd);
