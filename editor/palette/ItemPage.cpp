#include "editor/palette/ItemPage.h"

#include <prsht.h>

#include "editor/palette/DataWnd.h"
#include "editor/palette/ItemIds.h"
#include "editor/palette/ItemSheet.h"
#include "editor/palette/PaletteDlg.h"
#include "editor/shell/DrawObject.h"
#include "editor/shell/StageDoc.h"
#include "framework/Format.h"

cItemPage::cItemPage(UINT templateId, cItemDataSheet* sheet, int pageIndex, cChildWnd* parent, cWndGroup* group)
    : cPage(templateId, parent, eKindSheetPage, group), m_lpItemSheet(sheet), m_PageIndex(pageIndex) {
    SetLayout(0, 0, 100, 100, 640, 480, 0, 0, 0, kBarNone, 0, 0);
    m_Work = sheet->Start();
    m_Bind.Button(IDC_IT_PREV);
    m_Bind.Button(IDC_IT_NEXT);
    AddHandler(eCtrlButton, IDC_IT_PREV, [this] { Step(-1); });
    AddHandler(eCtrlButton, IDC_IT_NEXT, [this] { Step(1); });
    m_Bind.Picture(IDC_IT_PREVIEW, kPaletteCell, kPaletteCell);
    m_PreviewIds.push_back(IDC_IT_PREVIEW);
}

void cItemPage::AddGroup(uint16_t button, int flag, std::vector<uint16_t> ctrls) {
    m_Bind.Check(button, &m_Work.m_bbInherit[static_cast<size_t>(flag)]);
    m_Groups.push_back({button, flag, std::move(ctrls)});
}

void cItemPage::AddHandler(int kind, uint16_t id, std::function<void()> run) {
    m_Handlers.push_back({kind, id, std::move(run)});
}

void cItemPage::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    m_Bind.AttachTo(this);
    InitPage();
    bool palette = m_lpItemSheet->IsPalette();
    for (int id : {IDC_IT_NUMBER, IDC_IT_PREV, IDC_IT_NEXT}) ShowWindow(GetDlgItem(m_hWnd, id), palette ? SW_SHOW : SW_HIDE);
    ShowData();
    m_Ready = 1;
    EnableInheritGroups();
    RunChangeHandlers();
    ShowNumber();
}

void cItemPage::SetItem(const cEdItem& item) {
    m_Work = item;
    if (!m_hWnd) return;
    ShowData();
    RefillLists();
}

void cItemPage::Store() {
    if (m_hWnd) CtrlsToData();
}

void cItemPage::ShowData() {
    ++m_Busy;
    DataToCtrls();
    --m_Busy;
}

void cItemPage::ShowNumber() {
    if (m_lpItemSheet->IsPalette()) SetDlgItemTextA(m_hWnd, IDC_IT_NUMBER, Format("No.%d", m_lpItemSheet->Index()).c_str());
}

void cItemPage::Refresh() {
    ShowData();
    RefillLists();
    EnableInheritGroups();
    RunChangeHandlers();
    ShowNumber();
}

// A bound value edit takes its spin along.
void cItemPage::EnableCtrl(uint16_t id, bool enable) {
    for (cCtrl* ctrl : m_Ctrls)
        if (ctrl->GetId() == id) {
            ctrl->Enable(enable ? 1 : 0);
            return;
        }
    EnableWindow(GetDlgItem(m_hWnd, id), enable ? TRUE : FALSE);
}

bool cItemPage::IsEnabled(uint16_t id) const { return IsWindowEnabled(GetDlgItem(m_hWnd, id)) != 0; }

bool cItemPage::IsChecked(uint16_t id) const { return IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED; }

int cItemPage::ComboPos(uint16_t id) const { return static_cast<int>(SendDlgItemMessageA(m_hWnd, id, CB_GETCURSEL, 0, 0)); }

void cItemPage::EnableInheritGroups() {
    for (const cInheritGroup& group : m_Groups)
        for (uint16_t id : group.ctrls) EnableCtrl(id, !IsChecked(group.button));
}

void cItemPage::EnableInheritButtons(bool enable) {
    for (const cInheritGroup& group : m_Groups) EnableCtrl(group.button, enable);
}

void cItemPage::ApplyInherit() {
    Store();
    // A stage palette item that names itself copies nothing: its groups would come from the
    // stored item and drop what the author typed.
    bool self = m_lpItemSheet->Source() == eSourceStagePalette && m_Work.m_InheritSrc == 2 &&
                m_Work.m_InheritIndex == m_lpItemSheet->Index();
    if (!self) m_Work.ApplyInherit();
    ShowData();
    RefillLists();
}

void cItemPage::RunChangeHandlers(uint16_t except) {
    for (const cCtrlHandler& handler : m_Handlers)
        if (handler.kind != eCtrlButton && handler.id != except) handler.run();
    DrawPreviews();
}

void cItemPage::Step(int delta) {
    Store();
    if (!m_lpItemSheet->Step(m_Work, delta)) return;
    ShowData();
    RefillLists();
    ShowNumber();
    EnableInheritGroups();
    RunChangeHandlers();
    InvalidateRect(m_hWnd, nullptr, FALSE);
}

cEdItem cItemPage::PreviewItem() { return m_Work; }

const cDib& cItemPage::Preview() { return FindCtrl(m_Bind.m_Pictures, IDC_IT_PREVIEW)->m_Ctrl.Canvas(); }

void cItemPage::DrawPreviews() {
    if (!m_hWnd || !m_Ready) return;
    cEdItem shown = PreviewItem();
    for (cBoundPictureBox& picture : m_Bind.m_Pictures) {
        cDib& canvas = picture.m_Ctrl.Canvas();
        if (HDC dc = canvas.GetDC()) PatBlt(dc, 0, 0, canvas.Width(), canvas.Height(), BLACKNESS);
        for (uint16_t id : m_PreviewIds)
            if (picture.m_Ctrl.GetId() == id) DrawItemObject(canvas, 0, 0, shown, false);
        picture.m_Ctrl.Present();
    }
}

int cItemPage::OnPaint() {
    if (!m_Ready) return 0;
    DrawPreviews();
    return 1;
}

void cItemPage::OnCommand(WPARAM wParam, LPARAM lParam) {
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

INT_PTR cItemPage::DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CLOSE) return 0;
    if (msg == WM_CONTEXTMENU && m_Ready && ContextMenu(wParam, lParam)) return 1;
    if (msg == WM_DRAWITEM && m_Ready) {
        // The pictures' controls paint themselves from the page's bitmaps.
        UINT id = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->CtlID;
        for (cBoundPictureBox& picture : m_Bind.m_Pictures)
            if (picture.m_Ctrl.GetId() == id) picture.m_Ctrl.Present();
        return 1;
    }
    INT_PTR result = WndProc(wnd, msg, wParam, lParam) ? 1 : 0;
    if (msg == WM_NOTIFY && m_Ready) {
        UINT code = reinterpret_cast<NMHDR*>(lParam)->code;
        if (code == static_cast<UINT>(PSN_SETACTIVE)) {
            Refresh();
            SetWindowLongPtrA(wnd, DWLP_MSGRESULT, 0);
            return 1;
        }
        if (code == static_cast<UINT>(PSN_KILLACTIVE)) {
            Store();
            m_lpItemSheet->SetOtherPage(m_Work, m_PageIndex);
            SetWindowLongPtrA(wnd, DWLP_MSGRESULT, FALSE);
            return 1;
        }
        if (code == static_cast<UINT>(PSN_RESET) && m_PageIndex == 0) {
            m_lpItemSheet->RememberPage();
            return 1;
        }
        if (code == static_cast<UINT>(PSN_APPLY)) {
            if (m_PageIndex == 0) m_lpItemSheet->Commit();
            SetWindowLongPtrA(wnd, DWLP_MSGRESULT, PSNRET_NOERROR);
            return 1;
        }
    }
    if (msg == WM_DESTROY && m_Ready) {
        m_Ready = 0;
        if (m_PageIndex == 0 && m_lpItemSheet->Returns())
            ReturnFromDataWnd(eKindItem, m_lpItemSheet->Source(), m_lpItemSheet->Index());
    }
    return result;
}
