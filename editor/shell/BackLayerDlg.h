#pragma once
// The dialog "背景": one background layer of a stage, a bitmap of bmp\back\ or a colour of the
// palette, with its scroll speeds. It edits the record in place: OK reads the controls into it,
// Cancel and the close box leave it as it was.
#include <string>

#include "data/StageRecords.h"
#include "framework/Buttons.h"
#include "framework/EditVal.h"
#include "framework/PictureBox.h"
#include "framework/StrEdit.h"
#include "framework/Page.h"

class cBackLayerDlg : public cPage {
public:
    cBackLayerDlg(cChildWnd* parent, cWndGroup* group, cBackLayer* layer);

    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;

    // The row text of a layer in the stage settings' list: shown from the start or not, then
    // its colour number or its bitmap.
    static void RowText(std::string* text, int index, const cBackLayer* layer);

private:
    void UpdateEnables();
    void DrawPreview();
    void Browse();

    cBackLayer* m_lpLayer;
    cBindings<cBoundCheck> m_Checks;
    cBindings<cBoundStrEdit> m_Texts;
    cBindings<cBoundEditVal<int32_t>> m_Ints;
    cBindings<cBoundEditVal<double>> m_Reals;
    cBindings<cBoundButton> m_Buttons;
    cBoundPictureBox m_Preview;
};
