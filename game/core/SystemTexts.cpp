#include "game/core/SystemTexts.h"

#include <algorithm>
#include <string>

#include "game/core/GameGlobals.h"
#include "game/media/Display.h"
#include "game/media/Font.h"

namespace {

const int kCellSize = 16;

int WidestLine(const cSystemData& system, int first, int count) {
    int widest = 0;
    for (int i = first; i < first + count; ++i) widest = std::max(widest, CountChars(system.m_Terms.At(i).c_str()));
    return widest;
}

}  // namespace

int CountShownEntries(const cSystemData& system, int playKind) {
    const cRankingSetting& setting = system.m_RankingSettings.At(playKind);
    if (!setting.m_On) return 0;
    return static_cast<int>(std::count_if(setting.m_Shown.begin(), setting.m_Shown.end(), [](uint8_t b) { return b != 0; }));
}

int CenterTextBoxX(const cSystemData& system, int x, int first, int count) {
    int widest = count > 0 ? WidestLine(system, first, count) : 0;
    return x - ((widest + 1) * kCellSize) / 2;
}

void DrawTextBox(const cSystemData& system, cSurface&, int x, int y, int first, int count) {
    if (count <= 0) return;
    int widest = WidestLine(system, first, count);
    std::string text;
    for (int i = first; i < first + count; ++i) text += " " + system.m_Terms.At(i) + "\n";
    GameFonts()[kSystemFont].PrintBox(Display().Back, x, y, (widest + 1) * kCellSize, count * kCellSize, text.c_str(), 0);
}
