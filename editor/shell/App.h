#pragma once
// The editor's start-up, message loop and shut-down: the top of the shell, called by WinMain
// alone (and by the tests and tools that start the editor's parts as it does).
//
// WinMain prepares the logs, refuses a second instance, registers the window class and calls
// InitApp, which makes the folders, sets up sound, loads the configuration and the project and
// creates the frame (off screen, never drawn) and the main window (a modeless dialog the frame
// owns). The loop then dispatches messages and, while the editor is active and nothing waits,
// runs IdleFrame; ExitApp stores the editor's state when the loop ends. What the windows share
// meanwhile is in EditorState.h.
#include <windows.h>

struct cAppState;

// The whole run: what WinMain does. 0 when start-up fails, else the WM_QUIT code.
int EditorMain(HINSTANCE instance);
// Registers the window class of the frame; false when the system refuses.
bool RegisterEditorClass(HINSTANCE instance);
bool InitApp();
void ExitApp();
// One idle pass; always true.
bool IdleFrame();
// Whether the game program has taken the display (a desktop of width x height) for a full-screen
// test play: the editor then stops its idle passes until it is activated again. A desktop of
// that size outside a test play is the author's own.
bool GameHasTheScreen(const cAppState& state, int width, int height);
// Dispatches messages until WM_QUIT (its code), running idle passes in between.
int RunMessageLoop();
