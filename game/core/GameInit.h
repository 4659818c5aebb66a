#pragma once
// Game start-up and shutdown: from an empty main window to a running game, and back.
#include <windows.h>

#include "game/core/SystemIni.h"

// Brings the game up in its fixed order: timer and random seed, the data folder, the player's
// folders, the database and its tables, the system data, System.ini (the command line replaces
// its start file), the screen mode, DirectDraw with the palette and the fonts, the key
// configuration and the options, the music player, the sound slots, the world map and the common
// palette, and the start file. False when the game cannot run (WM_CLOSE is posted or the reason
// shown).
bool InitGame(const char* commandLine, int show);
// Sets up the music player over the game's music slots when the options have music on.
void StartMusicPlayer();
// Releases what InitGame set up; called once, after every game thread has ended.
void UnInitGame();

// The screen mode System.ini asks for on a desktop of the given depth: full screen at depth 8 or
// 16, or a window at depth 16 on a 16-bit desktop. Bpp 0 chooses (the desktop's depth in a
// window, 8 in full screen) and is written back; a window forces VSync on. False for any other
// combination.
bool ChooseScreenMode(cSystemIni& ini, int desktopBpp);

// Palette variation n (0-23): the colour-mix table bmp\hbt\hbtNN.dat and the palette bitmap's
// colours with their colour blocks rotated (n below 12) or all copied from one block (12 and up).
int LoadPaletteVariant(int n);
// The colours of variation n made from the palette bitmap's colours (256 entries each).
void MakePaletteVariant(PALETTEENTRY* out, const PALETTEENTRY* base, int n);
// The 8-bit colour cycle: every sixth call the eight 4-colour groups from 208 turn by one.
void CyclePalette();

// Present by blit rather than by flip: set by the start-up from the screen mode.
extern int g_bPresentByBlit;
