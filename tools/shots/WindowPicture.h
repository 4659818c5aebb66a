#pragma once
// What the screen shows of a window, written as a 24-bit BMP file: the picture programs of the
// documents take their windows with it.
#include <windows.h>

#include <string>

bool SaveWindowPicture(HWND wnd, const std::string& path);
