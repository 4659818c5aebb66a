#include "game/core/StageMusic.h"

#include <string>

#include "data/ProjectDatabase.h"
#include "game/core/GameGlobals.h"

namespace {

// The file last set into the slot of play.
std::string& StageSlotFile() {
    static std::string file;
    return file;
}

// The slot keeps its number when its file changes: only the file tells a new song.
bool SlotPlays(const std::string& file) {
    return BgmPlayer().GetCurrent() == kStageMusicSlot && file == StageSlotFile();
}

}  // namespace

void PlayStageMusic(int bgm) {
    cBgmPlayer& player = BgmPlayer();
    if (!player.IsInitialized()) return;
    const std::string& file = ProjectDatabase().m_Bgms.At(bgm).m_File;
    const bool playing = SlotPlays(file);
    StageSlotFile() = file;
    player.SetFile(kStageMusicSlot, file.c_str());
    player.Play(0, kStageMusicSlot, false, !playing);
}

bool IsStageMusicPlaying(int bgm) {
    const cBgmPlayer& player = BgmPlayer();
    if (!player.IsInitialized()) return true;
    if (bgm == 0) return player.GetCurrent() < 0;
    return SlotPlays(ProjectDatabase().m_Bgms.At(bgm).m_File);
}

void StopMusic() {
    if (BgmPlayer().IsInitialized()) BgmPlayer().Stop();
}
