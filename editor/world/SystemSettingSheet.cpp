#include "editor/world/SystemSettingSheet.h"

#include <new>

#include "data/Paths.h"
#include "data/ProjectData.h"
#include "editor/shell/EditWnd.h"
#include "editor/shell/EditorState.h"
#include "editor/world/SystemPages.h"
#include "framework/MessageBox.h"

cSystemSettingSheet::cSystemSettingSheet(int mode, cEditWnd* parent, cWndGroup* group)
    : cSettingSheet(mode, parent, group, parent ? &parent->m_lpSystemSheet : nullptr), m_lpMain(parent) {
    if (parent) parent->m_lpSystemSheet = this;
}

cSystemSettingSheet::~cSystemSettingSheet() {
    // The sheet's windows go while the pages still answer them.
    Close();
    for (cSettingPage*& page : m_lpPages) SafeDelete(page);
}

bool cSystemSettingSheet::Create() {
    m_lpPages[0] = new (std::nothrow) cSysGamePage(m_lpMain, m_lpGroup);
    m_lpPages[1] = new (std::nothrow) cSysStockPage(m_lpMain, m_lpGroup);
    m_lpPages[2] = new (std::nothrow) cSysStatusPage(m_lpMain, m_lpGroup);
    m_lpPages[3] = new (std::nothrow) cSysTermsPage(m_lpMain, m_lpGroup);
    m_lpPages[4] = new (std::nothrow) cSysIniPage(m_lpMain, m_lpGroup);
    for (cSettingPage* page : m_lpPages)
        if (!page) {
            OutOfMemory();
            return false;
        }
    for (cSettingPage* page : m_lpPages) m_Pages.push_back(page);
    if (!Open()) return false;
    SetWindowTextA(m_hWnd, "システムの設定");
    return true;
}

bool cSystemSettingSheet::Apply() {
    for (cSettingPage* page : m_lpPages) page->Apply();
    const char* path = g_PathTable[ePathSystem];
    if (ProjectSystemData().SaveFile(path)) return true;
    ErrorBox("%s の保存に失敗しました！", path);
    return false;
}

void OpenSystemSettings(cEditWnd* main) {
    cWndGroup& group = EditorGroup();
    group.ShowAll(0);
    group.EnableAll(0);
    SafeDelete(main->m_lpSystemSheet);
    cSystemSettingSheet* sheet = new (std::nothrow) cSystemSettingSheet(1, main, &group);
    if (!sheet) {
        OutOfMemory();
        return;
    }
    sheet->Create();
}
