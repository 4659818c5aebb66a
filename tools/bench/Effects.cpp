// The per-pixel effects on a full 640 x 480 frame at 16 bits (RGB 5-6-5) and, for the blend
// through the mix table, at 8 bits, each beside a memcpy of the same frame.
#include <cstdint>
#include <cstring>
#include <functional>
#include <vector>

#include "game/media/PixelEffect.h"
#include "tools/bench/Bench.h"

namespace {

const int kWidth = 640;
const int kHeight = 480;
const int kRuns = 30;

// A frame in memory laid out as a locked surface: pitch of the width, a picture that varies.
class cFrame {
public:
    explicit cFrame(int bytesPerPixel) : m_Bytes(static_cast<size_t>(kWidth) * kHeight * bytesPerPixel) {
        m_View.lpBits = m_Bytes.data();
        m_View.nWidth = kWidth;
        m_View.nHeight = kHeight;
        m_View.nBytesPerPixel = bytesPerPixel;
        m_View.nPitch = kWidth * bytesPerPixel;
        uint32_t seed = 12345;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                seed = seed * 1103515245u + 12345u;
                // Smooth areas with some noise, and a few pixels of the transparent colour 0.
                uint32_t v = (x * 7 + y * 3 + (seed >> 28)) & 0xFFFF;
                if ((seed >> 20) % 50 == 0) v = 0;
                m_View.Set(x, y, bytesPerPixel == 1 ? v & 0xFF : v);
            }
    }
    const cPixelView& View() const { return m_View; }
    size_t Size() const { return m_Bytes.size(); }
    const uint8_t* Bytes() const { return m_Bytes.data(); }

private:
    std::vector<uint8_t> m_Bytes;
    cPixelView m_View;
};

cPixelRules Rules565() {
    cPixelRules rules;
    rules.Format.nRedShift = 11;
    rules.Format.nGreenShift = 5;
    rules.Format.dwRedMask = 31;
    rules.Format.dwGreenMask = 63;
    rules.Format.dwBlueMask = 31;
    return rules;
}

}  // namespace

void BenchEffects() {
    PrintHeader("effects: one 640 x 480 frame");
    cFrame source16(2), dest16(2), source8(1), dest8(1);
    const cPixelView& s = source16.View();
    const cPixelView& d = dest16.View();
    cPixelRules rules = Rules565();
    std::vector<uint8_t> mixTable(256 * 256);
    for (size_t i = 0; i < mixTable.size(); ++i) mixTable[i] = static_cast<uint8_t>((i >> 8) / 2 + (i & 255) / 2);
    rules.lpMixTable = mixTable.data();
    PALETTEENTRY palette[256] = {};
    palette[7] = {31, 10, 3, 0};

    struct cEffect {
        const char* name;
        bool eightBit;
        std::function<void()> run;
    };
    const cEffect effects[] = {
        {"fade k=128, 16 bit", false, [&] { FadePixels(d, 128, 0, 0, 0, s, rules); }},
        {"mosaic n=1, 16 bit", false, [&] { MosaicPixels(d, 0, 0, kWidth, kHeight, 1, s, 0, 0, 0, rules); }},
        {"mosaic n=8, 16 bit", false, [&] { MosaicPixels(d, 0, 0, kWidth, kHeight, 8, s, 0, 0, 0, rules); }},
        {"mosaic n=8 keyed, 16 bit", false, [&] { MosaicPixels(d, 0, 0, kWidth, kHeight, 8, s, 0, 0, 1, rules); }},
        {"tint n=1, 16 bit", false,
         [&] { TintPixels(d, 0, 0, kWidth, kHeight, s, 0, 0, 0, palette, 7, 1, rules); }},
        {"tint n=3 keyed, 16 bit", false,
         [&] { TintPixels(d, 0, 0, kWidth, kHeight, s, 0, 0, 1, palette, 7, 3, rules); }},
        {"half, 16 bit", false, [&] { HalfPixels(d, 0, 0, kWidth, kHeight, s, 0, 0, 0, nullptr, rules); }},
        {"half keyed, 16 bit", false, [&] { HalfPixels(d, 0, 0, kWidth, kHeight, s, 0, 0, 1, nullptr, rules); }},
        {"blur r=1, 16 bit", false, [&] { BlurPixels(d, 0, 0, kWidth, kHeight, 1, 1, s, 0, 0, 0, rules); }},
        {"blur r=2, 16 bit", false, [&] { BlurPixels(d, 0, 0, kWidth, kHeight, 2, 2, s, 0, 0, 0, rules); }},
        {"blur r=4, 16 bit", false, [&] { BlurPixels(d, 0, 0, kWidth, kHeight, 4, 4, s, 0, 0, 0, rules); }},
        {"blur r=4 keyed, 16 bit", false, [&] { BlurPixels(d, 0, 0, kWidth, kHeight, 4, 4, s, 0, 0, 1, rules); }},
        {"half through the mix table, 8 bit", true,
         [&] { HalfPixels(dest8.View(), 0, 0, kWidth, kHeight, source8.View(), 0, 0, 0, rules.lpMixTable, rules); }},
        {"tint n=1 through the mix table, 8 bit", true,
         [&] { TintPixels(dest8.View(), 0, 0, kWidth, kHeight, source8.View(), 0, 0, 0, palette, 7, 1, rules); }},
    };
    for (const cEffect& e : effects) {
        const cFrame& from = e.eightBit ? source8 : source16;
        const cFrame& to = e.eightBit ? dest8 : dest16;
        uint8_t* copy = to.View().lpBits;
        cTiming effect, reference;
        TimeAlternating(kRuns, nullptr, e.run, effect, [&] { memcpy(copy, from.Bytes(), from.Size()); }, reference);
        PrintRow(e.name, effect, e.eightBit ? "memcpy of the frame (307,200 B)" : "memcpy of the frame (614,400 B)",
                 reference);
    }
}
