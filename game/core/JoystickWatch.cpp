#include "game/core/JoystickWatch.h"

#include <utility>

cJoystickWatch::cJoystickWatch(Reader read) : m_Read(std::move(read)) {
    for (std::atomic<int>& seen : m_Seen) seen = eNotAsked;
}

cJoystickWatch::~cJoystickWatch() {
    if (!m_hThread) return;
    m_bStop = true;
    SetEvent(m_hWake);
    WaitForSingleObject(m_hThread, INFINITE);
    CloseHandle(m_hThread);
    CloseHandle(m_hWake);
}

bool cJoystickWatch::Read(int n, cJoyState& state) {
    if (n < 0 || n >= kJoysticks) return false;
    if (m_Seen[n] != eMissing) {
        if (m_Read(n, state)) {
            m_Seen[n] = eAnswered;
            return true;
        }
        m_Seen[n] = eMissing;
    }
    LookFor(n);
    return false;
}

// Without a thread to look (it could not be made) the joystick is not looked for again.
void cJoystickWatch::LookFor(int n) {
    if (!m_hThread) {
        m_hWake = CreateEventA(nullptr, FALSE, FALSE, nullptr);
        if (!m_hWake) return;
        m_hThread = CreateThread(nullptr, 0, Looking, this, 0, nullptr);
        if (!m_hThread) {
            CloseHandle(m_hWake);
            m_hWake = nullptr;
            return;
        }
    }
    m_Wanted |= 1u << n;
    SetEvent(m_hWake);
}

DWORD WINAPI cJoystickWatch::Looking(void* parameter) {
    cJoystickWatch& watch = *static_cast<cJoystickWatch*>(parameter);
    for (;;) {
        WaitForSingleObject(watch.m_hWake, INFINITE);
        if (watch.m_bStop) return 0;
        const unsigned wanted = watch.m_Wanted.exchange(0);
        for (int n = 0; n < kJoysticks; ++n) {
            cJoyState state;
            if ((wanted >> n & 1) && watch.m_Read(n, state)) watch.m_Seen[n] = eNotAsked;
        }
    }
}
