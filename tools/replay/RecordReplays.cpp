// Records a committed replay's frames: plays the named log headless in the replay mode, as the
// replay tests do, and writes the word of every frame into FIXTURES\NAMEHashes.inc and the last
// frame's state hash into the head of FIXTURES\NAMELog.inc. Run by record.sh in the build folder
// (the project folders beside it), one replay a process, as each test starts afresh:
//   record_replays.exe FIXTURES NAME
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "framework/Format.h"
#include "framework/SafeFile.h"
#include "game/play/IndexCheck.h"
#include "game/play/PlayHost.h"
#include "tools/replay/ReplayTool.h"

namespace {

const int kWordsALine = 8;

// Play is recorded with its indexes checked, as the tests play it: a fault records nothing.
int g_IndexFaults = 0;

void CountIndexFault(const char* fault) {
    if (g_IndexFaults++ == 0) std::fprintf(stderr, "play index: %s\n", fault);
}

std::vector<char> Bytes(const std::string& text) { return std::vector<char>(text.begin(), text.end()); }

std::string HashesFile(const cCommittedReplay& replay, const std::vector<uint32_t>& words) {
    std::string text = Format("// The word of every frame of %sLog.inc played in the replay mode, from the scene's first\n"
                              "// frame on. Written by tools/replay/record.sh: do not edit.\n",
                              replay.name);
    for (size_t i = 0; i < words.size(); ++i)
        text += Format("0x%08x,%s", static_cast<unsigned>(words[i]),
                       (i + 1) % kWordsALine == 0 || i + 1 == words.size() ? "\n" : " ");
    return text;
}

// The log as committed, its head's hash replaced.
std::string LogFile(const cCommittedReplay& replay, uint64_t finalHash) {
    const char* body = std::strchr(replay.log, '\n');
    uint32_t seed = 0;
    std::sscanf(replay.log, "seed %u", &seed);
    return Format("R\"(seed %u hash %016llx", static_cast<unsigned>(seed), static_cast<unsigned long long>(finalHash)) +
           (body ? body : "\n") + ")\"\n";
}

}  // namespace

int main(int argc, char** argv) {
    const cCommittedReplay* replay = NamedReplay(argc == 3 ? argv[2] : nullptr, "record_replays FIXTURES NAME");
    if (!replay) return 2;
    SetPlayIndexCheck(CountIndexFault);
    uint64_t committedHash = 0;
    if (!StartNamedReplay(*replay, committedHash)) return 1;
    cHeadlessHost host;
    cPlayScene scene;
    scene.SetHost(&host);
    std::vector<uint32_t> words;
    uint64_t last = 0;
    PlayReplayFrames(scene, [&](uint64_t hash) {
        words.push_back(FrameWord(hash));
        last = hash;
        return true;
    });
    // A lost life replays the log from its start again, so a log that loses one never ends.
    if (scene.State() != ePlayResult && scene.State() != ePlayFadeOut) {
        std::fprintf(stderr, "%s: the replay did not end in %u frames; nothing written\n", replay->name,
                     static_cast<unsigned>(words.size()));
        return 1;
    }
    if (g_IndexFaults) {
        std::fprintf(stderr, "%s: %d faults of the play's indexes; nothing written\n", replay->name, g_IndexFaults);
        return 1;
    }
    const std::string fixtures = argv[1];
    const std::vector<cFileBytes> files = {
        {fixtures + "\\" + replay->name + "Hashes.inc", Bytes(HashesFile(*replay, words))},
        {fixtures + "\\" + replay->name + "Log.inc", Bytes(LogFile(*replay, last))},
    };
    std::string failed;
    if (!SaveFilesSafely(files, &failed)) {
        std::fprintf(stderr, "%s: %s cannot be written\n", replay->name, failed.c_str());
        return 1;
    }
    std::printf("%s: %u frames, final hash %016llx (was %016llx)\n", replay->name, static_cast<unsigned>(words.size()),
                static_cast<unsigned long long>(last), static_cast<unsigned long long>(committedHash));
    return 0;
}
