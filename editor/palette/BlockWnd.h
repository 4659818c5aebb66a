#pragma once
// The block data window "ブロックデータ": a property sheet with the block page (BlockDlg.h).
// The window that opens it holds it; the window group deletes it once it was closed, and the
// page's end brings the editor back (ReturnFromBlockWnd).
#include <cstdint>

#include "framework/PropSheet.h"

class cBlockDlg;
class cChildWnd;
class cEditWnd;
class cWndGroup;

class cBlockWnd : public cPropSheet {
public:
    // source: where the block comes from (eEditSource); cell: the stage cell of source 0.
    cBlockWnd(cChildWnd* parent, cWndGroup* group, cPropSheet** slot, int source, uint32_t cell);
    ~cBlockWnd() override;

    // Makes the page and opens the sheet on the page last shown; false when it could not.
    bool Open();
    cBlockDlg* Page() const { return m_lpPage; }
    // The sheet goes without bringing the editor back (its holder is going).
    void SkipReturn();

private:
    cBlockDlg* m_lpPage = nullptr;
    int m_Source;
    uint32_t m_Cell;
};

// The block window closed: the editor's windows come back and, for a palette block, the
// block at the index becomes the pen.
void ReturnFromBlockWnd(int source, int index);
// The canvas's editing of an occupied cell (SetCellEditor): the block window on a block cell.
void EditStageCell(cEditWnd* main, int32_t layer, uint32_t index);
