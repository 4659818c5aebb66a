#pragma once
// Keys typed through the input queue, as the keyboard types them, to the window with the focus.
#include <windows.h>

#include <vector>

// The keys pressed in their order and let go in the reverse one, in a single input: {VK_CONTROL,
// 'S'} types Ctrl+S, {VK_ESCAPE} the Escape key.
inline void TypeChord(const std::vector<WORD>& keys) {
    std::vector<INPUT> inputs(keys.size() * 2);
    for (size_t i = 0; i < inputs.size(); ++i) {
        const bool up = i >= keys.size();
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = up ? keys[inputs.size() - 1 - i] : keys[i];
        inputs[i].ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// One key pressed or let go.
inline void SendKey(WORD vk, bool down) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
}
