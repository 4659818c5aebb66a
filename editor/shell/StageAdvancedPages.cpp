#include "editor/shell/StageAdvancedPages.h"

#include <string>

#include "data/Stage.h"
#include "data/StageNames.h"
#include "editor/shell/StageSettingIds.h"
#include "framework/Format.h"

namespace {

const int kSides = 4;
const int32_t kMaxMargin = 99;

// Each range: its width and height edits with their spins, and the largest value it takes.
struct cRangeIds {
    uint16_t width, widthSpin, height, heightSpin;
    int32_t maximum;
};
const cRangeIds kRangeIds[cStageAdvancedPage2::kRanges] = {
    {IDC_SH_HERO_ENEMY_W, IDC_SH_HERO_ENEMY_W_SPIN, IDC_SH_HERO_ENEMY_H, IDC_SH_HERO_ENEMY_H_SPIN, 32},
    {IDC_SH_HERO_ITEM_W, IDC_SH_HERO_ITEM_W_SPIN, IDC_SH_HERO_ITEM_H, IDC_SH_HERO_ITEM_H_SPIN, 32},
    {IDC_SH_HERO_SHOT_W, IDC_SH_HERO_SHOT_W_SPIN, IDC_SH_HERO_SHOT_H, IDC_SH_HERO_SHOT_H_SPIN, 32},
    {IDC_SH_ENEMY_CHARA_W, IDC_SH_ENEMY_CHARA_W_SPIN, IDC_SH_ENEMY_CHARA_H, IDC_SH_ENEMY_CHARA_H_SPIN, 32},
    {IDC_SH_ENEMY_SHOT_W, IDC_SH_ENEMY_SHOT_W_SPIN, IDC_SH_ENEMY_SHOT_H, IDC_SH_ENEMY_SHOT_H_SPIN, 32},
    {IDC_SH_ITEM_CHARA_W, IDC_SH_ITEM_CHARA_W_SPIN, IDC_SH_ITEM_CHARA_H, IDC_SH_ITEM_CHARA_H_SPIN, 32},
    {IDC_SH_HSHOT_CHARA_W, IDC_SH_HSHOT_CHARA_W_SPIN, IDC_SH_HSHOT_CHARA_H, IDC_SH_HSHOT_CHARA_H_SPIN, 16},
    {IDC_SH_HSHOT_SHOT_W, IDC_SH_HSHOT_SHOT_W_SPIN, IDC_SH_HSHOT_SHOT_H, IDC_SH_HSHOT_SHOT_H_SPIN, 16},
    {IDC_SH_ESHOT_CHARA_W, IDC_SH_ESHOT_CHARA_W_SPIN, IDC_SH_ESHOT_CHARA_H, IDC_SH_ESHOT_CHARA_H_SPIN, 16},
    {IDC_SH_ESHOT_SHOT_W, IDC_SH_ESHOT_SHOT_W_SPIN, IDC_SH_ESHOT_SHOT_H, IDC_SH_ESHOT_SHOT_H_SPIN, 16},
};

// The hero's three ranges: display mode combo and colour combo.
const uint16_t kShowIds[3][2] = {{IDC_SH_HERO_ENEMY_SHOW, IDC_SH_HERO_ENEMY_COLOR},
                                 {IDC_SH_HERO_ITEM_SHOW, IDC_SH_HERO_ITEM_COLOR},
                                 {IDC_SH_HERO_SHOT_SHOW, IDC_SH_HERO_SHOT_COLOR}};

}  // namespace

cStageAdvancedPage::cStageAdvancedPage(cChildWnd* parent, cWndGroup* group, cEdStage& stage)
    : cStagePage(IDD_STAGE_ADVANCED, parent, group) {
    m_Ints.push_back(IntEdit(IDC_SA_FRAME_RATE, &stage.m_FrameRate, 30, 120, IDC_SA_FRAME_RATE_SPIN));
    m_Combos.push_back(Combo(IDC_SA_LEVEL, &stage.m_HitLevel, HitLevelNames, 1));
    m_Combos.push_back(Combo(IDC_SA_PRECISION, &stage.m_HitPrecision, HitPrecisionNames, 0));
    m_Checks.push_back(Check(IDC_SA_USE_Z, &stage.m_UseZ));
    m_Checks.push_back(Check(IDC_SA_NO_DAMAGE_OFF, &stage.m_NoDamageOffScreen));
    for (int kind = 0; kind < eVanishCount; ++kind) {
        cAutoVanish& rule = stage.m_AutoVanish[kind];
        int32_t* flags[kSides] = {&rule.m_Left, &rule.m_Right, &rule.m_Top, &rule.m_Bottom};
        int32_t* margins[kSides] = {&rule.m_LeftMargin, &rule.m_RightMargin, &rule.m_TopMargin, &rule.m_BottomMargin};
        for (int side = 0; side < kSides; ++side) {
            const int n = kind * kSides + side;
            m_Checks.push_back(Check(static_cast<uint16_t>(IDC_SA_VANISH_FIRST + n), flags[side]));
            m_Ints.push_back(IntEdit(static_cast<uint16_t>(IDC_SA_MARGIN_FIRST + n), margins[side], 0, kMaxMargin,
                                     static_cast<uint16_t>(IDC_SA_MARGIN_SPIN_FIRST + n)));
        }
    }
}

void cStageAdvancedPage::UpdateEnables() {
    for (int n = 0; n < eVanishCount * kSides; ++n)
        EnableByCheck(IDC_SA_VANISH_FIRST + n, static_cast<uint16_t>(IDC_SA_MARGIN_FIRST + n));
}

const uint16_t cStageAdvancedPage2::kLabelIds[kRanges] = {
    IDC_SH_HERO_ENEMY_LABEL, IDC_SH_HERO_ITEM_LABEL,   IDC_SH_HERO_SHOT_LABEL,  IDC_SH_ENEMY_CHARA_LABEL,
    IDC_SH_ENEMY_SHOT_LABEL, IDC_SH_ITEM_CHARA_LABEL,  IDC_SH_HSHOT_CHARA_LABEL, IDC_SH_HSHOT_SHOT_LABEL,
    IDC_SH_ESHOT_CHARA_LABEL, IDC_SH_ESHOT_SHOT_LABEL};

const int32_t cStageAdvancedPage2::kDefaults[kRanges][2] = {{16, 16}, {16, 16}, {2, 8},   {12, 22}, {16, 30},
                                                            {18, 24}, {16, 16}, {16, 16}, {16, 16}, {16, 16}};

cStageAdvancedPage2::cStageAdvancedPage2(cChildWnd* parent, cWndGroup* group, cEdStage& stage)
    : cStagePage(IDD_STAGE_ADVANCED2, parent, group) {
    for (int i = 0; i < kRanges; ++i) {
        const cRangeIds& ids = kRangeIds[i];
        cHitArea& area = stage.m_HitAreas[i];
        m_Ints.push_back(IntEdit(ids.width, &area.width, 1, ids.maximum, ids.widthSpin));
        m_Ints.push_back(IntEdit(ids.height, &area.height, 1, ids.maximum, ids.heightSpin));
    }
    for (int i = 0; i < 3; ++i) {
        m_Combos.push_back(Combo(kShowIds[i][0], &stage.m_HitDisplay[i], HitAreaDisplayNames, 0));
        m_Combos.push_back(Combo(kShowIds[i][1], &stage.m_HitColor[i], HitAreaColorNames, 0));
    }
}

void cStageAdvancedPage2::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cStagePage::OnInitDialog(wParam, lParam);
    for (int i = 0; i < kRanges; ++i) {
        char text[256] = "";
        GetDlgItemTextA(m_hWnd, kLabelIds[i], text, sizeof text);
        std::string label = Format("%s (%d,%d)", text, kDefaults[i][0], kDefaults[i][1]);
        SetDlgItemTextA(m_hWnd, kLabelIds[i], label.c_str());
    }
}

void cStageAdvancedPage2::UpdateEnables() {
    for (const auto& ids : kShowIds) {
        LRESULT mode = SendDlgItemMessageA(m_hWnd, ids[0], CB_GETCURSEL, 0, 0);
        EnableCtrlById(m_Combos, ids[1], mode != 0 && mode != CB_ERR);
    }
}
