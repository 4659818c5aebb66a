#pragma once
// The editor's music and wave players, with which the database and the other windows preview
// songs and sounds.
#include "framework/BgmPlayer.h"
#include "framework/MciPlayer.h"

cBgmPlayer& EditorBgm();
cMciPlayer& EditorWave();

// Sets up both players on the project's preview files. A player that cannot play is written to
// the error log and stays quiet: the editor runs on without previews.
void SetUpEditorSound();
void CloseEditorSound();
