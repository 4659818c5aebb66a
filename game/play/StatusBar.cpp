#include "game/play/StatusBar.h"

#include "game/media/Blit.h"
#include "game/media/CompositeBlit.h"

namespace {

const int kBarWidth = 638;
const int kTextY = 3;
const int kFrameColour = 31;
// A number has at most ten digits; more room than that is a damaged setting.
const int kMostDigits = 10;

bool IsGauge(int index) { return index == eStatusHp || index == eStatusSp; }

int32_t CounterValue(const cStatusValues& values, int index) {
    return index == eStatusWorldScore ? values.worldScore : index == eStatusScore ? values.score : values.lives;
}

}  // namespace

int StatusEntryWidth(const cSysRecA& entry, int index) {
    if (!entry.m_Show) return 0;
    int width = entry.m_ShowSymbol ? 16 : 16 * CountChars(entry.m_Text.c_str());
    if (IsGauge(index)) return width + kGaugeWidth;
    int digits = entry.m_MaxDigits;
    if (digits < 0) digits = 0;
    if (digits > kMostDigits) digits = kMostDigits;
    return width + 16 * digits;
}

int GaugeFill(int32_t value, int32_t maximum) {
    if (maximum <= 0) return 0;
    const int64_t fill = static_cast<int64_t>(value) * kGaugeWidth / maximum;
    return fill < 0 ? 0 : fill > kGaugeWidth ? kGaugeWidth : static_cast<int>(fill);
}

int StatusBarLayout(const cSystemList<cSysRecA>& entries, int xs[eStatusEntries], int widths[eStatusEntries]) {
    int shown = 0, total = 0;
    for (int k = 0; k < eStatusEntries; ++k) {
        const cSysRecA& entry = entries.At(k);
        widths[k] = StatusEntryWidth(entry, k);
        if (entry.m_Show) ++shown;
        total += widths[k];
    }
    const int gap = (kBarWidth - total) / (shown + 1);
    int x = gap;
    for (int k = 0; k < eStatusEntries; ++k) {
        xs[k] = x;
        if (entries.At(k).m_Show) x += widths[k] + gap;
    }
    return shown;
}

void DrawStatusBar(cSurface& dest, const cSystemList<cSysRecA>& entries, const cStatusValues& values,
                   cSurface& window, cSurface& accessory, cFont& captions, cFont& numbers) {
    int xs[eStatusEntries], widths[eStatusEntries];
    if (StatusBarLayout(entries, xs, widths) == 0) return;
    DDBltFramed(dest, 1, 1, kBarWidth, 20, window, 1, kFrameColour);
    for (int k = 0; k < eStatusEntries; ++k) {
        const cSysRecA& entry = entries.At(k);
        if (!entry.m_Show) continue;
        const int x = xs[k];
        if (entry.m_ShowSymbol) DDBlt(dest, x, kTextY, 16, 16, accessory, 16 * k, 32, DDBLTFAST_SRCCOLORKEY);
        if (!IsGauge(k)) {
            const int32_t value = CounterValue(values, k);
            if (entry.m_ShowSymbol)
                captions.Printf(dest, x + 16, kTextY, "%d", value);
            else
                captions.Printf(dest, x, kTextY, "%s%d", entry.m_Text.c_str(), value);
        } else {
            int g = x + 16;
            if (!entry.m_ShowSymbol) {
                captions.Printf(dest, x, kTextY, "%s", entry.m_Text.c_str());
                g = x + 16 * CountChars(entry.m_Text.c_str());
            }
            const bool hp = k == eStatusHp;
            const int sx = hp ? 0 : 64;
            const int32_t value = hp ? values.hp : values.sp;
            DDBlt(dest, g, kTextY, kGaugeWidth, 16, accessory, sx, 128, DDBLTFAST_SRCCOLORKEY);
            const int fill = GaugeFill(value, hp ? values.maxHp : values.maxSp);
            if (fill > 0) DDBlt(dest, g, kTextY, fill, 16, accessory, sx, fill > 16 ? 144 : 160, DDBLTFAST_SRCCOLORKEY);
            numbers.Printf(dest, g, 6, "%d", value);
        }
    }
}
