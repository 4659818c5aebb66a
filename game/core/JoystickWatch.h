#pragma once
// Reads joysticks so that one that is not there costs the frame nothing. Under Wine, asking for a
// joystick that is not there makes the system look for devices again (at most every two seconds),
// which takes from ten to a few hundred milliseconds, and the input asks again every two seconds
// while none answers: each time a frame would be shown that much late. So a joystick is read where
// it is asked for the first time and while it answers; once it has not answered, it is looked for
// again on the watch's own thread, and read where it is asked again once that thread found it.
#include <windows.h>

#include <atomic>
#include <functional>

#include "game/core/InputDevices.h"

class cJoystickWatch {
public:
    static constexpr int kJoysticks = 16;
    typedef std::function<bool(int n, cJoyState& state)> Reader;

    explicit cJoystickWatch(Reader read);
    // Ends the looking thread (after a look it is in the middle of).
    ~cJoystickWatch();
    cJoystickWatch(const cJoystickWatch&) = delete;
    cJoystickWatch& operator=(const cJoystickWatch&) = delete;

    // False for a joystick outside 0-15, one that does not answer, and one that is being looked for.
    bool Read(int n, cJoyState& state);

private:
    enum eSeen { eNotAsked, eAnswered, eMissing };
    void LookFor(int n);
    static DWORD WINAPI Looking(void* watch);

    Reader m_Read;
    std::atomic<int> m_Seen[kJoysticks];
    std::atomic<unsigned> m_Wanted{0};
    std::atomic<bool> m_bStop{false};
    HANDLE m_hWake = nullptr;
    HANDLE m_hThread = nullptr;
};
