#pragma once
// The stage option dialog "ステージオプション": how many steps the stage editor's undo history
// keeps (0 to 9). OK resizes the history at once; a larger count is refused, with its message,
// when the free memory could not hold the added steps.
#include <cstdint>

#include "framework/Binding.h"
#include "framework/EditVal.h"
#include "framework/Page.h"

class cEditWnd;

class cStageOptionDlg : public cPage {
public:
    cStageOptionDlg(cChildWnd* parent, cWndGroup* group);

    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

private:
    void Commit();

    cBindings<cBoundEditVal<int32_t>> m_Ints;
};

// The command "ステージオプション(&O)": the dialog runs modally with the editor's other windows
// disabled, then the main window's undo buttons follow the history.
void OpenStageOption(cEditWnd* main);
