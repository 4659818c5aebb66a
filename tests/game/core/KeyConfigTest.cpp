#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "game/core/KeyConfig.h"
#include "tests/support/TempDir.h"

namespace {

std::string Bytes(const cKeyConfig& table) { return std::string(reinterpret_cast<const char*>(&table), sizeof table); }

// A custom table that differs from the default keys in every field.
cKeyConfig CustomTable() {
    cKeyConfig t;
    memset(&t, 0, sizeof t);
    for (int i = 0; i < kKeyEntries; ++i) {
        t.entries[i].nDevice = i % 2 ? kKeyboardDevice : 1;
        t.entries[i].wCode = static_cast<uint16_t>(0x41 + i);
    }
    t.nEntries = 10;
    t.nJoysticks = 2;
    t.bCustom = 1;
    return t;
}

cKeyConfig Garbage() {
    cKeyConfig t;
    memset(&t, 0x5a, sizeof t);
    return t;
}

}  // namespace

TEST(KeyConfig, DefaultKeysAreTheArrowsAndZXCVASDF) {
    cKeyConfig t = Garbage();
    SetDefaultKeys(t);
    const uint16_t codes[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, 'Z', 'X', 'C', 'V', 'A', 'S', 'D', 'F'};
    for (int i = 0; i < kKeyEntries; ++i) {
        EXPECT_EQ(kKeyboardDevice, t.entries[i].nDevice) << i;
        EXPECT_EQ(codes[i], t.entries[i].wCode) << i;
        EXPECT_EQ(0, t.entries[i].wUnused) << i;
    }
    EXPECT_EQ(12, t.nEntries);
    EXPECT_EQ(1, t.nJoysticks);
    EXPECT_EQ(0, t.bCustom);
}

TEST(KeyConfig, FilesToTable) {
    cTempDir dir;
    cKeyConfig defaults;
    SetDefaultKeys(defaults);
    std::string good = Bytes(CustomTable());
    auto withCounts = [&](int entries, int joysticks) {
        cKeyConfig t = CustomTable();
        t.nEntries = entries;
        t.nJoysticks = joysticks;
        return Bytes(t);
    };
    struct {
        const char* name;
        bool write;
        std::string bytes;
        bool loaded;
        std::string table;
    } cases[] = {
        {"no file", false, "", false, Bytes(defaults)},
        {"good", true, good, true, good},
        {"longer than the table: the tail is ignored", true, good + "extra bytes", true, good},
        {"empty", true, "", false, Bytes(defaults)},
        {"one byte short", true, good.substr(0, 107), false, Bytes(defaults)},
        {"only the entries", true, good.substr(0, 96), false, Bytes(defaults)},
        {"four entries in use", true, withCounts(4, 2), true, withCounts(4, 2)},
        {"no joysticks", true, withCounts(12, 0), true, withCounts(12, 0)},
        {"sixteen joysticks", true, withCounts(12, 16), true, withCounts(12, 16)},
        {"thirteen entries", true, withCounts(13, 1), false, Bytes(defaults)},
        {"three entries", true, withCounts(3, 1), false, Bytes(defaults)},
        {"negative entries", true, withCounts(-1, 1), false, Bytes(defaults)},
        {"huge entries", true, withCounts(0x7fffffff, 1), false, Bytes(defaults)},
        {"seventeen joysticks", true, withCounts(12, 17), false, Bytes(defaults)},
        {"negative joysticks", true, withCounts(12, -5), false, Bytes(defaults)},
    };
    for (const auto& c : cases) {
        DeleteFileA("CustomKey.dat");
        if (c.write) dir.Write("CustomKey.dat", c.bytes);
        cKeyConfig t = Garbage();
        EXPECT_EQ(c.loaded, LoadKeyConfig("CustomKey.dat", t)) << c.name;
        EXPECT_EQ(c.table, Bytes(t)) << c.name;
    }
}

TEST(KeyConfig, TheGameTableStartsWithTheDefaultKeys) {
    cKeyConfig defaults;
    SetDefaultKeys(defaults);
    EXPECT_EQ(Bytes(defaults), Bytes(GameKeyConfig()));
    EXPECT_STREQ("user_data\\CustomKey.dat", kKeyConfigPath);
}
