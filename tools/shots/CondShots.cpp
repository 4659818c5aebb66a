// Opens the condition list on a page of sample conditions, the kind chooser, the five kind
// dialogs and the key condition dialog, one after the other, and writes what the screen shows of
// each as a BMP file into the folder given:
//   cond_shots.exe FOLDER
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "data/FlowTables.h"
#include "data/Stage.h"
#include "editor/flow/CondIds.h"
#include "editor/flow/CondList.h"
#include "editor/flow/CondStatusDlg.h"
#include "editor/flow/KeyCondDlg.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/StageDoc.h"
#include "tools/shots/WindowPicture.h"

namespace {

const UINT kPageTemplate = 9101;
const uint16_t kRuleCombo = 9102;

std::string g_folder;

// Lets the window paint, then takes its picture.
void Shoot(HWND wnd, const char* name) {
    DWORD until = GetTickCount() + 400;
    while (GetTickCount() < until) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
    std::string path = g_folder + "\\" + name + ".bmp";
    if (!SaveWindowPicture(wnd, path)) std::fprintf(stderr, "cond_shots: %s not written\n", path.c_str());
}

// The dialog a modal run opens, pictured and then cancelled: a timer finds it by its caption.
struct cShot {
    const char* caption;
    const char* name;
    std::function<void(HWND)> prepare;
};
std::vector<cShot> g_shots;

BOOL CALLBACK FindShot(HWND wnd, LPARAM found) {
    char caption[128] = "";
    GetWindowTextA(wnd, caption, sizeof caption);
    if (g_shots.empty() || !IsWindowVisible(wnd) || !IsWindowEnabled(wnd) || g_shots.front().caption != std::string(caption))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = wnd;
    return FALSE;
}

void CALLBACK ShotTimer(HWND, UINT, UINT_PTR, DWORD) {
    HWND dlg = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindShot, reinterpret_cast<LPARAM>(&dlg));
    if (!dlg) return;
    cShot shot = g_shots.front();
    g_shots.erase(g_shots.begin());
    if (shot.prepare) shot.prepare(dlg);
    Shoot(dlg, shot.name);
    PostMessageA(dlg, WM_CLOSE, 0, 0);
}

void Choose(HWND dlg, int id, int row) {
    HWND combo = GetDlgItem(dlg, id);
    SendMessageA(combo, CB_SETCURSEL, row, 0);
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

class cShotPage : public cPage {
public:
    cShotPage(cCondVector* conds) : cPage(kPageTemplate, nullptr, eKindDialog, nullptr), m_Conds(kFlowCondList) {
        m_Conds.Bind(conds);
    }
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override {
        cPage::OnInitDialog(wParam, lParam);
        m_Conds.Attach(this, nullptr);
        for (const char* const* rule = CondJudgeNames; **rule; ++rule)
            SendDlgItemMessageA(m_hWnd, kRuleCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(*rule));
        SendDlgItemMessageA(m_hWnd, kRuleCombo, CB_SETCURSEL, 0, 0);
        DataToCtrls();
        m_Ready = 1;
    }
    cCondList m_Conds;
};

cCondition Cond(uint8_t kind, uint16_t var, int32_t value, uint8_t compare) {
    cCondition c;
    c.m_Kind = kind;
    c.m_VarIndex = var;
    c.m_Value = value;
    c.m_Compare = compare;
    return c;
}

cCondVector SampleConditions() {
    cCondVector conds;
    conds.push_back(Cond(1, 2, 100, 2));
    conds.push_back(Cond(2, 3, 1, 0));
    conds.push_back(Cond(3, 1, 5, 3));
    cCondition status = Cond(4, 0, 30, 5);
    status.m_LeftStatus = 1;
    status.m_Percent = 1;
    conds.push_back(status);
    status = Cond(4, 2, 0, 2);
    status.m_LeftKind = 1;
    status.m_RightSource = 1;
    status.m_RandMin = 1;
    status.m_RandMax = 50;
    conds.push_back(status);
    status = Cond(4, 0, 0, 4);
    status.m_LeftOwner = 2;
    status.m_LeftStatus = 0;
    status.m_RightSource = 2;
    status.m_RightOwner = 1;
    status.m_RightStatus = 6;
    conds.push_back(status);
    cCondition distance = Cond(5, 0, 12, 0);
    distance.m_DistAxis = 6;
    conds.push_back(distance);
    return conds;
}

template <class D>
void RunKindDialog(UINT templateId, cCondition cond, const char* caption, const char* name,
                   std::function<void(HWND)> prepare = nullptr) {
    g_shots.push_back({caption, name, std::move(prepare)});
    cCondEditContext context;
    context.lpCond = &cond;
    D dlg(templateId, nullptr, nullptr, context);
    dlg.DoModal(0);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc != 2) {
        std::fprintf(stderr, "usage: cond_shots FOLDER\n");
        return 2;
    }
    g_folder = __argv[1];
    CommonVarNames().assign(kCommonVars, cNameRec());
    CommonVarNames()[2].m_Name = "所持金";
    ProjectStage().m_VarNames.assign(cEdStage::kVarNames, cNameRec());
    ProjectStage().m_VarNames[3].m_Name = "扉の鍵";
    StageDoc().m_Layer = eLayerChara;
    SetTimer(nullptr, 0, 50, ShotTimer);

    cCondVector conds = SampleConditions();
    cShotPage page(&conds);
    if (!page.Create(0, TRUE)) return 1;
    page.Move(40, 40);
    SendDlgItemMessageA(page.GetHwnd(), IDC_FLOW_COND_LIST, LB_SETSEL, TRUE, 3);
    Shoot(page.GetHwnd(), "1-list");

    cCondition fresh;
    cCondEditContext context;
    context.lpCond = &fresh;
    context.isNew = 1;
    context.distance = 1;
    g_shots.push_back({"条件", "2-chooser", nullptr});
    cCondListDlg chooser(IDD_COND_KIND, &page, nullptr, context);
    chooser.DoModal(0);

    RunKindDialog<cCondCommonVarDlg>(IDD_COND_COMMON_VAR, conds[0], "コモン変数条件", "3-common");
    RunKindDialog<cCondStageVarDlg>(IDD_COND_STAGE_VAR, conds[1], "ステージ変数条件", "4-stage");
    RunKindDialog<cCondCharaVarDlg>(IDD_COND_CHARA_VAR, conds[2], "キャラ変数条件", "5-chara");
    RunKindDialog<cCondStatusDlg>(IDD_COND_STATUS, conds[4], "ステータス条件", "6-status",
                                  [](HWND d) { Choose(d, IDC_CS_COMPARE, 2); });
    RunKindDialog<cCondDistanceDlg>(IDD_COND_DISTANCE, conds[6], "距離条件", "7-distance");

    cKeyCond key;
    key.m_PressMin = 1;
    key.m_PressMax = 30;
    key.m_KeyStates[eKeyRight] = 1;
    key.m_KeyStates[eKeyZ] = 1;
    key.m_KeyStates[eKeyX] = 2;
    g_shots.push_back({"キー条件", "8-key", nullptr});
    cKeyCondDlg keyDlg(IDD_KEY_COND, nullptr, nullptr, &key);
    keyDlg.DoModal(0);
    return 0;
}
