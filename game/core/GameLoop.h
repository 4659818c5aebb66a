#pragma once
// The game-loop thread: every frame waits for its deadline (sleeping, not spinning), repairs lost
// surfaces, polls the input, switches scenes when one was asked for, runs the current scene,
// draws the frame-rate text and presents.
#include <windows.h>

#include <cstdint>

class cInput;

// Frames per second, the menu fades' step in degrees per frame, and the scene manager's two factors
// at 1.0.
void SetFrameSettings(int fps, int fadeStep);
// While off, frames are not paced (until the display is up).
void SetFrameWait(bool on);

// The frame-rate average: frame times in a ring of 16; every 16th frame the average of the ring
// becomes the shown one.
class cFrameTimeRing {
public:
    static constexpr int kSize = 16;
    void Add(int32_t milliseconds);
    uint32_t Average() const { return m_Average; }
    int Position() const { return m_Position; }

private:
    int32_t m_Times[kSize] = {};
    int32_t m_Position = 0;
    uint32_t m_Average = 0;
};

// The thread procedure of the game thread; returns 1.
DWORD WINAPI GameLoop(void* parameter);
// One frame; 0 when the game cannot go on (lost surfaces that cannot be restored).
int Frame();
// Repairs lost surfaces; 0 when that fails.
int FrameStart();
// Shows the back buffer: blitted into the window, blitted to the full-screen primary, or flipped.
void Present();


// Reads player 0 into the given record from the custom key table when it is on, else from the
// fixed keys and joystick 0.
void PollInput(cInput& input);
