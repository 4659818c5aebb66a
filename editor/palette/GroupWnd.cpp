#include "editor/palette/GroupWnd.h"

#include <string>

#include "data/EditConfig.h"
#include "data/Stage.h"
#include "editor/palette/GroupIds.h"
#include "editor/palette/ToolWindow.h"
#include "editor/shell/EditWnd.h"
#include "editor/shell/EditorFiles.h"
#include "editor/shell/EditorIds.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/EditorState.h"
#include "framework/WindowPlace.h"

namespace {

const int kPlacement = 7;
const int kGap = 8;
const int kAbove = 80;

}  // namespace

int GroupButtonId(int group) {
    if (group == 0) return IDC_GROUP_0;
    if (group >= 1 && group <= 40) return IDC_GROUP_1 + group - 1;
    if (group >= 41 && group < kCharaGroups) return IDC_GROUP_41 + group - 41;
    return 0;
}

cCharaGroupDlg::cCharaGroupDlg(cChildWnd* parent, cWndGroup* group)
    : cPage(IDD_CHARA_GROUP, parent, eKindDialog, group), m_lpPlacement(&EditConfig().m_Windows[kPlacement]) {
    SetLayout(0, 0, 0, 0, 640, 480, 0, 0, 0, kBarNone, 0, 0);
    m_Buttons.resize(kCharaGroups);
    for (int g = 0; g < kCharaGroups; ++g) m_Buttons[g].m_Desc.Set(static_cast<uint16_t>(GroupButtonId(g)), &m_Used[g]);
}

// The saved place, or a little above the main window's top left; when the desktop has no room
// above the main window, below it, where it hides neither its menu nor its toolbar.
void cCharaGroupDlg::Place() {
    RECT outer, main, desktop;
    GetWindowRect(m_hWnd, &outer);
    GetWindowRect(GetDesktopWindow(), &desktop);
    int x = outer.left, y = outer.top;
    if (m_lpPlacement->m_Valid) {
        x = m_lpPlacement->m_X;
        y = m_lpPlacement->m_Y;
    } else if (ParentWindow() && GetWindowRect(ParentWindow(), &main)) {
        x = main.left + kGap;
        y = main.top - kAbove;
        if (y < desktop.top) y = main.bottom + kGap;
    }
    KeepInsideDesktop(&x, &y, outer.right - outer.left, outer.bottom - outer.top);
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

cCharaGroupDlg::~cCharaGroupDlg() {
    if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
}

void cCharaGroupDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    AttachCtrls(m_Buttons);
    AddAccelerator(m_hWnd, IDR_EDIT_ACCEL);
    for (int g = 0; g < kCharaGroups; ++g) SetDlgItemTextA(m_hWnd, GroupButtonId(g), std::to_string(g).c_str());
    Place();
    m_Ready = 1;
    OnPaint();
}

int cCharaGroupDlg::OnPaint() {
    if (!m_Ready) return 0;
    for (int32_t& used : m_Used) used = 0;
    for (const auto& cell : ProjectStage().m_Charas) {
        const cEdChara& chara = cell.second;
        if (chara.m_HasGroup && chara.m_GroupNo < kCharaGroups) m_Used[chara.m_GroupNo] = 1;
    }
    DataToCtrls();
    return 1;
}

void cCharaGroupDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!IsCommandAllowed(wParam)) return;
    if (PassCommandToMain(LOWORD(wParam))) return;
    // A button only shows: what a click did is taken back.
    OnPaint();
}

INT_PTR cCharaGroupDlg::DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT handled = cPage::WndProc(wnd, msg, wParam, lParam);
    switch (msg) {
    case WM_DESTROY: {
        RECT outer;
        if (m_Ready && !IsIconic(wnd) && GetWindowRect(wnd, &outer)) {
            m_lpPlacement->Set(outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top);
            SaveEditConfig();
        }
        m_Ready = 0;
        return TRUE;
    }
    case WM_KEYDOWN:
        if (PassSpaceToMain(wParam, lParam)) return TRUE;
        break;
    default: break;
    }
    return handled ? TRUE : FALSE;
}

void ShowGroupWindow(cEditWnd* main) {
    if (!main || main->m_lpGroupWnd) return;
    cCharaGroupDlg* wnd = new cCharaGroupDlg(main, &EditorGroup());
    main->m_lpGroupWnd = wnd;
    if (!wnd->Create(0, EditConfig().m_Windows[kPlacement].m_Shown ? TRUE : FALSE)) SafeDelete(main->m_lpGroupWnd);
}
