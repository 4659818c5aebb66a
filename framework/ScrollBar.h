#pragma once
// A scroll bar bound to a page: either a scroll-bar control of the dialog, or the own bar of an
// owner window (when the settings give one). Right clicks never reach the control, so it shows
// no context menu.
#include "framework/Ctrl.h"

struct cScrollBarSettings {
    HWND* lpOwner = nullptr;  // the owner's window handle; null: the control itself scrolls
    int bar = SB_CTL;         // SB_HORZ or SB_VERT of the owner
    int minimum = 0;
    int maximum = 0;
    int page = 0;
    int redraw = TRUE;
};

class cScrollBar : public cCtrl {
public:
    cScrollBar() : cCtrl(eCtrlScrollBar) {}
    ~cScrollBar() override;

    void Attach(cPage* page, uint16_t id, const cScrollBarSettings& settings);

    int GetPos() const;
    void SetPos(int pos);
    void SetRange(int minimum, int maximum);
    void SetPage(int page);
    // Moves by delta; returns the position the system kept (it clamps to the range).
    int ScrollBy(int delta);

private:
    HWND Target(int* bar) const;
    void Unsubclass();
    static LRESULT CALLBACK SubclassProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

    cScrollBarSettings m_Settings;
};
