#pragma once
// What the screen shows of a window, written as a 24-bit BMP file: the picture programs of the
// documents take their windows with it.
#include <windows.h>

#include <functional>
#include <string>

bool SaveWindowPicture(HWND wnd, const std::string& path);

// What the programs that picture the editor's windows share: the folder the pictures go to, a
// message pump that lets the windows paint, and a hook that pictures a modal dialog while it runs.
// The program's name starts what is told on stderr.
void SetPictureFolder(const std::string& folder, const char* program);
// Runs the thread's messages for ms milliseconds, the editor's dialog keys first.
void PumpMessages(DWORD ms);
// Brings the window forward, lets it paint and writes FOLDER\name.bmp.
void ShootWindow(HWND wnd, const char* name);
// Runs open, which shows a modal dialog with the caption and returns when the dialog ends: once
// the dialog shows, act gets it (to picture it and close it).
void WhileModal(const char* caption, const std::function<void()>& open, const std::function<void(HWND)>& act);
