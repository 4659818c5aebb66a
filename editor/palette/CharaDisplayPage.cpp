#include "editor/palette/CharaDisplayPage.h"

#include <algorithm>

#include "data/ElementNames.h"
#include "data/ProjectDatabase.h"
#include "editor/palette/CharaIds.h"
#include "editor/shell/DrawObject.h"
#include "editor/shell/GraphicRanges.h"
#include "framework/NameList.h"

namespace {

const char* const kFlightNames[5] = {"OFF", "ON (ブロックをすり抜ける)", "ON (ブロックに当たる)", "ON (ブロックに当たると即死)", ""};
const char* const kInvincibleNames[4] = {"OFF", "ON (ショットが当たる)", "ON (ショットがすり抜ける)", ""};
const char* const kSightNames[6] = {"画面内全て", "キャラを中心とした円形", "キャラの前方に円形",
                                    "キャラを中心とした正方形", "キャラの前方に正方形", ""};
const int kMaxSight = 40;
const uint16_t kGraphicButton = IDC_CH_INHERIT_FIRST + 0;
const uint16_t kBlockButton = IDC_CH_INHERIT_FIRST + 10;

}  // namespace

cCharaDisplayPage::cCharaDisplayPage(cCharaSheetOwner* sheet, cChildWnd* parent, cWndGroup* group)
    : cCharaPage(IDD_CHARA_DISPLAY, sheet, 1, parent, group) {
    BindCommon();
    m_Bind.Picture(IDC_CD_PREVIEW_2, kElementCell, kElementCell);
    m_PreviewIds.push_back(IDC_CD_PREVIEW_2);
    const cDatabase& db = ProjectDatabase();
    BuildTableNameList(&m_AnimeSets, db.m_AnimeSets, nullptr, 0, 3, 0);
    BuildTableNameList(&m_CharaEffects, db.m_CharaEffects, "なし", 0, 3, 0);
    cEdChara& c = m_Work;
    m_Bind.Combo(IDC_CD_GRAPHIC_SRC, &c.m_GraphicSrc, GraphicSrcNames);
    const cGraphicRange charaSheet = GraphicRange(eGraphicChara, 0);
    m_Bind.Edit(IDC_CD_GRAPHIC, &c.m_Graphic, 1, charaSheet.highest, IDC_CD_GRAPHIC_SPIN);
    m_Bind.Edit(IDC_CD_SHIFT, &c.m_GraphicShift, 0, charaSheet.highestShift, IDC_CD_SHIFT_SPIN);
    m_Bind.Combo(IDC_CD_ANIME_SET, &c.m_AnimeSet, &m_AnimeSets);
    m_Bind.Edit(IDC_CD_Z, &c.m_Z, 0, 7, IDC_CD_Z_SPIN);
    m_Bind.Combo(IDC_CD_TRANSPARENT, &c.m_Transparent, OffOnNames);
    m_Bind.Combo(IDC_CD_START_EFFECT, &c.m_StartEffect, &m_CharaEffects);
    m_Bind.Check(IDC_CD_START_LOOP, &c.m_StartEffectLoop);
    m_Bind.Combo(IDC_CD_DEATH_EFFECT, &c.m_DeathEffect, &m_CharaEffects);
    m_Bind.Combo(IDC_CD_MARK_MODE, &c.m_MarkMode, MarkModeNames);
    m_Bind.Edit(IDC_CD_MARK, &c.m_Mark, 0, kHighestMark, IDC_CD_MARK_SPIN);
    m_Bind.Check(IDC_CD_DIR_LOCK, &c.m_DirLock);
    m_Bind.Combo(IDC_CD_FLIGHT, &c.m_Flight, kFlightNames);
    m_Bind.Combo(IDC_CD_INVINCIBLE, &c.m_Invincible, kInvincibleNames);
    m_Bind.Combo(IDC_CD_BLOCK, &c.m_BlockHit, OffOnNames);
    // The scale is stored linear: "×9" is 3.
    m_Bind.Combo(IDC_CD_SCALE, &c.m_Scale, ScaleNames, 1);
    m_Bind.Combo(IDC_CD_SIGHT, &c.m_SightShape, kSightNames);
    m_Bind.Edit(IDC_CD_SIGHT_RANGE, &c.m_SightRange, 0, kMaxSight, IDC_CD_SIGHT_RANGE_SPIN);

    const uint16_t first = IDC_CH_INHERIT_FIRST;
    AddGroup(first + 0, 9, {IDC_CD_GRAPHIC_SRC, IDC_CD_GRAPHIC, IDC_CD_SHIFT});
    AddGroup(first + 1, 10, {IDC_CD_ANIME_SET});
    AddGroup(first + 2, 11, {IDC_CD_Z});
    AddGroup(first + 3, 12, {IDC_CD_TRANSPARENT});
    AddGroup(first + 4, 13, {IDC_CD_START_EFFECT, IDC_CD_START_LOOP});
    AddGroup(first + 5, 14, {IDC_CD_DEATH_EFFECT});
    AddGroup(first + 6, 15, {IDC_CD_MARK_MODE, IDC_CD_MARK});
    AddGroup(first + 7, 16, {IDC_CD_DIR_LOCK});
    AddGroup(first + 8, 17, {IDC_CD_FLIGHT});
    AddGroup(first + 9, 18, {IDC_CD_INVINCIBLE});
    AddGroup(first + 10, 19, {IDC_CD_BLOCK});
    AddGroup(first + 11, 20, {IDC_CD_SCALE});
    AddGroup(IDC_CD_INHERIT_SIGHT, 21, {IDC_CD_SIGHT, IDC_CD_SIGHT_RANGE});

    auto redraw = [this] { DrawPreviews(); };
    AddHandler(eCtrlCombo, IDC_CD_GRAPHIC_SRC, [this] { GraphicKindChanged(); });
    AddHandler(eCtrlEditVal, IDC_CD_GRAPHIC, redraw);
    AddHandler(eCtrlEditVal, IDC_CD_SHIFT, redraw);
    AddHandler(eCtrlCombo, IDC_CD_MARK_MODE, [this] { MarkModeChanged(); });
    AddHandler(eCtrlEditVal, IDC_CD_MARK, redraw);
    AddHandler(eCtrlCombo, IDC_CD_FLIGHT, redraw);
    AddHandler(eCtrlCombo, IDC_CD_INVINCIBLE, redraw);
    AddHandler(eCtrlCombo, IDC_CD_BLOCK, redraw);
    AddHandler(eCtrlCombo, IDC_CD_SIGHT, [this] { SightChanged(); });
}

void cCharaDisplayPage::InitPage() {}

void cCharaDisplayPage::EnableInheritGroups() {
    cCharaPage::EnableInheritGroups();
    EnableInheritButtons(m_Work.m_InheritSrc != 0);
}

void cCharaDisplayPage::GraphicKindChanged() {
    if (!IsEnabled(IDC_CD_GRAPHIC_SRC) || IsInherited(kGraphicButton)) {
        DrawPreviews();
        return;
    }
    int kind = ComboPos(IDC_CD_GRAPHIC_SRC);
    auto& number = FindCtrl(m_Bind.m_EditsU16, IDC_CD_GRAPHIC)->m_Ctrl;
    auto& shift = FindCtrl(m_Bind.m_EditsU16, IDC_CD_SHIFT)->m_Ctrl;
    const cGraphicRange range = GraphicRange(kind, ProjectDatabase().m_BmpCharaExcs.size());
    number.SetRange(1, static_cast<uint16_t>(range.highest));
    if (range.columns) shift.SetRange(0, static_cast<uint16_t>(range.highestShift));
    shift.Enable(range.columns);
    // Each edit shows its number again inside the new range.
    ++m_Busy;
    for (auto* edit : {&number, &shift}) {
        edit->CtrlToData();
        edit->DataToCtrl();
    }
    --m_Busy;
    DrawPreviews();
}

void cCharaDisplayPage::MarkModeChanged() {
    if (IsEnabled(IDC_CD_MARK_MODE)) EnableCtrl(IDC_CD_MARK, ComboPos(IDC_CD_MARK_MODE) != 0);
    DrawPreviews();
}

// The sight belongs to the player; a computer chara has none.
void cCharaDisplayPage::SightChanged() {
    if (!m_Ready || IsInherited(IDC_CD_INHERIT_SIGHT)) return;
    bool player = m_Work.m_Control == 0;
    EnableCtrl(IDC_CD_SIGHT, player);
    EnableCtrl(IDC_CD_SIGHT_RANGE, player && ComboPos(IDC_CD_SIGHT) != 0);
}

// Only a computer chara acts as a block.
void cCharaDisplayPage::UpdateDependentEnables() {
    if (!IsInherited(kBlockButton)) EnableCtrl(IDC_CD_BLOCK, m_Work.m_Control != 0);
}
