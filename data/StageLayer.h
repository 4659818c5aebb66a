#pragma once
// One layer of a stage (blocks, charas or items): the cells of a grid that hold an element.
//
// The cell of column x and row y is index (y << shift) + x, where 1 << shift (the row stride)
// is the smallest power of two not below the width; the columns from the width to the stride
// hold nothing. Only the cells that hold an element (graphic not 0) are kept, in index order,
// each element carrying its own column and row in its position fields, just as the stage file
// stores them: a record costs a kilobyte or more of memory, so a grid of whole records would
// not fit a large stage. The game program reads the layer as its list of placed elements.
#include <cstdint>
#include <map>
#include <tuple>
#include <utility>

#include "framework/CheckedVector.h"

// The row shift of a width: the number of halvings that bring width - 1 to 0.
inline int32_t RowShift(int32_t width) {
    int32_t shift = 0;
    for (uint32_t v = static_cast<uint32_t>(width - 1); v; v >>= 1) ++shift;
    return shift;
}

template <class T>
class cStageLayer {
public:
    typedef std::map<uint32_t, T> cCells;
    typedef typename cCells::iterator iterator;
    typedef typename cCells::const_iterator const_iterator;
    typedef typename cCells::node_type cNode;

    int32_t Width() const { return m_width; }
    int32_t Height() const { return m_height; }
    int32_t Shift() const { return m_shift; }
    uint32_t Index(int32_t column, int32_t row) const { return (static_cast<uint32_t>(row) << m_shift) + column; }
    int32_t Column(uint32_t index) const { return static_cast<int32_t>(index & ((1u << m_shift) - 1)); }
    int32_t Row(uint32_t index) const { return static_cast<int32_t>(index >> m_shift); }
    bool IsCell(int32_t column, int32_t row) const { return column >= 0 && column < m_width && row >= 0 && row < m_height; }
    bool IsCell(uint32_t index) const { return IsCell(Column(index), Row(index)); }

    // The element of a cell; an empty element for a cell that holds none. An index off the grid
    // is reported as a bad index and reads as an empty cell.
    const T& At(uint32_t index) const {
        if (!CheckCell(index)) return Empty();
        const_iterator it = m_cells.find(index);
        return it == m_cells.end() ? Empty() : it->second;
    }
    // The element of a cell for editing in place; null for an empty cell.
    T* Find(uint32_t index) {
        iterator it = m_cells.find(index);
        return it == m_cells.end() ? nullptr : &it->second;
    }
    bool IsEmpty(uint32_t index) const { return m_cells.find(index) == m_cells.end(); }

    // Places a copy of the element in the cell, with the cell's column and row; an empty
    // element empties the cell. An index off the grid is reported and changes nothing.
    void Put(uint32_t index, const T& element) {
        if (!CheckCell(index)) return;
        if (element.m_Graphic == 0) {
            m_cells.erase(index);
            return;
        }
        T& cell = m_cells[index];
        cell = element;
        cell.m_Extra1 = static_cast<int16_t>(Column(index));
        cell.m_Extra2 = static_cast<int16_t>(Row(index));
    }

    // A default element outside any layer, built in place, to be filled, given its cell as its
    // key and inserted: a file load reads into it without copying.
    static cNode NewNode() {
        cCells scratch;
        scratch.emplace(std::piecewise_construct, std::forward_as_tuple(0u), std::forward_as_tuple());
        return scratch.extract(scratch.begin());
    }
    // Inserts a filled node, which must hold an element for a free cell of the grid.
    void Insert(cNode&& node) { m_cells.insert(std::move(node)); }

    // Changes the grid: every cell inside both the old and the new size keeps its column and
    // row, the others are dropped.
    void Resize(int32_t width, int32_t height) {
        cCells kept;
        const int32_t shift = RowShift(width);
        while (!m_cells.empty()) {
            cNode node = m_cells.extract(m_cells.begin());
            const int32_t column = Column(node.key()), row = Row(node.key());
            if (column >= width || row >= height) continue;
            node.key() = (static_cast<uint32_t>(row) << shift) + column;
            kept.insert(kept.end(), std::move(node));
        }
        m_cells.swap(kept);
        m_width = width;
        m_height = height;
        m_shift = shift;
    }

    size_t size() const { return m_cells.size(); }
    bool empty() const { return m_cells.empty(); }
    void clear() { m_cells.clear(); }
    iterator erase(iterator it) { return m_cells.erase(it); }
    iterator begin() { return m_cells.begin(); }
    iterator end() { return m_cells.end(); }
    const_iterator begin() const { return m_cells.begin(); }
    const_iterator end() const { return m_cells.end(); }
    void swap(cStageLayer& other) {
        m_cells.swap(other.m_cells);
        std::swap(m_width, other.m_width);
        std::swap(m_height, other.m_height);
        std::swap(m_shift, other.m_shift);
    }

private:
    bool CheckCell(uint32_t index) const {
        if (IsCell(index)) return true;
        ReportBadIndex('V', static_cast<int>(index), m_height << m_shift, static_cast<int>(sizeof(T)), eCloseProgram);
        return false;
    }
    static const T& Empty() {
        static const T empty;
        return empty;
    }

    cCells m_cells;
    int32_t m_width = 0;
    int32_t m_height = 0;
    int32_t m_shift = 0;
};
