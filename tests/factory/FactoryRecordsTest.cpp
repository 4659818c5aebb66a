// The factory project's record files: every one the programs name is there, the first run makes
// data\ from them, and both programs then load each file from data\ without falling back to the
// built-in defaults (a fallback would write the file anew).
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <string>

#include "data/CommonPalette.h"
#include "data/GValInfo.h"
#include "data/Paths.h"
#include "data/PaletteSource.h"
#include "data/PrjOption.h"
#include "data/ProjectData.h"
#include "data/ProjectDatabase.h"
#include "data/Stage.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/LoadProject.h"
#include "framework/Path.h"
#include "tests/factory/ProjectFolder.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/ProjectObjects.h"
#include "tests/support/TempDir.h"

namespace {

// The record files of the factory copy: every path-table entry under default\ but the folder
// itself and the stage pattern.
std::vector<ePath> FactoryRecordPaths() {
    std::vector<ePath> paths = {ePathPrjOptionDefault, ePathCommonPaletteDefault, ePathVarNamesDefault,
                                ePathWorldMapDefault, ePathSystemDefault};
    for (int k = 0; k < kDatabaseTables; ++k) paths.push_back(static_cast<ePath>(ePathDatabase + 2 * k + 1));
    return paths;
}

// The same file in data\ .
std::string DataPath(ePath factory) { return g_PathTable[factory - 1]; }

// Which file a path names: a file saved anew (temp file and rename) is another file.
struct cFileId {
    DWORD volume, high, low;
    bool operator==(const cFileId& o) const { return volume == o.volume && high == o.high && low == o.low; }
};

bool GetFileId(const std::string& path, cFileId& id) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION info;
    bool ok = GetFileInformationByHandle(h, &info) != 0;
    CloseHandle(h);
    id = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
    return ok;
}

// The tests load into the project objects that the whole program shares; each puts them back.
class FactoryRecords : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(CopyProjectRecords()); }

    cKeepProjectObjects m_Project;
    cTempDir m_Dir;
    cBoxAnswers m_Boxes;
};

}  // namespace

TEST_F(FactoryRecords, EveryFactoryFileIsThereAndLoadsWithItsRecord) {
    for (ePath path : FactoryRecordPaths()) EXPECT_TRUE(m_Dir.Exists(g_PathTable[path])) << g_PathTable[path];

    cVarNames names;
    ASSERT_TRUE(LoadGValInfo(names, g_PathTable[ePathVarNamesDefault], false));
    EXPECT_EQ(static_cast<size_t>(kCommonVars), names.size());
    cCommonPalette palette;
    ASSERT_TRUE(palette.LoadFile(g_PathTable[ePathCommonPaletteDefault]));
    EXPECT_EQ(1, palette.m_Charas[1].m_Graphic);
    EXPECT_EQ(0, palette.m_Charas[1].m_Control) << "chara 1 is the hero";
    cPrjOption option;
    EXPECT_TRUE(option.LoadFile(g_PathTable[ePathPrjOptionDefault]));
    cWorldMap map;
    EXPECT_TRUE(map.LoadFile(g_PathTable[ePathWorldMapDefault]));

    cSystemData system;
    ASSERT_TRUE(system.LoadFile(g_PathTable[ePathSystemDefault]));
    EXPECT_EQ("wave\\Cursor.wav", system.m_SoundFiles[0]);
    EXPECT_EQ("wave\\Ranking.wav", system.m_SoundFiles[cSystemData::kSoundFiles - 1]);
    EXPECT_EQ(3, system.m_MenuMusic[3]) << "the option music";
    EXPECT_TRUE(m_Boxes.Shown().empty());
}

TEST_F(FactoryRecords, TheFactoryStageIsTheCurrentVersionsAndPlayable) {
    std::string found;
    ASSERT_TRUE(FindNumberedFile(found, g_PathTable[ePathDefaultStageDefault], g_ExtTable[eExtStage]));
    EXPECT_EQ(std::string("default\\stg4\\Default.") + StageFileExt(), found);
    cEdStage stage;
    ASSERT_TRUE(stage.LoadStageFile(found.c_str(), false));
    EXPECT_TRUE(m_Boxes.Shown().empty());
    const cPoint hero = stage.FindHero();
    ASSERT_GE(hero.x, 0);
    // The hero stands on ground, and the stage goes on to the right with more of it.
    EXPECT_FALSE(stage.m_Blocks.IsEmpty(stage.CellIndex(hero.x, hero.y + 1)));
    EXPECT_TRUE(stage.m_Blocks.IsEmpty(stage.CellIndex(hero.x, hero.y)));
    EXPECT_GT(stage.m_Width, 20);
    EXPECT_FALSE(stage.m_Blocks.IsEmpty(stage.CellIndex(stage.m_Width - 1, hero.y + 1)));
    int enemies = 0;
    for (const auto& cell : stage.m_Charas) enemies += cell.second.m_Control == 1;
    EXPECT_GE(enemies, 3);
    EXPECT_GE(stage.m_Items.size(), 3u);
    // Each placement names its common palette entry, and its stage music is a row of the table.
    for (const auto& cell : stage.m_Blocks) EXPECT_EQ(1, cell.second.m_InheritSrc);
    cRecordVector<cBgm> bgms;
    const int bgmTable = 9;
    ASSERT_TRUE(LoadVectorFile(bgms, g_PathTable[ePathDatabase + 2 * bgmTable + 1]));
    EXPECT_LT(static_cast<size_t>(stage.m_Bgm), bgms.size());
}

TEST_F(FactoryRecords, TheFirstRunCopyFeedsTheEditorsLoadWithoutAFallback) {
    m_Boxes.Answer(IDYES);
    ASSERT_TRUE(CreateDefaultData(nullptr));
    std::map<std::string, cFileId> before;
    for (ePath path : FactoryRecordPaths()) ASSERT_TRUE(GetFileId(DataPath(path), before[DataPath(path)])) << DataPath(path);

    ASSERT_TRUE(LoadProject());
    EXPECT_EQ(1u, m_Boxes.Shown().size()) << "only the first-run question";
    for (const auto& file : before) {
        cFileId after;
        ASSERT_TRUE(GetFileId(file.first, after)) << file.first;
        EXPECT_TRUE(after == file.second) << file.first << " was written again: its load fell back";
    }
    EXPECT_EQ(6u, ProjectDatabase().m_Bgms.size());
    EXPECT_EQ("bgm\\Title.ogg", ProjectDatabase().m_Bgms[0].m_File);
    EXPECT_EQ("wave\\Decide.wav", ProjectSystemData().m_SoundFiles[1]);
    std::string stage;
    EXPECT_TRUE(FindNumberedFile(stage, g_PathTable[ePathDefaultStage], g_ExtTable[eExtStage]));
}

TEST_F(FactoryRecords, TheGameLoadsTheCopiedDataStrictly) {
    m_Boxes.Answer(IDYES);
    ASSERT_TRUE(EnsureDataFolder(nullptr));
    EXPECT_TRUE(ProjectDatabase().Load(true));
    EXPECT_TRUE(ProjectSystemData().LoadFile(g_PathTable[ePathSystem]));
    EXPECT_TRUE(ProjectWorldMap().LoadFile(g_PathTable[ePathWorldMap]));
    EXPECT_TRUE(ProjectCommonPalette().LoadFile(g_PathTable[ePathCommonPalette]));
    EXPECT_EQ(1u, m_Boxes.Shown().size()) << "no load failure was told";
}

namespace {

bool FileInProject(const std::string& file) {
    return GetFileAttributesA((ProjectFolder() + "\\" + file).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The rows a chara names in the database.
void ExpectCharaRowsExist(const cEdChara& chara, const cDatabase& db, const std::string& where) {
    if (chara.m_Graphic == 0) return;
    EXPECT_TRUE(IsRow(db.m_AnimeSets, chara.m_AnimeSet)) << where << " anime set " << chara.m_AnimeSet;
    EXPECT_TRUE(IsRow(db.m_CharaEffects, chara.m_StartEffect)) << where;
    EXPECT_TRUE(IsRow(db.m_CharaEffects, chara.m_DeathEffect)) << where;
    EXPECT_TRUE(IsRow(db.m_Effects, chara.m_BodyEffect)) << where;
}

template <class V>
void ExpectNamedFilesExist(const V& table, const char* name) {
    for (const auto& entry : table)
        if (!entry.m_File.empty()) {
            EXPECT_TRUE(FileInProject(entry.m_File)) << name << ": " << entry.m_File;
        }
}

}  // namespace

// What the factory palette, stage and system data name in the database is there, and so are
// the files the database names.
TEST_F(FactoryRecords, EveryDatabaseReferenceResolves) {
    m_Boxes.Answer(IDYES);
    ASSERT_TRUE(EnsureDataFolder(nullptr));
    cDatabase& db = ProjectDatabase();
    ASSERT_TRUE(db.Load(true));

    // Loaded against the factory database, no reference needs mending: a copy checked again
    // stays as it is.
    cCommonPalette palette;
    ASSERT_TRUE(palette.LoadFile(g_PathTable[ePathCommonPalette]));
    cPaletteSourceScope common(eSourceCommon, &palette);
    for (size_t i = 0; i < palette.m_Charas.size(); ++i) {
        const cEdChara& chara = palette.m_Charas[i];
        ExpectCharaRowsExist(chara, db, "common chara " + std::to_string(i));
        cEdChara checked = chara;
        checked.Validate();
        EXPECT_TRUE(checked == chara) << "common chara " << i;
    }
    for (size_t i = 0; i < palette.m_Items.size(); ++i) {
        const cEdItem& item = palette.m_Items[i];
        if (item.m_Graphic != 0) {
            EXPECT_TRUE(IsRow(db.m_Sounds, item.m_Sound)) << "common item " << i;
        }
        cEdItem checked = item;
        checked.CheckRef();
        EXPECT_TRUE(checked == item) << "common item " << i;
    }
    EXPECT_EQ(2u, db.m_AnimeSets.size());
    EXPECT_EQ(1, palette.m_Charas[2].m_AnimeSet) << "the enemies' set";

    std::string found;
    ASSERT_TRUE(FindNumberedFile(found, g_PathTable[ePathDefaultStage], g_ExtTable[eExtStage]));
    cEdStage stage;
    ASSERT_TRUE(stage.LoadStageFile(found.c_str(), false));
    for (const auto& cell : stage.m_Charas) ExpectCharaRowsExist(cell.second, db, "stage chara");
    for (const auto& cell : stage.m_Items) EXPECT_TRUE(IsRow(db.m_Sounds, cell.second.m_Sound));
    EXPECT_TRUE(IsRow(db.m_Bgms, stage.m_Bgm));

    cSystemData system;
    ASSERT_TRUE(system.LoadFile(g_PathTable[ePathSystem]));
    for (int32_t music : system.m_MenuMusic) EXPECT_TRUE(IsRow(db.m_Bgms, music)) << music;
    for (const std::string& sound : system.m_SoundFiles) EXPECT_TRUE(FileInProject(sound)) << sound;

    ExpectNamedFilesExist(db.m_BmpCharaExcs, "Bmp_CharaExc");
    ExpectNamedFilesExist(db.m_Effects, "Effect");
    ExpectNamedFilesExist(db.m_Pictures, "Picture");
    ExpectNamedFilesExist(db.m_Sounds, "Sound");
    ExpectNamedFilesExist(db.m_Bgms, "Bgm");
}
