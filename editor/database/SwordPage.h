#pragma once
// The sword type page: a name, the two bitmaps (facing left, facing right) and the positions
// of the swing, each edited in the position dialog.
#include "data/SwordRecords.h"
#include "editor/database/DatabaseIds.h"
#include "editor/database/DbTablePage.h"
#include "editor/database/ItemDlg.h"
#include "framework/Combo.h"
#include "framework/EditVal.h"

// A position's row: direction, offset, height, width and display time.
void SwordPosRowText(std::string* text, int index, const cSwordPos* pos);

// The modal dialog that edits one position; OK stores the controls into it, Cancel leaves it
// as it was.
class cSwordPosDlg : public cDbItemDlg<cSwordPos> {
public:
    cSwordPosDlg(UINT templateId, cChildWnd* parent, int kind, cWndGroup* group, cCtrl* anchor, int centre);

    // The position the next dialog edits.
    static cSwordPos* s_lpEdited;

private:
    void AttachItem() override;

    cBindings<cBoundEditVal<int32_t>> m_Values;
    cBindings<cBoundCheck> m_Checks;
    cBindings<cBound<cCombo<int32_t>, cComboDesc<int32_t>>> m_Direction;
};

class cDbSwordPage : public cDbTablePage<cSwordType> {
public:
    using PosList = cDataList<cSwordPos, cRecordVector<cSwordPos>>;

    cDbSwordPage(cChildWnd* parent, cWndGroup* group, cRecordVector<cSwordType>* table);
    PosList& Positions() { return m_PosList[0].m_Ctrl; }

protected:
    int CountLimit() const override { return 99; }
    void AttachPage() override;
    void PageCommand(int id, int code) override;
    bool PageMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR* result) override;

private:
    // Opens the position dialog on the current position; its end code, 0 without one.
    int EditPosition();
    // The edited sword type's positions changed: its row takes them.
    void PositionsChanged();

    cSwordPos m_EditPos;
    cBindings<cBound<PosList, cDataListDesc<cSwordPos, cRecordVector<cSwordPos>>>> m_PosList;
    cSwordPosDlg* m_lpPosDlg = nullptr;
};
