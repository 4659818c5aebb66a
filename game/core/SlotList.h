#pragma once
// The list of story save slots: a numbered row per slot with the time it was saved.
#include <string>
#include <vector>

#include "game/core/RankingDraw.h"
#include "game/data/StorySave.h"

// "2026/12/09 23:45" for a used slot, "" for an unused one.
std::string FormatSaveTimeText(const cStorySlotHeader& header);
// Draws the save time of a used slot at (x, y) with the system font; nothing for an unused one.
void FormatSaveTime(const cStorySlotHeader& header, cSurface& surface, int x, int y);

// One row of the list: the slot's number and where its save time goes.
struct cSlotCaption {
    int slot;
    cTextAt number;
    int timeX, timeY;
};
// The rows first ... first + count - 1 from (x, y), 16 pixels a row; rows past the headers stay
// empty.
std::vector<cSlotCaption> SlotCaptions(const cRecordVector<cStorySlotHeader>& headers, int x, int y, int first,
                                       int count);
// The rows that get a line under them: every row but the last, up to the first row past the
// headers.
int SlotSeparators(int headers, int first, int count);

// The framed list, 320 pixels wide, with a line under every row but the last.
void MakeSlotCaptions(cSurface& surface, int x, int y, const cRecordVector<cStorySlotHeader>& headers, int first,
                      int count);

class cMenuCursor;

// The story's save slots as the title menu's continue and the world menu's save show them: up to
// ten rows from (152, 160), the menu cursor moving over them with the direction keys and the list
// scrolling under it.
class cSlotListView {
public:
    static constexpr int kX = 152;
    static constexpr int kY = 160;
    static constexpr int kRowH = 16;
    static constexpr int kRowsShown = 10;

    // Reads the slots again and puts the cursor on the row (one past the list: the first), the
    // list scrolled to show it.
    void Open(cMenuCursor& cursor, int row);
    // The direction keys move the cursor, with its sound.
    void Move(cMenuCursor& cursor, int keys);
    void Draw(cSurface& surface) const;
    int Top() const { return m_Top; }
    int Rows() const { return m_Rows; }

private:
    int m_Top = 0;
    int m_Rows = 0;
};
