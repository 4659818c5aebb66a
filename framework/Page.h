#pragma once
// The base of every dialog page: the framework window (ChildWnd.h tells how a page is made and
// run) plus the bound-control list, the keyboard hook, two scroll-bar controls, keyboard
// scrolling and the command routing to the bound controls.
//
// Scroll bars: a page whose layout asks for them (SetLayout's scroll flags) takes the template's
// scroll-bar controls with the ids of SetScrollBarIds, places them at the bottom and right edges
// of the content and scrolls them itself (WM_HSCROLL, WM_VSCROLL, the navigation keys); OnPaint
// is called when a position changed. Sheet pages are made with kind eKindSheetPage and shown by
// a cPropSheet.
#include "framework/ChildWnd.h"
#include "framework/Hook.h"
#include "framework/ScrollBar.h"

struct cPictureBoxDesc;
class cPictureBox;
template <class C, class D>
struct cBound;

// Posted or sent to a page: it redraws its data lists (RedrawList), so a window that changed
// the rows a page shows needs only the page's window, not its object.
const UINT WM_REDRAWLIST = WM_USER + 1001;

class cPage : public cChildWnd {
public:
    cPage(UINT templateId, cChildWnd* parent, int kind, cWndGroup* group);
    // Opens at the anchor control's top-left corner, or centred on it when centre is set.
    cPage(UINT templateId, cChildWnd* parent, int kind, cWndGroup* group, cCtrl* anchor, int centre);
    // Opens at a screen point.
    cPage(UINT templateId, cChildWnd* parent, int kind, cWndGroup* group, int x, int y);

    // The standard dialog procedure: the framework dispatch, and End(0) for the close box.
    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    // Notifications go to the bound control they come from; menu and accelerator commands are
    // offered to the data lists (the one with the focus acts), so derived pages need not
    // forward them.
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void RedrawList() override;
    // Derived pages call this first, then attach their controls and show the values.
    virtual void OnInitDialog(WPARAM wParam, LPARAM lParam);

    // Attaches every binding of a vector (Binding.h) in order and appends its control to the
    // bound-control list; the number of bindings.
    template <class Bindings>
    int AttachCtrls(Bindings& bindings) {
        for (auto& binding : bindings) {
            binding.AttachTo(this);
            AddCtrl(&binding.m_Ctrl);
        }
        return static_cast<int>(bindings.size());
    }
    template <class Binding>
    void AttachDataList(Binding& binding) {
        binding.AttachTo(this);
        AddCtrl(&binding.m_Ctrl);
    }
    void AttachPictureBox(cBound<cPictureBox, cPictureBoxDesc>& binding);

    // Scrolls the content toward the mouse while it lies beyond an edge during a drag; the new
    // positions go to the out-parameters. The caller redraws.
    void AutoScroll(int* horzPos, int* vertPos);
    // A canvas of cells after the window was sized: the control fills the content, the bars span
    // columns x rows cells with a page of what the canvas shows (their positions go to the
    // out-parameters), and the back buffer takes the canvas's size.
    void FitCanvas(cCtrl& canvas, cDib& backBuffer, int columns, int rows, int cellSize, int* horzPos, int* vertPos);

    // The dialog ids of the pages' scroll-bar controls, set once for the program.
    static void SetScrollBarIds(uint16_t horzId, uint16_t vertId);

    cScrollBar& HorzBar() { return m_HorzBar; }
    cScrollBar& VertBar() { return m_VertBar; }

protected:
    cHook m_Hook;
    cScrollBar m_HorzBar;
    cScrollBar m_VertBar;

private:
    void PlaceWindow();
    void PlaceBars();
    int ScrollPage(UINT msg, WPARAM wParam, LPARAM lParam);
};
