#pragma once
// The state of the two mouse buttons with press and release edges. The previous states and the
// press latches are shared by every object: call Update once per frame or message.

// Bits of Update: read the buttons, find the press edges, find the release edges.
const int kMouseRead = 1;
const int kMousePress = 2;
const int kMouseRelease = 4;

class cMouseButtons {
public:
    void Update(int what);

    int m_LeftDown = 0;
    int m_RightDown = 0;
    int m_LeftPressed = 0;   // went down since the last update (once per hold)
    int m_RightPressed = 0;
    int m_LeftReleased = 0;  // went up since the last update
    int m_RightReleased = 0;
};
