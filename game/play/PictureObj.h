#pragma once
// Pictures of the Picture table shown at a place of the stage by the flow command. The command
// loads the picture; the object holds it for as long as it is shown.
#include <cstdint>
#include <memory>

#include "game/media/Surface.h"

class cPlayScene;

class cPictureObj {
public:
    // Scaled when the percent is not 100. Time mode as for texts (2: for frames).
    void Set(int32_t number, double x, double y, int32_t width, int32_t height, int32_t percent, int32_t timeMode,
             int32_t frames, int32_t countWhileHeld);
    // The scene's pass: a timed picture counts down (unless held, or always when it counts while
    // held); 1 once its time has run out.
    int Step(int hold);
    void Paint(const cPlayScene& scene, cSurface& dest) const;

    int32_t m_Number = 0;
    double m_X = 0.0;
    double m_Y = 0.0;
    int32_t m_Width = 0;
    int32_t m_Height = 0;
    int32_t m_Scaled = 0;
    int32_t m_TimeMode = 0;
    int32_t m_Frames = 0;
    int32_t m_CountWhileHeld = 0;
    std::shared_ptr<cSurface> m_Picture;  // released with the last object that shows it
};

// A surface record that is released when the last holder lets it go.
std::shared_ptr<cSurface> MakeSharedSurface();
