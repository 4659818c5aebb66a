#pragma once
// The map chip palette beside the world map window in chip mode (template 154): the map's chip
// list five to a row, two rows shown under a vertical scroll bar; a click chooses the chip the
// brush paints with, and the status line names it.
#include <cstdint>

#include "framework/Ctrl.h"
#include "framework/Page.h"

class cMapChipPaletteDlg : public cPage {
public:
    cMapChipPaletteDlg(cChildWnd* parent, cWndGroup* group);
    ~cMapChipPaletteDlg() override;

    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnPaint() override;

    // Test seam: the first row shown.
    int TopRow() const { return m_TopRow; }

private:
    void OnSize();

    cCtrl m_Canvas{eCtrlPlain};
    cDib m_BackBuffer;
    int m_TopRow = 0;
};
