#pragma once
// The screen colour change of 256-colour play: the palette tinted toward a colour over a time,
// back to the normal colours, or in flashes. The painter applies the tint of the state as it
// stands; the play scene's pass counts afterwards. At any other depth a change ends at once.
#include <cstdint>

struct cScreenColour {
    // The command's eight values: R, G, B (bytes), strength in percent, back to the normal
    // colours, time in tenths of a second, flash, number of flashes.
    void Set(const int32_t values[8]);
    // How much of the normal colour remains this frame, 0-255.
    int32_t KeepLevel() const;
    // The tint applied over the palette this frame: whether one is, and whether the normal
    // palette follows it (the end of a flash).
    bool Tints(int hold) const { return !hold && m_Active; }
    bool EndsFlash() const { return m_Flash && m_Frame >= m_Time; }
    // The count after the picture: unless held, frames and flashes move on; depth is the
    // display's bits per pixel.
    void Step(int hold, int depth);

    uint8_t m_R = 0;
    uint8_t m_G = 0;
    uint8_t m_B = 0;
    int32_t m_Strength = 0;
    int32_t m_Restore = 0;
    int32_t m_Time = 0;  // frames
    int32_t m_Flash = 0;
    int32_t m_FlashCount = 0;
    int32_t m_Active = 0;
    int32_t m_Frame = 0;
    int32_t m_Flashes = 0;
    int32_t m_Keep = 255;
    uint8_t m_PrevR = 0;
    uint8_t m_PrevG = 0;
    uint8_t m_PrevB = 0;
    int32_t m_PrevStrength = 0;
    int32_t m_PrevKeep = 255;
};

// Applies the change's tint of this frame to the display palette (256 colours only).
void PaintScreenColour(const cScreenColour& colour, int hold);
// At 256 colours the play scene's fades darken the palette, brightness k of 256 (0 black); a
// brightness of 256 after a fade puts the normal palette back, once.
void PaintPaletteFade(int k);
