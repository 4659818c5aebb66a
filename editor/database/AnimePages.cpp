#include "editor/database/AnimePages.h"

#include <algorithm>
#include <new>

#include "data/ElementNames.h"
#include "data/ProjectDatabase.h"
#include "editor/database/AnimeSample.h"
#include "editor/shell/DrawObject.h"
#include "editor/shell/GraphicRanges.h"
#include "framework/Format.h"

namespace {
void SlotRowText(std::string* text, int, const cAnime* slot) {
    *text = Format("%s ×%d", slot->m_Name.c_str(), static_cast<int>(slot->m_Frames.size()));
}
}  // namespace

cSampleRanges SampleRanges(int kind, size_t dedicatedRecords) {
    const cGraphicRange range = GraphicRange(kind, dedicatedRecords);
    // The sample number's edit holds three digits.
    return {static_cast<int16_t>(std::min(range.highest, 999)), range.columns,
            static_cast<int16_t>(range.highestShift)};
}

cAnimePlayer& DatabasePreviewPlayer() {
    static cAnimePlayer player;
    return player;
}

cAnimePattern PreviewPattern(const cAnime& anime) {
    cAnimePattern pattern;
    for (const cAnimeFrame& frame : anime.m_Frames) {
        cAnimeCode code;
        code.value = frame.m_Cell < 0 ? 0 : frame.m_Cell;
        code.duration = frame.m_Time < 0 ? 0 : frame.m_Time > 9999 ? 9999 * 6 : frame.m_Time * 6;
        pattern.push_back(code);
    }
    if (pattern.empty()) pattern.push_back(cAnimeCode());
    cAnimeCode loop;
    loop.value = kAnimeLoop;
    pattern.push_back(loop);
    return pattern;
}

void SetPreviewAnime(const cAnime& anime) {
    cAnimePatterns patterns;
    patterns.push_back(PreviewPattern(anime));
    DatabasePreviewPlayer().SetPatterns(patterns);
}

cAnimeSampleCtrls::cAnimeSampleCtrls(cAnime* anime) {
    m_Kind.resize(1);
    m_Kind[0].m_Desc = cComboDesc<int8_t>(IDC_DB_SAMPLE_KIND, &anime->m_SampleKind, GraphicSrcNames, 0);
    m_Preview.resize(1);
    m_Preview[0].m_Desc.Set(IDC_DB_PREVIEW, 32, 32);
    m_Sample.resize(2);
    const cGraphicRange sheet = GraphicRange(eGraphicChara, 0);
    m_Sample[0].m_Desc.Set(IDC_DB_SAMPLE_NO, &anime->m_SampleNo, 1, static_cast<int16_t>(sheet.highest),
                           IDC_DB_SAMPLE_NO_SPIN);
    m_Sample[1].m_Desc.Set(IDC_DB_SAMPLE_CELL, &anime->m_SampleCell, 0, static_cast<int16_t>(sheet.highestShift),
                           IDC_DB_SAMPLE_CELL_SPIN);
}

void cAnimeSampleCtrls::Attach(cPage* page) {
    page->AttachPictureBox(m_Preview[0]);
    page->AttachCtrls(m_Kind);
    page->AttachCtrls(m_Sample);
}

void cAnimeSampleCtrls::UpdateRanges() {
    LRESULT pos = SendMessageA(m_Kind[0].m_Ctrl.GetHwnd(), CB_GETCURSEL, 0, 0);
    cSampleRanges ranges = SampleRanges(pos == CB_ERR ? 0 : static_cast<int>(pos), ProjectDatabase().m_BmpCharaExcs.size());
    cEditVal<int16_t>& number = m_Sample[0].m_Ctrl;
    cEditVal<int16_t>& cell = m_Sample[1].m_Ctrl;
    number.SetRange(1, ranges.maxNo);
    number.ShowValue(number.ParseText(), false);
    cell.SetRange(0, ranges.maxCell);
    cell.ShowValue(cell.ParseText(), false);
    cell.Enable(ranges.cellUsed);
}

void cAnimeSampleCtrls::Draw(int32_t cell) {
    LRESULT kind = SendMessageA(m_Kind[0].m_Ctrl.GetHwnd(), CB_GETCURSEL, 0, 0);
    DrawAnimeSample(m_Preview[0].m_Ctrl, kind == CB_ERR ? 0 : static_cast<int>(kind), m_Sample[0].m_Ctrl.ParseText(),
                    m_Sample[1].m_Ctrl.ParseText() + cell);
}

cDbAnimeSetPage::cDbAnimeSetPage(cChildWnd* parent, cWndGroup* group, cRecordVector<cAnimeSet>* table)
    : cDbTablePage(IDD_DB_ANIME_SET, parent, group, table, IDC_DB_ANIME_SET_LIST, 1, NameRowText<cAnimeSet>, 999, 0) {
    m_Texts.resize(1);
    m_Texts[0].m_Desc = cStrEditDesc(IDC_DB_NAME, &m_Edit.m_Name, kDbNameLimit, 0);
    m_Buttons.resize(2);
    m_Buttons[0].m_Desc.Set(IDC_DB_COUNT);
    m_Buttons[1].m_Desc.Set(IDC_DB_SLOT_EDIT);
    m_Values.resize(3);
    m_Values[0].m_Desc.Set(IDC_DB_FLY, &m_Edit.m_FlyOffset, 0, 999, IDC_DB_FLY_SPIN);
    m_Values[1].m_Desc.Set(IDC_DB_INVINCIBLE, &m_Edit.m_InvincibleOffset, 0, 999, IDC_DB_INVINCIBLE_SPIN);
    m_Values[2].m_Desc.Set(IDC_DB_BLOCK, &m_Edit.m_BlockOffset, 0, 999, IDC_DB_BLOCK_SPIN);
    m_SlotList.resize(1);
    m_SlotList[0].m_Desc.Set(IDC_DB_ANIME_LIST, nullptr, &m_Edit.m_Slots, nullptr, 0, SlotRowText, 0,
                             cAnimeSet::kSlots, cAnimeSet::kSlots, 0, 0, 0);
}

void cDbAnimeSetPage::AttachPage() {
    // The record list has just taken the project's table; only the working copy is mended, so
    // that Cancel leaves the table as it was.
    for (cAnimeSet& set : m_Work)
        if (set.m_Slots.size() != cAnimeSet::kSlots) set.m_Slots.resize(cAnimeSet::kSlots);
    AttachCtrls(m_Values);
    AttachDataList(m_SlotList[0]);
    // The four slots are fixed: no list keys, no popup menu.
    const uint16_t none[kListCmds] = {};
    Slots().SetAccelIds(none);
    Slots().SetMenuIds(none);
    Slots().Select(0, true);
    m_SampleCtrls.Attach(this);
}

void cDbAnimeSetPage::BeforeShow() {
    if (m_Edit.m_Slots.empty()) return;
    const cAnime& first = m_Edit.m_Slots[0];
    m_FirstSample.m_SampleKind = first.m_SampleKind;
    m_FirstSample.m_SampleNo = first.m_SampleNo;
    m_FirstSample.m_SampleCell = first.m_SampleCell;
}

void cDbAnimeSetPage::AfterStore() {
    if (m_Edit.m_Slots.empty()) return;
    cAnime& first = m_Edit.m_Slots[0];
    first.m_SampleKind = m_FirstSample.m_SampleKind;
    first.m_SampleNo = m_FirstSample.m_SampleNo;
    first.m_SampleCell = m_FirstSample.m_SampleCell;
}

void cDbAnimeSetPage::EditSlot() {
    int slot = Slots().GetCurIndex();
    if (slot < 0 || slot >= static_cast<int>(m_Edit.m_Slots.size())) return;
    cAnime& edited = m_Edit.m_Slots[slot];
    const cAnime& first = m_Edit.m_Slots[0];
    edited.m_SampleKind = first.m_SampleKind;
    edited.m_SampleNo = first.m_SampleNo;
    edited.m_SampleCell = first.m_SampleCell;
    cAnimePatternDlg::s_lpEdited = &edited;
    cAnimePatternDlg::s_RunCommandShown = false;
    int code = Slots().OpenItemDlg(&m_lpPatternDlg, IDD_DB_ANIME_PATTERN, m_lpGroup, 0, 1);
    cAnimePatternDlg::s_RunCommandShown = true;
    if (code) ListRenew();
}

void cDbAnimeSetPage::PageCommand(int id, int code) {
    if ((id == IDC_DB_SLOT_EDIT && code == BN_CLICKED) || (id == IDC_DB_ANIME_LIST && code == LBN_DBLCLK)) EditSlot();
}

void cDbAnimeSetPage::AfterCommand() {
    int slot = Slots().GetCurIndex();
    if (slot >= 0 && slot < static_cast<int>(m_Edit.m_Slots.size())) SetPreviewAnime(m_Edit.m_Slots[slot]);
}

void cDbAnimeSetPage::OnIdle() {
    if (IsInitialised()) m_SampleCtrls.Draw(DatabasePreviewPlayer().Update());
}

cDbAnimePage::cDbAnimePage(cChildWnd* parent, cWndGroup* group, cRecordVector<cAnime>* table)
    : cDbTablePage(IDD_DB_ANIME, parent, group, table, IDC_DB_ANIME_LIST, 1, NameRowText<cAnime>, 999, 1) {
    m_Texts.resize(1);
    m_Texts[0].m_Desc = cStrEditDesc(IDC_DB_NAME, &m_Edit.m_Name, kDbNameLimit, 0);
    m_Buttons.resize(2);
    m_Buttons[0].m_Desc.Set(IDC_DB_COUNT);
    m_Buttons[1].m_Desc.Set(IDC_DB_PATTERN_EDIT);
}

void cDbAnimePage::PageCommand(int id, int code) {
    if (id != IDC_DB_PATTERN_EDIT || code != BN_CLICKED || RecordList().GetCurIndex() < 0) return;
    cCtrl* anchor = nullptr;
    for (cBoundButton& button : m_Buttons)
        if (button.m_Ctrl.GetId() == IDC_DB_PATTERN_EDIT) anchor = &button.m_Ctrl;
    cAnimePatternDlg::s_lpEdited = &m_Edit;
    if (m_lpGroup) m_lpGroup->EnableAll(0);
    cAnimePatternDlg* dlg = new (std::nothrow) cAnimePatternDlg(IDD_DB_ANIME_PATTERN, this, eKindDialog, m_lpGroup, anchor, 1);
    if (dlg) {
        dlg->DoModal(0);
        SafeDelete(dlg);
    } else {
        OutOfMemory();
    }
    if (m_lpGroup) m_lpGroup->EnableAll(1);
    // The button's click then writes the edited anime, frames and all, into its row.
}

void cDbAnimePage::OnIdle() {
    if (IsInitialised()) m_SampleCtrls.Draw(DatabasePreviewPlayer().Update());
}
