#include "editor/flow/CondStatusDlg.h"

#include "data/FlowTables.h"
#include "editor/flow/CondIds.h"
#include "editor/flow/StatusSides.h"
#include "editor/flow/VarRename.h"

namespace {

const int kSourceConstant = 0;
const int kSourceRandom = 1;
const int kSourceStatus = 2;
const int kSourceVar = 3;

template <class B>
bool EnableIn(cBindings<B>& bindings, uint16_t id, int on) {
    for (B& binding : bindings) {
        if (binding.m_Ctrl.GetId() != id) continue;
        binding.m_Ctrl.Enable(on);
        return true;
    }
    return false;
}

}  // namespace

cCondStatusDlg::cCondStatusDlg(UINT templateId, cChildWnd* parent, cWndGroup* group, const cCondEditContext& context)
    : cCondDlg(templateId, parent, group, context) {
    cCondition& c = Cond();
    if (m_Context.isNew) {
        c.m_VarIndex = 1;
        c.m_RightVarIndex = 1;
    }
    m_Left = {IDC_CS_LEFT_KIND, IDC_CS_LEFT_OWNER, IDC_CS_LEFT_STATUS, IDC_CS_LEFT_SCOPE,
              IDC_CS_LEFT_VAR, IDC_CS_LEFT_RENAME, {}, -1};
    m_Right = {IDC_CS_RIGHT_SOURCE, IDC_CS_RIGHT_OWNER, IDC_CS_RIGHT_STATUS, IDC_CS_RIGHT_SCOPE,
               IDC_CS_RIGHT_VAR, IDC_CS_RIGHT_RENAME, {}, -1};

    m_Combos8.resize(9);
    m_Combos8[0].m_Desc = cComboDesc<uint8_t>(IDC_CS_LEFT_KIND, &c.m_LeftKind, StatusOrVarNames, 0);
    m_Combos8[1].m_Desc = cComboDesc<uint8_t>(IDC_CS_LEFT_OWNER, &c.m_LeftOwner, OwnerNames, 0);
    m_Combos8[2].m_Desc = cComboDesc<uint8_t>(IDC_CS_LEFT_STATUS, &c.m_LeftStatus, StatusNames(c.m_LeftOwner), 0);
    m_Combos8[3].m_Desc = cComboDesc<uint8_t>(IDC_CS_LEFT_SCOPE, &c.m_LeftVarScope, VarScopeNames, 0);
    m_Combos8[4].m_Desc = cComboDesc<uint8_t>(IDC_CS_RIGHT_SOURCE, &c.m_RightSource, ValueSourceNames, 0);
    m_Combos8[5].m_Desc = cComboDesc<uint8_t>(IDC_CS_RIGHT_OWNER, &c.m_RightOwner, OwnerNames, 0);
    m_Combos8[6].m_Desc = cComboDesc<uint8_t>(IDC_CS_RIGHT_STATUS, &c.m_RightStatus, StatusNames(c.m_RightOwner), 0);
    m_Combos8[7].m_Desc = cComboDesc<uint8_t>(IDC_CS_RIGHT_SCOPE, &c.m_RightVarScope, VarScopeNames, 0);
    m_Combos8[8].m_Desc = cComboDesc<uint8_t>(IDC_CS_COMPARE, &c.m_Compare, CompareNames, 0);

    // The first lists hold the stored variables, so the first display selects them.
    m_Vars.resize(2);
    if (c.m_LeftKind == 0 && c.m_LeftStatus == 0) {
        m_Vars[0].m_Desc = cComboDesc<uint16_t>(IDC_CS_LEFT_VAR, &c.m_VarIndex, CharaVarNames, 1);
    } else {
        BuildVarNameList(&m_Left.names, c.m_LeftVarScope == eVarStage ? eVarStage : eVarCommon);
        m_Vars[0].m_Desc = cComboDesc<uint16_t>(IDC_CS_LEFT_VAR, &c.m_VarIndex, &m_Left.names, 1);
    }
    if (c.m_RightSource == kSourceStatus && c.m_RightStatus == 0) {
        m_Vars[1].m_Desc = cComboDesc<uint16_t>(IDC_CS_RIGHT_VAR, &c.m_RightVarIndex, CharaVarNames, 1);
    } else {
        BuildVarNameList(&m_Right.names, c.m_RightVarScope == eVarStage ? eVarStage : eVarCommon);
        m_Vars[1].m_Desc = cComboDesc<uint16_t>(IDC_CS_RIGHT_VAR, &c.m_RightVarIndex, &m_Right.names, 1);
    }

    m_Values.resize(3);
    m_Values[0].m_Desc.Set(IDC_CS_VALUE, &c.m_Value, -kValueLimit, kValueLimit, IDC_CS_VALUE_SPIN, 1);
    m_Values[1].m_Desc.Set(IDC_CS_RAND_MIN, &c.m_RandMin, -kValueLimit, kValueLimit, IDC_CS_RAND_MIN_SPIN, 1);
    m_Values[2].m_Desc.Set(IDC_CS_RAND_MAX, &c.m_RandMax, -kValueLimit, kValueLimit, IDC_CS_RAND_MAX_SPIN, 1);
    m_Checks.resize(1);
    m_Checks[0].m_Desc.Set(IDC_CS_PERCENT, &c.m_Percent);
    m_Buttons.resize(2);
    m_Buttons[0].m_Desc.Set(IDC_CS_LEFT_RENAME);
    m_Buttons[1].m_Desc.Set(IDC_CS_RIGHT_RENAME);
}

void cCondStatusDlg::AttachItem() {
    AttachCtrls(m_Combos8);
    AttachCtrls(m_Vars);
    AttachCtrls(m_Values);
    AttachCtrls(m_Checks);
    AttachCtrls(m_Buttons);
}

void cCondStatusDlg::Enable(uint16_t id, int on) {
    if (EnableIn(m_Combos8, id, on) || EnableIn(m_Vars, id, on) || EnableIn(m_Values, id, on) ||
        EnableIn(m_Checks, id, on) || EnableIn(m_Buttons, id, on))
        return;
    ReportMissingCtrl(id);
}

void cCondStatusDlg::ApplyVarRule(cSide& side, const cSideKinds& kinds, int kind) {
    eVarList list = SideVarList(kinds, kind, Pick(side.ownerId), Pick(side.statusId));
    cCombo<uint16_t>& combo = Combo(m_Vars, side.varId);
    combo.Enable(list != eVarListNone);
    Enable(side.renameId, list == eVarListScope);
    if (list == eVarListChara && side.shown != 0) {
        combo.SetTable(CharaVarNames);
        side.shown = 0;
    } else if (list == eVarListScope) {
        int names = Pick(side.scopeId) == eVarStage ? eVarStage : eVarCommon;
        if (side.shown == 1 + names) return;
        BuildVarNameList(&side.names, names);
        combo.SetList(&side.names);
        side.shown = 1 + names;
    }
}

void cCondStatusDlg::UpdateEnables() {
    int leftStatus = Pick(IDC_CS_LEFT_KIND) != 1;
    Enable(IDC_CS_LEFT_OWNER, leftStatus);
    Enable(IDC_CS_LEFT_STATUS, leftStatus);
    Enable(IDC_CS_LEFT_SCOPE, !leftStatus);
    Combo(m_Combos8, IDC_CS_LEFT_STATUS).SetList(StatusNames(Pick(IDC_CS_LEFT_OWNER)));
    Combo(m_Combos8, IDC_CS_RIGHT_STATUS).SetList(StatusNames(Pick(IDC_CS_RIGHT_OWNER)));
    ApplyVarRule(m_Left, kLeftKinds, Pick(IDC_CS_LEFT_KIND));

    int source = Pick(IDC_CS_RIGHT_SOURCE);
    Enable(IDC_CS_VALUE, source == kSourceConstant);
    Enable(IDC_CS_RAND_MIN, source == kSourceRandom);
    Enable(IDC_CS_RAND_MAX, source == kSourceRandom);
    Enable(IDC_CS_RIGHT_OWNER, source == kSourceStatus);
    Enable(IDC_CS_RIGHT_STATUS, source == kSourceStatus);
    Enable(IDC_CS_RIGHT_SCOPE, source == kSourceVar);
    ApplyVarRule(m_Right, kRightKinds, source);
    if (!m_Ready) FitToLeftStatus();
}

void cCondStatusDlg::FitToLeftStatus() {
    int32_t low = -kValueLimit, high = kValueLimit;
    int percent = 1;
    if (Pick(IDC_CS_LEFT_KIND) == kLeftKinds.status) {
        const cStatusDesc* row = StatusRow(Pick(IDC_CS_LEFT_OWNER), Pick(IDC_CS_LEFT_STATUS));
        if (!row) return;
        low = row->m_C3;
        high = row->m_C4;
        percent = row->m_C6;
    }
    int source = Pick(IDC_CS_RIGHT_SOURCE);
    if (source == kSourceConstant) m_Values[0].m_Ctrl.SetRange(low, high);
    if (source == kSourceRandom) {
        m_Values[1].m_Ctrl.SetRange(low, high);
        m_Values[2].m_Ctrl.SetRange(low, high);
    }
    cCheck& check = m_Checks[0].m_Ctrl;
    check.Enable(percent);
    if (!percent) check.SetCheck(0);
    if (!m_Ready) return;
    for (auto& value : m_Values) value.m_Ctrl.Reformat();
}

void cCondStatusDlg::Rename(cSide& side) {
    int scope = Pick(side.scopeId) == eVarStage ? eVarStage : eVarCommon;
    cBoundButton* button = FindCtrl(m_Buttons, side.renameId);
    if (!RenameVariable(this, Group(), scope, Combo(m_Vars, side.varId).GetData(), button ? &button->m_Ctrl : nullptr,
                        false))
        return;
    side.shown = -1;
}

void cCondStatusDlg::OnValueChange(int id) {
    if (id == IDC_CS_LEFT_RENAME) Rename(m_Left);
    if (id == IDC_CS_RIGHT_RENAME) Rename(m_Right);
    UpdateEnables();
    switch (id) {
    case IDC_CS_LEFT_KIND:
    case IDC_CS_LEFT_OWNER:
    case IDC_CS_LEFT_STATUS:
    case IDC_CS_RIGHT_SOURCE: FitToLeftStatus(); break;
    }
}
