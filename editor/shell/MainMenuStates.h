#pragma once
// The main window's menu and toolbar: the toolbar's buttons, and which menu items and buttons are
// enabled and checked, with a stage open or none, by the current layer and by the undo history.
// The main window calls these with its own menu and toolbar; either may be null.
#include <windows.h>

#include <cstdint>

class cChildWnd;
class cUndoHistory;

// The buttons, into the window's toolbar: new, open and save, undo and redo, the three layers
// and the two test plays.
void AddMainToolButtons(cChildWnd& wnd, HWND toolbar);
// Every command: those always at hand, those that need an open stage, and the views' marks.
void ShowCommandStates(HMENU menu, HWND toolbar, bool open);
// The current layer's check marks; the layer buttons need an open stage.
void ShowLayerMarks(HMENU menu, HWND toolbar, bool open, int32_t layer);
// Undo and Redo, each while an open stage's history holds a step on its side.
void ShowUndoStates(HMENU menu, HWND toolbar, bool open, const cUndoHistory& history);

// The views of the tool windows (ID_VIEW_COMMON, ID_VIEW_STAGE, ID_VIEW_GROUP), as the editor's
// configuration keeps them: the three palette windows of one palette go together.
bool IsViewShown(int command);
void SetViewShown(int command, bool shown);
