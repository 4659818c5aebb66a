// The one save routine: a temporary file that a killed save left beside its destination is gone
// after the next save of that destination, whether that save succeeds or is refused.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "framework/SafeFile.h"
#include "tests/support/TempDir.h"

namespace {

enum eBlock { kNotBlocked, kReadOnly, kHeldOpen };

// Makes the destination unreplaceable the way the case asks while the object lives.
class cBlocker {
public:
    cBlocker(const std::string& path, eBlock block) : m_Path(path) {
        if (block == kReadOnly) SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
        if (block == kHeldOpen)
            m_Held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    ~cBlocker() {
        if (m_Held != INVALID_HANDLE_VALUE) CloseHandle(m_Held);
        SetFileAttributesA(m_Path.c_str(), FILE_ATTRIBUTE_NORMAL);
    }

private:
    std::string m_Path;
    HANDLE m_Held = INVALID_HANDLE_VALUE;
};

std::vector<char> CharsOf(const std::string& text) { return std::vector<char>(text.begin(), text.end()); }

// What a save killed after its temporary file was half written leaves: more bytes than the next
// save writes, so that a temporary file written over rather than afresh would show.
const char kStale[] = "half of an older and much longer save";

}  // namespace

TEST(SafeFile, AStaleTemporaryFileGoesAtTheNextSaveOfItsFile) {
    const struct {
        const char* name;
        eBlock block;
    } cases[] = {
        {"save that succeeds", kNotBlocked}, {"read-only destination", kReadOnly}, {"destination held open", kHeldOpen}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cTempDir dir;
        dir.Write("f.dat", "old");
        dir.Write("f.dat.tmp~", kStale);
        dir.Write("other.dat.tmp~", kStale);
        {
            cBlocker blocker(dir.Path() + "\\f.dat", c.block);
            EXPECT_EQ(c.block == kNotBlocked, SaveFileSafely("f.dat", CharsOf("new")));
        }
        EXPECT_EQ(c.block == kNotBlocked ? "new" : "old", dir.Read("f.dat"));
        EXPECT_FALSE(dir.Exists("f.dat.tmp~"));
        EXPECT_TRUE(dir.Exists("other.dat.tmp~")) << "another file's temporary file is not this save's";
    }
}

TEST(SafeFile, AStaleTemporaryFileOfASetGoesEvenWhenTheSetIsRefused) {
    for (eBlock block : {kNotBlocked, kReadOnly}) {
        SCOPED_TRACE(block);
        cTempDir dir;
        const char* names[] = {"a.dat", "b.dat", "c.dat"};
        std::vector<cFileBytes> files;
        for (const char* name : names) {
            dir.Write(name, "old");
            dir.Write(std::string(name) + ".tmp~", kStale);
            files.push_back({name, CharsOf("new")});
        }
        std::string failed;
        {
            cBlocker blocker(dir.Path() + "\\b.dat", block);
            EXPECT_EQ(block == kNotBlocked, SaveFilesSafely(files, &failed));
        }
        for (const char* name : names) {
            EXPECT_EQ(block == kNotBlocked ? "new" : "old", dir.Read(name)) << name;
            EXPECT_FALSE(dir.Exists(std::string(name) + ".tmp~")) << name;
        }
    }
}
