#include "editor/palette/ItemPage1.h"

#include <algorithm>

#include "data/ElementNames.h"
#include "data/FlowTables.h"
#include "data/ProjectDatabase.h"
#include "editor/flow/CondIds.h"
#include "editor/palette/ElementSource.h"
#include "editor/palette/ItemIds.h"
#include "editor/palette/PaletteLists.h"
#include "editor/shell/DrawObject.h"
#include "editor/shell/GraphicRanges.h"
#include "framework/NameList.h"

namespace {

const int kMaxOffset = 640;
const int kMaxFrame = 19;
const int kGroups = 8;
const uint16_t kGraphicButton = IDC_IT_INHERIT_FIRST + 4;
const uint16_t kMarkButton = IDC_IT_INHERIT_FIRST + 7;

}  // namespace

cItemPage1::cItemPage1(cItemSheetOwner* sheet, cChildWnd* parent, cWndGroup* group)
    : cItemPage(IDD_ITEM_PAGE1, sheet, 0, parent, group), m_Conds(kElementCondList) {
    m_Bind.Picture(IDC_I1_PREVIEW_2, kElementCell, kElementCell);
    m_PreviewIds.push_back(IDC_I1_PREVIEW_2);
    cEdItem& item = m_Work;
    FillInheritNames(item.m_InheritSrc);
    m_Bind.Combo(IDC_I1_INHERIT_SRC, &item.m_InheritSrc, InheritSourceNames(sheet->Source()));
    m_Bind.Combo(IDC_I1_INHERIT_INDEX, &item.m_InheritIndex, &m_InheritNames, 1);
    m_Bind.Text(cStrEditDesc(IDC_I1_NAME, &item.m_Name, 20, 1));
    m_Bind.Combo(IDC_I1_COND_JUDGE, &item.m_CondJudge, CondJudgeNames);
    m_Bind.Check(IDC_I1_ONCE_TRUE, &item.m_OnceTrue);
    m_Bind.Edit(IDC_I1_OFFSET_X, &item.m_OffsetX, -kMaxOffset, kMaxOffset, IDC_I1_OFFSET_X_SPIN);
    m_Bind.Edit(IDC_I1_OFFSET_Y, &item.m_OffsetY, -kMaxOffset, kMaxOffset, IDC_I1_OFFSET_Y_SPIN);
    m_Bind.Combo(IDC_I1_GRAPHIC_SRC, &item.m_GraphicSrc, GraphicSrcNames);
    m_Bind.Edit(IDC_I1_GRAPHIC, &item.m_Graphic, 1, GraphicRange(eGraphicChara, 0).highest, IDC_I1_GRAPHIC_SPIN);
    m_Bind.Edit(IDC_I1_FRAME, &item.m_Frames, 0, kMaxFrame, IDC_I1_FRAME_SPIN);
    m_Bind.Edit(IDC_I1_Z, &item.m_Z, 0, 7, IDC_I1_Z_SPIN);
    m_Bind.Combo(IDC_I1_TRANSPARENT, &item.m_Transparent, OffOnNames);
    m_Bind.Combo(IDC_I1_MARK_MODE, &item.m_MarkMode, MarkModeNames);
    m_Bind.Edit(IDC_I1_MARK, &item.m_Mark, 0, kHighestMark, IDC_I1_MARK_SPIN);
    m_Conds.Bind(&item.m_Conditions);

    const uint16_t first = IDC_IT_INHERIT_FIRST;
    AddGroup(first + 0, 0, {IDC_I1_NAME});
    AddGroup(first + 1, 1, {IDC_COND_LIST, IDC_COND_INSERT, IDC_COND_EDIT, IDC_COND_DELETE, IDC_I1_COND_JUDGE, IDC_I1_ONCE_TRUE});
    AddGroup(first + 2, 2, {IDC_I1_OFFSET_X});
    AddGroup(first + 3, 3, {IDC_I1_OFFSET_Y});
    AddGroup(kGraphicButton, 4, {IDC_I1_GRAPHIC_SRC, IDC_I1_GRAPHIC, IDC_I1_FRAME});
    AddGroup(first + 5, 5, {IDC_I1_Z});
    AddGroup(first + 6, 6, {IDC_I1_TRANSPARENT});
    AddGroup(kMarkButton, 7, {IDC_I1_MARK_MODE, IDC_I1_MARK});

    auto redraw = [this] { DrawPreviews(); };
    AddHandler(eCtrlCombo, IDC_I1_INHERIT_SRC, [this] { InheritSourceChanged(); });
    AddHandler(eCtrlCombo, IDC_I1_INHERIT_INDEX, [this] { ApplyInherit(); });
    AddHandler(eCtrlCombo, IDC_I1_GRAPHIC_SRC, [this] { GraphicKindChanged(); });
    AddHandler(eCtrlEditVal, IDC_I1_GRAPHIC, redraw);
    AddHandler(eCtrlEditVal, IDC_I1_FRAME, redraw);
    AddHandler(eCtrlCombo, IDC_I1_MARK_MODE, [this] { MarkModeChanged(); });
    AddHandler(eCtrlEditVal, IDC_I1_MARK, redraw);
}

void cItemPage1::FillInheritNames(int palette) {
    if (palette == 1 || palette == 2)
        BuildNameList(&m_InheritNames, PaletteList<cEdItem>(palette == 2 ? 1 : 0));
    else
        m_InheritNames.clear();
}

void cItemPage1::InitPage() {
    m_Conds.Attach(this, m_lpGroup);
    m_Conds.List().SelectSingle(0, false);
    if (!MayInherit(m_lpSheet->Source())) EnableCtrl(IDC_I1_INHERIT_SRC, false);
}

void cItemPage1::RefillLists() { m_Conds.List().Refill(); }

void cItemPage1::RedrawList() {
    cItemPage::RedrawList();
    m_Conds.List().Refresh();
}

bool cItemPage1::PageCommand(int id, int code) { return m_Conds.OnCommand(MAKEWPARAM(id, code)) != 0; }

bool cItemPage1::ContextMenu(WPARAM wParam, LPARAM lParam) { return m_Conds.OnContextMenu(wParam, lParam) != 0; }

// The toggles answer only while a base palette is chosen; their groups follow them.
void cItemPage1::EnableInheritGroups() {
    bool based = MayInherit(m_lpSheet->Source()) && ComboPos(IDC_I1_INHERIT_SRC) > 0;
    EnableInheritButtons(based);
    EnableCtrl(IDC_I1_INHERIT_INDEX, based);
    cItemPage::EnableInheritGroups();
}

void cItemPage1::InheritSourceChanged() {
    int palette = ComboPos(IDC_I1_INHERIT_SRC);
    if (palette <= 0) {
        for (int group = 0; group < kGroups; ++group) CheckDlgButton(m_hWnd, m_Groups[group].button, BST_UNCHECKED);
        Store();
        // Every flag goes, those of page 2's groups too.
        m_Work.m_bbInherit.assign(0, 0);
    } else {
        auto& index = FindCtrl(m_Bind.m_Combos16s, IDC_I1_INHERIT_INDEX)->m_Ctrl;
        int16_t kept = static_cast<int16_t>(index.GetData());
        FillInheritNames(palette);
        index.SetList(&m_InheritNames);
        index.SetData(kept);
    }
    EnableInheritGroups();
    ApplyInherit();
    RunChangeHandlers(IDC_I1_INHERIT_SRC);
}

void cItemPage1::GraphicKindChanged() {
    if (IsChecked(kGraphicButton)) {
        DrawPreviews();
        return;
    }
    int kind = ComboPos(IDC_I1_GRAPHIC_SRC);
    auto& number = FindCtrl(m_Bind.m_EditsU16, IDC_I1_GRAPHIC)->m_Ctrl;
    auto& frame = FindCtrl(m_Bind.m_EditsU16, IDC_I1_FRAME)->m_Ctrl;
    const cGraphicRange range = GraphicRange(kind, ProjectDatabase().m_BmpCharaExcs.size());
    number.SetRange(1, static_cast<uint16_t>(range.highest));
    if (range.columns) frame.SetRange(0, static_cast<uint16_t>(range.highestFrame));
    EnableCtrl(IDC_I1_FRAME, range.columns);
    // Each edit shows its number again inside the new range.
    ++m_Busy;
    for (auto* edit : {&number, &frame}) {
        edit->CtrlToData();
        edit->DataToCtrl();
    }
    --m_Busy;
    DrawPreviews();
}

void cItemPage1::MarkModeChanged() {
    if (!IsChecked(kMarkButton)) EnableCtrl(IDC_I1_MARK, ComboPos(IDC_I1_MARK_MODE) != 0);
    DrawPreviews();
}

// The item as the graphic controls stand.
cEdItem cItemPage1::PreviewRecord() {
    cEdItem shown;
    shown.m_GraphicSrc = static_cast<uint8_t>(std::max(0, ComboPos(IDC_I1_GRAPHIC_SRC)));
    shown.m_Graphic = static_cast<uint16_t>(GetDlgItemInt(m_hWnd, IDC_I1_GRAPHIC, nullptr, FALSE));
    shown.m_Frames = static_cast<uint16_t>(GetDlgItemInt(m_hWnd, IDC_I1_FRAME, nullptr, FALSE));
    shown.m_MarkMode = static_cast<uint8_t>(std::max(0, ComboPos(IDC_I1_MARK_MODE)));
    shown.m_Mark = static_cast<uint16_t>(GetDlgItemInt(m_hWnd, IDC_I1_MARK, nullptr, FALSE));
    return shown;
}
