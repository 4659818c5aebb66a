#include "editor/palette/DataSheetPage.h"

#include <prsht.h>

#include "data/Chara.h"
#include "data/Item.h"
#include "editor/palette/DataWnd.h"
#include "editor/palette/PaletteLists.h"
#include "editor/shell/DrawObject.h"
#include "editor/shell/StageDoc.h"
#include "framework/Format.h"

namespace {

void InheritGroups(cEdChara& chara) { chara.Inherit(); }
void InheritGroups(cEdItem& item) { item.ApplyInherit(); }

void DrawRecord(cDib& canvas, const cEdChara& chara) { DrawCharaObject(canvas, 0, 0, chara, false); }
void DrawRecord(cDib& canvas, const cEdItem& item) { DrawItemObject(canvas, 0, 0, item, false); }

}  // namespace

template <class tRecord>
cDataSheetPage<tRecord>::cDataSheetPage(UINT templateId, cDataSheetOwner<tRecord>* sheet, int pageIndex, const cDataPageIds& ids,
                                                cChildWnd* parent, cWndGroup* group)
    : cPage(templateId, parent, sheet ? eKindSheetPage : eKindDialog, group), m_lpSheet(sheet), m_PageIndex(pageIndex),
      m_Ids(ids) {
    SetLayout(0, 0, 100, 100, 640, 480, 0, 0, 0, kBarNone, 0, 0);
    if (sheet) m_Work = sheet->Start();
}

template <class tRecord>
void cDataSheetPage<tRecord>::AddGroup(uint16_t button, int flag, std::vector<uint16_t> ctrls) {
    m_Bind.Check(button, &m_Work.m_bbInherit[static_cast<size_t>(flag)]);
    m_Groups.push_back({button, flag, std::move(ctrls)});
}

template <class tRecord>
void cDataSheetPage<tRecord>::AddHandler(int kind, uint16_t id, std::function<void()> run) {
    m_Handlers.push_back({kind, id, std::move(run)});
}

template <class tRecord>
void cDataSheetPage<tRecord>::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    AttachBindings();
    InitPage();
    bool palette = m_lpSheet && m_lpSheet->IsPalette();
    for (int id : {m_Ids.number, m_Ids.prev, m_Ids.next}) ShowWindow(GetDlgItem(m_hWnd, id), palette ? SW_SHOW : SW_HIDE);
    ShowData();
    m_Ready = 1;
    ShowState();
}

template <class tRecord>
void cDataSheetPage<tRecord>::Bind(const tRecord& record) {
    m_Work = record;
    if (!m_hWnd) return;
    ShowData();
    RefillLists();
}

template <class tRecord>
void cDataSheetPage<tRecord>::Store() {
    if (m_hWnd) CtrlsToData();
}

template <class tRecord>
void cDataSheetPage<tRecord>::ShowData() {
    ++m_Busy;
    DataToCtrls();
    --m_Busy;
}

template <class tRecord>
void cDataSheetPage<tRecord>::ShowNumber() {
    if (m_lpSheet && m_lpSheet->IsPalette())
        SetDlgItemTextA(m_hWnd, m_Ids.number, Format("No.%d", m_lpSheet->Index()).c_str());
}

template <class tRecord>
void cDataSheetPage<tRecord>::Refresh() {
    ShowData();
    RefillLists();
    ShowState();
}

template <class tRecord>
void cDataSheetPage<tRecord>::ShowState() {
    EnableInheritGroups();
    RunChangeHandlers();
    UpdateDependentEnables();
    ShowNumber();
    DrawPreviews();
}

template <class tRecord>
void cDataSheetPage<tRecord>::EnableCtrl(uint16_t id, bool enable) {
    EnableWindow(GetDlgItem(m_hWnd, id), enable ? TRUE : FALSE);
}

template <class tRecord>
bool cDataSheetPage<tRecord>::IsEnabled(uint16_t id) const {
    return IsWindowEnabled(GetDlgItem(m_hWnd, id)) != 0;
}

template <class tRecord>
bool cDataSheetPage<tRecord>::IsChecked(uint16_t id) const {
    return IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
}

template <class tRecord>
int cDataSheetPage<tRecord>::ComboPos(uint16_t id) const {
    return static_cast<int>(SendDlgItemMessageA(m_hWnd, id, CB_GETCURSEL, 0, 0));
}

template <class tRecord>
void cDataSheetPage<tRecord>::EnableInheritGroups() {
    for (const cInheritGroup& group : m_Groups)
        for (uint16_t id : group.ctrls) EnableCtrl(id, !IsChecked(group.button));
}

template <class tRecord>
void cDataSheetPage<tRecord>::EnableInheritButtons(bool enable) {
    for (const cInheritGroup& group : m_Groups) EnableCtrl(group.button, enable);
}

template <class tRecord>
void cDataSheetPage<tRecord>::ApplyInherit() {
    Store();
    // A stage palette record that names itself copies nothing: its groups would come from the
    // stored record and drop what the author typed.
    bool self = m_lpSheet && m_lpSheet->Source() == eSourceStagePalette && m_Work.m_InheritSrc == 2 &&
                m_Work.m_InheritIndex == m_lpSheet->Index();
    if (!self) InheritGroups(m_Work);
    ShowData();
    RefillLists();
}

template <class tRecord>
void cDataSheetPage<tRecord>::RunChangeHandlers(uint16_t except) {
    for (const cCtrlHandler& handler : m_Handlers)
        if (handler.kind != eCtrlButton && handler.id != except) handler.run();
    DrawPreviews();
}

template <class tRecord>
void cDataSheetPage<tRecord>::AfterStep() {
    RunChangeHandlers();
    UpdateDependentEnables();
}

template <class tRecord>
void cDataSheetPage<tRecord>::Step(int delta) {
    Store();
    if (!m_lpSheet || !m_lpSheet->Step(m_Work, delta)) return;
    ShowData();
    RefillLists();
    ShowNumber();
    EnableInheritGroups();
    AfterStep();
    InvalidateRect(m_hWnd, nullptr, FALSE);
}

template <class tRecord>
const cDib& cDataSheetPage<tRecord>::Preview() {
    return FindCtrl(m_Bind.m_Pictures, m_Ids.preview)->m_Ctrl.Canvas();
}

template <class tRecord>
void cDataSheetPage<tRecord>::DrawPreviews() {
    if (!m_hWnd || !m_Ready) return;
    tRecord shown = PreviewRecord();
    for (cBoundPictureBox& picture : m_Bind.m_Pictures) {
        cDib& canvas = picture.m_Ctrl.Canvas();
        if (HDC dc = canvas.GetDC()) PatBlt(dc, 0, 0, canvas.Width(), canvas.Height(), BLACKNESS);
        for (uint16_t id : m_PreviewIds)
            if (picture.m_Ctrl.GetId() == id) DrawRecord(canvas, shown);
        picture.m_Ctrl.Present();
    }
}

template <class tRecord>
int cDataSheetPage<tRecord>::OnPaint() {
    if (!m_Ready) return 0;
    DrawPreviews();
    return 1;
}

template <class tRecord>
void cDataSheetPage<tRecord>::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!IsCommandAllowed(wParam)) return;
    cPage::OnCommand(wParam, lParam);
    if (!m_Ready || m_Busy) return;
    int id = LOWORD(wParam), code = HIWORD(wParam);
    if (!PageCommand(id, code)) {
        bool done = false;
        for (const cInheritGroup& group : m_Groups) {
            if (group.button != id || code != BN_CLICKED) continue;
            // The flag is the record's at once: a page that shows its controls anew before the
            // next store (the action page choosing a flow) would check the button again, and
            // the group set free would be inherited over on save.
            m_Work.m_bbInherit[static_cast<size_t>(group.flag)] = IsChecked(group.button) ? 1 : 0;
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

template <class tRecord>
INT_PTR cDataSheetPage<tRecord>::DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CLOSE) {
        // A sheet closes its pages itself; a page run on its own is a dialog.
        if (!m_lpSheet) End(0);
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
    if (msg == WM_NOTIFY && m_Ready && m_lpSheet) {
        UINT code = reinterpret_cast<NMHDR*>(lParam)->code;
        if (code == static_cast<UINT>(PSN_SETACTIVE)) {
            Refresh();
            SetWindowLongPtrA(wnd, DWLP_MSGRESULT, 0);
            return 1;
        }
        if (code == static_cast<UINT>(PSN_KILLACTIVE)) {
            Store();
            m_lpSheet->SyncPages(m_Work, m_PageIndex);
            SetWindowLongPtrA(wnd, DWLP_MSGRESULT, FALSE);
            return 1;
        }
        if (code == static_cast<UINT>(PSN_RESET) && m_PageIndex == 0) {
            m_lpSheet->RememberPage();
            return 1;
        }
        if (code == static_cast<UINT>(PSN_APPLY)) {
            if (m_PageIndex == 0) m_lpSheet->Commit();
            SetWindowLongPtrA(wnd, DWLP_MSGRESULT, PSNRET_NOERROR);
            return 1;
        }
    }
    if (msg == WM_DESTROY && m_Ready) {
        m_Ready = 0;
        if (m_PageIndex == 0 && m_lpSheet && m_lpSheet->Returns())
            ReturnFromDataWnd(KindOf(static_cast<tRecord*>(nullptr)), m_lpSheet->Source(), m_lpSheet->Index());
    }
    return result;
}

template class cDataSheetPage<cEdChara>;
template class cDataSheetPage<cEdItem>;
