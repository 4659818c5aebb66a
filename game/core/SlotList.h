#pragma once
// The list of story save slots: a numbered row per slot with the time it was saved.
#include <string>
#include <vector>

#include "game/core/RankingDraw.h"
#include "game/data/StorySave.h"

// "2026/12/09 23:45" for a used slot, "" for an unused one.
std::string FormatSaveTimeText(const cStorySlotHeader& header);
// The texts of rows first ... first + count - 1 from (x, y), 16 pixels a row; rows past the
// headers stay empty.
std::vector<cTextAt> SlotCaptionTexts(const cRecordVector<cStorySlotHeader>& headers, int x, int y, int first,
                                      int count);
// The rows that get a line under them: every row but the last, up to the first row past the
// headers.
int SlotSeparators(int headers, int first, int count);

// Draws the save time of a used slot with the system font.
void FormatSaveTime(const cStorySlotHeader& header, cSurface& surface, int x, int y);
// The framed list, 320 pixels wide, with a line under every row but the last.
void MakeSlotCaptions(cSurface& surface, int x, int y, const cRecordVector<cStorySlotHeader>& headers, int first,
                      int count);
