#include "framework/MouseButtons.h"

#include <windows.h>

namespace {

int g_prevLeft = 0;
int g_prevRight = 0;
int g_leftLatch = 0;
int g_rightLatch = 0;

void PressEdge(int down, int* latch, int* pressed) {
    if (!down) {
        *latch = 0;
        *pressed = 0;
    } else if (!*latch) {
        *latch = 1;
        *pressed = 1;
    } else {
        *pressed = 0;
    }
}

}  // namespace

void cMouseButtons::Update(int what) {
    g_prevLeft = m_LeftDown;
    g_prevRight = m_RightDown;
    if (what & kMouseRead) {
        m_LeftDown = (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0;
        m_RightDown = (GetAsyncKeyState(VK_RBUTTON) & 0x8000) != 0;
    }
    if (what & kMousePress) {
        PressEdge(m_LeftDown, &g_leftLatch, &m_LeftPressed);
        PressEdge(m_RightDown, &g_rightLatch, &m_RightPressed);
    }
    if (what & kMouseRelease) {
        m_LeftReleased = g_prevLeft && !m_LeftDown;
        m_RightReleased = g_prevRight && !m_RightDown;
    }
}
