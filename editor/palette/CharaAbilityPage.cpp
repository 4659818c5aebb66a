#include "editor/palette/CharaAbilityPage.h"

#include "data/ProjectDatabase.h"
#include "editor/palette/CharaIds.h"
#include "framework/NameList.h"

namespace {

const char* const kActRangeNames[5] = {"画面内", "X座標のみ画面内", "Y座標のみ画面内", "全範囲", ""};
const char* const kActJudgeNames[4] = {"範囲かグループが真なら成立", "一度範囲かグループが真になると、以後無条件で成立",
                                       "範囲とグループが偽なら成立", ""};
const int kMaxValue = 999999;
const int kMaxImpact = 20;
const int kMaxStopEase = 200;
const int kMaxGroupNo = 59;
const int kRangeAll = 3;
const uint16_t kRangeButton = IDC_CH_INHERIT_FIRST + 7;

}  // namespace

cCharaAbilityPage::cCharaAbilityPage(cCharaSheetOwner* sheet, cChildWnd* parent, cWndGroup* group)
    : cCharaPage(IDD_CHARA_ABILITY, sheet, 2, parent, group) {
    BindCommon();
    BuildTableNameList(&m_Effects, ProjectDatabase().m_Effects, "なし", 0, 3, 0);
    cEdChara& c = m_Work;
    m_Bind.Edit(IDC_CA_HP, &c.m_Hp, 1, kMaxValue, IDC_CA_HP_SPIN);
    m_Bind.Edit(IDC_CA_SP, &c.m_Sp, 0, kMaxValue, IDC_CA_SP_SPIN);
    m_Bind.Edit(IDC_CA_BODY_POWER, &c.m_BodyPower, -kMaxValue, kMaxValue, IDC_CA_BODY_POWER_SPIN);
    m_Bind.Edit(IDC_CA_BODY_IMPACT, &c.m_BodyImpact, -kMaxImpact, kMaxImpact, IDC_CA_BODY_IMPACT_SPIN);
    m_Bind.Combo(IDC_CA_BODY_EFFECT, &c.m_BodyEffect, &m_Effects);
    m_Bind.Edit(IDC_CA_RESIST, &c.m_ImpactResist, 0, kMaxImpact, IDC_CA_RESIST_SPIN);
    m_Bind.Edit(IDC_CA_STOP_EASE, &c.m_StopEase, 0, kMaxStopEase, IDC_CA_STOP_EASE_SPIN);
    m_Bind.Combo(IDC_CA_ACT_RANGE, &c.m_ActRange, kActRangeNames);
    m_Bind.Combo(IDC_CA_ACT_JUDGE, &c.m_ActJudge, kActJudgeNames);
    m_Bind.Check(IDC_CA_HAS_GROUP, &c.m_HasGroup);
    m_Bind.Edit(IDC_CA_GROUP_NO, &c.m_GroupNo, 0, kMaxGroupNo, IDC_CA_GROUP_NO_SPIN);
    m_Bind.Edit(IDC_CA_SCORE, &c.m_Score, -kMaxValue, kMaxValue, IDC_CA_SCORE_SPIN);
    m_Bind.Check(IDC_CA_CARRY_ITEM, &c.m_CarryItem);

    const uint16_t first = IDC_CH_INHERIT_FIRST;
    AddGroup(first + 0, 22, {IDC_CA_HP});
    AddGroup(first + 1, 23, {IDC_CA_SP});
    AddGroup(first + 2, 24, {IDC_CA_BODY_POWER});
    AddGroup(first + 3, 25, {IDC_CA_BODY_IMPACT});
    AddGroup(first + 4, 26, {IDC_CA_BODY_EFFECT});
    AddGroup(first + 5, 27, {IDC_CA_RESIST});
    AddGroup(first + 6, 28, {IDC_CA_STOP_EASE});
    AddGroup(first + 7, 29, {IDC_CA_ACT_RANGE, IDC_CA_ACT_JUDGE});
    AddGroup(first + 8, 30, {IDC_CA_HAS_GROUP, IDC_CA_GROUP_NO});
    AddGroup(first + 9, 31, {IDC_CA_SCORE});
    AddGroup(first + 10, 32, {IDC_CA_CARRY_ITEM});

    AddHandler(eCtrlCombo, IDC_CA_ACT_RANGE, [this] { ActionRangeChanged(); });
    AddHandler(eCtrlCheck, IDC_CA_HAS_GROUP, [this] { GroupUsedChanged(); });
    AddHandler(eCtrlCheck, IDC_CA_CARRY_ITEM, [] {});
}

void cCharaAbilityPage::EnableInheritGroups() {
    cCharaPage::EnableInheritGroups();
    EnableInheritButtons(m_Work.m_InheritSrc != 0);
}

// Over the whole stage a group adds nothing: the chara acts anyway.
void cCharaAbilityPage::ActionRangeChanged() {
    if (!m_Ready || IsInherited(kRangeButton) || !IsEnabled(IDC_CA_ACT_RANGE)) return;
    if (ComboPos(IDC_CA_ACT_RANGE) == kRangeAll) {
        CheckDlgButton(m_hWnd, IDC_CA_HAS_GROUP, BST_UNCHECKED);
        EnableCtrl(IDC_CA_HAS_GROUP, false);
        EnableCtrl(IDC_CA_GROUP_NO, false);
    } else if (!IsInherited(IDC_CH_INHERIT_FIRST + 8)) {
        EnableCtrl(IDC_CA_HAS_GROUP, true);
        EnableCtrl(IDC_CA_GROUP_NO, IsChecked(IDC_CA_HAS_GROUP));
    }
}

void cCharaAbilityPage::GroupUsedChanged() {
    if (!m_Ready || IsInherited(IDC_CH_INHERIT_FIRST + 8) || !IsEnabled(IDC_CA_HAS_GROUP)) return;
    EnableCtrl(IDC_CA_GROUP_NO, IsChecked(IDC_CA_HAS_GROUP));
}

// A player chara has no action condition, no score and no carried item.
void cCharaAbilityPage::UpdateDependentEnables() {
    bool computer = m_Work.m_Control != 0;
    for (int group : {7, 8, 9, 10}) {
        const cInheritGroup& g = m_Groups[static_cast<size_t>(group)];
        if (IsChecked(g.button)) continue;
        for (uint16_t id : g.ctrls) EnableCtrl(id, computer);
    }
    if (computer) {
        ActionRangeChanged();
        GroupUsedChanged();
    }
}
