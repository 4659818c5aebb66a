#include "editor/palette/CharaSheet.h"

#include <algorithm>
#include <new>

#include "data/EditConfig.h"
#include "editor/flow/CmdPage.h"
#include "editor/palette/CharaAbilityPage.h"
#include "editor/palette/CharaActionPage.h"
#include "editor/palette/CharaBasicPage.h"
#include "editor/palette/CharaDisplayPage.h"
#include "editor/shell/EditorProject.h"
#include "framework/MessageBox.h"

cCharaDataSheet::cCharaDataSheet(cChildWnd* parent, cWndGroup* group, cPropSheet** slot, int source, uint32_t cell)
    : cDataWnd(1, parent, group, slot), m_From(source, cell) {
    if (slot) *slot = this;
    if (const cEdChara* origin = m_From.Origin()) m_Work = *origin;
    // A chara always has a flow while it is edited.
    if (m_Work.m_Flows.empty()) m_Work.m_Flows.push_back(cFlow());
}

cCharaDataSheet::~cCharaDataSheet() {
    // The sheet's windows go while the pages still answer them.
    Close();
    for (cCharaPage*& page : m_lpPages) SafeDelete(page);
}

bool cCharaDataSheet::Open() {
    cChildWnd* parent = m_lpParent;
    m_lpPages[0] = new (std::nothrow) cCharaBasicPage(this, parent, m_lpGroup);
    m_lpPages[1] = new (std::nothrow) cCharaDisplayPage(this, parent, m_lpGroup);
    m_lpPages[2] = new (std::nothrow) cCharaAbilityPage(this, parent, m_lpGroup);
    m_lpPages[3] = new (std::nothrow) cCharaActionPage(this, parent, m_lpGroup);
    for (cCharaPage* page : m_lpPages) {
        if (!page) {
            OutOfMemory();
            return false;
        }
        m_Pages.push_back(page);
    }
    if (!cPropSheet::Open()) return false;
    SetWindowTextA(m_hWnd, "キャラデータ");
    SetCurPage(std::max(0, std::min(EditConfig().m_CharaPage, kCharaPages - 1)));
    // The command dialogs of its flows open over the sheet.
    PublishWindow(OpenCharaSheetWnd());
    return true;
}

cCharaPage* cCharaDataSheet::Page(int index) const { return index >= 0 && index < kCharaPages ? m_lpPages[index] : nullptr; }

void cCharaDataSheet::SyncPages(const cEdChara& record, int pageIndex) {
    for (int i = 0; i < kCharaPages; ++i)
        if (i != pageIndex && m_lpPages[i]) m_lpPages[i]->Bind(record);
}

void cCharaDataSheet::RememberPage() {
    if (m_hWnd) EditConfig().m_CharaPage = GetCurPage();
}

bool cCharaDataSheet::Step(cEdChara& record, int delta) {
    if (!m_From.Step(record, delta)) return false;
    if (record.m_Flows.empty()) record.m_Flows.push_back(cFlow());
    return true;
}

void cCharaDataSheet::Commit() {
    RememberPage();
    int current = m_hWnd ? GetCurPage() : 0;
    if (cCharaPage* shown = Page(current); shown && shown->IsInitialized()) {
        shown->Store();
        SyncPages(shown->Record(), current);
    }
    m_From.WriteBack(m_lpPages[0]->Record());
}
