#pragma once
// Test play: the editor saves what the game program will read, frees its undo memory and starts
// the game program on the open stage (or on the whole game) with the show command 5, by which
// the game knows the editor started it. The game reports to the frame by WM_COPYDATA: data kind
// 1 when it has started, 0 when its window is gone, each with a 4-byte integer holding 1. A game
// that ends without its last notice (it crashed or was killed) ends the test play all the same.
#include <windows.h>

// The show command the game program takes as the sign of a test play.
const int kTestPlayShow = 5;
// The notices' data kinds.
const ULONG_PTR kGameStarted = 1;
const ULONG_PTR kGameClosed = 0;

// The game program: the options' path while "自動で取得" is off (found when that file exists),
// else the first program of the current folder whose string resource 1 reads "GAME". The name
// goes to the buffer (MAX_PATH bytes); false, with an empty buffer, when none is found.
bool FindGameProgram(char* name);

// Follows the started game's process until it ends; the handle is taken over.
void WatchGameProcess(HANDLE process);
// Stops following the game (its end has been told); nothing when none is followed.
void ForgetGameProcess();
