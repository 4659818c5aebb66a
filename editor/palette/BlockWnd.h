#pragma once
// The block data window "ブロックデータ": a property sheet with the block page (BlockDlg.h).
// The window that opens it holds it; the window group deletes it once it was closed, and the
// page's end brings the editor back (ReturnFromDataWnd).
#include <cstdint>

#include "editor/palette/DataWnd.h"

class cBlockDlg;
class cChildWnd;
class cWndGroup;

class cBlockWnd : public cDataWnd {
public:
    // source: where the block comes from (eEditSource); cell: the stage cell of source 0.
    cBlockWnd(cChildWnd* parent, cWndGroup* group, cPropSheet** slot, int source, uint32_t cell);
    ~cBlockWnd() override;

    // Makes the page and opens the sheet on the page last shown; false when it could not.
    bool Open();
    cBlockDlg* Page() const { return m_lpPage; }
    void SkipReturn() override;

private:
    cBlockDlg* m_lpPage = nullptr;
    int m_Source;
    uint32_t m_Cell;
};
