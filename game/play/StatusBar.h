#pragma once
// The status bar across the top of the play screen: world score, score, the HP and SP gauges
// and the lives, each shown or not, with its caption or its symbol, as the system data's five
// status entries say.
#include <cstdint>

#include "data/SystemData.h"
#include "game/media/Font.h"
#include "game/media/Surface.h"

struct cStatusValues {
    int32_t worldScore = 0;
    int32_t score = 0;
    int32_t hp = 0;
    int32_t maxHp = 0;
    int32_t sp = 0;
    int32_t maxSp = 0;
    int32_t lives = 0;
};

enum eStatusEntry { eStatusWorldScore, eStatusScore, eStatusHp, eStatusSp, eStatusLives, eStatusEntries };

const int kGaugeWidth = 50;

// The room an entry takes on the bar; 0 when it is not shown.
int StatusEntryWidth(const cSysRecA& entry, int index);
// Where each entry starts on the bar (x) and its width; the number of entries shown. The room
// left is shared out equally before, between and after the entries, and may be negative.
int StatusBarLayout(const cSystemList<cSysRecA>& entries, int xs[eStatusEntries], int widths[eStatusEntries]);
// The gauge's filled dots for a value against its maximum: 0 to kGaugeWidth.
int GaugeFill(int32_t value, int32_t maximum);
// Draws the bar (nothing at all when no entry is shown) with the window and accessory pictures
// (system surfaces 45 and 47); captions and counters in the caption font, the numbers on the
// gauges in the small font.
void DrawStatusBar(cSurface& dest, const cSystemList<cSysRecA>& entries, const cStatusValues& values,
                   cSurface& window, cSurface& accessory, cFont& captions, cFont& numbers);
