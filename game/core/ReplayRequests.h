#pragma once
// Saving and opening replays: the game thread asks with F1 (this attempt) or F2 (the attempt
// before) during play, or from the mode menu; the dialogs and the file work run on the window
// thread. A replay that cannot be written or read is reported and the game goes on.
#include <windows.h>

#include <string>

#include "game/core/InputDevices.h"

// Proposes a free replay name for the stage name and shows the save dialog; 1 with the chosen
// path in name (MAX_PATH bytes), 0 when cancelled.
int AskReplaySaveName(HWND owner, char* name, const std::string& stageName);
// Writes replay which (0 this attempt, else the one before) with the stage the game holds; 0,
// after telling the player, when it cannot be written.
int SaveChosenReplay(HWND owner, const char* path, WPARAM which);
// Reads the replay file into this attempt's replay and the stage the game holds; 0, after
// telling the player, when it cannot be read (both are then left as they were).
int LoadChosenReplay(HWND owner, const char* path);
// The window thread's handlers of the save and open requests, installed at start-up.
void InstallReplayRequests();

// During play: F1 saves this attempt, F2 the one before (F1 wins). 1 when the save was asked
// for; 0 in replay play, without the keys, or with nothing recorded (the refusal sound).
int CheckReplaySaveKey(const cInputDevices& devices);
// From the mode menu: the open dialog; non-zero when a replay was loaded.
int RequestReplayOpen();
