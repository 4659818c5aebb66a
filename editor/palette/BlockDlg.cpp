#include "editor/palette/BlockDlg.h"

#include <prsht.h>

#include <algorithm>

#include "data/ElementNames.h"
#include "data/FlowTables.h"
#include "data/ProjectDatabase.h"
#include "editor/flow/CondIds.h"
#include "editor/palette/BlockIds.h"
#include "editor/palette/DataWnd.h"
#include "editor/palette/PaletteLists.h"
#include "editor/shell/DrawObject.h"
#include "editor/shell/GraphicRanges.h"
#include "framework/Format.h"
#include "framework/NameList.h"

namespace {

const cActionRange kActionRanges[] = {{0, 0, 0}, {1, 20, 7}, {0, 0, 0}, {0, 500, 200}, {1, 200, 30}, {1, 200, 30}};

// The controls of each inheritance group, in group order.
const std::vector<int> kGroupCtrls[cEdBlock::kGroups] = {
    {IDC_BK_NAME},
    {IDC_COND_LIST, IDC_COND_INSERT, IDC_COND_EDIT, IDC_COND_DELETE, IDC_BK_COND_JUDGE, IDC_BK_ONCE_TRUE},
    {IDC_BK_GRAPHIC_SRC, IDC_BK_GRAPHIC, IDC_BK_FRAME},
    {IDC_BK_FRONT},
    {IDC_BK_TRANSPARENT},
    {IDC_BK_MARK_MODE, IDC_BK_MARK},
    {IDC_BK_TYPE},
    {IDC_BK_FORCE},
    {IDC_BK_ACTION, IDC_BK_ACTION_X},
    {IDC_BK_ITEM_SRC, IDC_BK_ITEM_INDEX},
    {IDC_BK_NO_SUMMON},
};

enum eGroup { eGroupName, eGroupCond, eGroupGraphic, eGroupFront, eGroupTransparent, eGroupMark, eGroupType,
              eGroupForce, eGroupAction, eGroupItem, eGroupSummon };

const int kActionLimit = 999;

// The number edits, each with the field it shows. An edit shows its number inside its range (a
// graphic 0 as 1): what the author did not type keeps the block's own value.
struct cNumberEdit {
    int id;
    int32_t cBlockForm::*field;
};
const cNumberEdit kNumberEdits[] = {{IDC_BK_GRAPHIC, &cBlockForm::graphic},
                                    {IDC_BK_FRAME, &cBlockForm::frame},
                                    {IDC_BK_MARK, &cBlockForm::mark},
                                    {IDC_BK_ACTION_X, &cBlockForm::actionX}};

template <class B>
auto& CtrlOf(cBindings<B>& bindings, uint16_t id) {
    return FindCtrl(bindings, id)->m_Ctrl;
}

// The palette list a reference designates (1 common, 2 stage); null for none.
const cRecordVector<cEdBlock>* BlockList(int palette) {
    if (palette != 1 && palette != 2) return nullptr;
    return &PaletteList<cEdBlock>(palette - 1);
}
const cRecordVector<cEdItem>* ItemList(int palette) {
    if (palette != 1 && palette != 2) return nullptr;
    return &PaletteList<cEdItem>(palette - 1);
}

}  // namespace

const cActionRange& ActionRange(int action) {
    static const cActionRange none = {0, 0, 0};
    if (action < 0 || action >= static_cast<int>(sizeof kActionRanges / sizeof kActionRanges[0])) return none;
    return kActionRanges[action];
}

void cBlockForm::From(const cEdBlock& block) {
    inheritSrc = block.m_InheritSrc;
    inheritIndex = block.m_InheritIndex;
    for (int group = 0; group < cEdBlock::kGroups; ++group) inherit[group] = block.m_bbInherit[group] ? 1 : 0;
    condJudge = block.m_CondJudge;
    onceTrue = block.m_OnceTrue;
    graphicSrc = block.m_GraphicSrc;
    graphic = block.m_Graphic;
    frame = block.m_Frames;
    front = block.m_Front;
    transparent = block.m_Transparent;
    markMode = block.m_MarkMode;
    mark = block.m_Mark;
    blockType = block.m_BlockType;
    force = block.m_NoHitForce <= 7 ? block.m_NoHitForce : -1;
    action = block.m_Action;
    actionX = block.m_ActionX;
    itemSrc = block.m_ItemSrc;
    itemIndex = block.m_ItemIndex;
    noSummon = block.m_NoSummon;
}

void cBlockForm::To(cEdBlock& block) const {
    block.m_InheritSrc = static_cast<uint8_t>(inheritSrc);
    block.m_InheritIndex = static_cast<int16_t>(inheritIndex);
    for (int group = 0; group < cEdBlock::kGroups; ++group) block.m_bbInherit[group] = inherit[group] ? 1 : 0;
    block.m_CondJudge = static_cast<uint8_t>(condJudge);
    block.m_OnceTrue = static_cast<uint8_t>(onceTrue);
    block.m_GraphicSrc = static_cast<uint8_t>(graphicSrc);
    block.m_Graphic = static_cast<uint16_t>(graphic);
    block.m_Frames = static_cast<uint16_t>(frame);
    block.m_Front = static_cast<uint8_t>(front);
    block.m_Transparent = static_cast<uint8_t>(transparent);
    block.m_MarkMode = static_cast<uint8_t>(markMode);
    block.m_Mark = static_cast<uint16_t>(mark);
    block.m_BlockType = static_cast<uint8_t>(blockType);
    block.m_NoHitForce = static_cast<uint8_t>(force < 0 ? 255 : force);
    block.m_Action = static_cast<uint8_t>(action);
    block.m_ActionX = actionX;
    block.m_ItemSrc = static_cast<uint8_t>(itemSrc);
    block.m_ItemIndex = static_cast<int16_t>(itemIndex);
    block.m_NoSummon = static_cast<uint8_t>(noSummon);
}

cBlockDlg::cBlockDlg(cChildWnd* parent, cWndGroup* group, int source, uint32_t cell)
    : cPage(IDD_BLOCK, parent, eKindSheetPage, group), m_From(source, cell), m_Conds(kElementCondList) {
    SetLayout(0, 0, 100, 100, 640, 480, 0, 0, 0, kBarNone, 0, 0);
    cBlockForm& f = m_Form;
    const char* const* itemNames = source <= eSourceStagePalette ? ItemSrcNames : ItemSrcCommonNames;
    m_Combos.push_back({{}, {IDC_BK_INHERIT_SRC, &f.inheritSrc, InheritSourceNames(source), 0}});
    m_Combos.push_back({{}, {IDC_BK_INHERIT_INDEX, &f.inheritIndex, &m_InheritNames, 1}});
    m_Combos.push_back({{}, {IDC_BK_COND_JUDGE, &f.condJudge, CondJudgeNames, 0}});
    m_Combos.push_back({{}, {IDC_BK_GRAPHIC_SRC, &f.graphicSrc, GraphicSrcNames, 0}});
    m_Combos.push_back({{}, {IDC_BK_TRANSPARENT, &f.transparent, OffOnNames, 0}});
    m_Combos.push_back({{}, {IDC_BK_MARK_MODE, &f.markMode, MarkModeNames, 0}});
    m_Combos.push_back({{}, {IDC_BK_TYPE, &f.blockType, BlockTypeNames, 0}});
    m_Combos.push_back({{}, {IDC_BK_FORCE, &f.force, ForceNames, -1}});
    m_Combos.push_back({{}, {IDC_BK_ACTION, &f.action, BlockActionNames, 0}});
    m_Combos.push_back({{}, {IDC_BK_ITEM_SRC, &f.itemSrc, itemNames, 0}});
    m_Combos.push_back({{}, {IDC_BK_ITEM_INDEX, &f.itemIndex, &m_ItemNames, 1}});
    m_Checks.resize(cEdBlock::kGroups + 3);
    for (int group = 0; group < cEdBlock::kGroups; ++group)
        m_Checks[group].m_Desc.Set(static_cast<uint16_t>(IDC_BK_INHERIT_FIRST + group), &f.inherit[group]);
    m_Checks[cEdBlock::kGroups].m_Desc.Set(IDC_BK_ONCE_TRUE, &f.onceTrue);
    m_Checks[cEdBlock::kGroups + 1].m_Desc.Set(IDC_BK_FRONT, &f.front);
    m_Checks[cEdBlock::kGroups + 2].m_Desc.Set(IDC_BK_NO_SUMMON, &f.noSummon);
    m_Edits.resize(4);
    const cGraphicRange sheet = GraphicRange(eGraphicChara, 0);
    m_Edits[0].m_Desc.Set(IDC_BK_GRAPHIC, &f.graphic, 1, sheet.highest, IDC_BK_GRAPHIC_SPIN);
    m_Edits[1].m_Desc.Set(IDC_BK_FRAME, &f.frame, 0, sheet.highestFrame, IDC_BK_FRAME_SPIN);
    m_Edits[2].m_Desc.Set(IDC_BK_MARK, &f.mark, 0, kHighestMark, IDC_BK_MARK_SPIN);
    m_Edits[3].m_Desc.Set(IDC_BK_ACTION_X, &f.actionX, -kActionLimit, kActionLimit, IDC_BK_ACTION_X_SPIN);
    m_Texts.push_back({{}, cStrEditDesc(IDC_BK_NAME, &m_Work.m_Name, 20, 1)});
    m_Buttons.resize(2);
    m_Buttons[0].m_Desc.Set(IDC_BK_PREV);
    m_Buttons[1].m_Desc.Set(IDC_BK_NEXT);
    m_Pictures.resize(2);
    m_Pictures[0].m_Desc.Set(IDC_BK_PREVIEW, kElementCell, kElementCell);
    m_Pictures[1].m_Desc.Set(IDC_BK_PREVIEW_SMALL, kElementCell, kElementCell);
    if (const cEdBlock* origin = m_From.Origin()) Load(*origin);
    m_Conds.Bind(&m_Work.m_Conditions);
}

void cBlockDlg::Load(const cEdBlock& block) {
    m_Work = block;
    m_Typed = 0;
    m_Form.From(m_Work);
    BuildNameList(&m_InheritNames, BlockList(m_Form.inheritSrc) ? *BlockList(m_Form.inheritSrc) : cRecordVector<cEdBlock>());
    BuildNameList(&m_ItemNames, ItemList(m_Form.itemSrc) ? *ItemList(m_Form.itemSrc) : cRecordVector<cEdItem>());
}

void cBlockDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    AttachCtrls(m_Combos);
    AttachCtrls(m_Checks);
    AttachCtrls(m_Edits);
    AttachCtrls(m_Texts);
    AttachCtrls(m_Buttons);
    for (auto& picture : m_Pictures) AttachPictureBox(picture);
    m_Conds.Attach(this, m_lpGroup);
    m_Conds.List().SelectSingle(0, false);
    if (!MayInherit(m_From.Source())) {
        EnableCtrl(IDC_BK_INHERIT_SRC, false);
        EnableCtrl(IDC_BK_INHERIT_INDEX, false);
    }
    bool palette = m_From.IsPalette();
    for (int id : {IDC_BK_NUMBER, IDC_BK_PREV, IDC_BK_NEXT}) ShowWindow(GetDlgItem(m_hWnd, id), palette ? SW_SHOW : SW_HIDE);
    Show();
    m_Ready = 1;
}

void cBlockDlg::Show() {
    ++m_Busy;
    DataToCtrls();
    --m_Busy;
    GroupRule();
    RunHandlers();
    ShowNumber();
}

void cBlockDlg::Store() {
    if (!m_hWnd) return;
    CtrlsToData();
    KeepUntyped();
    m_Form.To(m_Work);
}

void cBlockDlg::KeepUntyped() {
    cBlockForm held;
    held.From(m_Work);
    for (size_t i = 0; i < sizeof kNumberEdits / sizeof kNumberEdits[0]; ++i)
        if (!(m_Typed & (1u << i))) m_Form.*kNumberEdits[i].field = held.*kNumberEdits[i].field;
}

void cBlockDlg::NoteTyped(int id) {
    for (size_t i = 0; i < sizeof kNumberEdits / sizeof kNumberEdits[0]; ++i)
        if (kNumberEdits[i].id == id) m_Typed |= 1u << i;
}

void cBlockDlg::ShowNumber() {
    if (m_From.IsPalette())
        SetDlgItemTextA(m_hWnd, IDC_BK_NUMBER, Format("No.%d", m_From.Index()).c_str());
}

bool cBlockDlg::Inherited(int group) const { return m_Form.inherit[group] != 0; }

void cBlockDlg::EnableCtrl(int id, bool enable) { EnableWindow(GetDlgItem(m_hWnd, id), enable ? TRUE : FALSE); }

void cBlockDlg::EnableGroup(int group, bool enable) {
    for (int id : kGroupCtrls[group]) EnableCtrl(id, enable);
}

// Each checked group is shown but cannot be edited.
void cBlockDlg::GroupRule() {
    for (int group = 0; group < cEdBlock::kGroups; ++group) EnableGroup(group, !Inherited(group));
}

void cBlockDlg::RunHandlers() {
    ++m_Busy;
    InheritSourceChanged();
    GraphicSourceChanged();
    MarkModeChanged();
    ActionChanged();
    ItemSourceChanged();
    --m_Busy;
    DrawPreviews();
}

// A stage palette block that names itself copies nothing: its groups would come from the
// stored block and drop what the author typed.
void cBlockDlg::ApplyInheritance() {
    Store();
    bool self =
        m_From.Source() == eSourceStagePalette && m_Work.m_InheritSrc == 2 && m_Work.m_InheritIndex == m_From.Index();
    if (!self) m_Work.Inherit();
    m_Form.From(m_Work);
    ++m_Busy;
    DataToCtrls();
    m_Conds.List().Refill();
    --m_Busy;
    // The block holds what was typed, and the edits show the block.
    m_Typed = 0;
}

void cBlockDlg::InheritSourceChanged() {
    int palette = CtrlOf(m_Combos, IDC_BK_INHERIT_SRC).GetData();
    bool none = BlockList(palette) == nullptr;
    EnableCtrl(IDC_BK_INHERIT_INDEX, !none && MayInherit(m_From.Source()));
    for (int group = 0; group < cEdBlock::kGroups; ++group) EnableCtrl(IDC_BK_INHERIT_FIRST + group, !none);
    if (none) {
        for (int group = 0; group < cEdBlock::kGroups; ++group) {
            m_Form.inherit[group] = 0;
            CheckDlgButton(m_hWnd, IDC_BK_INHERIT_FIRST + group, BST_UNCHECKED);
        }
        GroupRule();
        return;
    }
    auto& index = CtrlOf(m_Combos, IDC_BK_INHERIT_INDEX);
    int kept = index.GetData();
    SetComboNameList(m_Combos, IDC_BK_INHERIT_INDEX, &m_InheritNames, *BlockList(palette));
    index.SetData(kept);
    // The inherited groups show the base's values as it is now, from the first look on.
    ApplyInheritance();
}

void cBlockDlg::GraphicSourceChanged() {
    int source = CtrlOf(m_Combos, IDC_BK_GRAPHIC_SRC).GetData();
    auto& number = CtrlOf(m_Edits, IDC_BK_GRAPHIC);
    auto& frame = CtrlOf(m_Edits, IDC_BK_FRAME);
    bool editable = !Inherited(eGroupGraphic);
    const cGraphicRange range = GraphicRange(source, ProjectDatabase().m_BmpCharaExcs.size());
    number.SetRange(1, range.highest);
    if (range.columns) frame.SetRange(0, range.highestFrame);
    frame.Enable(editable && range.columns);
}

void cBlockDlg::MarkModeChanged() {
    int mode = CtrlOf(m_Combos, IDC_BK_MARK_MODE).GetData();
    CtrlOf(m_Edits, IDC_BK_MARK).Enable(!Inherited(eGroupMark) && mode != 0);
}

void cBlockDlg::ActionChanged() {
    int action = CtrlOf(m_Combos, IDC_BK_ACTION).GetData();
    const cActionRange& range = ActionRange(action);
    bool has = range.minimum != 0 || range.maximum != 0;
    auto& x = CtrlOf(m_Edits, IDC_BK_ACTION_X);
    x.Enable(has && !Inherited(eGroupAction));
    if (has) {
        x.SetRange(range.minimum, range.maximum);
        if (m_LastAction != -1 && action != m_LastAction) x.SetValue(range.initial);
        else {
            x.CtrlToData();
            x.SetValue(m_Form.actionX);
        }
    }
    m_LastAction = action;
}

void cBlockDlg::ItemSourceChanged() {
    int palette = CtrlOf(m_Combos, IDC_BK_ITEM_SRC).GetData();
    const cRecordVector<cEdItem>* items = ItemList(palette);
    EnableCtrl(IDC_BK_ITEM_INDEX, items && !Inherited(eGroupItem));
    if (!items) return;
    auto& index = CtrlOf(m_Combos, IDC_BK_ITEM_INDEX);
    int kept = index.GetData();
    SetComboNameList(m_Combos, IDC_BK_ITEM_INDEX, &m_ItemNames, *items);
    index.SetData(kept);
}

void cBlockDlg::DrawPreviews() {
    if (!m_hWnd) return;
    for (int id : {IDC_BK_GRAPHIC, IDC_BK_FRAME, IDC_BK_MARK}) CtrlOf(m_Edits, static_cast<uint16_t>(id)).CtrlToData();
    for (int id : {IDC_BK_GRAPHIC_SRC, IDC_BK_MARK_MODE}) CtrlOf(m_Combos, static_cast<uint16_t>(id)).CtrlToData();
    KeepUntyped();
    cEdBlock shown = m_Work;
    m_Form.To(shown);
    for (int i = 0; i < 2; ++i) {
        cDib& canvas = m_Pictures[i].m_Ctrl.Canvas();
        if (HDC dc = canvas.GetDC()) PatBlt(dc, 0, 0, canvas.Width(), canvas.Height(), BLACKNESS);
        DrawBlockObject(canvas, 0, 0, shown, i != 0);
        m_Pictures[i].m_Ctrl.Present();
    }
}

int cBlockDlg::OnPaint() {
    if (!m_Ready) return 0;
    DrawPreviews();
    return 1;
}

void cBlockDlg::RedrawList() {
    cPage::RedrawList();
    m_Conds.List().Refresh();
}

void cBlockDlg::Step(int delta) {
    if (!m_From.IsPalette()) return;
    Store();
    if (!m_From.Step(m_Work, delta)) return;
    Load(*m_From.Origin());
    m_LastAction = -1;
    m_Conds.List().Refill();
    m_Conds.List().SelectSingle(0, false);
    Show();
}

void cBlockDlg::WriteBack() {
    Store();
    m_From.WriteBack(m_Work);
}

void cBlockDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!IsCommandAllowed(wParam)) return;
    cPage::OnCommand(wParam, lParam);
    if (!m_Ready || m_Busy) return;
    if (m_Conds.OnCommand(wParam)) return;
    int id = LOWORD(wParam), code = HIWORD(wParam);
    bool select = code == CBN_SELCHANGE;
    if (id >= IDC_BK_INHERIT_FIRST && id < IDC_BK_INHERIT_FIRST + cEdBlock::kGroups && code == BN_CLICKED) {
        CtrlsToData();
        if (IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED) ApplyInheritance();
        GroupRule();
        RunHandlers();
    } else if ((id == IDC_BK_INHERIT_SRC || id == IDC_BK_INHERIT_INDEX) && select) {
        CtrlsToData();
        if (id == IDC_BK_INHERIT_SRC) InheritSourceChanged();
        ApplyInheritance();
        GroupRule();
        RunHandlers();
    } else if (id == IDC_BK_GRAPHIC_SRC && select) {
        GraphicSourceChanged();
        DrawPreviews();
    } else if (id == IDC_BK_MARK_MODE && select) {
        MarkModeChanged();
        DrawPreviews();
    } else if (id == IDC_BK_ACTION && select) {
        ActionChanged();
    } else if (id == IDC_BK_ITEM_SRC && select) {
        ItemSourceChanged();
    } else if (id == IDC_BK_ACTION_X && code == EN_CHANGE) {
        NoteTyped(id);
    } else if ((id == IDC_BK_GRAPHIC || id == IDC_BK_FRAME || id == IDC_BK_MARK) && code == EN_CHANGE) {
        NoteTyped(id);
        DrawPreviews();
    } else if ((id == IDC_BK_PREV || id == IDC_BK_NEXT) && code == BN_CLICKED) {
        Step(id == IDC_BK_PREV ? -1 : 1);
    } else {
        return;
    }
    RedrawList();
    if (m_hSheet) SendMessageA(m_hSheet, PSM_CHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

INT_PTR cBlockDlg::DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CLOSE) {
        // A sheet closes its pages itself; a page run on its own is a dialog.
        if (!m_lpSheet) End(0);
        return 0;
    }
    if (msg == WM_CONTEXTMENU && m_Conds.OnContextMenu(wParam, lParam)) return 1;
    if (msg == WM_DRAWITEM && m_Ready) {
        // The previews' controls paint themselves from the page's pictures.
        UINT id = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->CtlID;
        for (auto& picture : m_Pictures)
            if (picture.m_Ctrl.GetId() == id) picture.m_Ctrl.Present();
        return 1;
    }
    INT_PTR result = WndProc(wnd, msg, wParam, lParam) ? 1 : 0;
    if (msg == WM_NOTIFY && m_Ready) {
        UINT code = reinterpret_cast<NMHDR*>(lParam)->code;
        if (code == static_cast<UINT>(PSN_SETACTIVE)) {
            Show();
            m_Conds.List().Refill();
            SetWindowLongPtrA(wnd, DWLP_MSGRESULT, 0);
            return 1;
        }
        if (code == static_cast<UINT>(PSN_KILLACTIVE)) {
            Store();
            SetWindowLongPtrA(wnd, DWLP_MSGRESULT, FALSE);
            return 1;
        }
        if (code == static_cast<UINT>(PSN_APPLY)) {
            WriteBack();
            SetWindowLongPtrA(wnd, DWLP_MSGRESULT, PSNRET_NOERROR);
            return 1;
        }
    }
    if (msg == WM_DESTROY && m_Ready) {
        m_Ready = 0;
        if (m_Return) ReturnFromDataWnd(eKindBlock, m_From.Source(), m_From.Index());
    }
    return result;
}
