#pragma once
// System.ini: the game's screen and start options, read only. Each line is "key=value" or a bare
// word; "Exit" on a line of its own (or a zero byte in a key) ends the file.
#include <cstdint>

#include <windows.h>

#include "data/SystemData.h"

struct cSystemIni {
    int32_t WindowMode = 0;  // 0 full screen, else a window
    int32_t Bpp = 0;         // colour depth; 0 chooses, and start-up writes back its choice
    int32_t VSync = 0;
    int32_t ShowFps = 0;
    char FreeStage[MAX_PATH] = {};  // a stage or replay file to open at start; empty for none
};

// The game's settings, read once at start-up.
cSystemIni& SystemIni();

// The buffers a line is read into, the terminating zero included. Longer keys match nothing;
// longer values are cut.
const size_t kIniKeySize = 2040;
const size_t kIniValueSize = 2056;
const int kIniMaxLines = 10000;
// A System.ini larger than this is not read.
const size_t kIniMaxFileSize = 1u << 20;

// The five defaults from the system data's key entries (WindowMode, Bpp, VSync, ShowFps and
// FreeStage, in that order): numbers for the first four, the text for the last.
void SetSystemIniDefaults(cSystemIni& ini, const cSystemList<cSysRecC>& entries);
// Reads the file over the settings, matching keys against the entries' names. 0 when the file is
// missing, too large, or ends before "Exit" (settings read until then stay).
int ReadSystemIni(const char* path, cSystemIni& ini, const cSystemList<cSysRecC>& entries);
// The same on the file's bytes.
int ParseSystemIni(const char* bytes, size_t size, cSystemIni& ini, const cSystemList<cSysRecC>& entries);
