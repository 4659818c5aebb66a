#pragma once
// Effects of the Effect table shown at a place of the stage: by the flow command, or at the spot
// where two objects hit. The play scene steps the animation in its own pass; the painter shows
// the frame it stands on.
#include <cstdint>

#include "framework/AnimePlayer.h"
#include "framework/Geometry.h"
#include "game/media/Surface.h"

class cPlayRandom;
class cPlayScene;

class cEffectObj {
public:
    // Shown at (x, y) of the stage with the given size; the animation starts.
    void Create(int32_t number, double x, double y, int32_t width, int32_t height, int32_t countWhileHeld);
    // At a hit: scaled up when the scale is above 1 and the effect has frames, centred on where
    // the two boxes overlap (on the stage's origin when they do not), then moved by a jitter of
    // up to 4 dots (times the scale) each way from the scene's generator. A number the table
    // does not have is reported and entry 0 is shown.
    void CreateAtHit(int32_t number, const cRect& first, const cRect& second, int32_t scale, cPlayRandom& random);
    // The scene's pass before the picture: unless held (or always when it counts while held)
    // the animation moves on; 1 once it has ended.
    int Step(int hold);
    void Paint(const cPlayScene& scene, cSurface& dest) const;

    int32_t m_Number = 0;
    double m_X = 0.0;
    double m_Y = 0.0;
    int32_t m_Width = 0;
    int32_t m_Height = 0;
    int32_t m_Scaled = 0;
    cAnimePlayer m_Anime;
    int32_t m_Cell = 0;  // the frame showing
    int32_t m_CountWhileHeld = 0;

private:
    void StartAnimation();
};
