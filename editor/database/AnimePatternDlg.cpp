#include "editor/database/AnimePatternDlg.h"

#include "editor/database/AnimeSample.h"
#include "editor/database/DbPage.h"
#include "framework/Format.h"
#include "framework/FrameworkIds.h"

cAnime* cAnimePatternDlg::s_lpEdited = nullptr;
bool cAnimePatternDlg::s_RunCommandShown = true;

void AnimeFrameRowText(std::string* text, int, const cAnimeFrame* frame) {
    *text = Format(frame->m_RunCommand ? "実行 %d-%d" : "%d-%d", frame->m_Cell, frame->m_Time);
}

cRecordVector<cAnimeFrame>* cAnimePatternDlg::FramesOf(cAnime* anime) {
    if (!anime) return nullptr;
    if (anime->m_Frames.empty()) anime->m_Frames.push_back(cAnimeFrame());
    return &anime->m_Frames;
}

cAnimePatternDlg::cAnimePatternDlg(UINT templateId, cChildWnd* parent, int kind, cWndGroup* group, cCtrl* anchor,
                                   int centre)
    : cDbItemDlg(templateId, parent, kind, group, anchor, centre, FramesOf(s_lpEdited)), m_lpAnime(s_lpEdited) {
    m_FrameList.resize(1);
    m_FrameList[0].m_Desc.Set(IDC_DB_FRAME_LIST, nullptr, &m_Item, &m_EditFrame, 1, AnimeFrameRowText, 0, 1, 99, 0, 1,
                              0);
    m_Check.resize(1);
    m_Check[0].m_Desc.Set(IDC_DB_RUN_COMMAND, &m_EditFrame.m_RunCommand);
    m_Values.resize(2);
    m_Values[0].m_Desc.Set(IDC_DB_FRAME_CELL, &m_EditFrame.m_Cell, 0, 299, IDC_DB_FRAME_CELL_SPIN);
    m_Values[1].m_Desc.Set(IDC_DB_FRAME_TIME, &m_EditFrame.m_Time, 1, 9999, IDC_DB_FRAME_TIME_SPIN);
    m_Preview.resize(1);
    m_Preview[0].m_Desc.Set(IDC_DB_PREVIEW, 32, 32);
}

void cAnimePatternDlg::AttachItem() {
    AttachDataList(m_FrameList[0]);
    Frames().SetMenus(IDR_ACCEL_SET1_DELETE, IDR_MENU_SET1_DELETE, 1, 1);
    Frames().SelectSingle(0, true);
    AttachCtrls(m_Check);
    AttachCtrls(m_Values);
    AttachPictureBox(m_Preview[0]);
    m_Check[0].m_Ctrl.Enable(s_RunCommandShown);
}

void cAnimePatternDlg::DrawPreview() {
    if (!m_Ready || !m_lpAnime) return;
    DrawAnimeSample(m_Preview[0].m_Ctrl, m_lpAnime->m_SampleKind, m_lpAnime->m_SampleNo,
                    m_lpAnime->m_SampleCell + m_Values[0].m_Ctrl.ParseText());
}

INT_PTR cAnimePatternDlg::DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    POINT at;
    if (m_Ready && ListMenuPoint(Frames().GetHwnd(), msg, wParam, lParam, &at)) {
        if (Frames().SelectAt(at)) RefreshOtherCtrls(0, IDC_DB_FRAME_LIST);
        if (HMENU menu = Frames().GetPopupMenu())
            TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, wnd, nullptr);
        return 1;
    }
    INT_PTR result = cDbItemDlg::DialogProc(wnd, msg, wParam, lParam);
    if (msg == WM_INITDIALOG) DrawPreview();
    return result;
}

void cAnimePatternDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    int id = LOWORD(wParam);
    int code = HIWORD(wParam);
    bool control = lParam != 0;
    // The list takes its selection and its key and menu commands here; OK and Cancel end.
    cDbItemDlg::OnCommand(wParam, lParam);
    if (!m_Ready || id == IDC_DB_OK || id == IDC_DB_CANCEL) return;
    bool button = control && code == BN_CLICKED;
    if (button && id == IDC_DB_FRAME_INSERT) Frames().CmdInsert();
    if (button && id == IDC_DB_FRAME_DELETE) Frames().CmdDelete(-1, false);
    bool rowsChanged = (button && (id == IDC_DB_FRAME_INSERT || id == IDC_DB_FRAME_DELETE)) || (!control && id != 0);
    if (rowsChanged || (id == IDC_DB_FRAME_LIST && code == LBN_SELCHANGE)) {
        RefreshOtherCtrls(0, IDC_DB_FRAME_LIST);
    } else if (FindChangedCtrl(wParam)) {
        for (cCtrl* ctrl : m_Ctrls)
            if (ctrl->GetKind() != eCtrlDataList) ctrl->CtrlToData();
        Frames().CmdRenew();
    }
    RedrawList();
    DrawPreview();
}
