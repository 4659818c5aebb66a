#pragma once
// The page of the block data window: one block in a working copy, every attribute group with
// its "継承→" check (a checked group is taken from the referenced block and cannot be edited),
// the appearance conditions, two previews and, for a palette block, stepping to the previous or
// next block of the palette. Nothing reaches the project before the sheet applies; then the
// block goes back to where it came from (the document's edit source).
#include <cstdint>
#include <string>
#include <vector>

#include "data/Block.h"
#include "editor/flow/CondList.h"
#include "editor/palette/ElementSource.h"
#include "framework/Buttons.h"
#include "framework/Combo.h"
#include "framework/EditVal.h"
#include "framework/Page.h"
#include "framework/PictureBox.h"
#include "framework/StrEdit.h"

// The block's numbers as the controls show them (a combo's row, an edit's number).
struct cBlockForm {
    int32_t inheritSrc = 0, inheritIndex = 0;
    int32_t inherit[cEdBlock::kGroups] = {};
    int32_t condJudge = 0, onceTrue = 0;
    int32_t graphicSrc = 0, graphic = 0, frame = 0;
    int32_t front = 0, transparent = 0, markMode = 0, mark = 0, blockType = 0;
    int32_t force = -1;  // -1 none, 0..7
    int32_t action = 0, actionX = 0;
    int32_t itemSrc = 0, itemIndex = 0, noSummon = 0;

    void From(const cEdBlock& block);
    void To(cEdBlock& block) const;
};

// The range and default of the action parameter X; minimum == maximum == 0: no parameter.
struct cActionRange {
    int32_t minimum, maximum, initial;
};
const cActionRange& ActionRange(int action);

class cBlockDlg : public cPage {
public:
    // source: where the block comes from (eEditSource); cell: the stage cell of source 0.
    cBlockDlg(cChildWnd* parent, cWndGroup* group, int source, uint32_t cell);

    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void RedrawList() override;
    int OnPaint() override;

    // Reads the controls and writes the block back to where it came from.
    void WriteBack();
    // The previous (-1) or next (+1) block of the palette, wrapping within 1 .. count - 1.
    void Step(int delta);
    // The page's window goes without taking the editor back (its owner is going first).
    void SkipReturn() { m_Return = false; }

    int Source() const { return m_From.Source(); }
    int Index() const { return m_From.Index(); }
    const cDib& Preview() { return m_Pictures[0].m_Ctrl.Canvas(); }

private:
    void Load(const cEdBlock& block);
    // Reads the controls into the working block; a number edit the author left alone keeps the
    // block's value.
    void Store();
    // The author changed the number edit (typed, or stepped with its arrows).
    void NoteTyped(int id);
    // The form's numbers the author did not change are the working block's again.
    void KeepUntyped();
    void Show();
    void RunHandlers();
    void GroupRule();
    void ApplyInheritance();
    void InheritSourceChanged();
    void GraphicSourceChanged();
    void MarkModeChanged();
    void ActionChanged();
    void ItemSourceChanged();
    void DrawPreviews();
    void ShowNumber();
    bool Inherited(int group) const;
    void EnableGroup(int group, bool enable);
    void EnableCtrl(int id, bool enable);

    cElementSource<cEdBlock> m_From;
    bool m_Return = true;
    int m_Busy = 0;
    int m_LastAction = -1;
    // The number edits changed by the author since the edits last showed the working block,
    // one bit each.
    uint32_t m_Typed = 0;
    cEdBlock m_Work;
    cBlockForm m_Form;
    std::vector<std::string> m_InheritNames;
    std::vector<std::string> m_ItemNames;
    cCondList m_Conds;
    cBindings<cBoundCombo<int32_t>> m_Combos;
    cBindings<cBoundCheck> m_Checks;
    cBindings<cBoundEditVal<int32_t>> m_Edits;
    cBindings<cBoundStrEdit> m_Texts;
    cBindings<cBoundButton> m_Buttons;
    cBindings<cBoundPictureBox> m_Pictures;
};
