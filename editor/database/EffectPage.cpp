#include "editor/database/EffectPage.h"

#include "framework/Format.h"
#include "framework/PathEdit.h"

cEffectFrame* cDbAnimeDlg::s_lpEdited = nullptr;

cDbAnimeDlg::cDbAnimeDlg(UINT templateId, cChildWnd* parent, int kind, cWndGroup* group, cCtrl* anchor, int centre)
    : cDbItemDlg(templateId, parent, kind, group, anchor, centre, s_lpEdited) {
    m_Values.resize(2);
    m_Values[0].m_Desc.Set(IDC_DB_FRAME_CELL, &m_Item.m_Cell, 0, 640, IDC_DB_FRAME_CELL_SPIN);
    m_Values[1].m_Desc.Set(IDC_DB_FRAME_TIME, &m_Item.m_Time, 0, 999, IDC_DB_FRAME_TIME_SPIN);
}

void EffectFrameRowText(std::string* text, int, const cEffectFrame* frame) {
    *text = Format("%d-%d", frame->m_Cell, frame->m_Time);
}

cDbEffectPage::cDbEffectPage(cChildWnd* parent, cWndGroup* group, cRecordVector<cEffect>* table)
    : cDbTablePage(IDD_DB_EFFECT, parent, group, table, IDC_DB_EFFECT_LIST, 1, NameRowText<cEffect>, 999, 1) {
    m_Texts.resize(2);
    m_Texts[0].m_Desc = cStrEditDesc(IDC_DB_NAME, &m_Edit.m_Name, kDbNameLimit, 0);
    m_Texts[1].m_Desc = cStrEditDesc(IDC_DB_PATH, &m_Edit.m_File, kDbPathLimit, 0);
    m_Buttons.resize(2);
    m_Buttons[0].m_Desc.Set(IDC_DB_COUNT);
    m_Buttons[1].m_Desc.Set(IDC_DB_BROWSE);
    m_Size.resize(2);
    m_Size[0].m_Desc.Set(IDC_DB_CELL_WIDTH, &m_Edit.m_CellWidth, 1, 640, IDC_DB_CELL_WIDTH_SPIN);
    m_Size[1].m_Desc.Set(IDC_DB_CELL_HEIGHT, &m_Edit.m_CellHeight, 1, 480, IDC_DB_CELL_HEIGHT_SPIN);
    m_Checks.resize(1);
    m_Checks[0].m_Desc.Set(IDC_DB_ALLOW_HUGE, &m_Edit.m_AllowHuge);
    m_FrameList.resize(1);
    m_FrameList[0].m_Desc.Set(IDC_DB_FRAME_LIST, nullptr, &m_Edit.m_Frames, nullptr, 1, EffectFrameRowText, 0, 1, 99, 0,
                              1, 0);
}

void cDbEffectPage::AttachPage() {
    AttachCtrls(m_Size);
    AttachCtrls(m_Checks);
    AttachDataList(m_FrameList[0]);
    Frames().SetMenus(IDR_ACCEL_SET2_CLEAR, IDR_MENU_SET2_CLEAR, 0, 2);
    Frames().SelectSingle(0, true);
    Frames().Refill();
}

int cDbEffectPage::ListClear() {
    cRecordVector<cEffect> before = m_Work;
    int cleared = RecordList().CmdClear();
    for (size_t i = 0; i < m_Work.size() && i < before.size(); ++i) m_Work[i].m_Frames = before[i].m_Frames;
    ReloadEdited();
    return cleared;
}

int cDbEffectPage::EditFrame() {
    int row = Frames().GetCurIndex();
    if (row < 0) return 0;
    cDbAnimeDlg::s_lpEdited = &m_Edit.m_Frames.At(row);
    int code = Frames().OpenItemDlg(&m_lpFrameDlg, IDD_DB_EFFECT_FRAME, m_lpGroup, 0, 0);
    if (code) FramesChanged();
    return code;
}

void cDbEffectPage::FramesChanged() {
    ListRenew();
    Frames().Refill();
    Frames().Refresh();
}

void cDbEffectPage::PageCommand(int id, int code) {
    if (id == IDC_DB_FRAME_LIST) {
        if (code == LBN_DBLCLK) EditFrame();
        return;
    }
    if (code != BN_CLICKED) return;
    switch (id) {
    case IDC_DB_BROWSE:
        ChooseFileInto(m_hWnd, m_Texts, IDC_DB_PATH, "bmp\\effect\\", "ビットマップの選択",
                       "BitmapFile ( *.bmp )\0*.bmp\0", "bmp");
        break;
    case IDC_DB_EFFECT_INSERT: {
        if (!Frames().CmdInsert()) {
            FramesChanged();
            break;
        }
        int row = Frames().GetCurIndex();
        if (EditFrame()) {
            Frames().SelectSingle(row + 1, true);
        } else if (row >= 0) {
            // The inserted frame goes again, even below the list's minimum it was inserted over.
            m_Edit.m_Frames.erase(m_Edit.m_Frames.begin() + row);
            Frames().Refill();
            Frames().Refresh();
        }
        break;
    }
    case IDC_DB_EFFECT_EDIT:
        EditFrame();
        break;
    case IDC_DB_EFFECT_DELETE:
        if (Frames().CmdDelete(-1, false)) FramesChanged();
        break;
    }
}
