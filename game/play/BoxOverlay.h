#pragma once
// The player's hit boxes drawn over the stage, as the stage's settings ask, so that an author can
// see what the hero meets enemies, items and shots with: each box hidden, filled half through or
// outlined, in one of seven colours or a rainbow that moves on every 8 drawn frames. Drawing only:
// nothing here is read by play, and the blink counters stay out of the state hash.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "game/media/PixelEffect.h"
#include "game/media/PixelView.h"
#include "game/media/Surface.h"
#include "game/play/Collisions.h"

class cActor;
class cEdStage;

// The boxes in the order of the stage's rows: against enemies, against items, against shots.
enum eOverlayBox { eOverlayEnemyBox, eOverlayItemBox, eOverlayShotBox, eOverlayBoxes };
// The rows of the stage's "show" list.
enum eOverlayStyle { eOverlayHidden, eOverlayFilled, eOverlayOutline };
// The rows of the stage's colour list; the last one cycles.
enum eOverlayColour {
    eOverlayRed,
    eOverlayGreen,
    eOverlayBlue,
    eOverlayYellow,
    eOverlayMagenta,
    eOverlayViolet,
    eOverlayBlack,
    eOverlayRainbow
};

struct cBoxOverlay {
    int32_t box = eOverlayEnemyBox;
    int32_t shown = eOverlayHidden;
    int32_t colour = eOverlayRed;
    int32_t blink = 0;  // 0-31; the rainbow shows colour blink >> 3
};

const int32_t kOverlayBlinkEnd = 31;

// The overlays of the three boxes from the stage's settings, larger boxes first so that smaller
// ones are drawn over them; equal areas keep the order items, enemies, shots.
std::vector<cBoxOverlay> BuildBoxOverlays(const cActor& player, const cEdStage& stage);
// The box an overlay shows, in stage dots: the very box play tests the player with.
cHitBox OverlayBox(const cActor& player, int32_t box);
// Every shown overlay's blink counter moves on, back to 0 past 31.
void StepBoxOverlays(std::vector<cBoxOverlay>& overlays);
// The colour of a row at a blink count; a row outside the list is red.
cRgb OverlayRgb(int32_t colour, int32_t blink);
// The colour as a pixel of the view's depth: direct colour at 2 bytes a pixel, else the nearest
// palette entry (entry 0, the transparent one, never).
uint32_t OverlayPixel(const cRgb& rgb, int bytesPerPixel, const cPixelFormat& format, const PALETTEENTRY* palette);
// One box on a view, clipped to it: filled, each pixel halfway between what is there and the
// colour (through the mix table at depth 8), or a solid outline one dot wide. Any other style
// draws nothing.
void BoxOverlayPixels(const cPixelView& dest, int x, int y, int w, int h, int style, uint32_t pixel,
                      const cPixelRules& rules);
// The player's shown overlays on the surface, over its drawing box; nothing for a player that is
// dead or gone.
void PaintBoxOverlays(const cActor& player, const std::vector<cBoxOverlay>& overlays, cSurface& dest);
