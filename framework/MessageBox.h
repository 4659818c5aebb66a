#pragma once
// The framework's message boxes: every failure shown to the user goes through these.
#include <windows.h>

struct IDirectDraw7;

int AppMessageBox(HWND owner, const char* text, const char* caption, UINT type);
int ActiveMessageBox(const char* text, const char* caption, UINT type);
void ErrorMessage(const char* text);
void ErrorBox(const char* format, ...) __attribute__((format(printf, 1, 2)));
void ErrorBoxTo(HWND owner, const char* format, ...) __attribute__((format(printf, 2, 3)));
void DebugBox(const char* format, ...) __attribute__((format(printf, 1, 2)));
void OutOfMemory();

// Shows a box over full-screen DirectDraw: flips to the GDI surface first and shows the cursor
// while the box is up. Returns the box's answer, 0 when the flip fails (nothing is shown).
int DDMessageBox(const char* text, const char* caption, UINT type);

// The media layer tells the boxes whether full-screen DirectDraw is active: the DirectDraw
// object (null when none) and the window-mode flag.
void SetBoxDisplayState(IDirectDraw7* directDraw, bool windowMode);

// Every box of the system ends in this call, so that a test can answer in place of a person
// (SetMessageBoxHook, TestSeams.h).
int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type);
