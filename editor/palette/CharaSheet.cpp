#include "editor/palette/CharaSheet.h"

#include <algorithm>
#include <new>

#include "data/EditConfig.h"
#include "editor/flow/CmdPage.h"
#include "editor/palette/CharaAbilityPage.h"
#include "editor/palette/CharaActionPage.h"
#include "editor/palette/CharaBasicPage.h"
#include "editor/palette/CharaDisplayPage.h"
#include "editor/palette/PaletteLists.h"
#include "editor/palette/RowHelpers.h"
#include "editor/shell/App.h"
#include "editor/shell/EditWnd.h"
#include "framework/MessageBox.h"

namespace {
cCharaDataSheet* g_OpenSheet = nullptr;
}

cCharaDataSheet* OpenCharaDataSheet() { return g_OpenSheet; }

cCharaDataSheet::cCharaDataSheet(cChildWnd* parent, cWndGroup* group, cPropSheet** slot, int source, uint32_t cell)
    : cDataWnd(1, parent, group, slot), m_Source(source), m_Cell(cell) {
    if (slot) *slot = this;
    g_OpenSheet = this;
    if (IsPalette()) {
        m_List = PaletteList<cEdChara>(m_Source == eSourceStagePalette ? 1 : 0);
        m_Index = std::max(0, std::min(StageDoc().m_SelIndex, static_cast<int>(m_List.size()) - 1));
    }
    if (const cEdChara* origin = Origin()) m_Work = *origin;
    // A chara always has a flow while it is edited.
    if (m_Work.m_Flows.empty()) m_Work.m_Flows.push_back(cFlow());
}

cCharaDataSheet::~cCharaDataSheet() {
    // The sheet's windows go while the pages still answer them.
    Close();
    for (cCharaPage*& page : m_lpPages) SafeDelete(page);
    if (g_OpenSheet == this) {
        g_OpenSheet = nullptr;
        OpenCharaSheetWnd() = nullptr;
    }
}

bool cCharaDataSheet::IsPalette() const { return m_Source == eSourceStagePalette || m_Source == eSourceCommonPalette; }

// The chara the source designates: the placed chara, the list copy's element at the index, or
// the element the document names.
cEdChara* cCharaDataSheet::Origin() {
    switch (m_Source) {
    case eSourceStageCell: return ProjectStage().m_Charas.Find(m_Cell);
    case eSourceStagePalette:
    case eSourceCommonPalette: return m_Index >= 0 && m_Index < static_cast<int>(m_List.size()) ? &m_List[m_Index] : nullptr;
    default: return StageDoc().m_lpEditChara;
    }
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
    OpenCharaSheetWnd() = m_hWnd;
    return true;
}

cCharaPage* cCharaDataSheet::Page(int index) const { return index >= 0 && index < kCharaPages ? m_lpPages[index] : nullptr; }

cCharaActionPage* cCharaDataSheet::ActionPage() const { return static_cast<cCharaActionPage*>(m_lpPages[3]); }

void cCharaDataSheet::SyncPages(const cEdChara& record, int pageIndex) {
    for (int i = 0; i < kCharaPages; ++i)
        if (i != pageIndex && m_lpPages[i]) m_lpPages[i]->Bind(record);
}

void cCharaDataSheet::RememberPage() {
    if (m_hWnd) EditConfig().m_CharaPage = GetCurPage();
}

bool cCharaDataSheet::Step(cEdChara& record, int delta) {
    if (!IsPalette()) return false;
    int index = StepRecord(m_List, record, m_Index, delta);
    if (index == m_Index) return false;
    m_Index = index;
    if (record.m_Flows.empty()) record.m_Flows.push_back(cFlow());
    cStageDoc& doc = StageDoc();
    doc.m_SelIndex = m_Index;
    cRecordVector<cEdChara>& list = PaletteList<cEdChara>(m_Source == eSourceStagePalette ? 1 : 0);
    if (m_Index < static_cast<int>(list.size())) doc.m_lpEditChara = &list[m_Index];
    return true;
}

void cCharaDataSheet::Commit() {
    RememberPage();
    int current = m_hWnd ? GetCurPage() : 0;
    if (cCharaPage* shown = Page(current); shown && shown->IsInitialized()) {
        shown->Store();
        SyncPages(shown->Record(), current);
    }
    const cEdChara& record = m_lpPages[0]->Record();
    cStageDoc& doc = StageDoc();
    cEdStage& stage = ProjectStage();
    switch (m_Source) {
    case eSourceStageCell:
        // OK after Apply commits again: an unchanged chara records no second step, so one Undo
        // takes the edit back.
        if (stage.m_Charas.At(m_Cell) == record) break;
        if (cEditWnd* main = MainEditWnd()) main->PushUndo(2);
        stage.PutChara(m_Cell, record);
        doc.m_StageModified = 1;
        break;
    case eSourceStagePalette:
    case eSourceCommonPalette: {
        if (m_Index < 1 || m_Index >= static_cast<int>(m_List.size())) return;
        m_List[m_Index] = record;
        bool isStage = m_Source == eSourceStagePalette;
        cRecordVector<cEdChara>& list = PaletteList<cEdChara>(isStage ? 1 : 0);
        list = m_List;
        doc.m_lpEditChara = &list[m_Index];
        if (isStage) {
            stage.InheritCharas();
            doc.m_StageModified = 1;
        } else {
            stage.InheritAllCharas();
            doc.m_CommonModified = 1;
        }
        break;
    }
    default:
        if (doc.m_lpEditChara) *doc.m_lpEditChara = record;
        break;
    }
    if (cEditWnd* main = MainEditWnd()) {
        main->OnPaint();
        main->RepaintPalettes();
    }
}
