#include "editor/world/PrjOptionSheet.h"

#include <new>

#include "editor/shell/EditWnd.h"
#include "editor/shell/EditorFiles.h"
#include "editor/shell/EditorState.h"
#include "editor/world/PrjOptionPages.h"
#include "framework/MessageBox.h"

cPrjOptionSheet::cPrjOptionSheet(int mode, cEditWnd* parent, cWndGroup* group)
    : cSettingSheet(mode, parent, group, parent ? &parent->m_lpPrjOptionSheet : nullptr), m_lpMain(parent) {
    if (parent) parent->m_lpPrjOptionSheet = this;
}

cPrjOptionSheet::~cPrjOptionSheet() {
    // The sheet's windows go while the pages still answer them.
    Close();
    SafeDelete(m_lpGeneral);
    SafeDelete(m_lpInherit);
}

bool cPrjOptionSheet::Create() {
    m_lpGeneral = new (std::nothrow) cGeneralPage(m_lpMain, m_lpGroup);
    m_lpInherit = new (std::nothrow) cInheritDefPage(m_lpMain, m_lpGroup);
    if (!m_lpGeneral || !m_lpInherit) {
        OutOfMemory();
        return false;
    }
    m_Pages.push_back(m_lpGeneral);
    m_Pages.push_back(m_lpInherit);
    if (!Open()) return false;
    SetWindowTextA(m_hWnd, "プロジェクトオプション");
    return true;
}

bool cPrjOptionSheet::Apply() {
    m_lpGeneral->Apply();
    m_lpInherit->Apply();
    return SaveProjectOption();
}

void OpenProjectOptions(cEditWnd* main) {
    cWndGroup& group = EditorGroup();
    group.ShowAll(0);
    group.EnableAll(0);
    SafeDelete(main->m_lpPrjOptionSheet);
    cPrjOptionSheet* sheet = new (std::nothrow) cPrjOptionSheet(1, main, &group);
    if (!sheet) {
        OutOfMemory();
        return;
    }
    sheet->Create();
}
