#include "editor/palette/CharaBasicPage.h"

#include "data/ElementNames.h"
#include "data/FlowTables.h"
#include "editor/flow/CondIds.h"
#include "editor/palette/CharaIds.h"
#include "editor/palette/ElementSource.h"
#include "editor/palette/PaletteLists.h"
#include "framework/NameList.h"

namespace {

const char* const kControlNames[3] = {"プレイヤー", "コンピューター", ""};
const char* const kPlayerNoNames[2] = {"1", ""};
const int kMaxOffset = 640;
const int kMaxClones = 20;
const int kGroupCount = 9;
// The groups whose controls a player chara has no use for.
const int kCondGroup = 4;
const int kCloneGroup = 6;
const int kControlGroup = 1;

enum eControl { eControlPlayer = 0, eControlComputer = 1 };

}  // namespace

cCharaBasicPage::cCharaBasicPage(cCharaSheetOwner* sheet, cChildWnd* parent, cWndGroup* group)
    : cCharaPage(IDD_CHARA_BASIC, sheet, 0, parent, group), m_Conds(kElementCondList) {
    BindCommon();
    cEdChara& c = m_Work;
    FillInheritNames(c.m_InheritSrc);
    m_Bind.Combo(IDC_CB_INHERIT_SRC, &c.m_InheritSrc, InheritSourceNames(sheet->Source()));
    m_Bind.Combo(IDC_CB_INHERIT_INDEX, &c.m_InheritIndex, &m_InheritNames, 1);
    m_Texts.push_back({{}, cStrEditDesc(IDC_CB_NAME, &c.m_Name, 20, 1)});
    m_Bind.Combo(IDC_CB_CONTROL, &c.m_Control, kControlNames);
    m_Bind.Combo(IDC_CB_PLAYER_NO, &c.m_PlayerNo, kPlayerNoNames);
    m_Bind.Edit(IDC_CB_FORCE, &c.m_Force, 0, 7, IDC_CB_FORCE_SPIN);
    m_Bind.Edit(IDC_CB_CHARA_ID, &c.m_CharaId, 0, 99, IDC_CB_CHARA_ID_SPIN);
    m_Bind.Combo(IDC_CB_COND_JUDGE, &c.m_CondJudge, CondJudgeNames);
    m_Bind.Check(IDC_CB_ONCE_TRUE, &c.m_OnceTrue);
    m_Bind.Check(IDC_CB_FACE_RIGHT, &c.m_FaceRight);
    m_Bind.Edit(IDC_CB_CLONES, &c.m_Clones, 0, kMaxClones, IDC_CB_CLONES_SPIN);
    m_Bind.Edit(IDC_CB_OFFSET_X, &c.m_OffsetX, -kMaxOffset, kMaxOffset, IDC_CB_OFFSET_X_SPIN);
    m_Bind.Edit(IDC_CB_CLONE_X, &c.m_OffsetXClone, -kMaxOffset, kMaxOffset, IDC_CB_CLONE_X_SPIN);
    m_Bind.Check(IDC_CB_FLIP_X, &c.m_FlipX);
    m_Bind.Edit(IDC_CB_OFFSET_Y, &c.m_OffsetY, -kMaxOffset, kMaxOffset, IDC_CB_OFFSET_Y_SPIN);
    m_Bind.Edit(IDC_CB_CLONE_Y, &c.m_OffsetYClone, -kMaxOffset, kMaxOffset, IDC_CB_CLONE_Y_SPIN);
    m_Bind.Check(IDC_CB_FLIP_Y, &c.m_FlipY);
    m_Conds.Bind(&c.m_Conditions);

    const uint16_t first = IDC_CH_INHERIT_FIRST;
    AddGroup(first + 0, 0, {IDC_CB_NAME});
    AddGroup(first + 1, 1, {IDC_CB_CONTROL, IDC_CB_PLAYER_NO});
    AddGroup(first + 2, 2, {IDC_CB_FORCE});
    AddGroup(first + 3, 3, {IDC_CB_CHARA_ID});
    AddGroup(first + 4, 4, {IDC_COND_LIST, IDC_COND_INSERT, IDC_COND_EDIT, IDC_COND_DELETE, IDC_CB_COND_JUDGE, IDC_CB_ONCE_TRUE});
    AddGroup(first + 5, 5, {IDC_CB_FACE_RIGHT});
    AddGroup(first + 6, 6, {IDC_CB_CLONES});
    AddGroup(first + 7, 7, {IDC_CB_OFFSET_X, IDC_CB_CLONE_X, IDC_CB_FLIP_X});
    AddGroup(first + 8, 8, {IDC_CB_OFFSET_Y, IDC_CB_CLONE_Y, IDC_CB_FLIP_Y});

    AddHandler(eCtrlCombo, IDC_CB_INHERIT_SRC, [this] { InheritSourceChanged(); });
    AddHandler(eCtrlCombo, IDC_CB_INHERIT_INDEX, [this] {
        ApplyInherit();
        UpdateDependentEnables();
    });
    AddHandler(eCtrlCombo, IDC_CB_CONTROL, [this] {
        if (IsEnabled(IDC_CB_CONTROL)) UpdateDependentEnables();
    });
    AddHandler(eCtrlCheck, IDC_CB_FACE_RIGHT, [this] { DrawPreviews(); });
    AddHandler(eCtrlEditVal, IDC_CB_CLONES, [] {});
}

bool cCharaBasicPage::PlacedOrDefault() const {
    int source = m_lpSheet->Source();
    return source == eSourceStageCell || source == eSourceDefault;
}

void cCharaBasicPage::FillInheritNames(int palette) {
    if (palette == 1 || palette == 2)
        BuildNameList(&m_InheritNames, PaletteList<cEdChara>(palette == 2 ? 1 : 0));
    else
        m_InheritNames.clear();
}

void cCharaBasicPage::InitPage() {
    m_Conds.Attach(this, m_lpGroup);
    m_Conds.List().SelectSingle(0, false);
    if (!MayInherit(m_lpSheet->Source())) {
        EnableCtrl(IDC_CB_INHERIT_SRC, false);
        EnableCtrl(IDC_CB_INHERIT_INDEX, false);
    }
}

void cCharaBasicPage::RefillLists() { m_Conds.List().Refill(); }

void cCharaBasicPage::RedrawList() {
    cCharaPage::RedrawList();
    m_Conds.List().Refresh();
}

bool cCharaBasicPage::PageCommand(int id, int code) { return m_Conds.OnCommand(MAKEWPARAM(id, code)) != 0; }

bool cCharaBasicPage::ContextMenu(WPARAM wParam, LPARAM lParam) { return m_Conds.OnContextMenu(wParam, lParam) != 0; }

void cCharaBasicPage::EnableInheritGroups() {
    cCharaPage::EnableInheritGroups();
    // Who controls a placed chara or the default chara is never the author's to change here.
    if (PlacedOrDefault())
        for (uint16_t id : m_Groups[kControlGroup].ctrls) EnableCtrl(id, false);
}

// A player chara has no appearance conditions and no clones.
void cCharaBasicPage::UpdateDependentEnables() {
    bool computer = ComboPos(IDC_CB_CONTROL) == eControlComputer;
    for (int group : {kCondGroup, kCloneGroup}) {
        const cInheritGroup& g = m_Groups[group];
        if (IsChecked(g.button)) continue;
        for (uint16_t id : g.ctrls) EnableCtrl(id, computer);
    }
}

void cCharaBasicPage::InheritSourceChanged() {
    int kind = ComboPos(IDC_CB_INHERIT_SRC);
    auto& index = FindCtrl(m_Bind.m_Combos16, IDC_CB_INHERIT_INDEX)->m_Ctrl;
    if (kind <= 0) {
        EnableCtrl(IDC_CB_INHERIT_INDEX, false);
        for (int group = 0; group < kGroupCount; ++group) {
            const cInheritGroup& g = m_Groups[group];
            CheckDlgButton(m_hWnd, g.button, BST_UNCHECKED);
            EnableCtrl(g.button, false);
            for (uint16_t id : g.ctrls) EnableCtrl(id, true);
        }
        // Every flag goes, those of the other pages' groups too.
        m_Work.m_bbInherit.assign(0, 0);
        RunChangeHandlers(IDC_CB_INHERIT_SRC);
    } else {
        EnableCtrl(IDC_CB_INHERIT_INDEX, MayInherit(m_lpSheet->Source()));
        for (int group = 0; group < kGroupCount; ++group) EnableCtrl(m_Groups[group].button, true);
        uint16_t kept = index.GetData();
        FillInheritNames(kind);
        index.SetList(&m_InheritNames);
        index.SetData(kept);
    }
    if (PlacedOrDefault()) EnableCtrl(IDC_CH_INHERIT_FIRST + kControlGroup, false);
    ApplyInherit();
    EnableInheritGroups();
    UpdateDependentEnables();
}

void cCharaBasicPage::AfterStep() {
    m_Conds.List().SelectSingle(0, false);
    cCharaPage::AfterStep();
}
