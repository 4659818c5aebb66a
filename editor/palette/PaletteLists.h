#pragma once
// The element operations of the palette windows on the project's palette lists, apart from any
// window: picking the pen, the clipboard, inserting, pasting, deleting and resizing a list, with
// the clipboard and selection fix-ups they need. Palette 0 is the common palette, 1 the stage
// palette of the open stage. Element 0 of a list is the empty element: it may become the pen but
// is never cut, pasted over, deleted or inserted before.
#include <windows.h>

#include <boost/make_shared.hpp>

#include "data/CommonPalette.h"
#include "data/Stage.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/StageDoc.h"
#include "framework/MessageBox.h"

// The count the count input offers at most, element 0 included, and the greatest list a range
// copy makes. The insert commands go past it: at this size an append lands before the last
// element, and the list grows by one each time.
const int kMaxPaletteElements = 1000;
// Inserting at this index appends while the list has at most this many elements.
const int kAppendIndex = 999;

// What differs between the three kinds.
inline cRecordVector<cEdBlock>& ListOf(cPalette& palette, cEdBlock*) { return palette.m_Blocks; }
inline cRecordVector<cEdChara>& ListOf(cPalette& palette, cEdChara*) { return palette.m_Charas; }
inline cRecordVector<cEdItem>& ListOf(cPalette& palette, cEdItem*) { return palette.m_Items; }
inline boost::shared_ptr<cEdBlock>& ClipOf(cEdBlock*) { return StageDoc().m_ClipBlock; }
inline boost::shared_ptr<cEdChara>& ClipOf(cEdChara*) { return StageDoc().m_ClipChara; }
inline boost::shared_ptr<cEdItem>& ClipOf(cEdItem*) { return StageDoc().m_ClipItem; }
inline cEdBlock& PenOf(cEdBlock*) { return StageDoc().m_PenBlocks[0]; }
inline cEdChara& PenOf(cEdChara*) { return StageDoc().m_PenCharas[0]; }
inline cEdItem& PenOf(cEdItem*) { return StageDoc().m_PenItems[0]; }
inline const cEdBlock& DefaultOf(cEdBlock*) { return ProjectOption().m_DefBlock; }
inline const cEdChara& DefaultOf(cEdChara*) { return ProjectOption().m_DefChara; }
inline const cEdItem& DefaultOf(cEdItem*) { return ProjectOption().m_DefItem; }
inline int KindOf(cEdBlock*) { return eKindBlock; }
inline int KindOf(cEdChara*) { return eKindChara; }
inline int KindOf(cEdItem*) { return eKindItem; }

// The list of the kind in the common (0) or the stage (1) palette.
template <class T>
cRecordVector<T>& PaletteList(int stage) {
    return ListOf(stage ? ProjectStage().m_Palette : static_cast<cPalette&>(ProjectCommonPalette()),
                  static_cast<T*>(nullptr));
}

// Points an element at its base (1 common, 2 stage palette; another value: no base) and gives it
// the default flags, then inherits at once. A base past the end of its list is dropped with
// every flag cleared.
template <class T>
void SetInheritRef(T& element, int palette, int index, const cInheritFlags& defaults) {
    bool known = palette == 1 || palette == 2;
    if (known && (index < 0 || index >= static_cast<int>(PaletteList<T>(palette - 1).size()))) {
        element.m_InheritSrc = 0;
        element.m_InheritIndex = 0;
        element.m_bbInherit.assign(0, 0);
        return;
    }
    element.m_InheritSrc = static_cast<uint8_t>(palette);
    element.m_InheritIndex = static_cast<int16_t>(index);
    // The element's groups are fixed; options of another length are cut or padded, and told.
    if (element.m_bbInherit.size() != defaults.size())
        DebugBox("lpData->m_bbInherit.size() != DefInheritCheck.size()\nデフォルトの継承設定がおかしい？");
    element.m_bbInherit.CopyFrom(defaults);
    ApplyInheritance(element);
}

// Gives the element the project's default reference of a situation, to the index.
template <class T>
void SetDefaultInheritRef(T& element, int situation, int index) {
    int kind = KindOf(static_cast<T*>(nullptr));
    const cPrjOption& option = ProjectOption();
    SetInheritRef(element, option.m_InheritSrc[situation][kind], index, option.m_InheritFlags[situation][kind]);
}

// A list read empty gets its element 0 before it is shown.
template <class T>
void EnsureEmptyElement(int stage) {
    cRecordVector<T>& list = PaletteList<T>(stage);
    if (list.empty()) list.push_back(T());
}

// The pen becomes a copy of the selected element with the default reference of where it came
// from; it paints one cell.
template <class T>
void TakePen(int stage, int index) {
    cStageDoc& doc = StageDoc();
    cRecordVector<T>& list = PaletteList<T>(stage);
    if (index < 0 || index >= static_cast<int>(list.size())) return;
    doc.m_SelPalette = stage;
    doc.m_SelIndex = index;
    T& pen = PenOf(static_cast<T*>(nullptr));
    pen = list[index];
    SetDefaultInheritRef(pen, stage ? eSituationStagePlace : eSituationCommonPlace, index);
    doc.m_PenWidth = 1;
    doc.m_PenHeight = 1;
}

template <class T>
void CopyToClipboard(int stage, int index, int cut) {
    cRecordVector<T>& list = PaletteList<T>(stage);
    if (index < 1 || index >= static_cast<int>(list.size())) return;
    cStageDoc& doc = StageDoc();
    ClipOf(static_cast<T*>(nullptr)) = boost::make_shared<T>(list[index]);
    doc.m_ClipValid = 1;
    doc.m_ClipCutPending = cut;
    doc.m_ClipIndex = index;
    doc.m_ClipPalette = stage;
}

// The element becomes the clipboard's; a common element never inherits, a stage element keeps
// only a reference to the common palette.
template <class T>
void PasteElement(int stage, int index) {
    cRecordVector<T>& list = PaletteList<T>(stage);
    const boost::shared_ptr<T>& clip = ClipOf(static_cast<T*>(nullptr));
    if (!clip || index < 1 || list.size() < 2) return;
    index = std::min(index, static_cast<int>(list.size()) - 1);
    T& element = list[index];
    element = *clip;
    if (!stage || element.m_InheritSrc == 2) element.m_InheritSrc = 0;
}

// A copy of the default element before the index, appended at or past the end; its position.
template <class T>
int InsertNewElement(int stage, int index) {
    cRecordVector<T>& list = PaletteList<T>(stage);
    int count = static_cast<int>(list.size());
    int p = index >= count ? count : std::max(1, index);
    list.insert(list.begin() + p, DefaultOf(static_cast<T*>(nullptr)));
    if (stage) SetDefaultInheritRef(list[p], eSituationStage, p);
    cStageDoc& doc = StageDoc();
    if (doc.m_ClipValid && doc.m_ClipPalette == stage && doc.m_ClipIndex >= p) ++doc.m_ClipIndex;
    if (doc.m_SelPalette == stage && doc.m_SelIndex >= p) ++doc.m_SelIndex;
    return p;
}

// Removes the element; the clipboard forgets it and the selection falls back to element 0, which
// becomes the pen.
template <class T>
void DeleteElement(int stage, int index) {
    cRecordVector<T>& list = PaletteList<T>(stage);
    if (index < 1 || index >= static_cast<int>(list.size())) return;
    list.erase(list.begin() + index);
    cStageDoc& doc = StageDoc();
    if (doc.m_ClipValid && doc.m_ClipPalette == stage) {
        if (doc.m_ClipIndex == index) {
            doc.m_ClipValid = 0;
            doc.m_ClipCutPending = 0;
        } else if (doc.m_ClipIndex > index) {
            --doc.m_ClipIndex;
        }
    }
    if (doc.m_SelIndex >= 1 && doc.m_SelPalette == stage) {
        if (doc.m_SelIndex == index)
            doc.m_SelIndex = 0;
        else if (doc.m_SelIndex > index)
            --doc.m_SelIndex;
        TakePen<T>(stage, doc.m_SelIndex);
    }
}

// Inserts the clipboard's element; a pending cut then removes its source from whichever palette
// it came from, open window or not.
template <class T>
void InsertCopiedElement(int stage, int index) {
    cStageDoc& doc = StageDoc();
    if (!doc.m_ClipValid) return;
    PasteElement<T>(stage, InsertNewElement<T>(stage, index));
    if (doc.m_ClipCutPending) {
        DeleteElement<T>(doc.m_ClipPalette, doc.m_ClipIndex);
        doc.m_ClipCutPending = 0;
        doc.m_ClipValid = 0;
    }
}

// The list gets count elements, 1 to kMaxPaletteElements, or to its own size when the inserts
// made it longer: new ones are the default element, stage ones with the default reference to
// their own position.
template <class T>
void SetElementCount(int stage, int count) {
    cRecordVector<T>& list = PaletteList<T>(stage);
    int old = static_cast<int>(list.size());
    count = std::max(1, std::min(count, std::max(kMaxPaletteElements, old)));
    list.resize(count, DefaultOf(static_cast<T*>(nullptr)));
    if (stage)
        for (int i = old; i < count; ++i) SetDefaultInheritRef(list[i], eSituationStage, i);
}
