#pragma once
#include <windows.h>

// Pulls a window's position back onto the desktop: its right and bottom edges inside, and then
// its left and top edges, so that a window larger than the desktop keeps its title bar in reach.
inline void KeepInsideDesktop(int* x, int* y, int width, int height) {
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    if (*x + width > desktop.right) *x = desktop.right - width;
    if (*y + height > desktop.bottom) *y = desktop.bottom - height;
    if (*x < desktop.left) *x = desktop.left;
    if (*y < desktop.top) *y = desktop.top;
}
