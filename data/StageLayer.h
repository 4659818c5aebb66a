#pragma once
// One layer of a stage (blocks, charas or items): the cells of a grid that hold an element.
//
// The cell of column x and row y is index (y << shift) + x, where 1 << shift (the row stride)
// is the smallest power of two not below the width; the columns from the width to the stride
// hold nothing. Only the cells that hold an element (graphic not 0) are kept, in index order in
// one vector, each element carrying its own column and row in its position fields, just as the
// stage file stores them: a grid of whole records would not fit a large stage, and one heap
// block per cell would cost more time than reading the cell. The game program reads the layer
// as its list of placed elements.
#include <algorithm>
#include <cstdint>
#include <mutex>
#include <utility>
#include <vector>

#include "data/KeptBlocks.h"
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
    // A cell: its index and its element.
    typedef std::pair<uint32_t, T> cCell;
    typedef std::vector<cCell, cKeptAllocator<cCell, eKeptCells>> cCells;
    typedef typename cCells::iterator iterator;
    typedef typename cCells::const_iterator const_iterator;

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
        const_iterator it = Seek(index);
        return it == end() || it->first != index ? Empty() : it->second;
    }
    // The element of a cell for editing in place; null for an empty cell.
    T* Find(uint32_t index) {
        iterator it = Seek(index);
        return it == end() || it->first != index ? nullptr : &it->second;
    }
    bool IsEmpty(uint32_t index) const {
        const_iterator it = Seek(index);
        return it == end() || it->first != index;
    }

    // Places a copy of the element in the cell, with the cell's column and row; an empty
    // element empties the cell. An index off the grid is reported and changes nothing.
    void Put(uint32_t index, const T& element) {
        if (!CheckCell(index)) return;
        iterator it = Seek(index);
        const bool held = it != end() && it->first == index;
        if (element.m_Graphic == 0) {
            if (held) m_cells.erase(it);
            return;
        }
        T& cell = held ? it->second : m_cells.insert(it, cCell(index, element))->second;
        if (held) cell = element;
        cell.m_Extra1 = static_cast<int16_t>(Column(index));
        cell.m_Extra2 = static_cast<int16_t>(Row(index));
    }

    // Takes the cells a file gave, in any order, each with its element's column and row set:
    // false, and the layer unchanged, when a cell is given twice.
    bool Fill(cCells& cells) {
        auto byIndex = [](const cCell& a, const cCell& b) { return a.first < b.first; };
        if (!std::is_sorted(cells.begin(), cells.end(), byIndex)) std::stable_sort(cells.begin(), cells.end(), byIndex);
        for (size_t i = 1; i < cells.size(); ++i)
            if (cells[i].first == cells[i - 1].first) return false;
        m_cells.swap(cells);
        return true;
    }
    // The same for cells whose indexes the caller saw rise from each cell to the next as it made
    // them (as files hold them): no second walk over what may be tens of megabytes.
    bool Fill(cCells& cells, bool rising) {
        if (!rising) return Fill(cells);
        m_cells.swap(cells);
        return true;
    }

    // Changes the grid: every cell inside both the old and the new size keeps its column and
    // row (and so its place in the order), the others are dropped.
    void Resize(int32_t width, int32_t height) {
        const int32_t shift = RowShift(width);
        size_t kept = 0;
        for (size_t i = 0; i < m_cells.size(); ++i) {
            const int32_t column = Column(m_cells[i].first), row = Row(m_cells[i].first);
            if (column >= width || row >= height) continue;
            if (kept != i) m_cells[kept] = std::move(m_cells[i]);
            m_cells[kept++].first = (static_cast<uint32_t>(row) << shift) + column;
        }
        m_cells.erase(m_cells.begin() + kept, m_cells.end());
        m_width = width;
        m_height = height;
        m_shift = shift;
    }

    // Runs visit on each cell's element in index order and removes the cells for which it
    // returns true, keeping the order of the others.
    template <class F>
    void VisitAndRemove(F visit) {
        size_t kept = 0;
        for (size_t i = 0; i < m_cells.size(); ++i) {
            if (visit(m_cells[i].second)) continue;
            if (kept != i) m_cells[kept] = std::move(m_cells[i]);
            ++kept;
        }
        m_cells.erase(m_cells.begin() + kept, m_cells.end());
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

    // The cells of a replaced stage, kept built for the next read of a layer of their kind: it
    // overwrites them in place of building cells, and the replaced stage is not walked cell by
    // cell to be destroyed (a large stage's cells take tens of megabytes, cold in the caches).
    // GiveSpare empties the layer into the store, which keeps the larger set; TakeSpare empties
    // the store. Any thread may give and take.
    void GiveSpare() {
        {
            cSpare& spare = Spare();
            std::lock_guard<std::mutex> guard(spare.lock);
            if (m_cells.size() > spare.cells.size()) m_cells.swap(spare.cells);
        }
        m_cells.clear();
    }
    static cCells TakeSpare() {
        cSpare& spare = Spare();
        cCells cells;
        std::lock_guard<std::mutex> guard(spare.lock);
        cells.swap(spare.cells);
        return cells;
    }

private:
    // The first cell at or after the index.
    iterator Seek(uint32_t index) {
        return std::lower_bound(m_cells.begin(), m_cells.end(), index, [](const cCell& cell, uint32_t i) { return cell.first < i; });
    }
    const_iterator Seek(uint32_t index) const { return const_cast<cStageLayer*>(this)->Seek(index); }
    bool CheckCell(uint32_t index) const {
        if (IsCell(index)) return true;
        ReportBadIndex('V', static_cast<int>(index), m_height << m_shift, static_cast<int>(sizeof(T)), eCloseProgram);
        return false;
    }
    static const T& Empty() {
        static const T empty;
        return empty;
    }
    struct cSpare {
        std::mutex lock;
        cCells cells;
    };
    // Never destroyed: a stage may be replaced while the program ends.
    static cSpare& Spare() {
        static cSpare* spare = new cSpare;
        return *spare;
    }

    cCells m_cells;
    int32_t m_width = 0;
    int32_t m_height = 0;
    int32_t m_shift = 0;
};
