#include "editor/palette/CharaPage.h"

#include <prsht.h>

#include "editor/palette/CharaIds.h"
#include "editor/palette/CharaSheet.h"
#include "editor/palette/PaletteDlg.h"
#include "editor/shell/DrawObject.h"
#include "editor/shell/StageDoc.h"
#include "framework/Format.h"

namespace {

const int kStripWidth = 200;
const int kStripHeight = 20;

}  // namespace

cCharaPage::cCharaPage(UINT templateId, cCharaDataSheet* sheet, int pageIndex, cChildWnd* parent, cWndGroup* group)
    : cPage(templateId, parent, sheet ? eKindSheetPage : eKindDialog, group), m_lpCharaSheet(sheet),
      m_PageIndex(pageIndex) {
    SetLayout(0, 0, 100, 100, 640, 480, 0, 0, 0, kBarNone, 0, 0);
    if (sheet) m_Work = sheet->Start();
}

void cCharaPage::BindCommon() {
    m_Buttons.resize(2);
    m_Buttons[0].m_Desc.Set(IDC_CH_PREV);
    m_Buttons[1].m_Desc.Set(IDC_CH_NEXT);
    AddHandler(eCtrlButton, IDC_CH_PREV, [this] { Step(-1); });
    AddHandler(eCtrlButton, IDC_CH_NEXT, [this] { Step(1); });
    m_Bind.Picture(IDC_CH_PREVIEW, kPaletteCell, kPaletteCell);
    m_Bind.Picture(IDC_CH_STRIP, kStripWidth, kStripHeight);
    m_PreviewIds.push_back(IDC_CH_PREVIEW);
}

void cCharaPage::AddGroup(uint16_t button, int flag, std::vector<uint16_t> ctrls) {
    m_Bind.Check(button, &m_Work.m_bbInherit[static_cast<size_t>(flag)]);
    m_Groups.push_back({button, flag, std::move(ctrls)});
}

void cCharaPage::AddHandler(int kind, uint16_t id, std::function<void()> run) {
    m_Handlers.push_back({kind, id, std::move(run)});
}

void cCharaPage::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    AttachCtrls(m_Texts);
    m_Bind.AttachTo(this);
    AttachCtrls(m_Buttons);
    InitPage();
    bool palette = m_lpCharaSheet && m_lpCharaSheet->IsPalette();
    for (int id : {IDC_CH_NUMBER, IDC_CH_PREV, IDC_CH_NEXT}) ShowWindow(GetDlgItem(m_hWnd, id), palette ? SW_SHOW : SW_HIDE);
    ShowData();
    m_Ready = 1;
    EnableInheritGroups();
    RunChangeHandlers();
    UpdateDependentEnables();
    ShowNumber();
    DrawPreviews();
}

void cCharaPage::Bind(const cEdChara& record) {
    m_Work = record;
    if (!m_hWnd) return;
    ShowData();
    RefillLists();
}

void cCharaPage::Store() {
    if (m_hWnd) CtrlsToData();
}

void cCharaPage::ShowData() {
    ++m_Busy;
    DataToCtrls();
    --m_Busy;
}

void cCharaPage::ShowNumber() {
    if (m_lpCharaSheet && m_lpCharaSheet->IsPalette())
        SetDlgItemTextA(m_hWnd, IDC_CH_NUMBER, Format("No.%d", m_lpCharaSheet->Index()).c_str());
}

void cCharaPage::Refresh() {
    ShowData();
    RefillLists();
    EnableInheritGroups();
    RunChangeHandlers();
    UpdateDependentEnables();
    ShowNumber();
    DrawPreviews();
}

void cCharaPage::EnableCtrl(uint16_t id, bool enable) { EnableWindow(GetDlgItem(m_hWnd, id), enable ? TRUE : FALSE); }

bool cCharaPage::IsEnabled(uint16_t id) const { return IsWindowEnabled(GetDlgItem(m_hWnd, id)) != 0; }

bool cCharaPage::IsChecked(uint16_t id) const { return IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED; }

int cCharaPage::ComboPos(uint16_t id) const { return static_cast<int>(SendDlgItemMessageA(m_hWnd, id, CB_GETCURSEL, 0, 0)); }

void cCharaPage::EnableInheritGroups() {
    for (const cInheritGroup& group : m_Groups)
        for (uint16_t id : group.ctrls) EnableCtrl(id, !IsChecked(group.button));
}

void cCharaPage::EnableInheritButtons(bool enable) {
    for (const cInheritGroup& group : m_Groups) EnableCtrl(group.button, enable);
}

void cCharaPage::ApplyInherit() {
    Store();
    // A stage palette chara that names itself copies nothing: its groups would come from the
    // stored chara and drop what the author typed.
    bool self = m_lpCharaSheet && m_lpCharaSheet->Source() == eSourceStagePalette && m_Work.m_InheritSrc == 2 &&
                m_Work.m_InheritIndex == m_lpCharaSheet->Index();
    if (!self) m_Work.Inherit();
    ShowData();
    RefillLists();
}

void cCharaPage::RunChangeHandlers(uint16_t except) {
    for (const cCtrlHandler& handler : m_Handlers)
        if (handler.kind != eCtrlButton && handler.id != except) handler.run();
    DrawPreviews();
}

void cCharaPage::AfterStep() {
    RunChangeHandlers();
    UpdateDependentEnables();
}

void cCharaPage::Step(int delta) {
    Store();
    if (!m_lpCharaSheet || !m_lpCharaSheet->Step(m_Work, delta)) return;
    ShowData();
    RefillLists();
    ShowNumber();
    EnableInheritGroups();
    AfterStep();
    InvalidateRect(m_hWnd, nullptr, FALSE);
}

cEdChara cCharaPage::PreviewRecord() {
    Store();
    return m_Work;
}

const cDib& cCharaPage::Preview() {
    return FindCtrl(m_Bind.m_Pictures, IDC_CH_PREVIEW)->m_Ctrl.Canvas();
}

void cCharaPage::DrawPreviews() {
    if (!m_hWnd || !m_Ready) return;
    cEdChara shown = PreviewRecord();
    for (cBoundPictureBox& picture : m_Bind.m_Pictures) {
        cDib& canvas = picture.m_Ctrl.Canvas();
        if (HDC dc = canvas.GetDC()) PatBlt(dc, 0, 0, canvas.Width(), canvas.Height(), BLACKNESS);
        for (uint16_t id : m_PreviewIds)
            if (picture.m_Ctrl.GetId() == id) DrawCharaObject(canvas, 0, 0, shown, false);
        picture.m_Ctrl.Present();
    }
}

int cCharaPage::OnPaint() {
    if (!m_Ready) return 0;
    DrawPreviews();
    return 1;
}

void cCharaPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!IsCommandAllowed(wParam)) return;
    cPage::OnCommand(wParam, lParam);
    if (!m_Ready || m_Busy) return;
    int id = LOWORD(wParam), code = HIWORD(wParam);
    if (!PageCommand(id, code)) {
        bool done = false;
        for (const cInheritGroup& group : m_Groups) {
            if (group.button != id || code != BN_CLICKED) continue;
            if (IsChecked(group.button)) ApplyInherit();
            EnableInheritGroups();
            // The rules that hang on combos hold again for a group set free.
            RunChangeHandlers();
            UpdateDependentEnables();
            done = true;
            break;
        }
        for (const cCtrlHandler& handler : m_Handlers) {
            if (done) break;
            if (handler.id != id || !HandlerFits(handler.kind, code)) continue;
            handler.run();
            done = true;
        }
    }
    RedrawList();
    if (m_hSheet) SendMessageA(m_hSheet, PSM_CHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

INT_PTR cCharaPage::DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CLOSE) {
        // A sheet closes its pages itself; a page run on its own is a dialog.
        if (!m_lpCharaSheet) End(0);
        return 0;
    }
    if (msg == WM_CONTEXTMENU && m_Ready && ContextMenu(wParam, lParam)) return 1;
    if (msg == WM_DRAWITEM && m_Ready) {
        // The pictures' controls paint themselves from the page's bitmaps.
        UINT id = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->CtlID;
        for (cBoundPictureBox& picture : m_Bind.m_Pictures)
            if (picture.m_Ctrl.GetId() == id) picture.m_Ctrl.Present();
        return 1;
    }
    INT_PTR result = WndProc(wnd, msg, wParam, lParam) ? 1 : 0;
    if (msg == WM_NOTIFY && m_Ready && m_lpCharaSheet) {
        UINT code = reinterpret_cast<NMHDR*>(lParam)->code;
        if (code == static_cast<UINT>(PSN_SETACTIVE)) {
            Refresh();
            SetWindowLongPtrA(wnd, DWLP_MSGRESULT, 0);
            return 1;
        }
        if (code == static_cast<UINT>(PSN_KILLACTIVE)) {
            Store();
            m_lpCharaSheet->SyncPages(m_Work, m_PageIndex);
            SetWindowLongPtrA(wnd, DWLP_MSGRESULT, FALSE);
            return 1;
        }
        if (code == static_cast<UINT>(PSN_RESET) && m_PageIndex == 0) {
            m_lpCharaSheet->RememberPage();
            return 1;
        }
        if (code == static_cast<UINT>(PSN_APPLY)) {
            if (m_PageIndex == 0) m_lpCharaSheet->Commit();
            SetWindowLongPtrA(wnd, DWLP_MSGRESULT, PSNRET_NOERROR);
            return 1;
        }
    }
    if (msg == WM_DESTROY && m_Ready) {
        m_Ready = 0;
        if (m_PageIndex == 0 && m_lpCharaSheet && m_lpCharaSheet->Returns())
            ReturnFromDataWnd(eKindChara, m_lpCharaSheet->Source(), m_lpCharaSheet->Index());
    }
    return result;
}
