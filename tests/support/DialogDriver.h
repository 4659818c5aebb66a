#pragma once
// Acts on a modal dialog from inside its own message loop: a timer looks among the thread's
// windows for the one the test means and, once it is open, hands it to the test's action.
#include <windows.h>

#include <functional>

void DriveDialog(std::function<bool(HWND)> isMine, std::function<void(HWND)> drive);
