#include "editor/database/AnimePages.h"

#include "data/ElementNames.h"
#include "data/Chara.h"
#include "data/ProjectDatabase.h"
#include "editor/shell/DrawObject.h"

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
    m_Preview.resize(1);
    m_Preview[0].m_Desc.Set(IDC_DB_PREVIEW, 32, 32);
    m_Sample.resize(2);
    m_Sample[0].m_Desc.Set(IDC_DB_SAMPLE_NO, &m_Edit.m_SampleNo, 1, 119, IDC_DB_SAMPLE_NO_SPIN);
    m_Sample[1].m_Desc.Set(IDC_DB_SAMPLE_CELL, &m_Edit.m_SampleCell, 0, 19, IDC_DB_SAMPLE_CELL_SPIN);
}

void cDbAnimePage::AttachPage() {
    AttachPictureBox(m_Preview[0]);
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

void cDbAnimePage::AfterCommand() {
    cAnimePatterns patterns;
    patterns.push_back(PreviewPattern(m_Edit));
    DatabasePreviewPlayer().SetPatterns(patterns);
}

void cDbAnimePage::OnIdle() {
    if (!IsInitialised() || !m_Preview[0].m_Ctrl.GetHwnd()) return;
    int32_t cell = DatabasePreviewPlayer().Update();
    cEdChara sample;
    sample.m_GraphicSrc = static_cast<uint8_t>(m_Edit.m_SampleKind);
    sample.m_Graphic = static_cast<uint16_t>(m_Edit.m_SampleNo);
    sample.m_GraphicShift = static_cast<uint16_t>(m_Edit.m_SampleCell + cell);
    cDib& canvas = m_Preview[0].m_Ctrl.Canvas();
    canvas.Clear(0);
    DrawCharaObject(canvas, 0, 0, sample, false);
    m_Preview[0].m_Ctrl.Present();
}
