#include "editor/flow/CmdShotDlgs.h"

#include <algorithm>

#include "data/CommonPalette.h"
#include "data/ElementNames.h"
#include "data/FlowCommand.h"
#include "data/FlowTables.h"
#include "data/MoveShotTables.h"
#include "data/ProjectDatabase.h"
#include "data/Stage.h"
#include "editor/flow/FlowCmdIds.h"
#include "editor/shell/StageDoc.h"
#include "editor/shell/SystemBitmaps.h"
#include "framework/NameList.h"

namespace {

// The giant sizes are the values of the "巨大化" state, stored from 1 ("しない") on.
const cFlagDesc& kGiant = StatusFlagDescs[5];
const int kCellSize = 16;

}  // namespace

cCmdShotPage::cCmdShotPage(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdSoundPage(templateId, parent, context, group) {
    // A command read from a file without its record gets a default one to edit.
    if (IsNew() || !Cmd().m_Shot) Cmd().m_Shot = cEdShot::Create();
    // Every shot, sword and summon starts with the first animation and sound.
    if (IsNew()) {
        Cmd().m_Time = 1;
        Cmd().m_Anime = 1;
        Cmd().m_Sound = 1;
    }
    BuildTableNameList(&m_EffectNames, ProjectDatabase().m_Effects, "なし", 0, 3, 0);
    BuildNameList(&m_CommonItems, ProjectCommonPalette().m_Items);
    BuildNameList(&m_StageItems, ProjectStage().m_Palette.m_Items);
}

cEdShot& cCmdShotPage::Shot() const { return *Cmd().m_Shot; }

bool cCmdShotPage::CommonPaletteOnly() { return StageDoc().m_EditSource == eSourceCommonPalette; }

void cCmdShotPage::ApplyParamSlots(cParamSlots& slots) {
    int choice = ComboPos(slots.m_Combo);
    bool offered = choice >= 0 && choice < slots.m_Rows;
    bool changed = slots.m_Applied != kNoChoice && slots.m_Applied != choice;
    for (int i = 0; i < 3; ++i) {
        cBoundEditVal<int16_t>* edit = FindCtrl(m_Bind.m_Edits16, slots.m_Edits[i]);
        if (!edit) continue;
        const cParamDesc* desc = offered ? &slots.m_Table[choice][i] : nullptr;
        bool used = desc && desc->m_Caption[0];
        SetDlgItemTextA(m_hWnd, slots.m_Captions[i], desc ? desc->m_Caption : "");
        edit->m_Ctrl.Enable(used);
        if (!desc) continue;
        // A slot the choice leaves unused keeps the binding's own range: a number stored there
        // stays what it was unless another choice is made.
        if (used)
            edit->m_Ctrl.SetRange(desc->m_Min, desc->m_Max);
        else
            edit->m_Ctrl.SetRange(edit->m_Desc.minimum, edit->m_Desc.maximum);
        if (changed)
            edit->m_Ctrl.SetValue(desc->m_Default);
        else
            edit->m_Ctrl.Reformat();
    }
    slots.m_Applied = choice;
}

void cCmdShotPage::ShowList(uint16_t comboId, const std::vector<std::string>* names, int on) {
    cBoundCombo<int16_t>* combo = FindCtrl(m_Bind.m_Combos16s, comboId);
    if (!combo) return;
    // The value stays what it was, shown in the new list (or nothing when the list lacks it).
    int16_t kept = combo->m_Ctrl.GetData();
    combo->m_Ctrl.SetList(names);
    combo->m_Ctrl.SetData(kept);
    combo->m_Ctrl.Enable(on);
}

void cCmdShotPage::BindFormation(cParamSlots* slots) {
    cEdShot& s = Shot();
    *slots = {IDC_SHOT_FORMATION,
              {IDC_SHOT_FORM_CAPTION1, IDC_SHOT_FORM_CAPTION2, IDC_SHOT_FORM_CAPTION3},
              {IDC_SHOT_FORM_PARAM1, IDC_SHOT_FORM_PARAM2, IDC_SHOT_FORM_PARAM3},
              ShotFormationParams,
              kShotFormations,
              kNoChoice};
    m_Bind.Combo(IDC_SHOT_FORMATION, &s.m_Formation, ShotFormationNames);
    const uint16_t spins[3] = {IDC_SHOT_FORM_PARAM1_SPIN, IDC_SHOT_FORM_PARAM2_SPIN, IDC_SHOT_FORM_PARAM3_SPIN};
    for (int i = 0; i < 3; ++i) m_Bind.Edit(slots->m_Edits[i], &s.m_FormParam[i], 0, 999, spins[i]);
}

void cCmdShotPage::BindItemGain() {
    cEdShot& s = Shot();
    m_Bind.Combo(IDC_SHOT_ITEM_SOURCE, &s.m_ItemPalette, CommonPaletteOnly() ? ItemSrcCommonNames : ItemSrcNames);
    m_Bind.Combo(IDC_SHOT_ITEM, &s.m_ItemIndex, &m_CommonItems, 1);
}

void cCmdShotPage::EnableItemGain() {
    switch (ComboPos(IDC_SHOT_ITEM_SOURCE)) {
    case 1: ShowList(IDC_SHOT_ITEM, &m_CommonItems, 1); break;
    case 2: ShowList(IDC_SHOT_ITEM, &m_StageItems, 1); break;
    default: EnableCtrl(IDC_SHOT_ITEM, 0); break;
    }
}

cCmdShotDlg::cCmdShotDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdShotPage(templateId, parent, context, group) {
    cFlowCmd& cmd = Cmd();
    cEdShot& s = Shot();
    if (IsNew()) {
        s.m_Speed = 20;
        s.m_Power = 1;
        s.m_PierceBlock = 1;
        s.m_Z = 3;
        s.m_Effect = 1;
    }
    BindTime();
    m_Bind.Edit(IDC_SHOT_GRAPHIC, &s.m_Graphic, 0, 120, IDC_SHOT_GRAPHIC_SPIN);
    m_Bind.Check(IDC_SHOT_TRANSPARENT, &s.m_Transparent);
    m_Bind.Edit(IDC_SHOT_Z, &s.m_Z, 0, 7, IDC_SHOT_Z_SPIN);
    BindFormation(&m_Formation);
    m_Bind.Edit(IDC_SHOT_COUNT, &s.m_Count, 1, 127, IDC_SHOT_COUNT_SPIN);
    m_Bind.Edit(IDC_SHOT_CLONES, &s.m_Clones, 0, 20, IDC_SHOT_CLONES_SPIN);
    m_Bind.Combo(IDC_SHOT_DIR, &s.m_Dir, MoveDirNames);
    m_Bind.Check(IDC_SHOT_AIM, &s.m_AimTarget);
    m_Bind.Edit(IDC_SHOT_ANGLE, &s.m_Angle, -7200, 7200, IDC_SHOT_ANGLE_SPIN);
    m_Bind.Edit(IDC_SHOT_ANGLE_K, &s.m_AngleClone, -7200, 7200, IDC_SHOT_ANGLE_K_SPIN);
    m_Bind.Edit(IDC_SHOT_SPREAD, &s.m_Spread, 0, 180, IDC_SHOT_SPREAD_SPIN);
    m_Bind.Check(IDC_SHOT_SHIFT_BY_ANGLE, &s.m_PosByAngle);
    m_Bind.Edit(IDC_SHOT_OFFSET_X, &s.m_OffsetX, -640, 640, IDC_SHOT_OFFSET_X_SPIN);
    m_Bind.Edit(IDC_SHOT_OFFSET_X_K, &s.m_OffsetXClone, -640, 640, IDC_SHOT_OFFSET_X_K_SPIN);
    m_Bind.Check(IDC_SHOT_FLIP_X, &s.m_FlipX);
    m_Bind.Edit(IDC_SHOT_OFFSET_Y, &s.m_OffsetY, -640, 640, IDC_SHOT_OFFSET_Y_SPIN);
    m_Bind.Edit(IDC_SHOT_OFFSET_Y_K, &s.m_OffsetYClone, -640, 640, IDC_SHOT_OFFSET_Y_K_SPIN);
    m_Bind.Check(IDC_SHOT_FLIP_Y, &s.m_FlipY);
    BindAnimeAndSound();
    m_Bind.Check(IDC_CMD_SKIP_OFFSCREEN, &cmd.m_SoundOnScreen);
    m_Bind.Edit(IDC_SHOT_SIDE, &s.m_Force, 0, 7, IDC_SHOT_SIDE_SPIN);
    m_Bind.Check(IDC_SHOT_SAME_SIDE, &s.m_SameForce);
    m_Bind.Combo(IDC_SHOT_GIANT, &s.m_Scale, kGiant.m_Options, static_cast<uint8_t>(kGiant.m_Min));
    m_MoveType = {IDC_SHOT_MOVE_TYPE,
                  {IDC_SHOT_MOVE_CAPTION1, IDC_SHOT_MOVE_CAPTION2, IDC_SHOT_MOVE_CAPTION3},
                  {IDC_SHOT_MOVE_PARAM1, IDC_SHOT_MOVE_PARAM2, IDC_SHOT_MOVE_PARAM3},
                  ShotTrajectoryParams,
                  kShotTrajectories,
                  kNoChoice};
    m_Bind.Combo(IDC_SHOT_MOVE_TYPE, &s.m_MoveType, ShotTrajectoryNames);
    m_Bind.Edit(IDC_SHOT_MOVE_PARAM1, &s.m_MoveParam[0], 0, 999, IDC_SHOT_MOVE_PARAM1_SPIN);
    m_Bind.Edit(IDC_SHOT_MOVE_PARAM2, &s.m_MoveParam[1], 0, 999, IDC_SHOT_MOVE_PARAM2_SPIN);
    m_Bind.Edit(IDC_SHOT_MOVE_PARAM3, &s.m_MoveParam[2], 0, 999, IDC_SHOT_MOVE_PARAM3_SPIN);
    m_Bind.Edit(IDC_SHOT_SPEED, &s.m_Speed, -200, 200, IDC_SHOT_SPEED_SPIN);
    m_Bind.Edit(IDC_SHOT_SPEED_K, &s.m_SpeedClone, -200, 200, IDC_SHOT_SPEED_K_SPIN);
    m_Bind.Check(IDC_SHOT_USE_RANGE, &s.m_UseRange);
    m_Bind.Edit(IDC_SHOT_RANGE, &s.m_Range, 0, 40, IDC_SHOT_RANGE_SPIN);
    m_Bind.Edit(IDC_SHOT_RANGE_K, &s.m_RangeClone, -40, 40, IDC_SHOT_RANGE_K_SPIN);
    m_Bind.Check(IDC_SHOT_NO_VANISH_AT_END, &s.m_NoVanishAtEnd);
    m_Bind.Check(IDC_SHOT_USE_LIFE, &s.m_UseLife);
    m_Bind.Edit(IDC_SHOT_LIFE, &s.m_Life, 1, 999, IDC_SHOT_LIFE_SPIN);
    m_Bind.Edit(IDC_SHOT_LIFE_K, &s.m_LifeClone, -99, 99, IDC_SHOT_LIFE_K_SPIN);
    m_Bind.Check(IDC_SHOT_VANISH_ON_SHOT, &s.m_VanishOnShot);
    m_Bind.Edit(IDC_SHOT_VANISH_VALUE, &s.m_VanishValue, 1, 9, IDC_SHOT_VANISH_VALUE_SPIN);
    m_Bind.Check(IDC_SHOT_THROUGH_BLOCKS, &s.m_PierceBlock);
    m_Bind.Check(IDC_SHOT_THROUGH_CHARAS, &s.m_PierceChara);
    m_Bind.Edit(IDC_SHOT_POWER, &s.m_Power, -999999, 999999, IDC_SHOT_POWER_SPIN);
    m_Bind.Edit(IDC_SHOT_IMPACT, &s.m_Impact, -20, 20, IDC_SHOT_IMPACT_SPIN);
    m_Bind.Combo(IDC_SHOT_EFFECT, &s.m_Effect, &m_EffectNames, 0);
    BindItemGain();
    m_Bind.Picture(IDC_SHOT_PREVIEW, kCellSize, kCellSize);
}

void cCmdShotDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cCmdShotPage::OnInitDialog(wParam, lParam);
    ApplyParamSlots(m_Formation);
    ApplyParamSlots(m_MoveType);
    DrawPreview();
}

void cCmdShotDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    cCmdShotPage::OnCommand(wParam, lParam);
    if (!m_Ready || HIWORD(wParam) != CBN_SELCHANGE) return;
    if (LOWORD(wParam) == IDC_SHOT_FORMATION) ApplyParamSlots(m_Formation);
    if (LOWORD(wParam) == IDC_SHOT_MOVE_TYPE) ApplyParamSlots(m_MoveType);
}

void cCmdShotDlg::UpdateEnables() {
    EnableCtrl(IDC_SHOT_SIDE, !IsChecked(IDC_SHOT_SAME_SIDE));
    int range = IsChecked(IDC_SHOT_USE_RANGE);
    EnableCtrl(IDC_SHOT_RANGE, range);
    EnableCtrl(IDC_SHOT_RANGE_K, range);
    EnableCtrl(IDC_SHOT_NO_VANISH_AT_END, range);
    int life = IsChecked(IDC_SHOT_USE_LIFE);
    EnableCtrl(IDC_SHOT_LIFE, life);
    EnableCtrl(IDC_SHOT_LIFE_K, life);
    EnableCtrl(IDC_SHOT_VANISH_VALUE, IsChecked(IDC_SHOT_VANISH_ON_SHOT));
    EnableItemGain();
}

void cCmdShotDlg::AfterMessage() {
    if (m_Ready) DrawPreview();
}

// The shot sheet's cell of the graphic number typed, or nothing for a number the sheet lacks.
void cCmdShotDlg::DrawPreview() {
    if (m_Bind.m_Pictures.empty()) return;
    cPictureBox& box = m_Bind.m_Pictures[0].m_Ctrl;
    cDib& canvas = box.Canvas();
    if (!canvas.GetDC()) return;
    canvas.Clear(RGB(0, 0, 0));
    BOOL ok = FALSE;
    int g = static_cast<int>(GetDlgItemInt(m_hWnd, IDC_SHOT_GRAPHIC, &ok, TRUE));
    const cDib& sheet = SystemBitmap(eBmpShot);
    int x = g / 30 * 32, y = g % 30 * kCellSize;
    if (ok && g >= 0 && x + kCellSize <= sheet.Width() && y + kCellSize <= sheet.Height())
        canvas.Blt(0, 0, kCellSize, kCellSize, sheet, x, y, 1);
    box.Present();
}

const cDib& cCmdShotDlg::Preview() { return m_Bind.m_Pictures[0].m_Ctrl.Canvas(); }

cCmdSwordDlg::cCmdSwordDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdShotPage(templateId, parent, context, group) {
    cFlowCmd& cmd = Cmd();
    cEdShot& s = Shot();
    const cDatabase& db = ProjectDatabase();
    if (IsNew()) {
        s.m_PierceBlock = 1;
        s.m_PierceChara = 1;
        s.m_VanishOnShot = 0;
        s.m_Power = 10;
        s.m_Z = 3;
        s.m_Effect = 1;
        cmd.m_Time = static_cast<uint16_t>(std::max(1, SumDurations(db, s.m_MoveType)));
    }
    BuildTableNameList(&m_SwordNames, db.m_SwordTypes, nullptr, 0, 3, 0);
    m_Bind.Check(IDC_CMD_PARALLEL, &cmd.m_Parallel);
    m_Bind.Edit(IDC_CMD_TIME, &cmd.m_Time, 1, 9999, IDC_CMD_TIME_SPIN);
    m_Bind.Edit(IDC_SHOT_SIDE, &s.m_Force, 0, 7, IDC_SHOT_SIDE_SPIN);
    m_Bind.Check(IDC_SHOT_SAME_SIDE, &s.m_SameForce);
    m_Bind.Combo(IDC_SWORD_TYPE, &s.m_MoveType, &m_SwordNames);
    m_Bind.Combo(IDC_SHOT_GIANT, &s.m_Scale, kGiant.m_Options, static_cast<uint8_t>(kGiant.m_Min));
    m_Bind.Edit(IDC_SHOT_POWER, &s.m_Power, -999999, 999999, IDC_SHOT_POWER_SPIN);
    m_Bind.Edit(IDC_SHOT_IMPACT, &s.m_Impact, -20, 20, IDC_SHOT_IMPACT_SPIN);
    m_Bind.Combo(IDC_SHOT_EFFECT, &s.m_Effect, &m_EffectNames, 0);
    BindItemGain();
    m_Bind.Check(IDC_SHOT_TRANSPARENT, &s.m_Transparent);
    m_Bind.Edit(IDC_SHOT_Z, &s.m_Z, 0, 7, IDC_SHOT_Z_SPIN);
    BindAnimeAndSound();
    m_Bind.Check(IDC_CMD_SKIP_OFFSCREEN, &cmd.m_SoundOnScreen);
}

void cCmdSwordDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    cCmdShotPage::OnCommand(wParam, lParam);
    // A new sword type brings its swing's time; opening keeps the stored one.
    if (!m_Ready || LOWORD(wParam) != IDC_SWORD_TYPE || HIWORD(wParam) != CBN_SELCHANGE) return;
    int type = ComboPos(IDC_SWORD_TYPE);
    if (type < 0) return;
    if (cBoundEditVal<uint16_t>* time = FindCtrl(m_Bind.m_EditsU16, IDC_CMD_TIME))
        time->m_Ctrl.SetValue(SumDurations(ProjectDatabase(), type));
}

void cCmdSwordDlg::UpdateEnables() {
    EnableCtrl(IDC_SHOT_SIDE, !IsChecked(IDC_SHOT_SAME_SIDE));
    EnableItemGain();
}
