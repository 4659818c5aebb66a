#include "game/media/Fade.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "framework/Format.h"
#include "game/media/Blit.h"
#include "game/media/Display.h"
#include "game/media/PixelEffect.h"
#include "game/media/StableMath.h"

namespace {

const double kFadeOutStart = 90;
const double kFadeInStart = 0;

double g_fadeOutAngle = kFadeOutStart;
double g_fadeInAngle = kFadeInStart;

bool IsRange(int first, int last) { return first >= 0 && first <= last && last < kPaletteSize; }

// Draws the fade at the angle: the palette at depth 8, the back buffer from the snapshot else.
void DrawFade(PALETTEENTRY* current, int first, int last, int red, int green, int blue, double angle,
              const PALETTEENTRY* base) {
    cDisplayState& d = Display();
    int k = static_cast<int>(MathSin(angle * kPi / 180.0) * 256);
    if (d.nBpp == 8) {
        DDMixPalette(current, first, last, k, red, green, blue, base);
        if (d.lpPalette && IsRange(first, last))
            d.lpPalette->SetEntries(0, first, last - first + 1, current + first);
    } else {
        DDBltFade(d.Back, k, red, green, blue, d.Work);
    }
}

void TakeSnapshot() {
    cDisplayState& d = Display();
    if (d.nBpp != 8) DDBlt(d.Work, 0, 0, d.Work.nWidth, d.Work.nHeight, d.Back, 0, 0, 0);
}

}  // namespace

bool DDFadeOut(PALETTEENTRY* current, int first, int last, int red, int green, int blue, double step,
               const PALETTEENTRY* base, int finish) {
    if (g_fadeOutAngle == kFadeOutStart) TakeSnapshot();
    if (finish) g_fadeOutAngle = 0;
    DrawFade(current, first, last, red, green, blue, g_fadeOutAngle, base);
    if (g_fadeOutAngle > 0) {
        g_fadeOutAngle = std::max(g_fadeOutAngle - step, 0.0);
        return false;
    }
    g_fadeOutAngle = kFadeOutStart;
    return true;
}

bool DDFadeIn(PALETTEENTRY* current, int first, int last, int red, int green, int blue, double step,
              const PALETTEENTRY* base, int finish) {
    if (g_fadeInAngle == kFadeInStart) TakeSnapshot();
    if (finish) g_fadeInAngle = 90;
    DrawFade(current, first, last, red, green, blue, g_fadeInAngle, base);
    if (g_fadeInAngle >= 90) {
        g_fadeInAngle = kFadeInStart;
        return true;
    }
    g_fadeInAngle = std::min(g_fadeInAngle + step, 90.0);
    return false;
}

void DDMixPalette(PALETTEENTRY* out, int first, int last, int k, int red, int green, int blue,
                  const PALETTEENTRY* base) {
    if (!IsRange(first, last)) return;
    for (int i = first; i <= last; ++i) {
        const PALETTEENTRY& b = base[i];
        out[i].peRed = static_cast<BYTE>((red * (256 - k) + k * b.peRed) >> 8);
        out[i].peGreen = static_cast<BYTE>((green * (256 - k) + k * b.peGreen) >> 8);
        out[i].peBlue = static_cast<BYTE>((blue * (256 - k) + k * b.peBlue) >> 8);
        out[i].peFlags = 1;
    }
}

void DDRotatePalette(PALETTEENTRY* out, int first, int last, int n, int direction, const PALETTEENTRY* base) {
    std::copy(base, base + kPaletteSize, out);
    if (!IsRange(first, last) || (direction != 0 && direction != 1)) return;
    int length = last - first + 1;
    int shift = ((direction == 0 ? n : -n) % length + length) % length;
    for (int i = 0; i < length; ++i) out[first + (i + shift) % length] = base[first + i];
}

bool DDLoadMixTable(uint8_t* table, const char* file) {
    FILE* fp = fopen(file, "rb");
    if (!fp) return false;
    std::vector<uint8_t> bytes(kMixTableSize);
    size_t read = fread(bytes.data(), 1, bytes.size(), fp);
    fclose(fp);
    if (read != bytes.size()) return false;
    std::copy(bytes.begin(), bytes.end(), table);
    return true;
}

std::string DDMixTableName(int paletteSet) {
    return Format("bmp\\hbt\\hbt%s.dat", Format("%02d", paletteSet).c_str());
}
