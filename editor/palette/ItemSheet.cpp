#include "editor/palette/ItemSheet.h"

#include <algorithm>
#include <new>

#include "data/EditConfig.h"
#include "editor/flow/CmdPage.h"
#include "editor/palette/ItemPage1.h"
#include "editor/palette/ItemPage2.h"
#include "editor/shell/EditorProject.h"
#include "framework/MessageBox.h"

cItemDataSheet::cItemDataSheet(cChildWnd* parent, cWndGroup* group, cPropSheet** slot, int source, uint32_t cell)
    : cDataWnd(1, parent, group, slot), m_From(source, cell) {
    if (slot) *slot = this;
    if (const cEdItem* origin = m_From.Origin()) m_Work = *origin;
}

cItemDataSheet::~cItemDataSheet() {
    // The sheet's windows go while the pages still answer them.
    Close();
    for (cItemPage*& page : m_lpPages) SafeDelete(page);
}

bool cItemDataSheet::Open() {
    cChildWnd* parent = m_lpParent;
    cItemPage1* first = new (std::nothrow) cItemPage1(this, parent, m_lpGroup);
    m_lpPages[0] = first;
    m_lpPages[1] = first ? new (std::nothrow) cItemPage2(this, parent, m_lpGroup) : nullptr;
    for (cItemPage* page : m_lpPages) {
        if (!page) {
            OutOfMemory();
            return false;
        }
        m_Pages.push_back(page);
    }
    if (!cPropSheet::Open()) return false;
    SetWindowTextA(m_hWnd, "アイテムデータ");
    SetCurPage(std::max(0, std::min(EditConfig().m_ItemPage, kItemPages - 1)));
    // The item command dialogs open over the sheet.
    PublishWindow(OpenItemSheetWnd());
    return true;
}

cItemPage* cItemDataSheet::Page(int index) const { return index >= 0 && index < kItemPages ? m_lpPages[index] : nullptr; }

void cItemDataSheet::SyncPages(const cEdItem& item, int pageIndex) {
    for (int i = 0; i < kItemPages; ++i)
        if (i != pageIndex && m_lpPages[i]) m_lpPages[i]->Bind(item);
}

void cItemDataSheet::RememberPage() {
    if (m_hWnd) EditConfig().m_ItemPage = GetCurPage();
}

bool cItemDataSheet::Step(cEdItem& item, int delta) {
    return m_From.Step(item, delta);
}

void cItemDataSheet::Commit() {
    RememberPage();
    int current = m_hWnd ? GetCurPage() : 0;
    if (cItemPage* shown = Page(current); shown && shown->IsInitialized()) {
        shown->Store();
        SyncPages(shown->Item(), current);
    }
    m_From.WriteBack(m_lpPages[0]->Item());
}
