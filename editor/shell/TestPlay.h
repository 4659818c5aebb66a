#pragma once
// Test play: the editor saves what the game program will read, frees its undo memory and starts
// the game program on the open stage (or on the whole game) with the show command 5, by which
// the game knows the editor started it. The game reports to the frame by WM_COPYDATA: data kind
// 1 when it has started, 0 when its window is gone, each with a 4-byte integer holding 1. A game
// that ends without its last notice (it crashed or was killed) ends the test play all the same.
// The main window starts it and hands it the frame's notices; the frame forgets the game as it
// goes.
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

// Starts a test play of the open stage (whole 0) or of the whole game (1): saves the open stage
// and the common palette (boxes owned by owner), gives up the undo history and starts the game,
// whose end without a notice calls gameGone (through a timer of the frame window). False, after
// saying why, when nothing was started: the history is then set up again.
bool StartTestPlay(HWND owner, HWND frame, int whole, void (*gameGone)());
// A notice of the game (WM_COPYDATA to the frame), logged; true when it is the end notice of the
// game this editor started, which is then no longer followed.
bool TakeGameNotice(const COPYDATASTRUCT* data);

// Follows the started game's process until it ends; the handle is taken over.
void WatchGameProcess(HANDLE process, HWND timerWnd, void (*gameGone)());
// Stops following the game (its end has been told); nothing when none is followed.
void ForgetGameProcess();
