#pragma once
// A keyboard and joysticks that tests set by hand, counting the joystick queries.
#include <map>
#include <set>
#include <vector>

#include "game/core/InputDevices.h"

const DWORD kAxisCentre = 32767;

class cFakeDevices : public cInputDevices {
public:
    bool KeyDown(int virtualKey) const override { return keys.count(virtualKey) != 0; }
    bool ReadJoystick(int n, cJoyState& state) const override {
        queries.push_back(n);
        auto it = joysticks.find(n);
        if (it == joysticks.end()) return false;
        state = it->second;
        return true;
    }
    // Plugs joystick n in, centred with no button down.
    cJoyState& Plug(int n) { return joysticks[n] = cJoyState{kAxisCentre, kAxisCentre, 0}; }

    std::set<int> keys;
    std::map<int, cJoyState> joysticks;
    mutable std::vector<int> queries;
};
