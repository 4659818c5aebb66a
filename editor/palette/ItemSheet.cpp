#include "editor/palette/ItemSheet.h"

#include <algorithm>
#include <new>

#include "data/EditConfig.h"
#include "editor/flow/CmdPage.h"
#include "editor/palette/ItemPage1.h"
#include "editor/palette/ItemPage2.h"
#include "editor/palette/PaletteLists.h"
#include "editor/palette/RowHelpers.h"
#include "editor/shell/App.h"
#include "editor/shell/EditWnd.h"
#include "framework/MessageBox.h"

namespace {
cItemDataSheet* g_OpenSheet = nullptr;
}

cItemDataSheet* OpenItemDataSheet() { return g_OpenSheet; }

cItemDataSheet::cItemDataSheet(cChildWnd* parent, cWndGroup* group, cPropSheet** slot, int source, uint32_t cell)
    : cDataWnd(1, parent, group, slot), m_Source(source), m_Cell(cell) {
    if (slot) *slot = this;
    g_OpenSheet = this;
    if (IsPalette()) {
        m_List = PaletteList<cEdItem>(m_Source == eSourceStagePalette ? 1 : 0);
        m_Index = std::max(0, std::min(StageDoc().m_SelIndex, static_cast<int>(m_List.size()) - 1));
    }
    if (const cEdItem* origin = Origin()) m_Work = *origin;
}

cItemDataSheet::~cItemDataSheet() {
    // The sheet's windows go while the pages still answer them.
    Close();
    for (cItemPage*& page : m_lpPages) SafeDelete(page);
    if (g_OpenSheet == this) {
        g_OpenSheet = nullptr;
        OpenItemSheetWnd() = nullptr;
    }
}

bool cItemDataSheet::IsPalette() const { return m_Source == eSourceStagePalette || m_Source == eSourceCommonPalette; }

// The item the source designates: the placed item, the list copy's element at the index, or
// the element the document names.
cEdItem* cItemDataSheet::Origin() {
    switch (m_Source) {
    case eSourceStageCell: return ProjectStage().m_Items.Find(m_Cell);
    case eSourceStagePalette:
    case eSourceCommonPalette: return m_Index >= 0 && m_Index < static_cast<int>(m_List.size()) ? &m_List[m_Index] : nullptr;
    default: return StageDoc().m_lpEditItem;
    }
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
    OpenItemSheetWnd() = m_hWnd;
    return true;
}

cItemPage* cItemDataSheet::Page(int index) const { return index >= 0 && index < kItemPages ? m_lpPages[index] : nullptr; }

cItemPage1* cItemDataSheet::Page1() const { return static_cast<cItemPage1*>(m_lpPages[0]); }

cItemPage2* cItemDataSheet::Page2() const { return static_cast<cItemPage2*>(m_lpPages[1]); }

void cItemDataSheet::SyncPages(const cEdItem& item, int pageIndex) {
    for (int i = 0; i < kItemPages; ++i)
        if (i != pageIndex && m_lpPages[i]) m_lpPages[i]->Bind(item);
}

void cItemDataSheet::RememberPage() {
    if (m_hWnd) EditConfig().m_ItemPage = GetCurPage();
}

bool cItemDataSheet::Step(cEdItem& item, int delta) {
    if (!IsPalette()) return false;
    int index = StepRecord(m_List, item, m_Index, delta);
    if (index == m_Index) return false;
    m_Index = index;
    cStageDoc& doc = StageDoc();
    doc.m_SelIndex = m_Index;
    cRecordVector<cEdItem>& list = PaletteList<cEdItem>(m_Source == eSourceStagePalette ? 1 : 0);
    if (m_Index < static_cast<int>(list.size())) doc.m_lpEditItem = &list[m_Index];
    return true;
}

void cItemDataSheet::Commit() {
    RememberPage();
    int current = m_hWnd ? GetCurPage() : 0;
    if (cItemPage* shown = Page(current); shown && shown->IsInitialized()) {
        shown->Store();
        SyncPages(shown->Item(), current);
    }
    const cEdItem& item = m_lpPages[0]->Item();
    cStageDoc& doc = StageDoc();
    cEdStage& stage = ProjectStage();
    switch (m_Source) {
    case eSourceStageCell:
        // OK after Apply commits again: an unchanged item records no second step, so one Undo
        // takes the edit back.
        if (stage.m_Items.At(m_Cell) == item) break;
        if (cEditWnd* main = MainEditWnd()) main->PushUndo(4);
        stage.m_Items.Put(m_Cell, item);
        doc.m_StageModified = 1;
        break;
    case eSourceStagePalette:
    case eSourceCommonPalette: {
        if (m_Index < 1 || m_Index >= static_cast<int>(m_List.size())) return;
        m_List[m_Index] = item;
        bool isStage = m_Source == eSourceStagePalette;
        cRecordVector<cEdItem>& list = PaletteList<cEdItem>(isStage ? 1 : 0);
        list = m_List;
        doc.m_lpEditItem = &list[m_Index];
        if (isStage) {
            stage.InheritItems();
            doc.m_StageModified = 1;
        } else {
            stage.InheritAllItems();
            doc.m_CommonModified = 1;
        }
        break;
    }
    default:
        if (doc.m_lpEditItem) *doc.m_lpEditItem = item;
        break;
    }
    if (cEditWnd* main = MainEditWnd()) {
        main->OnPaint();
        main->RepaintPalettes();
    }
}
