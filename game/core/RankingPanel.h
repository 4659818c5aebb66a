#pragma once
// The ranking beside the world map and the challenge list: the ranking of the story's stage in
// the kind the player chose, switched on and off with button 3 and through the shown kinds with
// button 4.
#include "game/media/Surface.h"

// The panel's size and the buttons that work it.
const int kRankPanelW = 272;
const int kRankPanelH = 352;
const int kButtonRankView = 4;   // button 3
const int kButtonRankKind = 8;   // button 4

// Reads the ranking of the story's stage when the run is ranked.
void LoadShownRanking();
// The panel surface: made once (false and the game closed when it cannot be), then filled and
// drawn with the shown kind. Without a display nothing is made or drawn.
bool DrawRankingPanel(cSurface& panel);
// Buttons 3 and 4: the view switched, or the next shown kind when the play kind shows more
// than one. True when the panel changed.
bool RankingPanelKeys(int buttons);
