#pragma once
// Where the element of a data window (the block window, the chara and item data sheets) comes
// from and where Apply or OK writes it back: a placed element (a stage cell), the element at an
// index of the stage or the common palette, or the element the document names (eEditSource).
// For a palette element the window works on a copy of the whole list, so that stepping with
// ← and → and Cancel touch nothing of the project before the write-back.
#include <cstdint>

#include "data/Block.h"
#include "data/Chara.h"
#include "data/Item.h"
#include "data/Record.h"

// Whether an element from the source may inherit: a placed element from either palette, a stage
// palette element from the common palette; a common or default element inherits nothing.
bool MayInherit(int source);
// The inheritance sources offered to an element from the source (InheritSrcNames or a reduced
// form).
const char* const* InheritSourceNames(int source);

template <class T>
class cElementSource {
public:
    // cell: the stage cell of eSourceStageCell. A palette source starts at the document's
    // selected index, kept within its list.
    cElementSource(int source, uint32_t cell);

    int Source() const { return m_Source; }
    int Index() const { return m_Index; }
    bool IsPalette() const;
    // The element the source designates: the placed element, the list copy's element at the
    // index, or the element the document names; null when there is none.
    T* Origin();
    // Palette sources: the working element goes into the list copy at the index, the index
    // steps by delta within 1 .. count - 1, the list copy's element there comes back and the
    // document selects it. False, and nothing changed, for other sources or a list without a
    // second element.
    bool Step(T& working, int delta);
    // The element goes back to where it came from: a changed cell is one undo step; a palette
    // list becomes the copy and the elements that inherit from it follow; the document's
    // element is overwritten. The main window is repainted.
    void WriteBack(const T& element);

private:
    int m_Source;
    uint32_t m_Cell;
    int m_Index = 0;
    cRecordVector<T> m_List;
};

extern template class cElementSource<cEdBlock>;
extern template class cElementSource<cEdChara>;
extern template class cElementSource<cEdItem>;
