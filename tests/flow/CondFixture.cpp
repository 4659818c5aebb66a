#include "tests/flow/CondFixture.h"

#include "data/Stage.h"
#include "editor/shell/EditorProject.h"

namespace {

cModalSteps* g_steps = nullptr;
const DWORD kStepTimeoutMs = 5000;

struct cSearch {
    const std::string* caption;
    HWND found;
};

// A modal dialog: a visible, enabled dialog window with an owner.
bool IsOpenModal(HWND wnd) {
    char name[16] = "";
    GetClassNameA(wnd, name, sizeof name);
    return IsWindowVisible(wnd) && IsWindowEnabled(wnd) && GetWindow(wnd, GW_OWNER) && std::string(name) == "#32770";
}

BOOL CALLBACK CloseDialog(HWND wnd, LPARAM) {
    if (IsOpenModal(wnd)) PostMessageA(wnd, WM_CLOSE, 0, 0);
    return TRUE;
}

BOOL CALLBACK FindModal(HWND wnd, LPARAM found) {
    if (!IsOpenModal(wnd)) return TRUE;
    *reinterpret_cast<HWND*>(found) = wnd;
    return FALSE;
}

}  // namespace

cSampleVarNames::cSampleVarNames() : m_Common(CommonVarNames()), m_Stage(ProjectStage().m_VarNames) {
    CommonVarNames().assign(kCommonVars, cNameRec());
    CommonVarNames()[2].m_Name = "所持金";
    ProjectStage().m_VarNames.assign(cEdStage::kVarNames, cNameRec());
    ProjectStage().m_VarNames[3].m_Name = "鍵";
}

cModalSteps::cModalSteps() : m_Outer(g_steps) {
    g_steps = this;
    m_Start = GetTickCount();
}

cModalSteps::~cModalSteps() {
    g_steps = m_Outer;
    EXPECT_TRUE(m_Steps.empty()) << "a dialog never opened: " << (m_Steps.empty() ? "" : m_Steps.front().caption);
}

void cModalSteps::Then(const std::string& caption, std::function<void(HWND)> act) {
    m_Steps.push_back({caption, std::move(act)});
}

BOOL CALLBACK cModalSteps::Find(HWND wnd, LPARAM found) {
    cSearch* search = reinterpret_cast<cSearch*>(found);
    if (!IsWindowEnabled(wnd) || !IsShownWithCaption(wnd, search->caption->c_str())) return TRUE;
    search->found = wnd;
    return FALSE;
}

void cModalSteps::Tick() {
    cModalSteps* self = g_steps;
    if (!self) return;
    if (self->m_Steps.empty()) {
        HWND open = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), FindModal, reinterpret_cast<LPARAM>(&open));
        if (!open) {
            self->m_Start = GetTickCount();
        } else if (GetTickCount() - self->m_Start > kStepTimeoutMs) {
            char caption[128] = "";
            GetWindowTextA(open, caption, sizeof caption);
            ADD_FAILURE() << "unexpected dialog " << caption;
            EnumThreadWindows(GetCurrentThreadId(), CloseDialog, 0);
        }
        return;
    }
    cSearch search = {&self->m_Steps.front().caption, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), Find, reinterpret_cast<LPARAM>(&search));
    if (!search.found) {
        if (GetTickCount() - self->m_Start < kStepTimeoutMs) return;
        ADD_FAILURE() << "no dialog " << self->m_Steps.front().caption;
        self->m_Steps.clear();
        EnumThreadWindows(GetCurrentThreadId(), CloseDialog, 0);
        return;
    }
    // The step goes before it acts: its action may run the next dialog's loop.
    cStep step = std::move(self->m_Steps.front());
    self->m_Steps.pop_front();
    self->m_Seen.push_back(step.caption);
    self->m_Start = GetTickCount();
    step.act(search.found);
}

void Click(HWND dlg, int id) { SendDlgItemMessageA(dlg, id, BM_CLICK, 0, 0); }

void Choose(HWND dlg, int id, int row) {
    HWND combo = GetDlgItem(dlg, id);
    SendMessageA(combo, CB_SETCURSEL, row, 0);
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void Type(HWND dlg, int id, const char* text) { SetDlgItemTextA(dlg, id, text); }

std::string Text(HWND dlg, int id) {
    char text[256] = "";
    GetDlgItemTextA(dlg, id, text, sizeof text);
    return text;
}

int Chosen(HWND dlg, int id) { return static_cast<int>(SendDlgItemMessageA(dlg, id, CB_GETCURSEL, 0, 0)); }

std::vector<std::string> ComboItems(HWND dlg, int id) {
    std::vector<std::string> items;
    int count = static_cast<int>(SendDlgItemMessageA(dlg, id, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[256] = "";
        SendDlgItemMessageA(dlg, id, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

bool Enabled(HWND dlg, int id) { return IsWindowEnabled(GetDlgItem(dlg, id)) != FALSE; }
