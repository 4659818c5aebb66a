#pragma once
// The modal dialog "データの移動" over one palette list: moves, copies and inserts, or deletes
// a numbered range of its elements (DataMove.h) and ends with 1 when it ran.
#include <cstdint>

#include "framework/Combo.h"
#include "framework/EditVal.h"
#include "framework/Page.h"

class cDataMoveDlg : public cPage {
public:
    // stage: 0 the common palette, 1 the stage palette; kind: block, chara or item; x, y: where
    // it opens (the palette window's corner).
    cDataMoveDlg(cChildWnd* parent, cWndGroup* group, int stage, int kind, int x, int y);

    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void UpdateEnables();
    bool Run();

    int m_Stage;
    int m_Kind;
    int m_Count;
    int32_t m_First = 1;
    int32_t m_Last = 1;
    int32_t m_Destination = 1;
    int32_t m_Op = 0;
    cBindings<cBoundEditVal<int32_t>> m_Edits;
    cBindings<cBoundCombo<int32_t>> m_Combos;
};
