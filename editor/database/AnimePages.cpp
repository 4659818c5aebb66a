#include "editor/database/AnimePages.h"

#include "data/ElementNames.h"
#include "data/ProjectDatabase.h"

namespace {
const int kKindChara = 1;
const int kKindDedicated = 4;
}  // namespace

cSampleRanges SampleRanges(int kind, size_t dedicatedRecords) {
    if (kind == kKindChara) return {119, true, 19};
    if (kind == kKindDedicated) {
        long long top = static_cast<long long>(dedicatedRecords) - 1;
        return {static_cast<int16_t>(top < 1 ? 1 : top > 999 ? 999 : top), true, 239};
    }
    return {119, false, 19};
}

cDbAnimeSetPage::cDbAnimeSetPage(cChildWnd* parent, cWndGroup* group, cRecordVector<cAnimeSet>* table)
    : cDbTablePage(IDD_DB_ANIME_SET, parent, group, table, IDC_DB_ANIME_SET_LIST, 1, NameRowText<cAnimeSet>, 999, 0) {
    m_Texts.resize(1);
    m_Texts[0].m_Desc = cStrEditDesc(IDC_DB_NAME, &m_Edit.m_Name, kDbNameLimit, 0);
    m_Buttons.resize(1);
    m_Buttons[0].m_Desc.Set(IDC_DB_COUNT);
    m_Values.resize(3);
    m_Values[0].m_Desc.Set(IDC_DB_FLY, &m_Edit.m_FlyOffset, 0, 999, IDC_DB_FLY_SPIN);
    m_Values[1].m_Desc.Set(IDC_DB_INVINCIBLE, &m_Edit.m_InvincibleOffset, 0, 999, IDC_DB_INVINCIBLE_SPIN);
    m_Values[2].m_Desc.Set(IDC_DB_BLOCK, &m_Edit.m_BlockOffset, 0, 999, IDC_DB_BLOCK_SPIN);
}

cDbAnimePage::cDbAnimePage(cChildWnd* parent, cWndGroup* group, cRecordVector<cAnime>* table)
    : cDbTablePage(IDD_DB_ANIME, parent, group, table, IDC_DB_ANIME_LIST, 1, NameRowText<cAnime>, 999, 1) {
    m_Texts.resize(1);
    m_Texts[0].m_Desc = cStrEditDesc(IDC_DB_NAME, &m_Edit.m_Name, kDbNameLimit, 0);
    m_Buttons.resize(1);
    m_Buttons[0].m_Desc.Set(IDC_DB_COUNT);
    m_Kind.resize(1);
    m_Kind[0].m_Desc = cComboDesc<int8_t>(IDC_DB_SAMPLE_KIND, &m_Edit.m_SampleKind, GraphicSrcNames, 0);
    m_Sample.resize(2);
    m_Sample[0].m_Desc.Set(IDC_DB_SAMPLE_NO, &m_Edit.m_SampleNo, 1, 119, IDC_DB_SAMPLE_NO_SPIN);
    m_Sample[1].m_Desc.Set(IDC_DB_SAMPLE_CELL, &m_Edit.m_SampleCell, 0, 19, IDC_DB_SAMPLE_CELL_SPIN);
}

void cDbAnimePage::AttachPage() {
    AttachCtrls(m_Kind);
    AttachCtrls(m_Sample);
}

void cDbAnimePage::EnableStep() {
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
