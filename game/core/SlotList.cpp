#include "game/core/SlotList.h"

#include <algorithm>

#include "framework/Format.h"
#include "game/core/GameGlobals.h"
#include "game/core/MenuScreen.h"
#include "game/media/Blit.h"
#include "game/media/Font.h"
#include "game/media/MenuCursor.h"
#include "game/media/Sound.h"

namespace {

const int kRowHeight = 16;
const int kListWidth = 320;
const int kSeparatorColour = 240;

}  // namespace

std::string FormatSaveTimeText(const cStorySlotHeader& header) {
    if (!header.m_Used) return "";
    const SYSTEMTIME& t = header.m_SaveTime;
    return Format("%04d/%02d/%02d %02d:%02d\n", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute);
}

void FormatSaveTime(const cStorySlotHeader& header, cSurface& surface, int x, int y) {
    if (!header.m_Used) return;
    GameFonts()[kSystemFont].Printf(surface, x, y, "%s", FormatSaveTimeText(header).c_str());
}

std::vector<cSlotCaption> SlotCaptions(const cRecordVector<cStorySlotHeader>& headers, int x, int y, int first,
                                       int count) {
    std::vector<cSlotCaption> rows;
    for (int i = 0; i < count; ++i) {
        int slot = first + i;
        if (slot < 0 || slot >= static_cast<int>(headers.size())) break;
        int line = y + kRowHeight * i;
        rows.push_back({slot, {x + 16, line, Format("%d", slot + 1)}, x + 64, line});
    }
    return rows;
}

int SlotSeparators(int headers, int first, int count) {
    int rows = std::max(0, headers - std::max(0, first));
    if (first < 0) rows = 0;
    return std::max(0, std::min(count - 1, rows + 1));
}

void MakeSlotCaptions(cSurface& surface, int x, int y, const cRecordVector<cStorySlotHeader>& headers, int first,
                      int count) {
    cFont& font = GameFonts()[kSystemFont];
    font.DrawFrame(surface, x, y, kListWidth, count * kRowHeight);
    int separators = SlotSeparators(static_cast<int>(headers.size()), first, count);
    for (int i = 0; i < separators; ++i)
        DDFillRect(surface, x, y + kRowHeight * i + kRowHeight - 1, kListWidth, 1, kSeparatorColour);
    for (const cSlotCaption& row : SlotCaptions(headers, x, y, first, count)) {
        font.Printf(surface, row.number.x, row.number.y, "%s", row.number.text.c_str());
        FormatSaveTime(headers[row.slot], surface, row.timeX, row.timeY);
    }
}

void cSlotListView::Open(cMenuCursor& cursor, int row) {
    cRecordVector<cStorySlotHeader>& slots = StorySlots();
    ReadStorySlots(slots);
    const int count = static_cast<int>(slots.size());
    if (row < 0 || row >= count) row = 0;
    *cursor.Current() = cCursorState();
    cursor.Current()->nRow = row;
    m_Top = row;
    Move(cursor, 0);
}

void cSlotListView::Move(cMenuCursor& cursor, int keys) {
    // A slot read again (its file changed) may change the count: the rows follow it.
    const int count = static_cast<int>(StorySlots().size());
    m_Rows = std::min(count, kRowsShown);
    cursor.MoveList(keys, 1, &m_Top, kY, kRowH, kX, m_Rows, count, 1);
    PlayCursorSound(keys, 3, kCursorSoundSlot);
}

void cSlotListView::Draw(cSurface& surface) const { MakeSlotCaptions(surface, kX, kY, StorySlots(), m_Top, m_Rows); }
