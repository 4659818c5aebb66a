#pragma once
// What the game does with its system data beyond reading it: how many ranking kinds a play kind
// shows, and boxes of system texts centred on a point.
#include "data/SystemData.h"
#include "game/media/Surface.h"

// Ranking kinds that can be viewed in the play kind (0 story, 1 challenge, 2 free, 3 replay):
// none while its rankings are off.
int CountShownEntries(const cSystemData& system, int playKind);

// The left edge of a box of system texts first ... first + count - 1 centred on x: the box is
// (widest line + 1) cells of 16 dots wide.
int CenterTextBoxX(const cSystemData& system, int x, int first, int count);
// Draws those texts in a framed box at (x, y) on the back buffer (the surface argument is not
// drawn on: boxes always go to the back buffer), one line each with a blank before it.
void DrawTextBox(const cSystemData& system, cSurface& surface, int x, int y, int first, int count);
