#pragma once
// What the editor's tool windows (palette windows, the chara group window) pass on to the main
// window: its accelerator commands and the space key.
#include <windows.h>

// Posts the command to the main window when it is one of the main window's accelerator
// commands (new, open, save, test play, redo, undo, whole-game test play); true then. Posted:
// opening or closing a stage rebuilds the main window and the tool windows with it.
bool PassCommandToMain(int command);
// Posts the space key to the main window (which then changes the layer and so replaces the
// tool windows); true for the space key.
bool PassSpaceToMain(WPARAM key, LPARAM keyData);
