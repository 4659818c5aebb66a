#include "editor/palette/BlockWnd.h"

#include <algorithm>
#include <new>

#include "data/EditConfig.h"
#include "editor/palette/BlockDlg.h"
#include "editor/shell/EditorProject.h"
#include "framework/MessageBox.h"

cBlockWnd::cBlockWnd(cChildWnd* parent, cWndGroup* group, cPropSheet** slot, int source, uint32_t cell)
    : cDataWnd(1, parent, group, slot), m_Source(source), m_Cell(cell) {
    if (slot) *slot = this;
}

cBlockWnd::~cBlockWnd() {
    // The sheet's windows go while the page still answers them.
    Close();
    SafeDelete(m_lpPage);
}

bool cBlockWnd::Open() {
    m_lpPage = new (std::nothrow) cBlockDlg(m_lpParent, m_lpGroup, m_Source, m_Cell);
    if (!m_lpPage) {
        OutOfMemory();
        return false;
    }
    m_Pages.push_back(m_lpPage);
    if (!cPropSheet::Open()) return false;
    SetWindowTextA(m_hWnd, "ブロックデータ");
    SetCurPage(std::max(0, std::min(EditConfig().m_BlockPage, static_cast<int>(m_Pages.size()) - 1)));
    return true;
}

void cBlockWnd::SkipReturn() {
    if (m_lpPage) m_lpPage->SkipReturn();
}
