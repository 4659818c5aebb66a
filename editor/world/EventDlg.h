#pragma once
// The world map event dialog "イベント": an event's name and its stage entries ("ページデータ"),
// edited on a working copy. OK takes a world map undo snapshot, then writes the copy into the
// event; Cancel writes nothing. A variable renamed with "_" is saved at once either way.
#include <string>
#include <vector>

#include "data/WorldMap.h"
#include "framework/Binding.h"
#include "framework/Buttons.h"
#include "framework/Combo.h"
#include "framework/DataList.h"
#include "framework/EditVal.h"
#include "framework/Page.h"
#include "framework/PictureBox.h"
#include "framework/StrEdit.h"

class cWorldEventDlg : public cPage {
public:
    static constexpr int kMaxEntries = 99;

    cWorldEventDlg(cWorldEvent* target, cChildWnd* owner, cWndGroup* group);

    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    // Draws the preview of the shown graphic.
    int OnPaint() override;

private:
    typedef cDataList<cWorldStageEntry, cRecordVector<cWorldStageEntry>> cEntryList;
    cEntryList& Entries() { return m_List[0].m_Ctrl; }
    void UpdateEnables();
    // The entry controls show the edit record / store into it and its row.
    void ShowEntry();
    void StoreEntry();
    void ChooseStage();
    void RenameVariable();
    void BuildVarItems();
    void Commit();

    cWorldEvent* m_lpTarget;
    cWorldEvent m_Work;
    cRecordVector<cWorldStageEntry> m_Rows;
    cWorldStageEntry m_Edit;
    std::vector<std::string> m_GraphicItems;
    std::vector<std::string> m_VarItems;
    cBindings<cBound<cEntryList, cDataListDesc<cWorldStageEntry, cRecordVector<cWorldStageEntry>>>> m_List;
    cBindings<cBoundStrEdit> m_Texts;
    cBindings<cBoundStrEdit> m_EntryTexts;
    cBindings<cBoundCombo<int32_t>> m_Combos;
    cBindings<cBoundEditVal<int32_t>> m_Ints;
    cBindings<cBoundCheck> m_Checks;
    cBindings<cBoundButton> m_Buttons;
    cBindings<cBoundPictureBox> m_Preview;
};

// Runs the dialog modally on the event with the owner's window group disabled meanwhile; 1
// after OK.
int RunWorldEventDlg(cWorldEvent* event, cChildWnd* owner, cWndGroup* group);
