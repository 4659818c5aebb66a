#pragma once
// Keys and the mouse through the input queue, as the keyboard and the hand use them: keys go to
// the window with the focus, the mouse acts where it is on the screen.
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

// A move of the mouse to the point of the screen (a warp of the pointer may pass unseen).
inline void MouseAt(int x, int y) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = (x * 65536 + 32768) / GetSystemMetrics(SM_CXSCREEN);
    input.mi.dy = (y * 65536 + 32768) / GetSystemMetrics(SM_CYSCREEN);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

// A button of the mouse pressed or let go (MOUSEEVENTF_LEFTDOWN and the like) where it is.
inline void MouseButton(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}
