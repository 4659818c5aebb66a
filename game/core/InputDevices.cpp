#include "game/core/InputDevices.h"

#include <mmsystem.h>

#include "game/core/JoystickWatch.h"

namespace {

class cSystemDevices : public cInputDevices {
public:
    bool KeyDown(int virtualKey) const override {
        if (virtualKey <= 0 || virtualKey > 255) return false;
        return (GetAsyncKeyState(virtualKey) & 0x8000) != 0;
    }

    bool ReadJoystick(int n, cJoyState& state) const override {
        static cJoystickWatch watch(ReadSystemJoystick);
        return watch.Read(n, state);
    }

private:
    static bool ReadSystemJoystick(int n, cJoyState& state) {
        JOYINFOEX info = {};
        info.dwSize = sizeof info;
        info.dwFlags = JOY_RETURNX | JOY_RETURNY | JOY_RETURNBUTTONS;
        if (joyGetPosEx(JOYSTICKID1 + n, &info) != JOYERR_NOERROR) return false;
        state.dwX = info.dwXpos;
        state.dwY = info.dwYpos;
        state.dwButtons = info.dwButtons;
        return true;
    }
};

}  // namespace

const cInputDevices& SystemInputDevices() {
    static cSystemDevices devices;
    return devices;
}
