#include "game/core/NameEntry.h"

#include "game/core/GameModes.h"
#include "game/core/GameWnd.h"
#include "game/core/NameEntryIds.h"
#include "game/core/OptionData.h"
#include "game/core/SceneManager.h"
#include "game/data/StorySave.h"
#include "game/media/Display.h"

namespace {

const int kNameLimit = 3;
// Where the window opens, and the pointer over its OK button.
const int kEntryX = 240, kEntryY = 220;
const int kPointerX = 80, kPointerY = 65;

int NameEntryRequest(HWND, WPARAM) {
    POINT at = NameEntryPosition();
    SetCursorPos(at.x + kPointerX, at.y + kPointerY);
    cNameEntryWnd wnd(&GameWnd(), &NameEntryTarget(), at.x, at.y);
    return static_cast<int>(wnd.DoModal(0));
}

}  // namespace

cNameEntryWnd::cNameEntryWnd(cChildWnd* parent, std::string* name, int x, int y)
    : cPage(IDD_NAME_ENTRY, parent, eKindDialog, nullptr, x, y) {
    m_Edits.resize(1);
    m_Edits[0].m_Desc = cStrEditDesc(IDC_NAME_EDIT, name, kNameLimit, 1);
}

void cNameEntryWnd::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    AttachCtrls(m_Edits);
    DataToCtrls();
    HWND edit = GetDlgItem(m_hWnd, IDC_NAME_EDIT);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    m_Ready = 1;
}

void cNameEntryWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!IsCommandAllowed(wParam)) return;
    cPage::OnCommand(wParam, lParam);
    switch (LOWORD(wParam)) {
    case IDC_NAME_OK:
        CtrlsToData();
        End(1);
        break;
    case IDC_NAME_CANCEL: End(0); break;
    }
}

std::string& NameEntryTarget() {
    if (SceneManager().m_nGameMode == eModeOption) return OptionData().m_RankName;
    return StoryState().m_PlayerName;
}

POINT NameEntryPosition() {
    POINT at = {kEntryX, kEntryY};
    if (Display().nWindowMode) {
        RECT client = ClientScreenRect();
        at.x += client.left;
        at.y += client.top;
    }
    return at;
}

void InstallNameEntry() { SetUiRequestHandler(UM_NAME_ENTRY, NameEntryRequest); }
