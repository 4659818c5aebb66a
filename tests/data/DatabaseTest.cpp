#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "data/Database.h"
#include "tests/data/Bytes.h"
#include "tests/data/FlowBytes.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/TempDir.h"

namespace {

const char* const kTables[kDatabaseTables] = {"AnimeSet", "Anime", "Bmp_CharaExc", "SwordType", "Effect",
                                              "CharaEffect", "ScrEffect", "Picture", "Sound", "Bgm"};

std::string DataFile(int k) { return std::string("data\\database\\") + kTables[k] + ".dat"; }
std::string DefaultFile(int k) { return std::string("default\\database\\") + kTables[k] + ".dat"; }

// The factory records, written by hand from the record layouts.
cBytes& Frame(cBytes& b, int32_t cell, int32_t time, int32_t run) { return b.U32(3).I32(cell).I32(time).I32(run).U32(0); }

cBytes& Anime(cBytes& b, const std::string& name) {
    b.U32(3).U16(0).U8(1).U16(0).U32(1).Str(name).U32(1);
    return Frame(b, 0, 1, 0);
}

cBytes& NamedFile(cBytes& b) { return b.U32(0).U32(2).Str("").Str(""); }

cBytes& EffectType(cBytes& b, int32_t type) {
    b.U32(2).I32(type);
    for (int i = 0; i < 5; ++i) b.I32(0);
    return b.U32(1).Str("");
}

cBytes& SwordPos(cBytes& b, int32_t time) {
    b.U32(10).I32(0).I32(0).I32(1);
    for (int i = 0; i < 6; ++i) b.I32(0);
    return b.I32(time).U32(0);
}

std::string FactoryFile(int k) {
    cBytes b;
    b.U32(147);
    switch (k) {
        case 0:
            b.U32(1).U32(3).I32(0).I32(0).I32(0).U32(1).Str("").U32(4);
            for (const char* slot : {"立ち", "立ち移動", "飛行", "飛行移動"}) Anime(b, slot);
            break;
        case 1:
            Anime(Anime(b.U32(2), "なし"), "アクションA");
            break;
        case 3:
            SwordPos(b.U32(1).U32(0).U32(3).Str("").Str("").Str("").U32(1), 1);
            break;
        case 4:
            b.U32(2);
            for (int i = 0; i < 2; ++i) b.U32(3).I32(16).I32(16).I32(1).U32(2).Str("").Str("").U32(0);
            break;
        case 5:
        case 6:
            EffectType(EffectType(b.U32(2), 0), 1);
            break;
        default:
            NamedFile(NamedFile(b.U32(2)));
    }
    return b.Get();
}

void MakeDataFolders() {
    CreateDirectoryA("data", nullptr);
    CreateDirectoryA("data\\database", nullptr);
}

// A database whose every table holds something other than the defaults.
void FillDatabase(cDatabase& db) {
    db.m_AnimeSets[0].m_Name = "セットA";
    db.m_AnimeSets[0].m_FlyOffset = 12;
    db.m_AnimeSets[0].m_Slots.resize(6);
    db.m_AnimeSets[0].m_Slots[5].m_Frames.resize(3);
    db.m_Animes[1].m_SampleNo = 119;
    db.m_Animes[1].m_SampleKind = 4;
    db.m_Animes[1].m_Frames[0].m_RunCommand = 1;
    db.m_BmpCharaExcs[1].m_File = "bmp\\chara_sp\\a.bmp";
    db.m_SwordTypes[0].m_Positions.resize(2);
    db.m_SwordTypes[0].m_Positions[1].m_X = -320;
    db.m_SwordTypes[0].m_Positions[1].m_MirrorY = 1;
    db.m_SwordTypes[0].m_RightBmp = "bmp\\sword\\r.bmp";
    db.m_Effects[1].m_Frames.resize(2);
    db.m_Effects[1].m_Frames[1].m_Cell = 7;
    db.m_CharaEffects[1].m_Type = 16;
    db.m_CharaEffects[1].m_Params[4] = -3;
    db.m_ScrEffects.resize(3);
    db.m_ScrEffects[2].m_Params[0] = 9999;
    db.m_Pictures[0].m_Name = "絵";
    db.m_Sounds[1].m_File = "wave\\a.wav";
    db.m_Bgms[1].m_File = "bgm\\a.ogg";
}

template <class V>
void ExpectEveryCutFails(V& table, const std::string& file, const cTempDir& dir) {
    const V before = table;
    for (size_t cut = 0; cut < file.size(); ++cut) {
        dir.Write("cut.dat", file.substr(0, cut));
        EXPECT_FALSE(LoadVectorFile(table, "cut.dat")) << "cut at " << cut;
        ASSERT_EQ(before.size(), table.size());
        for (size_t i = 0; i < table.size(); ++i) EXPECT_TRUE(RecordsEqual(before[i], table[i]));
    }
    dir.Write("whole.dat", file);
    EXPECT_TRUE(LoadVectorFile(table, "whole.dat"));
}

}  // namespace

TEST(Database, FactoryTablesSaveToTheseBytes) {
    cTempDir dir;
    MakeDataFolders();
    cDatabase db;
    ASSERT_TRUE(db.Save());
    for (int k = 0; k < kDatabaseTables; ++k) EXPECT_EQ(FactoryFile(k), dir.Read(DataFile(k))) << kTables[k];
}

TEST(Database, SaveLoadSaveGivesTheSameBytesForEveryTable) {
    cTempDir dir;
    MakeDataFolders();
    cDatabase db;
    FillDatabase(db);
    ASSERT_TRUE(db.Save());
    std::string first[kDatabaseTables];
    for (int k = 0; k < kDatabaseTables; ++k) first[k] = dir.Read(DataFile(k));

    cDatabase loaded;
    ASSERT_TRUE(loaded.Load(true));
    EXPECT_EQ(6u, loaded.m_AnimeSets[0].m_Slots.size());
    EXPECT_EQ(-320, loaded.m_SwordTypes[0].m_Positions[1].m_X);
    EXPECT_EQ("絵", loaded.m_Pictures[0].m_Name);
    ASSERT_TRUE(loaded.Save());
    for (int k = 0; k < kDatabaseTables; ++k) EXPECT_EQ(first[k], dir.Read(DataFile(k))) << kTables[k];
}

TEST(Database, OlderFilesLoadWithTheirUpgrades) {
    struct {
        const char* what;
        int table;
        std::string file;
        std::function<void(const cDatabase&)> check;
    } cases[] = {
        {"AnimeSet 118 with two slots", 0,
         Anime(Anime(cBytes().U32(118).U32(1).U32(2).I32(1).I32(2).U32(1).Str("S").U32(2), "a"), "b").Get(),
         [](const cDatabase& db) {
             const cAnimeSet& set = db.m_AnimeSets[0];
             EXPECT_EQ(2, set.m_BlockOffset);
             EXPECT_EQ(0, set.m_FlyOffset);  // not in the file: keeps its default
             ASSERT_EQ(4u, set.m_Slots.size());
             EXPECT_EQ("b", set.m_Slots[1].m_Name);
             EXPECT_EQ("飛行", set.m_Slots[2].m_Name);
             EXPECT_EQ("飛行移動", set.m_Slots[3].m_Name);
             EXPECT_EQ(1u, set.m_Slots[3].m_Frames.size());
         }},
        {"AnimeSet 127 with five slots", 0,
         [] {
             cBytes b;
             b.U32(127).U32(1).U32(3).I32(1).I32(2).I32(3).U32(1).Str("S").U32(5);
             for (const char* name : {"a", "b", "c", "d", "e"}) Anime(b, name);
             return b.Get();
         }(),
         [](const cDatabase& db) {
             const cAnimeSet& set = db.m_AnimeSets[0];
             EXPECT_EQ(3, set.m_FlyOffset);
             ASSERT_EQ(4u, set.m_Slots.size());
             EXPECT_EQ("a", set.m_Slots[0].m_Name);
             EXPECT_EQ("飛行", set.m_Slots[2].m_Name);
         }},
        {"AnimeSet 128 keeps its slots", 0,
         [] {
             cBytes b;
             b.U32(128).U32(1).U32(3).I32(1).I32(2).I32(3).U32(1).Str("S").U32(5);
             for (const char* name : {"a", "b", "c", "d", "e"}) Anime(b, name);
             return b.Get();
         }(),
         [](const cDatabase& db) {
             ASSERT_EQ(5u, db.m_AnimeSets[0].m_Slots.size());
             EXPECT_EQ("c", db.m_AnimeSets[0].m_Slots[2].m_Name);
         }},
        {"Anime 54 holds only the name", 1,
         Frame(Frame(cBytes().U32(54).U32(1).U32(0).U32(1).Str("古い").U32(2), 3, 4, 1), 5, 6, 0).Get(),
         [](const cDatabase& db) {
             const cAnime& anime = db.m_Animes[0];
             EXPECT_EQ("古い", anime.m_Name);
             EXPECT_EQ(1, anime.m_SampleKind);
             EXPECT_EQ(0, anime.m_SampleNo);
             ASSERT_EQ(2u, anime.m_Frames.size());
             EXPECT_EQ(6, anime.m_Frames[1].m_Time);
         }},
        {"SwordType 137 has eight values per position", 3,
         [] {
             cBytes b;
             b.U32(137).U32(1).U32(0).U32(3).Str("剣").Str("l").Str("r").U32(1).U32(8);
             for (int v = 1; v <= 8; ++v) b.I32(v * 10);
             return b.U32(0).Get();
         }(),
         [](const cDatabase& db) {
             const cSwordPos& pos = db.m_SwordTypes[0].m_Positions.At(0);
             EXPECT_EQ(10, pos.m_X);
             EXPECT_EQ(20, pos.m_Y);
             EXPECT_EQ(1, pos.m_MirrorX);
             EXPECT_EQ(0, pos.m_MirrorY);
             EXPECT_EQ(30, pos.m_Direction);
             EXPECT_EQ(80, pos.m_Time);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        cTempDir dir;
        MakeDataFolders();
        {
            cDatabase factory;
            ASSERT_TRUE(factory.Save());
        }
        dir.Write(DataFile(c.table), c.file);
        cDatabase db;
        ASSERT_TRUE(db.Load(true));
        c.check(db);
        // Saving writes the current layout.
        ASSERT_TRUE(db.Save());
        std::string saved = dir.Read(DataFile(c.table));
        EXPECT_EQ(std::string("\x93\x00\x00\x00", 4), saved.substr(0, 4));
        cDatabase again;
        ASSERT_TRUE(again.Load(true));
        c.check(again);
    }
}

TEST(Database, TruncatedTableFilesFailAndChangeNothing) {
    cTempDir dir;
    cDatabase db;
    FillDatabase(db);
    // Every table file of the factory database, cut at every byte.
    ExpectEveryCutFails(db.m_AnimeSets, FactoryFile(0), dir);
    ExpectEveryCutFails(db.m_Animes, FactoryFile(1), dir);
    ExpectEveryCutFails(db.m_BmpCharaExcs, FactoryFile(2), dir);
    ExpectEveryCutFails(db.m_SwordTypes, FactoryFile(3), dir);
    ExpectEveryCutFails(db.m_Effects, FactoryFile(4), dir);
    ExpectEveryCutFails(db.m_CharaEffects, FactoryFile(5), dir);
    ExpectEveryCutFails(db.m_ScrEffects, FactoryFile(6), dir);
    ExpectEveryCutFails(db.m_Pictures, FactoryFile(7), dir);
}

TEST(Database, StrictLoadStopsAtTheFirstUnreadableTable) {
    cTempDir dir;
    MakeDataFolders();
    cDatabase source;
    FillDatabase(source);
    ASSERT_TRUE(source.Save());
    DeleteFileA("data\\database\\Picture.dat");
    dir.Write("data\\database\\Sound.dat", std::string("\x93\x00\x00\x00\x05\x00", 6));
    std::string sound = dir.Read("data\\database\\Sound.dat");

    cBoxAnswers boxes;
    boxes.Answer(IDOK);
    cDatabase db;
    EXPECT_FALSE(db.Load(true));
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("data\\database\\Picture.dat のロードに失敗！", boxes.Shown()[0].text);
    // The tables read before the failed one are not taken either.
    EXPECT_EQ(0, db.m_CharaEffects[1].m_Params[4]);
    EXPECT_EQ(1, db.m_CharaEffects[1].m_Type);
    EXPECT_EQ(4u, db.m_AnimeSets[0].m_Slots.size());
    EXPECT_EQ("", db.m_AnimeSets[0].m_Name);
    EXPECT_EQ("", db.m_Pictures[0].m_Name);
    EXPECT_FALSE(dir.Exists("data\\database\\Picture.dat"));
    EXPECT_EQ(sound, dir.Read("data\\database\\Sound.dat"));

    // A damaged table fails the same way.
    source.Save();
    dir.Write("data\\database\\Sound.dat", sound);
    boxes.Answer(IDOK);
    EXPECT_FALSE(db.Load(true));
    ASSERT_EQ(2u, boxes.Shown().size());
    EXPECT_EQ("data\\database\\Sound.dat のロードに失敗！", boxes.Shown()[1].text);
}

TEST(Database, StrictLoadStripsCarriageReturns) {
    cTempDir dir;
    MakeDataFolders();
    cDatabase source;
    source.m_Pictures[0].m_Name = "a\r\nb";
    ASSERT_TRUE(source.Save());
    cDatabase db;
    ASSERT_TRUE(db.Load(true));
    EXPECT_EQ("a\nb", db.m_Pictures[0].m_Name);
}

TEST(Database, EditorLoadFallsBackToTheFactoryFilesAndWritesOnlyThoseBack) {
    cTempDir dir;
    MakeDataFolders();
    CreateDirectoryA("default", nullptr);
    CreateDirectoryA("default\\database", nullptr);
    {
        cDatabase factory;
        factory.m_Pictures[1].m_Name = "工場";
        // The factory copies are saved where the data files go, then moved to default\database.
        ASSERT_TRUE(factory.Save());
        for (int k = 0; k < kDatabaseTables; ++k) ASSERT_TRUE(MoveFileA(DataFile(k).c_str(), DefaultFile(k).c_str()));
    }
    // Sound comes from data\, in an older version: it is read and not written back.
    std::string oldSound = cBytes().U32(140).U32(1).U32(0).U32(2).Str("音").Str("wave\\s.wav").Get();
    dir.Write(DataFile(8), oldSound);

    cDatabase db;
    ASSERT_TRUE(db.Load(false));
    EXPECT_EQ("工場", db.m_Pictures[1].m_Name);
    ASSERT_EQ(1u, db.m_Sounds.size());
    EXPECT_EQ("音", db.m_Sounds[0].m_Name);
    EXPECT_EQ(oldSound, dir.Read(DataFile(8)));
    for (int k : {0, 1, 2, 3, 4, 5, 6, 7, 9}) EXPECT_EQ(dir.Read(DefaultFile(k)), dir.Read(DataFile(k))) << kTables[k];
}

TEST(Database, EditorLoadWithoutFilesUsesBuiltInDefaultsAndWritesThem) {
    cTempDir dir;
    MakeDataFolders();
    cDatabase db;
    db.m_Animes.resize(1);
    db.m_Animes[0].m_Name = "残る";
    db.m_Effects.resize(5);
    ASSERT_TRUE(db.Load(false));
    ASSERT_EQ(2u, db.m_Animes.size());
    EXPECT_EQ("残る", db.m_Animes[0].m_Name);  // held entries stay
    EXPECT_EQ(1u, db.m_Animes[1].m_Frames.size());
    EXPECT_EQ(1, db.m_Animes[1].m_Frames[0].m_Time);
    EXPECT_EQ(2u, db.m_Effects.size());
    ASSERT_EQ(1u, db.m_SwordTypes.size());
    EXPECT_EQ(1u, db.m_SwordTypes[0].m_Positions.size());
    ASSERT_EQ(1u, db.m_AnimeSets.size());
    EXPECT_EQ("飛行移動", db.m_AnimeSets[0].m_Slots[3].m_Name);
    for (int k : {0, 2, 3, 7, 8, 9}) EXPECT_EQ(FactoryFile(k), dir.Read(DataFile(k))) << kTables[k];
    // The effect tables are written as they came; the first type is fixed after the last table.
    std::string effects = EffectType(EffectType(cBytes().U32(147).U32(2), 1), 1).Get();
    EXPECT_EQ(effects, dir.Read(DataFile(5)));
    EXPECT_EQ(effects, dir.Read(DataFile(6)));
    EXPECT_EQ(0, db.m_CharaEffects[0].m_Type);
    EXPECT_TRUE(dir.Exists(DataFile(1)));
    EXPECT_TRUE(dir.Exists(DataFile(4)));
}

TEST(Database, FirstEffectOfBothTablesHasTypeZero) {
    cTempDir dir;
    MakeDataFolders();
    dir.Write(DataFile(5), EffectType(EffectType(cBytes().U32(147).U32(2), 5), 7).Get());
    dir.Write(DataFile(6), cBytes().U32(147).U32(0).Get());  // no records: nothing to fix
    cDatabase db;
    ASSERT_TRUE(db.Load(false));
    EXPECT_EQ(0, db.m_CharaEffects[0].m_Type);
    EXPECT_EQ(7, db.m_CharaEffects[1].m_Type);
    EXPECT_TRUE(db.m_ScrEffects.empty());
    db.m_CharaEffects[0].m_Type = 3;
    ASSERT_TRUE(db.Save());
    EXPECT_EQ(0, db.m_CharaEffects[0].m_Type);
    EXPECT_EQ(cBytes().U32(147).U32(0).Get(), dir.Read(DataFile(6)));
}

TEST(Database, FailedSaveIsReportedAndKeepsTheOldFile) {
    cTempDir dir;
    MakeDataFolders();
    cDatabase db;
    ASSERT_TRUE(db.Save());
    std::string oldSound = dir.Read(DataFile(8));
    db.m_Sounds[0].m_Name = "new";
    db.m_Bgms[0].m_Name = "new";
    HANDLE held = CreateFileA(DataFile(8).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_FALSE(db.Save());
    CloseHandle(held);
    EXPECT_EQ(oldSound, dir.Read(DataFile(8)));
    cDatabase loaded;
    ASSERT_TRUE(loaded.Load(true));
    // The tables are saved as a set: none of them changed.
    EXPECT_EQ("", loaded.m_Bgms[0].m_Name);
}

// A table file that cannot be replaced (read-only, or a folder in its place) stops the whole
// set before any file changes, is named, and leaves no temporary file behind.
TEST(Database, SaveIsOneSetThatAFileThatCannotBeReplacedStops) {
    for (int blocked : {0, 5, 9}) {
        for (bool folder : {false, true}) {
            cTempDir dir;
            MakeDataFolders();
            cDatabase db;
            ASSERT_TRUE(db.Save());
            std::string old[kDatabaseTables];
            for (int k = 0; k < kDatabaseTables; ++k) old[k] = dir.Read(DataFile(k));
            if (folder) {
                ASSERT_TRUE(DeleteFileA(DataFile(blocked).c_str()));
                ASSERT_TRUE(CreateDirectoryA(DataFile(blocked).c_str(), nullptr));
            } else {
                ASSERT_TRUE(SetFileAttributesA(DataFile(blocked).c_str(), FILE_ATTRIBUTE_READONLY));
            }
            db.m_AnimeSets[0].m_Name = "new";
            db.m_Bgms[0].m_Name = "new";
            db.m_Effects[0].m_Name = "new";
            std::string failed;
            EXPECT_FALSE(db.Save(&failed));
            EXPECT_EQ(DataFile(blocked), failed);
            for (int k = 0; k < kDatabaseTables; ++k) {
                if (k == blocked && folder) continue;
                EXPECT_EQ(old[k], dir.Read(DataFile(k))) << kTables[k];
                EXPECT_FALSE(dir.Exists(DataFile(k) + ".tmp~")) << kTables[k];
            }
            if (folder)
                RemoveDirectoryA(DataFile(blocked).c_str());
            else
                SetFileAttributesA(DataFile(blocked).c_str(), FILE_ATTRIBUTE_NORMAL);
            // Once the file can be replaced again, the whole set goes.
            ASSERT_TRUE(db.Save(&failed));
            cDatabase loaded;
            ASSERT_TRUE(loaded.Load(true));
            EXPECT_EQ("new", loaded.m_AnimeSets[0].m_Name);
            EXPECT_EQ("new", loaded.m_Bgms[0].m_Name);
        }
    }
}

// Every field of a sword position holds its own number, so a field written in another's place
// shows in the bytes; a file older than 138 has no mirror flags between offset and direction.
TEST(Database, EverySwordPositionFieldHasItsOwnPlaceInTheFile) {
    cSwordPos pos;
    pos.m_X = 1;
    pos.m_Y = 2;
    pos.m_MirrorX = 3;
    pos.m_MirrorY = 4;
    pos.m_Direction = 5;
    pos.m_SrcX = 6;
    pos.m_SrcY = 7;
    pos.m_Width = 8;
    pos.m_Height = 9;
    pos.m_Time = 10;
    cBytes b;
    b.U32(147).U32(10);
    for (int32_t v = 1; v <= 10; ++v) b.I32(v);
    EXPECT_EQ(b.U32(0).Get(), SavedBytes(pos));

    cBytes old;
    old.U32(137).U32(8).I32(1).I32(2);
    for (int32_t v = 5; v <= 10; ++v) old.I32(v);
    cSwordPos loaded;
    ASSERT_TRUE(LoadBytes(loaded, old.U32(0).Get()));
    const int32_t expected[] = {1, 2, 1, 0, 5, 6, 7, 8, 9, 10};
    const int32_t got[] = {loaded.m_X,    loaded.m_Y,    loaded.m_MirrorX, loaded.m_MirrorY, loaded.m_Direction,
                           loaded.m_SrcX, loaded.m_SrcY, loaded.m_Width,   loaded.m_Height,  loaded.m_Time};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(expected[i], got[i]) << "field " << i + 1;
}
