// Writes a committed replay as a replay file that the game plays when it is chosen through the
// title menu's replay entry: the log's stage as the game holds it and the log's frames under its
// seed. The file is read back and played headless, and removed again unless it ends in the log's
// committed hash. Run in the build folder (the project folders beside it):
//   write_replay.exe NAME OUT
#include <windows.h>

#include <cstdio>
#include <string>

#include "game/play/PlayHost.h"
#include "tools/replay/ReplayTool.h"

namespace {

// The final state hash of the current replay played headless in the replay mode.
uint64_t PlayedHash() {
    cHeadlessHost host;
    cPlayScene scene;
    scene.SetHost(&host);
    uint64_t last = 0;
    PlayReplayFrames(scene, [&](uint64_t hash) {
        last = hash;
        return true;
    });
    return last;
}

}  // namespace

int main(int argc, char** argv) {
    const cCommittedReplay* replay = NamedReplay(argc == 3 ? argv[1] : nullptr, "write_replay NAME OUT");
    if (!replay) return 2;
    char out[MAX_PATH];
    if (!GetFullPathNameA(argv[2], MAX_PATH, out, nullptr)) return 2;
    uint64_t committedHash = 0;
    if (!StartNamedReplay(*replay, committedHash)) return 1;
    if (!CurrentReplay().SaveReplayFile(out, ProjectStage())) {
        std::fprintf(stderr, "%s cannot be written\n", out);
        return 1;
    }
    ProjectStage() = cEdStage();
    CurrentReplay().Clear();
    const bool read = CurrentReplay().LoadReplayFile(out, ProjectStage());
    SceneManager().m_nGameMode = eModeReplay;
    const uint64_t played = read ? PlayedHash() : 0;
    if (played != committedHash) {
        DeleteFileA(out);
        std::fprintf(stderr, "%s: the file played ends in %016llx, not the log's %016llx; removed\n", replay->name,
                     static_cast<unsigned long long>(played), static_cast<unsigned long long>(committedHash));
        return 1;
    }
    std::printf("%s: %s\n", replay->name, out);
    return 0;
}
