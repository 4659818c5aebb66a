#pragma once
// What the world map window, its two palettes and the event dialog share without knowing one
// another: where each window opens and is remembered, and whether the map has unsaved changes.
#include <windows.h>

class cChildWnd;

// Stores a world map window's placement into the editor configuration and saves it.
void StoreWorldPlacement(int slot, HWND wnd, int contentWidth, int contentHeight);
// Where a world map window opens: where its slot remembers it; else over the parent window's
// top-left corner, or for a palette beside the parent's right edge, 10 dots down. False when
// neither is known.
bool WorldPlacementPoint(int slot, const cChildWnd* parent, bool palette, POINT* at);
// Set by every change of the world map, cleared by a save. Closing without saving keeps it, as
// the changes stay in memory: the next close asks again.
int& WorldMapModified();
