#pragma once
// Where the input records read the keyboard and the joysticks. The game reads the real devices;
// tests hand the polls a source of their own.
#include <windows.h>

// One joystick's axes (0 to 65535, centred near 32767) and its button bits.
struct cJoyState {
    DWORD dwX;
    DWORD dwY;
    DWORD dwButtons;
};

class cInputDevices {
public:
    virtual ~cInputDevices() = default;
    // Whether the virtual key is down now.
    virtual bool KeyDown(int virtualKey) const = 0;
    // False when joystick n cannot be read (absent, unplugged).
    virtual bool ReadJoystick(int n, cJoyState& state) const = 0;
};

// GetAsyncKeyState and joyGetPosEx.
const cInputDevices& SystemInputDevices();
