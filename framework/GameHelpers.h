#pragma once
// Framework pieces that only the game program uses.
#include <windows.h>

// Logs the formatted line (when the log is on) and posts WM_CLOSE to the window in every case.
void ErrorLogAndClose(HWND wnd, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Toolkit API: one shared counter for acting every n-th frame, offered to the scenes. Mode 0 resets, mode 2 asks whether the
// counter stands at 0, any other mode counts and returns 1 on reaching the period.
int TickCounter(int mode, int period);

// name.ext -> name_ab.ext; false when the name has no extension. out holds MAX_PATH bytes.
bool MakeNumberedName(char* out, const char* name, int a, int b);
