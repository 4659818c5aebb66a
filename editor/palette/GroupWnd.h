#pragma once
// The chara group window "キャラのグループ情報": sixty buttons, one a group, pressed while at
// least one chara placed on the stage belongs to that group. It only shows: a click changes
// nothing. The main window holds it (m_lpGroupWnd) and shows or hides it.
#include "framework/Buttons.h"
#include "framework/Page.h"

class cEditWnd;
class cWndPos;

const int kCharaGroups = 60;

// The button of a group: 1453 for group 0, 1413 .. 1452 for 1 .. 40, 1454 .. 1472 for 41 .. 59;
// 0 for a number outside the groups.
int GroupButtonId(int group);

class cCharaGroupDlg : public cPage {
public:
    cCharaGroupDlg(cChildWnd* parent, cWndGroup* group);
    ~cCharaGroupDlg() override;

    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    // The buttons from the charas placed now.
    int OnPaint() override;

private:
    void Place();

    int32_t m_Used[kCharaGroups] = {};
    cBindings<cBoundCheck> m_Buttons;
    cWndPos* m_lpPlacement;
};

// Makes the main window's group window when it has none, shown as the configuration says.
void ShowGroupWindow(cEditWnd* main);
