#include "game/core/KeyConfig.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

void SetDefaultKeys(cKeyConfig& table) {
    static const uint16_t codes[kKeyEntries] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, 'Z', 'X',
                                                'C',     'V',      'A',   'S',     'D', 'F'};
    memset(&table, 0, sizeof table);
    for (int i = 0; i < kKeyEntries; ++i) {
        table.entries[i].nDevice = kKeyboardDevice;
        table.entries[i].wCode = codes[i];
    }
    table.nEntries = kKeyEntries;
    table.nJoysticks = 1;
    table.bCustom = 0;
}

bool LoadKeyConfig(const char* path, cKeyConfig& table) {
    cKeyConfig read;
    size_t got = 0;
    if (FILE* file = fopen(path, "rb")) {
        got = fread(&read, 1, sizeof read, file);
        fclose(file);
    }
    // A table cut short or with counts past its own size would have the poll read beyond the
    // entries or the joysticks it has.
    bool good = got == sizeof read && read.nEntries >= kDirectionEntries && read.nEntries <= kKeyEntries &&
                read.nJoysticks >= 0 && read.nJoysticks <= kMaxJoysticks;
    if (!good) {
        SetDefaultKeys(table);
        return false;
    }
    table = read;
    return true;
}

cKeyConfig& GameKeyConfig() {
    static cKeyConfig table = [] {
        cKeyConfig t;
        SetDefaultKeys(t);
        return t;
    }();
    return table;
}
