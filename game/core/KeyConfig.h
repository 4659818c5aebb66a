#pragma once
// The player's key configuration, read from user_data\CustomKey.dat. The game only reads it.
#include <cstdint>

const char kKeyConfigPath[] = "user_data\\CustomKey.dat";

// The device number of a keyboard entry; any other number names a joystick.
const int32_t kKeyboardDevice = 8;
// Joystick codes of the direction entries; any other joystick code is a mask of its buttons.
const uint16_t kJoyLeft = 256, kJoyRight = 512, kJoyUp = 1024, kJoyDown = 2048;

// Entries in order: left, right, up, down, buttons 1 to 8.
const int kKeyEntries = 12;
const int kDirectionEntries = 4;
// The joystick numbers the system can poll.
const int kMaxJoysticks = 16;

#pragma pack(push, 1)
struct cKeyEntry {
    int32_t nDevice;
    uint16_t wCode;
    uint16_t wUnused;
};

// The file's 108 bytes as they lie on disk.
struct cKeyConfig {
    cKeyEntry entries[kKeyEntries];
    int32_t nEntries;    // entries in use: the four directions and the buttons that follow
    int32_t nJoysticks;  // joysticks to poll
    int32_t bCustom;     // nonzero: this table replaces the fixed keys
};
#pragma pack(pop)
static_assert(sizeof(cKeyConfig) == 108, "the key configuration file is 108 bytes");

// Arrow keys, Z X C V A S D F, every entry in use, one joystick, the custom table off.
void SetDefaultKeys(cKeyConfig& table);

// True when the table was taken from the file. A missing file, one shorter than the table, or
// one whose counts lie outside what the table holds leaves the default keys instead; bytes past
// the table are ignored.
bool LoadKeyConfig(const char* path, cKeyConfig& table);

// The one key configuration of the game program.
cKeyConfig& GameKeyConfig();
