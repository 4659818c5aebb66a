#pragma once
// The effect page: a name, the bitmap, the cell size, whether the effect may grow with a huge
// character, and its frames, each edited in the frame dialog.
#include "data/EffectRecords.h"
#include "editor/database/DatabaseIds.h"
#include "editor/database/DbTablePage.h"
#include "editor/database/ItemDlg.h"
#include "framework/EditVal.h"

// The modal dialog that edits one frame: OK stores the two values into it, Cancel leaves it.
class cDbAnimeDlg : public cDbItemDlg<cEffectFrame> {
public:
    cDbAnimeDlg(UINT templateId, cChildWnd* parent, int kind, cWndGroup* group, cCtrl* anchor, int centre);

    // The frame the next dialog edits.
    static cEffectFrame* s_lpEdited;

private:
    void AttachItem() override { AttachCtrls(m_Values); }

    cBindings<cBoundEditVal<int32_t>> m_Values;
};

// A frame's row: frame number and display time.
void EffectFrameRowText(std::string* text, int index, const cEffectFrame* frame);

class cDbEffectPage : public cDbTablePage<cEffect> {
public:
    using FrameList = cDataList<cEffectFrame, cRecordVector<cEffectFrame>>;

    cDbEffectPage(cChildWnd* parent, cWndGroup* group, cRecordVector<cEffect>* table);
    FrameList& Frames() { return m_FrameList[0].m_Ctrl; }

protected:
    void AttachPage() override;
    void PageCommand(int id, int code) override;
    // Clearing resets the selected effects but keeps their frames.
    int ListClear() override;

private:
    int EditFrame();
    void FramesChanged();

    cBindings<cBoundEditVal<int32_t>> m_Size;
    cBindings<cBoundCheck> m_Checks;
    cBindings<cBound<FrameList, cDataListDesc<cEffectFrame, cRecordVector<cEffectFrame>>>> m_FrameList;
    cDbAnimeDlg* m_lpFrameDlg = nullptr;
};
