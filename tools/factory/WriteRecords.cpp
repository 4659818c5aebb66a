// Writes the factory project's record files (default\) into the current directory, a project
// folder whose media tools/factory/generate.py has written: the built-in defaults of every
// project object, completed with that media (the system sounds, the music), and the factory
// stage; with the argument "sample", the sample game's files over them; with "fixtures", the
// fixture stages (tools/factory/FixtureStages.h). Every file goes through
// its record's own save, so the files are what the editor itself would write. Exit code 0 when
// every file was written.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "data/CommonPalette.h"
#include "data/GValInfo.h"
#include "data/Paths.h"
#include "data/PrjOption.h"
#include "data/ProjectData.h"
#include "data/ProjectDatabase.h"
#include "tools/factory/FactoryStage.h"
#include "tools/factory/FixtureStages.h"
#include "tools/factory/SampleGame.h"

namespace {

// The system sounds in their slot order, as generate.py writes them under wave\ .
const char* const kSystemSounds[cSystemData::kSoundFiles] = {
    "Cursor", "Decide", "Cancel",     "Error",   "Menu",    "Save",       "Page",      "Damage",  "PlayerDeath",
    "EnemyDeath", "BlockJump", "Message", "MessageNext", "Warning", "StageClear", "ExtraLife", "Ranking",
};

// The songs of the Bgm table. The first four are the menu music (title, story, challenge,
// option, in that order), the fifth the factory stage's; both players get songs to play.
struct cSong {
    const char* name;
    const char* file;
};
const cSong kSongs[] = {
    {"タイトル", "bgm\\Title.ogg"},      {"ワールドマップ", "bgm\\WorldMap.mid"}, {"チャレンジ", "bgm\\Challenge.mid"},
    {"オプション", "bgm\\Option.mid"},   {"ステージ", "bgm\\Stage.ogg"},        {"フリー", "bgm\\Free.ogg"},
};

// Sound effects for the flows' sound commands.
const cSong kSounds[] = {
    {"ジャンプ", "wave\\Jump.wav"}, {"ショット", "wave\\Shot.wav"},   {"アイテム", "wave\\Item.wav"},
    {"ヒット", "wave\\Hit.wav"},    {"爆発", "wave\\Explosion.wav"},
};

// The anime sets the factory palette names: set 0 the hero's, set 1 the enemies'. Their cells
// are the character sheets' frames (tools/factory/characters.py): 0-1 standing, 2-5 walking,
// 12-13 flying, 14-15 flying forward; times in 1/10 s.
struct cSlotFrames {
    int first, count, time;
};
const cSlotFrames kSlotFrames[cAnimeSet::kSlots] = {{0, 2, 5}, {2, 4, 1}, {12, 2, 3}, {14, 2, 2}};
const char* const kAnimeSets[] = {"主人公", "敵"};

void FillAnimeSets(cRecordVector<cAnimeSet>& sets) {
    sets.assign(sizeof kAnimeSets / sizeof kAnimeSets[0], cAnimeSet());
    for (size_t i = 0; i < sets.size(); ++i) {
        sets[i].m_Name = kAnimeSets[i];
        for (int slot = 0; slot < cAnimeSet::kSlots; ++slot) {
            const cSlotFrames& frames = kSlotFrames[slot];
            cRecordVector<cAnimeFrame>& list = sets[i].m_Slots[slot].m_Frames;
            list.assign(frames.count, cAnimeFrame());
            for (int f = 0; f < frames.count; ++f) {
                list[f].m_Cell = frames.first + f;
                // The enemies walk at half the hero's pace.
                list[f].m_Time = frames.time * (i == 1 && slot == 1 ? 2 : 1);
            }
        }
    }
}

template <class V, size_t N>
void FillNamedFiles(V& table, const cSong (&songs)[N]) {
    table.resize(N);
    for (size_t i = 0; i < N; ++i) {
        table[i].m_Name = songs[i].name;
        table[i].m_File = songs[i].file;
    }
}

bool WriteDatabase(cDatabase& database) {
    DatabaseDefaults(database);
    FillAnimeSets(database.m_AnimeSets);
    FillNamedFiles(database.m_Sounds, kSounds);
    FillNamedFiles(database.m_Bgms, kSongs);
    database.ResetFirstEffects();
    // The factory copy of table k follows its data file in the path table.
    const ePath first = static_cast<ePath>(ePathDatabase + 1);
    bool ok = SaveVectorFile(database.m_AnimeSets, g_PathTable[first]);
    ok = SaveVectorFile(database.m_Animes, g_PathTable[first + 2]) && ok;
    ok = SaveVectorFile(database.m_BmpCharaExcs, g_PathTable[first + 4]) && ok;
    ok = SaveVectorFile(database.m_SwordTypes, g_PathTable[first + 6]) && ok;
    ok = SaveVectorFile(database.m_Effects, g_PathTable[first + 8]) && ok;
    ok = SaveVectorFile(database.m_CharaEffects, g_PathTable[first + 10]) && ok;
    ok = SaveVectorFile(database.m_ScrEffects, g_PathTable[first + 12]) && ok;
    ok = SaveVectorFile(database.m_Pictures, g_PathTable[first + 14]) && ok;
    ok = SaveVectorFile(database.m_Sounds, g_PathTable[first + 16]) && ok;
    ok = SaveVectorFile(database.m_Bgms, g_PathTable[first + 18]) && ok;
    return ok;
}

// Checks its menu music against the Bgm table written above.
bool WriteSystemData(cSystemData& system) {
    SystemDataDefaults(system);
    for (int i = 0; i < cSystemData::kSoundFiles; ++i)
        system.m_SoundFiles[i] = std::string("wave\\") + kSystemSounds[i] + ".wav";
    for (int i = 0; i < cSystemData::kMenuMusic; ++i) system.m_MenuMusic[i] = i;
    return system.SaveFile(g_PathTable[ePathSystemDefault]);
}

bool WriteCommonPalette() {
    cCommonPalette& palette = ProjectCommonPalette();
    CommonPaletteDefaults(palette);
    return palette.SaveFile(g_PathTable[ePathCommonPaletteDefault]);
}

bool WriteWorldMap() {
    cWorldMap& map = ProjectWorldMap();
    map.Init();
    return map.SaveFile(g_PathTable[ePathWorldMapDefault]);
}

bool WriteOptions() {
    cPrjOption option;
    option.Init();
    return option.SaveFile(g_PathTable[ePathPrjOptionDefault]);
}

bool WriteVarNames() {
    cVarNames names(kCommonVars);
    return SaveVectorFile(names, g_PathTable[ePathVarNamesDefault]);
}

bool MakeFolders() {
    for (const char* folder : {"default", "default\\database", "default\\stg4"})
        if (!CreateDirectoryA(folder, nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return false;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (!MakeFolders()) {
        std::fprintf(stderr, "factory records: cannot make the default folders\n");
        return 1;
    }
    struct {
        const char* what;
        bool ok;
    } steps[] = {
        {"database", WriteDatabase(ProjectDatabase())},
        {"system data", WriteSystemData(ProjectSystemData())},
        {"common palette", WriteCommonPalette()},
        {"world map", WriteWorldMap()},
        {"project options", WriteOptions()},
        {"variable names", WriteVarNames()},
        {"factory stage", WriteFactoryStage()},
    };
    int failed = 0;
    for (const auto& step : steps)
        if (!step.ok) {
            std::fprintf(stderr, "factory records: the %s could not be written\n", step.what);
            ++failed;
        }
    if (argc > 1 && std::strcmp(argv[1], "sample") == 0 && !WriteSampleGame()) {
        std::fprintf(stderr, "factory records: the sample game could not be written\n");
        ++failed;
    }
    if (argc > 1 && std::strcmp(argv[1], "fixtures") == 0 && !WriteFixtureStages()) {
        std::fprintf(stderr, "factory records: the fixture stages could not be written\n");
        ++failed;
    }
    return failed ? 1 : 0;
}
