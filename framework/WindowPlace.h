#pragma once
#include <windows.h>

// Pulls a window's position back so that its right and bottom edges stay inside the desktop.
inline void KeepInsideDesktop(int* x, int* y, int width, int height) {
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    if (*x + width > desktop.right) *x = desktop.right - width;
    if (*y + height > desktop.bottom) *y = desktop.bottom - height;
}
