#include <gtest/gtest.h>

#include <string>

#include "data/SystemData.h"
#include "game/core/SystemIni.h"
#include "tests/support/TempDir.h"

namespace {

struct cIniCase {
    const char* name;
    std::string text;
    int result;
    int32_t windowMode, bpp, vsync, showFps;
    std::string freeStage;
};

// The factory entries with defaults that no case writes, so a value read is never a default.
cSystemList<cSysRecC> Entries() {
    cSystemData system;
    for (int i = 0; i < 4; ++i) system.m_IniKeys[i].m_IntDefault = 7 + i;
    system.m_IniKeys[4].m_StrDefault = "def.stg4";
    return system.m_IniKeys;
}

TEST(SystemIni, DefaultsComeFromTheSystemDataEntries) {
    cSystemData factory;
    cSystemIni ini;
    ini.Bpp = 99;
    SetSystemIniDefaults(ini, factory.m_IniKeys);
    EXPECT_EQ(0, ini.WindowMode);
    EXPECT_EQ(0, ini.Bpp);
    EXPECT_EQ(0, ini.VSync);
    EXPECT_EQ(1, ini.ShowFps);
    EXPECT_STREQ("", ini.FreeStage);
}

TEST(SystemIni, InputsToSettings) {
    const std::string path259(259, 'p');
    const std::string longKey(3000, 'K');
    const cIniCase cases[] = {
        {"CR LF lines", "WindowMode=1\r\nBpp=16\r\nVSync=0\r\nShowFps=0\r\nExit\r\n", 1, 1, 16, 0, 0, "def.stg4"},
        {"LF lines, keys with blanks", " Window Mode =1\n\tBpp\t=8\nExit\n", 1, 1, 8, 9, 10, "def.stg4"},
        {"no Exit and no NUL fails, values read before stay", "WindowMode=1\r\nBpp=16\r\n", 0, 1, 16, 9, 10, "def.stg4"},
        {"end of file inside a value fails", "WindowMode=1\r\nBpp=16", 0, 1, 8, 9, 10, "def.stg4"},
        {"a NUL in a key ends with success", std::string("WindowMode=1\n\0Bpp=16\n", 22), 1, 1, 8, 9, 10, "def.stg4"},
        {"a NUL ends a value only", std::string("Bpp=16\0VSync=1\nExit\n", 20), 1, 7, 16, 1, 10, "def.stg4"},
        {"comments after a space or a slash", "Bpp=16 ;depth\r\nVSync=1// sync\r\nExit\r\n", 1, 7, 16, 1, 10, "def.stg4"},
        {"keys are compared whole and by case", "bpp=16\nBppX=16\nBp=16\nExit\n", 1, 7, 8, 9, 10, "def.stg4"},
        {"one-character start file is ignored", "FreeStage=a\r\nExit\r\n", 1, 7, 8, 9, 10, "def.stg4"},
        {"start file loses the CR of its line end", "FreeStage=data\\stg4\\a.stg4\r\nExit\r\n", 1, 7, 8, 9, 10,
         "data\\stg4\\a.stg4"},
        {"259-character start file is taken", "FreeStage=" + path259 + "\nExit\n", 1, 7, 8, 9, 10, path259},
        {"260-character start file is ignored", "FreeStage=" + path259 + "q\nExit\n", 1, 7, 8, 9, 10, "def.stg4"},
        {"over-long key matches nothing", longKey + "Bpp=16\nBpp=24\nExit\n", 1, 7, 24, 9, 10, "def.stg4"},
        {"over-long value is cut", "ShowFps=" + std::string(3000, '0') + "5\nExit\n", 1, 7, 8, 9, 0, "def.stg4"},
        {"a bare word that is not Exit goes on", "Hello\nWindowMode=2\nExit\n", 1, 2, 8, 9, 10, "def.stg4"},
        {"empty file fails", "", 0, 7, 8, 9, 10, "def.stg4"},
    };
    const cSystemList<cSysRecC> entries = Entries();
    for (const cIniCase& c : cases) {
        SCOPED_TRACE(c.name);
        cSystemIni ini;
        SetSystemIniDefaults(ini, entries);
        EXPECT_EQ(c.result, ParseSystemIni(c.text.data(), c.text.size(), ini, entries));
        EXPECT_EQ(c.windowMode, ini.WindowMode);
        EXPECT_EQ(c.bpp, ini.Bpp);
        EXPECT_EQ(c.vsync, ini.VSync);
        EXPECT_EQ(c.showFps, ini.ShowFps);
        EXPECT_EQ(c.freeStage, ini.FreeStage);
    }
}

TEST(SystemIni, ReadingStopsAfterTenThousandLines) {
    std::string text;
    for (int i = 0; i < kIniMaxLines; ++i) text += "x\n";
    std::string past = text + "Bpp=16\n";
    const cSystemList<cSysRecC> entries = Entries();
    cSystemIni ini;
    SetSystemIniDefaults(ini, entries);
    EXPECT_EQ(1, ParseSystemIni(past.data(), past.size(), ini, entries));
    EXPECT_EQ(8, ini.Bpp);
}

TEST(SystemIni, FileIsReadFromDiskAndAMissingOneFails) {
    cTempDir dir;
    const cSystemList<cSysRecC> entries = Entries();
    cSystemIni ini;
    SetSystemIniDefaults(ini, entries);
    EXPECT_EQ(0, ReadSystemIni("System.ini", ini, entries));
    dir.Write("System.ini", "WindowMode=1\r\nBpp=16\r\nExit\r\n");
    EXPECT_EQ(1, ReadSystemIni("System.ini", ini, entries));
    EXPECT_EQ(1, ini.WindowMode);
    EXPECT_EQ(16, ini.Bpp);
}

}  // namespace
