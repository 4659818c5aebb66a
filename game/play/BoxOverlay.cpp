#include "game/play/BoxOverlay.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "data/Stage.h"
#include "game/media/Display.h"
#include "game/play/CharaActor.h"

namespace {

const cRgb kColours[] = {
    {255, 0, 0},    // red
    {0, 255, 0},    // green
    {0, 0, 255},    // blue
    {255, 255, 0},  // yellow
    {255, 0, 255},  // magenta
    {128, 0, 255},  // violet
    {0, 0, 0},      // black
};
const int kColourCount = sizeof kColours / sizeof kColours[0];
// The rainbow's four colours, one for each 8 counts of the blink counter.
const int kRainbow[] = {eOverlayRed, eOverlayYellow, eOverlayGreen, eOverlayBlue};

int32_t Area(const cHitBox& box) {
    return box.Empty() ? 0 : static_cast<int32_t>((box.right - box.left + 1) * (box.bottom - box.top + 1));
}

uint32_t Channel(uint32_t pixel, int shift, uint32_t mask) { return (pixel >> shift) & mask; }

// Halfway between two direct-colour pixels, channel by channel.
uint32_t Half(uint32_t a, uint32_t b, const cPixelFormat& f) {
    auto half = [&](int shift, uint32_t mask) {
        return ((Channel(a, shift, mask) + Channel(b, shift, mask)) >> 1) << shift;
    };
    return half(f.nRedShift, f.dwRedMask) | half(f.nGreenShift, f.dwGreenMask) | half(f.nBlueShift, f.dwBlueMask);
}

}  // namespace

cHitBox OverlayBox(const cActor& player, int32_t box) {
    switch (box) {
        case eOverlayEnemyBox: return CharaHitBox(player);
        case eOverlayItemBox: return PickUpBox(player);
        case eOverlayShotBox: return ShotHitBox(player);
        default: return cHitBox();
    }
}

std::vector<cBoxOverlay> BuildBoxOverlays(const cActor& player, const cEdStage& stage) {
    std::vector<cBoxOverlay> overlays;
    for (int32_t box : {eOverlayItemBox, eOverlayEnemyBox, eOverlayShotBox}) {
        cBoxOverlay overlay;
        overlay.box = box;
        overlay.shown = stage.m_HitDisplay[box];
        overlay.colour = stage.m_HitColor[box];
        overlays.push_back(overlay);
    }
    std::stable_sort(overlays.begin(), overlays.end(), [&](const cBoxOverlay& a, const cBoxOverlay& b) {
        return Area(OverlayBox(player, a.box)) > Area(OverlayBox(player, b.box));
    });
    return overlays;
}

void StepBoxOverlays(std::vector<cBoxOverlay>& overlays) {
    for (cBoxOverlay& overlay : overlays) {
        if (overlay.shown == eOverlayHidden) continue;
        if (++overlay.blink > kOverlayBlinkEnd || overlay.blink < 0) overlay.blink = 0;
    }
}

cRgb OverlayRgb(int32_t colour, int32_t blink) {
    if (colour == eOverlayRainbow) colour = kRainbow[(blink & kOverlayBlinkEnd) >> 3];
    return colour >= 0 && colour < kColourCount ? kColours[colour] : kColours[eOverlayRed];
}

uint32_t OverlayPixel(const cRgb& rgb, int bytesPerPixel, const cPixelFormat& format, const PALETTEENTRY* palette) {
    if (bytesPerPixel == 2) return RgbToPixel(rgb, format);
    uint32_t nearest = 1;
    int best = INT_MAX;
    for (int i = 1; i < kPaletteSize; ++i) {
        const int dr = palette[i].peRed - rgb.r, dg = palette[i].peGreen - rgb.g, db = palette[i].peBlue - rgb.b;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < best) {
            best = distance;
            nearest = static_cast<uint32_t>(i);
        }
    }
    return nearest;
}

void BoxOverlayPixels(const cPixelView& dest, int x, int y, int w, int h, int style, uint32_t pixel,
                      const cPixelRules& rules) {
    if (style != eOverlayFilled && style != eOverlayOutline) return;
    const bool indexed = dest.nBytesPerPixel == 1;
    if (style == eOverlayFilled && indexed && !rules.lpMixTable) return;
    const int left = std::max(x, 0), top = std::max(y, 0);
    const int right = std::min(x + w, dest.nWidth), bottom = std::min(y + h, dest.nHeight);
    for (int j = top; j < bottom; ++j)
        for (int i = left; i < right; ++i) {
            if (style == eOverlayOutline) {
                if (i == x || i == x + w - 1 || j == y || j == y + h - 1) dest.Set(i, j, pixel);
                continue;
            }
            const uint32_t under = dest.Get(i, j);
            dest.Set(i, j, indexed ? rules.lpMixTable[pixel + under * 256] : Half(under, pixel, rules.Format));
        }
}

void PaintBoxOverlays(const cActor& player, const std::vector<cBoxOverlay>& overlays, cSurface& dest) {
    if (!player.m_Present || player.m_Dead) return;
    bool any = false;
    for (const cBoxOverlay& overlay : overlays) any = any || overlay.shown != eOverlayHidden;
    if (!any) return;
    cLockedView locked(dest);
    if (!locked.IsLocked()) return;
    const cPixelView& view = locked.View();
    const cPixelRules rules = DisplayPixelRules();
    // The drawing box's corner, in stage dots and on the screen.
    const double cornerX = player.m_X - player.m_DrawOffsetX, cornerY = player.m_Y - player.m_DrawOffsetY;
    for (const cBoxOverlay& overlay : overlays) {
        if (overlay.shown == eOverlayHidden) continue;
        const cHitBox box = OverlayBox(player, overlay.box);
        if (box.Empty()) continue;
        const int x = static_cast<int>(std::lround(box.left - cornerX)) + player.m_ScreenRect.left;
        const int y = static_cast<int>(std::lround(box.top - cornerY)) + player.m_ScreenRect.top;
        const int w = static_cast<int>(std::lround(box.right - box.left)) + 1;
        const int h = static_cast<int>(std::lround(box.bottom - box.top)) + 1;
        const uint32_t pixel =
            OverlayPixel(OverlayRgb(overlay.colour, overlay.blink), view.nBytesPerPixel, rules.Format, Display().Palette);
        BoxOverlayPixels(view, x, y, w, h, overlay.shown, pixel, rules);
    }
}
