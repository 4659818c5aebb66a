#pragma once
// The item data sheet "アイテムデータ": two pages over one item record. Each page edits a copy
// of its own; leaving a page hands its copy to the other (SyncPages), so the page shown next
// sees every change. Stepping with ← and → walks a copy of the palette's item list. Nothing
// reaches the project before Apply or OK, which writes the record back to where it came from
// (the document's edit source); Cancel drops every copy, those of the items stepped through
// included.
#include <cstdint>

#include "data/Item.h"
#include "editor/palette/DataSheetOwner.h"
#include "editor/palette/DataWnd.h"
#include "editor/palette/ElementSource.h"

class cItemPage;

const int kItemPages = 2;

class cItemDataSheet : public cDataWnd, public cDataSheetOwner<cEdItem> {
public:
    // source: where the item comes from (eEditSource); cell: the stage cell of source 0.
    cItemDataSheet(cChildWnd* parent, cWndGroup* group, cPropSheet** slot, int source, uint32_t cell);
    ~cItemDataSheet() override;

    // Makes both pages and opens the sheet on the page last shown; false when it could not.
    bool Open();
    void SkipReturn() override { m_Return = false; }
    bool Returns() const override { return m_Return; }

    // Copies the item into the copy of every page but the one at the index.
    void SyncPages(const cEdItem& item, int pageIndex) override;
    // The item goes back to where it came from; the page shown stores its controls first and
    // the other page takes its copy.
    void Commit() override;
    // Remembers the page shown, to reopen on it.
    void RememberPage() override;
    // Sources 1 and 2: the item goes into the list copy at the current index, the index steps
    // by delta within 1 .. count - 1 and the list copy's element there comes back; false (and
    // nothing changed) for the other sources or a list without a second element.
    bool Step(cEdItem& item, int delta) override;

    int Source() const override { return m_From.Source(); }
    int Index() const override { return m_From.Index(); }
    bool IsPalette() const override { return m_From.IsPalette(); }
    // The item the pages start from.
    const cEdItem& Start() const override { return m_Work; }
    cItemPage* Page(int index) const;

private:
    cEdItem m_Work;
    cItemPage* m_lpPages[kItemPages] = {};
    cElementSource<cEdItem> m_From;
    bool m_Return = true;
};

