#pragma once
// What a page of the chara or item data sheet asks of the sheet that holds it. Only the pages
// (cDataSheetPage and the pages built on it) call it; the two data sheets answer it.
template <class tRecord>
class cDataSheetOwner {
public:
    // The record the pages start from.
    virtual const tRecord& Start() const = 0;
    // Copies the record into the record of every page but the one at the index.
    virtual void SyncPages(const tRecord& record, int pageIndex) = 0;
    // The record goes back to where it came from (Apply or OK on the first page).
    virtual void Commit() = 0;
    // Remembers the page shown, to reopen on it (Cancel on the first page).
    virtual void RememberPage() = 0;
    // The record goes into the palette's list copy and the element delta steps away comes back;
    // false (nothing changed) where there is nothing to step to.
    virtual bool Step(tRecord& record, int delta) = 0;
    // Whether the sheet's end brings the editor back.
    virtual bool Returns() const = 0;
    // Where the record came from (eEditSource), its index there, and whether that is a palette.
    virtual int Source() const = 0;
    virtual int Index() const = 0;
    virtual bool IsPalette() const = 0;

protected:
    ~cDataSheetOwner() = default;
};
