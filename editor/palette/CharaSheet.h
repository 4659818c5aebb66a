#pragma once
// The chara data sheet "キャラデータ": four pages (basic, display, ability, action) over one
// chara record. Each page edits a copy of its own; leaving a page copies its record into the
// others (SyncPages), so the page shown next sees every change. Stepping with ← and → walks a
// copy of the palette's chara list. Nothing reaches the project before Apply or OK, which
// writes the record back to where it came from (the document's edit source); Cancel drops
// every copy, those of the charas stepped through included.
#include <cstdint>

#include "data/Chara.h"
#include "editor/palette/DataSheetOwner.h"
#include "editor/palette/DataWnd.h"
#include "editor/palette/ElementSource.h"

class cCharaPage;

const int kCharaPages = 4;

class cCharaDataSheet : public cDataWnd, public cDataSheetOwner<cEdChara> {
public:
    // source: where the chara comes from (eEditSource); cell: the stage cell of source 0.
    cCharaDataSheet(cChildWnd* parent, cWndGroup* group, cPropSheet** slot, int source, uint32_t cell);
    ~cCharaDataSheet() override;

    // Makes the four pages and opens the sheet on the page last shown; false when it could not.
    bool Open();
    void SkipReturn() override { m_Return = false; }
    bool Returns() const override { return m_Return; }

    // Copies the record into the record of every page but the one at the index.
    void SyncPages(const cEdChara& record, int pageIndex) override;
    // The record goes back to where it came from; the page shown stores its controls first and
    // the other pages take its record.
    void Commit() override;
    // Remembers the page shown, to reopen on it.
    void RememberPage() override;
    // Sources 1 and 2: the record goes into the list copy at the current index, the index steps
    // by delta within 1 .. count - 1 and the list copy's element there comes back; false (and
    // nothing changed) for the other sources or a list without a second element.
    bool Step(cEdChara& record, int delta) override;

    int Source() const override { return m_From.Source(); }
    int Index() const override { return m_From.Index(); }
    bool IsPalette() const override { return m_From.IsPalette(); }
    // The record the pages start from.
    const cEdChara& Start() const override { return m_Work; }
    cCharaPage* Page(int index) const;

private:
    cEdChara m_Work;
    cCharaPage* m_lpPages[kCharaPages] = {};
    cElementSource<cEdChara> m_From;
    bool m_Return = true;
};

