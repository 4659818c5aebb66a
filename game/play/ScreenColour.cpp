#include "game/play/ScreenColour.h"

#include <algorithm>

#include "game/data/Tenths.h"
#include "game/media/Display.h"
#include "game/media/Fade.h"

namespace {

const int kNormal = 255;
const int kFullBrightness = 256;

// Whether a fade has left the palette darkened.
bool g_PaletteFaded = false;

void ApplyPalette(const PALETTEENTRY* entries) {
    cDisplayState& display = Display();
    if (entries != display.Palette) std::copy(entries, entries + kPaletteSize, display.Palette);
    if (display.lpPalette) display.lpPalette->SetEntries(0, 0, kPaletteSize, display.Palette);
}

}  // namespace

void cScreenColour::Set(const int32_t values[8]) {
    m_PrevR = m_R;
    m_PrevG = m_G;
    m_PrevB = m_B;
    m_PrevStrength = m_Strength;
    m_PrevKeep = m_Keep;
    m_R = static_cast<uint8_t>(values[0]);
    m_G = static_cast<uint8_t>(values[1]);
    m_B = static_cast<uint8_t>(values[2]);
    m_Strength = values[3];
    m_Restore = values[4];
    m_Time = values[5] * kFramesPerTenth;
    m_Flash = values[6];
    m_FlashCount = values[7];
    m_Active = 1;
    m_Frame = m_Flashes = 0;
    if (!m_Restore) {
        m_Keep = 0;
        return;
    }
    m_R = m_PrevR;
    m_G = m_PrevG;
    m_B = m_PrevB;
    m_Strength = m_PrevStrength;
    m_Keep = m_PrevKeep;
}

int32_t cScreenColour::KeepLevel() const {
    const double share = m_Time > 0 ? static_cast<double>(m_Frame) / m_Time : 1.0;
    double keep;
    if (m_Restore && !m_Flash) keep = m_Time > 0 ? m_PrevKeep + share * (kNormal - m_PrevKeep) : kNormal;
    else keep = kNormal - share * m_Strength * 2.55;
    return std::max(0, std::min(kNormal, static_cast<int32_t>(keep)));
}

void cScreenColour::Step(int hold, int depth) {
    if (hold || !m_Active) return;
    if (depth != 8) {
        m_Active = 0;
        return;
    }
    m_Keep = KeepLevel();
    if (m_Frame < m_Time) {
        ++m_Frame;
        return;
    }
    if (!m_Flash) {
        m_Active = 0;
        return;
    }
    m_Frame = 0;
    // A count below one still flashes once.
    if (++m_Flashes >= std::max(m_FlashCount, 1)) m_Active = 0;
}

void PaintScreenColour(const cScreenColour& colour, int hold) {
    cDisplayState& display = Display();
    if (display.nBpp != 8 || !colour.Tints(hold)) return;
    DDMixPalette(display.Palette, 0, kPaletteSize - 1, colour.KeepLevel(), colour.m_R, colour.m_G, colour.m_B,
                 display.BasePalette);
    ApplyPalette(display.Palette);
    if (colour.EndsFlash()) ApplyPalette(display.BasePalette);
}

void PaintPaletteFade(int k) {
    cDisplayState& display = Display();
    if (display.nBpp != 8 || (k >= kFullBrightness && !g_PaletteFaded)) return;
    g_PaletteFaded = k < kFullBrightness;
    if (!g_PaletteFaded) {
        ApplyPalette(display.BasePalette);
        return;
    }
    DDMixPalette(display.Palette, 0, kPaletteSize - 1, k, 0, 0, 0, display.BasePalette);
    ApplyPalette(display.Palette);
}
