#include "editor/palette/ElementSource.h"

#include <algorithm>

#include "data/ElementNames.h"

#include "editor/palette/PaletteLists.h"
#include "editor/palette/RowHelpers.h"
#include "editor/shell/EditWnd.h"
#include "editor/shell/EditorState.h"
#include "editor/shell/UndoHistory.h"

namespace {

// What differs between the three kinds.
cStageLayer<cEdBlock>& CellsOf(cEdStage& stage, cEdBlock*) { return stage.m_Blocks; }
cStageLayer<cEdChara>& CellsOf(cEdStage& stage, cEdChara*) { return stage.m_Charas; }
cStageLayer<cEdItem>& CellsOf(cEdStage& stage, cEdItem*) { return stage.m_Items; }
void PutInCell(cEdStage& stage, uint32_t cell, const cEdBlock& block) { stage.m_Blocks.Put(cell, block); }
// A chara goes in by the stage's rule for the hero.
void PutInCell(cEdStage& stage, uint32_t cell, const cEdChara& chara) { stage.PutChara(cell, chara); }
void PutInCell(cEdStage& stage, uint32_t cell, const cEdItem& item) { stage.m_Items.Put(cell, item); }
int UndoLayerOf(cEdBlock*) { return eLayerBlocks; }
int UndoLayerOf(cEdChara*) { return eLayerCharas; }
int UndoLayerOf(cEdItem*) { return eLayerItems; }
cEdBlock*& EditedOf(cStageDoc& doc, cEdBlock*) { return doc.m_lpEditBlock; }
cEdChara*& EditedOf(cStageDoc& doc, cEdChara*) { return doc.m_lpEditChara; }
cEdItem*& EditedOf(cStageDoc& doc, cEdItem*) { return doc.m_lpEditItem; }
// The elements that inherit from the changed palette take it again: the stage palette's
// heirs are the stage's own; the common palette's are everywhere.
void InheritAgain(cEdStage& stage, bool stagePalette, cEdBlock*) {
    stagePalette ? stage.InheritBlocks() : stage.InheritAllBlocks();
}
void InheritAgain(cEdStage& stage, bool stagePalette, cEdChara*) {
    stagePalette ? stage.InheritCharas() : stage.InheritAllCharas();
}
void InheritAgain(cEdStage& stage, bool stagePalette, cEdItem*) {
    stagePalette ? stage.InheritItems() : stage.InheritAllItems();
}

}  // namespace

bool MayInherit(int source) { return source == eSourceStageCell || source == eSourceStagePalette; }

const char* const* InheritSourceNames(int source) {
    switch (source) {
    case eSourceStageCell: return InheritSrcNames;
    case eSourceStagePalette: return InheritCommonNames;
    default: return InheritNoneNames;
    }
}

template <class T>
cElementSource<T>::cElementSource(int source, uint32_t cell) : m_Source(source), m_Cell(cell) {
    if (!IsPalette()) return;
    m_List = PaletteList<T>(m_Source == eSourceStagePalette ? 1 : 0);
    m_Index = std::max(0, std::min(StageDoc().m_SelIndex, static_cast<int>(m_List.size()) - 1));
}

template <class T>
bool cElementSource<T>::IsPalette() const {
    return m_Source == eSourceStagePalette || m_Source == eSourceCommonPalette;
}

template <class T>
T* cElementSource<T>::Origin() {
    switch (m_Source) {
    case eSourceStageCell: return CellsOf(ProjectStage(), static_cast<T*>(nullptr)).Find(m_Cell);
    case eSourceStagePalette:
    case eSourceCommonPalette:
        return m_Index >= 0 && m_Index < static_cast<int>(m_List.size()) ? &m_List[m_Index] : nullptr;
    default: return EditedOf(StageDoc(), static_cast<T*>(nullptr));
    }
}

template <class T>
bool cElementSource<T>::Step(T& working, int delta) {
    if (!IsPalette()) return false;
    int index = StepRecord(m_List, working, m_Index, delta);
    if (index == m_Index) return false;
    m_Index = index;
    cStageDoc& doc = StageDoc();
    doc.m_SelIndex = m_Index;
    cRecordVector<T>& list = PaletteList<T>(m_Source == eSourceStagePalette ? 1 : 0);
    if (m_Index < static_cast<int>(list.size())) EditedOf(doc, static_cast<T*>(nullptr)) = &list[m_Index];
    return true;
}

template <class T>
void cElementSource<T>::WriteBack(const T& element) {
    cStageDoc& doc = StageDoc();
    cEdStage& stage = ProjectStage();
    switch (m_Source) {
    case eSourceStageCell:
        // OK after Apply writes back again: an unchanged cell records no second step, so one
        // Undo takes the edit back.
        if (CellsOf(stage, static_cast<T*>(nullptr)).At(m_Cell) == element) break;
        if (cEditWnd* main = MainEditWnd()) main->PushUndo(UndoLayerOf(static_cast<T*>(nullptr)));
        PutInCell(stage, m_Cell, element);
        doc.m_StageModified = 1;
        break;
    case eSourceStagePalette:
    case eSourceCommonPalette: {
        if (m_Index < 1 || m_Index >= static_cast<int>(m_List.size())) return;
        m_List[m_Index] = element;
        bool isStage = m_Source == eSourceStagePalette;
        cRecordVector<T>& list = PaletteList<T>(isStage ? 1 : 0);
        list = m_List;
        EditedOf(doc, static_cast<T*>(nullptr)) = &list[m_Index];
        InheritAgain(stage, isStage, static_cast<T*>(nullptr));
        (isStage ? doc.m_StageModified : doc.m_CommonModified) = 1;
        break;
    }
    default:
        if (T* edited = EditedOf(doc, static_cast<T*>(nullptr))) *edited = element;
        break;
    }
    if (cEditWnd* main = MainEditWnd()) {
        main->OnPaint();
        main->RepaintPalettes();
    }
}

template class cElementSource<cEdBlock>;
template class cElementSource<cEdChara>;
template class cElementSource<cEdItem>;
