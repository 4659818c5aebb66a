#pragma once
// The world map settings dialog (template 153): size, start position, background colour and
// background image of the project's world map. OK stores them, resizes the map keeping every
// chip at its place and loads the new background image. The typed path is stored as it is: an
// image that does not load is reported and leaves the one on screen; an emptied path loads none.
#include "framework/Page.h"

class cWorldSettingDlg : public cPage {
public:
    cWorldSettingDlg(cChildWnd* parent, cWndGroup* group);

    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    int OnPaint() override;

private:
    void Store();
    void ChooseImage();
};
