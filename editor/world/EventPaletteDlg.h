#pragma once
// The event palette beside the world map window in event mode (template 158): the list of event
// templates the paint tool places, edited in the event dialog, cut and copied into the world
// map's clipboard (its keys and popup menu), and the three choices of how events are placed,
// stored in the editor configuration at once.
#include "framework/Page.h"

class cEventPaletteDlg : public cPage {
public:
    cEventPaletteDlg(cChildWnd* parent, cWndGroup* group);
    ~cEventPaletteDlg() override;

    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

private:
    void FillList(int row);
    // The template at the row in the event dialog (an inserted one goes again on Cancel); true
    // after OK.
    bool EditTemplate(int row, bool inserted);
    void CopyTemplate(int row, bool cut);
    void ShowListMenu(LPARAM lParam);
    // The editing state follows the list's current row; the map counts as changed.
    void Synchronise();
    void SetCount();

    HMENU m_hPopup = nullptr;
};
