#pragma once
// The editor's music and wave players, with which the database and the other windows preview
// songs and sounds.
#include "framework/BgmPlayer.h"
#include "framework/MciPlayer.h"

#include <windows.h>

#include <string>

cBgmPlayer& EditorBgm();
cMciPlayer& EditorWave();

// Sets up both players on the project's preview files. A preview file the wave player cannot
// open is written to the error log and the player stays quiet: the editor runs on without
// previews. False only when the wave player itself cannot be set up.
bool SetUpEditorSound();
void CloseEditorSound();

// Plays a file for the author to hear: a song on slot 0 of the music player, or a sound through
// the wave player owned by the window. An empty path plays nothing; a file that cannot be played
// is reported ("読み込み失敗！").
enum ePreviewKind { ePreviewMusic, ePreviewWave };
void PlayPreview(ePreviewKind kind, HWND owner, const std::string& path);
