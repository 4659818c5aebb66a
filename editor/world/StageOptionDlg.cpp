#include "editor/world/StageOptionDlg.h"

#include <new>

#include "data/Stage.h"
#include "editor/shell/AvailMemory.h"
#include "editor/shell/EditWnd.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/EditorState.h"
#include "editor/shell/StagePage.h"
#include "editor/shell/UndoHistory.h"
#include "editor/world/OptionIds.h"
#include "framework/MessageBox.h"

namespace {
const int32_t kMaxUndoCount = 9;
}

cStageOptionDlg::cStageOptionDlg(cChildWnd* parent, cWndGroup* group)
    : cPage(IDD_STAGE_OPTION, parent, eKindDialog, group) {
    m_Ints.push_back(IntEdit(IDC_SO_UNDO, &ProjectStage().m_UndoCount, 0, kMaxUndoCount, IDC_SO_UNDO_SPIN));
}

void cStageOptionDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    ShowWindow(GetDlgItem(m_hWnd, IDC_SO_PICTURE), SW_HIDE);
    AttachCtrls(m_Ints);
    DataToCtrls();
    m_Ready = 1;
}

INT_PTR cStageOptionDlg::DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CLOSE) {
        End(0);
        return 1;
    }
    return cPage::DialogProc(wnd, msg, wParam, lParam);
}

void cStageOptionDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!IsCommandAllowed(wParam)) return;
    cPage::OnCommand(wParam, lParam);
    switch (LOWORD(wParam)) {
    case IDC_SO_OK:
        Commit();
        End(1);
        break;
    case IDC_SO_CANCEL:
    case IDCANCEL:
        End(0);
        break;
    }
}

// A lower count always fits; a higher one needs room for the added steps on both sides.
void cStageOptionDlg::Commit() {
    cEdStage& stage = ProjectStage();
    const int32_t old = stage.m_UndoCount;
    CtrlsToData();
    if (stage.m_UndoCount == old) return;
    if (stage.m_UndoCount > old) {
        const int64_t added = stage.m_UndoCount - old;
        const int64_t needed = cUndoHistory::StepSize(stage.m_Stride, stage.m_Height) * added * 2;
        if (AvailPhysicalMemory() < needed) {
            stage.m_UndoCount = old;
            ErrorBox("メモリ不足により、「元に戻せる回数」が変更できませんでした！");
            return;
        }
    }
    UndoHistory().Init(stage.m_UndoCount, stage.m_Stride, stage.m_Height);
}

void OpenStageOption(cEditWnd* main) {
    cStageOptionDlg* dlg = new (std::nothrow) cStageOptionDlg(main, &EditorGroup());
    if (!dlg) {
        OutOfMemory();
        return;
    }
    dlg->DoModal(kRunDisableGroup);
    delete dlg;
    main->UpdateUndoStates();
}
