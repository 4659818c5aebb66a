#include "game/core/SystemIni.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "framework/Format.h"
#include "framework/SafeFile.h"

namespace {

// A start file is taken only with 2 to 259 characters.
const size_t kMinStartFile = 2;

enum eEntry { eWindowMode, eBpp, eVSync, eShowFps, eFreeStage, eEntries };

class cIniScanner {
public:
    cIniScanner(const char* bytes, size_t size) : m_bytes(bytes), m_size(size) {}
    bool AtEnd() const { return m_pos >= m_size; }
    char Next() { return m_bytes[m_pos++]; }

private:
    const char* m_bytes;
    size_t m_size;
    size_t m_pos = 0;
};

int32_t* NumberOf(cSystemIni& ini, int entry) {
    switch (entry) {
        case eWindowMode: return &ini.WindowMode;
        case eBpp: return &ini.Bpp;
        case eVSync: return &ini.VSync;
        case eShowFps: return &ini.ShowFps;
        default: return nullptr;
    }
}

void Store(cSystemIni& ini, int entry, std::string value) {
    if (int32_t* number = NumberOf(ini, entry)) {
        *number = atoi(value.c_str());
        return;
    }
    // A line end of CR LF reaches the value: it is no part of a path.
    while (!value.empty() && value.back() == '\r') value.pop_back();
    if (value.size() >= kMinStartFile && value.size() < sizeof ini.FreeStage) CopyText(ini.FreeStage, sizeof ini.FreeStage, value.c_str());
}

int FindEntry(const std::string& key, bool overflow, const cSystemList<cSysRecC>& entries) {
    if (overflow) return -1;
    for (int i = 0; i < eEntries && i < static_cast<int>(entries.size()); ++i)
        if (entries[i].m_Key == key) return i;
    return -1;
}

}  // namespace

cSystemIni& SystemIni() {
    static cSystemIni ini;
    return ini;
}

void SetSystemIniDefaults(cSystemIni& ini, const cSystemList<cSysRecC>& entries) {
    ini = cSystemIni();
    for (int i = 0; i < eEntries && i < static_cast<int>(entries.size()); ++i) {
        if (int32_t* number = NumberOf(ini, i))
            *number = entries[i].m_IntDefault;
        else
            CopyText(ini.FreeStage, sizeof ini.FreeStage, entries[i].m_StrDefault.c_str());
    }
}

int ParseSystemIni(const char* bytes, size_t size, cSystemIni& ini, const cSystemList<cSysRecC>& entries) {
    cIniScanner in(bytes, size);
    for (int line = 0; line < kIniMaxLines; ++line) {
        std::string key;
        bool keyOverflow = false;
        char c = 0;
        for (;;) {
            if (in.AtEnd()) return 0;
            c = in.Next();
            if (c == '\0') return 1;
            if (c == '=' || c == '\n') break;
            if (c == '\t' || c == '\r' || c == ' ') continue;
            if (key.size() + 1 < kIniKeySize)
                key.push_back(c);
            else
                keyOverflow = true;
        }
        if (c == '\n') {
            if (!keyOverflow && key == "Exit") return 1;
            continue;
        }
        std::string value;
        for (;;) {
            // The file ends inside the value: there is no "Exit" to come.
            if (in.AtEnd()) return 0;
            c = in.Next();
            if (c == '\0' || c == '\t' || c == '\n' || c == ' ' || c == '/') break;
            if (value.size() + 1 < kIniValueSize) value.push_back(c);
        }
        int entry = FindEntry(key, keyOverflow, entries);
        if (entry >= 0) Store(ini, entry, value);
    }
    return 1;
}

int ReadSystemIni(const char* path, cSystemIni& ini, const cSystemList<cSysRecC>& entries) {
    std::vector<char> bytes;
    if (!ReadWholeFile(path, bytes, kIniMaxFileSize)) return 0;
    return ParseSystemIni(bytes.data(), bytes.size(), ini, entries);
}
