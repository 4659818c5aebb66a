// Loading a project folder at the editor's start-up: each file from data\, default\ or the
// built-in defaults, what is written back, the default stage copy, the palettes and pictures.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "data/CommonPalette.h"
#include "data/Paths.h"
#include "data/ProjectData.h"
#include "data/ProjectDatabase.h"
#include "data/Stage.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/LoadProject.h"
#include "editor/shell/StageDoc.h"
#include "editor/shell/SystemBitmaps.h"
#include "framework/MessageBox.h"
#include "framework/TestSeams.h"
#include "tests/framework/BmpWriter.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/ProjectObjects.h"
#include "tests/support/TempDir.h"

namespace {

typedef std::map<std::string, std::string> cFiles;  // relative path -> bytes

void ListFiles(const std::string& folder, cFiles& files) {
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        std::string path = folder + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            ListFiles(path, files);
        } else {
            FILE* fp = fopen(path.c_str(), "rb");
            std::string bytes;
            char buffer[4096];
            size_t n;
            while (fp && (n = fread(buffer, 1, sizeof buffer, fp)) > 0) bytes.append(buffer, n);
            if (fp) fclose(fp);
            files[path] = bytes;
        }
    } while (FindNextFileA(find, &found));
    FindClose(find);
}

cFiles FilesUnder(const std::string& folder) {
    cFiles files;
    ListFiles(folder, files);
    return files;
}

// Dates every file under the folder back, or tells whether all still carry that date.
const FILETIME kLongAgo = {0x12345678, 0x01b00000};

bool StampFiles(const std::string& folder, bool check) {
    bool same = true;
    for (const auto& file : FilesUnder(folder)) {
        HANDLE h = CreateFileA(file.first.c_str(), GENERIC_READ | FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE) return false;
        FILETIME written;
        if (check)
            same = same && GetFileTime(h, nullptr, nullptr, &written) && CompareFileTime(&written, &kLongAgo) == 0;
        else
            same = same && SetFileTime(h, nullptr, nullptr, &kLongAgo);
        CloseHandle(h);
    }
    return same;
}

// The same files with their first folder renamed (default\x -> data\x).
cFiles Renamed(const cFiles& files, const std::string& from, const std::string& to) {
    cFiles renamed;
    for (const auto& file : files) renamed[to + file.first.substr(from.size())] = file.second;
    return renamed;
}

void MakeFolders(const char* root) {
    CreateDirectoryA(root, nullptr);
    CreateDirectoryA((std::string(root) + "\\database").c_str(), nullptr);
    CreateDirectoryA((std::string(root) + "\\stg4").c_str(), nullptr);
}

std::vector<RGBQUAD> Colours(int seed) {
    std::vector<RGBQUAD> colours(256);
    for (int i = 0; i < 256; ++i)
        colours[i] = RGBQUAD{static_cast<BYTE>(i + seed), static_cast<BYTE>(i * 3), static_cast<BYTE>(255 - i), 0};
    return colours;
}

// An 8-bit picture whose pixels tell their column: cell mirroring shows in the first row.
std::vector<char> Picture(int width, int height) {
    cBmpShape shape;
    shape.width = width;
    shape.height = height;
    shape.colours = Colours(0);
    shape.pixel = [](int x, int) { return static_cast<uint32_t>(x + 1); };
    return MakeBmp(shape);
}

// The two palettes and a small picture for every system bitmap, leaving out one file.
void WritePictures(const cTempDir& dir, const std::string& leaveOut = std::string()) {
    std::map<std::string, std::vector<char>> files;
    cBmpShape palette;
    palette.colours = Colours(0);
    files["bmp\\plt\\Palette.bmp"] = MakeBmp(palette);
    palette.colours = Colours(7);
    files["bmp\\plt\\Palette2.bmp"] = MakeBmp(palette);
    for (int slot = 0; slot < kSystemBitmaps; ++slot) files[SystemBitmapTable[slot].file] = Picture(64, 4);
    files.erase(leaveOut);
    for (const auto& file : files) dir.Write(file.first, file.second);
}

// A project that has everything but its data files.
void MakeProject(const cTempDir& dir) {
    MakeFolders("data");
    WritePictures(dir);
}

// The project files that LoadProject keeps in data\ (the database writes its own tables).
const char* const kRecordFiles[] = {"data\\GValInfo.dat", "data\\System.dat", "data\\CommonPalette.cplt4",
                                    "data\\PrjOption.dat", "data\\WorldMap.dat"};

// A factory copy under default\ that differs from the built-in defaults in every file.
void WriteFactoryCopy(const cTempDir& dir) {
    MakeFolders("default");
    cVarNames names(kCommonVars);
    names[2].m_Name = "所持金";
    ASSERT_TRUE(SaveVectorFile(names, "default\\GValInfo.dat"));
    cSystemData system;
    system.m_Title = "工場のゲーム";
    ASSERT_TRUE(system.SaveFile("default\\System.dat"));
    cCommonPalette palette;
    palette.m_Blocks[3].m_Name = "工場のブロック";
    ASSERT_TRUE(palette.SaveFile("default\\CommonPalette.cplt4"));
    cPrjOption option;
    option.m_GamePath = "game.exe";
    ASSERT_TRUE(option.SaveFile("default\\PrjOption.dat"));
    cWorldMap map;
    map.m_Name = "工場の世界";
    ASSERT_TRUE(map.SaveFile("default\\WorldMap.dat"));
    cRecordVector<cBgm> bgms(3);
    bgms[2].m_Name = "工場の曲";
    ASSERT_TRUE(SaveVectorFile(bgms, "default\\database\\Bgm.dat"));
    dir.Write("default\\stg4\\Default.stg4_002", std::string("two"));
    dir.Write("default\\stg4\\Default.stg4_007", std::string("seven"));
}

// Loading fills the project objects that every test of the program shares: each test puts
// them back as it found them. (In the tests the fixture's name hides the function's: ::LoadProject.)
class LoadProject : public testing::Test {
    cKeepProjectObjects m_Project;
};

}  // namespace

TEST_F(LoadProject, WithoutDataOrDefaultEveryFileIsBuiltInAndWrittenOnce) {
    cTempDir dir;
    MakeProject(dir);
    cBoxAnswers boxes;
    ASSERT_TRUE(::LoadProject());
    EXPECT_TRUE(boxes.Shown().empty());

    // Exactly the project files and the ten tables, each holding the built-in object.
    cFiles written = FilesUnder("data");
    EXPECT_EQ(5u + kDatabaseTables, written.size());
    MakeFolders("expect");
    cVarNames names(kCommonVars);
    ASSERT_TRUE(SaveVectorFile(names, "expect\\GValInfo.dat"));
    ASSERT_TRUE(cSystemData().SaveFile("expect\\System.dat"));
    ASSERT_TRUE(cCommonPalette().SaveFile("expect\\CommonPalette.cplt4"));
    ASSERT_TRUE(cPrjOption().SaveFile("expect\\PrjOption.dat"));
    ASSERT_TRUE(cWorldMap().SaveFile("expect\\WorldMap.dat"));
    for (const char* file : kRecordFiles) {
        std::string name = std::string(file).substr(5);
        EXPECT_EQ(dir.Read("expect\\" + name), written["data\\" + name]) << file;
    }
    EXPECT_EQ(1u, written.count("data\\database\\Bgm.dat"));
    EXPECT_EQ(static_cast<size_t>(kCommonVars), CommonVarNames().size());
    EXPECT_EQ(2u, ProjectDatabase().m_Animes.size());
    EXPECT_EQ(0, StageDoc().m_StageOpen);
    EXPECT_EQ("", StageDoc().m_StagePath);

    // The palettes and pictures are in place; neither background names a picture.
    EXPECT_EQ(0, memcmp(Colours(0).data(), GetProjectPalette(), 256 * sizeof(RGBQUAD)));
    EXPECT_EQ(0, memcmp(Colours(7).data(), GetSecondPalette(), 256 * sizeof(RGBQUAD)));
    EXPECT_EQ(0, SystemBitmap(eBmpStageBack).Width());
    EXPECT_EQ(0, SystemBitmap(eBmpWorldBack).Width());
    for (int slot : {1, 2, 17, 21, 23, 26}) EXPECT_EQ(64, SystemBitmap(slot).Width()) << slot;
    EXPECT_EQ(1, SystemBitmap(eBmpChara1).Bits()[0]);
    EXPECT_EQ(32, SystemBitmap(eBmpChara1 + 1).Bits()[0]);  // each 32-dot cell mirrored
    EXPECT_FALSE(SystemBitmap(eBmpBlock).HasMask());
    EXPECT_TRUE(SystemBitmap(eBmpShot).HasMask());

    // The next start loads data\ and writes nothing.
    cSystemData edited;
    edited.m_Title = "二回目";
    ASSERT_TRUE(edited.SaveFile("data\\System.dat"));
    ASSERT_TRUE(StampFiles("data", false));
    ASSERT_TRUE(::LoadProject());
    EXPECT_EQ("二回目", ProjectSystemData().m_Title);
    EXPECT_TRUE(StampFiles("data", true));
}

TEST_F(LoadProject, EmptyDataTakesTheFactoryCopyWhetherCopiedFirstOrFileByFile) {
    for (bool copyFolderFirst : {true, false}) {
        SCOPED_TRACE(copyFolderFirst ? "data\\ created as a copy of default\\" : "data\\ empty");
        cTempDir dir;
        WritePictures(dir);
        WriteFactoryCopy(dir);
        cBoxAnswers boxes;
        if (copyFolderFirst) {
            boxes.Answer(IDYES);
            ASSERT_TRUE(CreateDefaultData(nullptr));
        } else {
            MakeFolders("data");
        }
        ASSERT_TRUE(::LoadProject());
        EXPECT_EQ(copyFolderFirst ? 1u : 0u, boxes.Shown().size());

        EXPECT_EQ("所持金", CommonVarNames()[2].m_Name);
        EXPECT_EQ("工場のゲーム", ProjectSystemData().m_Title);
        EXPECT_EQ("工場のブロック", ProjectCommonPalette().m_Blocks[3].m_Name);
        EXPECT_EQ("game.exe", ProjectOption().m_GamePath);
        EXPECT_EQ("工場の世界", ProjectWorldMap().m_Name);
        ASSERT_EQ(3u, ProjectDatabase().m_Bgms.size());
        EXPECT_EQ("工場の曲", ProjectDatabase().m_Bgms[2].m_Name);

        // Every factory file now stands in data\ as it was; of the default stages only the
        // newest was copied.
        cFiles factory = FilesUnder("default");
        factory.erase("default\\stg4\\Default.stg4_002");
        cFiles data = FilesUnder("data");
        if (copyFolderFirst) data.erase("data\\stg4\\Default.stg4_002");
        for (int k = 0; k < kDatabaseTables; ++k) {
            std::string table = g_PathTable[ePathDatabase + 2 * k];
            if (table != "data\\database\\Bgm.dat") data.erase(table);  // built in, the factory copy has none
        }
        EXPECT_EQ(Renamed(factory, "default", "data"), data);
    }
}

TEST_F(LoadProject, TheFactoryDefaultStageNeverReplacesOneOfTheProjects) {
    cTempDir dir;
    MakeProject(dir);
    WriteFactoryCopy(dir);
    dir.Write("data\\stg4\\Default.stg4_001", std::string("mine"));
    ASSERT_TRUE(::LoadProject());
    EXPECT_FALSE(dir.Exists("data\\stg4\\Default.stg4_007"));
    EXPECT_EQ("mine", dir.Read("data\\stg4\\Default.stg4_001"));
}

TEST_F(LoadProject, AMissingPaletteOrRequiredPictureStopsTheLoadWithItsMessage) {
    struct cCase {
        const char* missing;
        const char* message;
    };
    const cCase cases[] = {
        {"bmp\\plt\\Palette.bmp", "パレットの生成に失敗！\nbmp\\plt\\Palette.bmp が見つかりません！"},
        {"bmp\\plt\\Palette2.bmp", "パレットの生成に失敗！\nbmp\\plt\\Palette2.bmp が見つかりません！"},
        {"bmp\\Block.bmp", "bmp\\Block.bmp が読み込めません！"},
        {"bmp\\Character8.bmp", "bmp\\Character8.bmp が読み込めません！"},
        {"bmp\\Shot.bmp", "bmp\\Shot.bmp が読み込めません！"},
        {"bmp\\Accessory.bmp", "bmp\\Accessory.bmp が読み込めません！"},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.missing);
        cTempDir dir;
        MakeFolders("data");
        WritePictures(dir, c.missing);
        cBoxAnswers boxes;
        EXPECT_FALSE(::LoadProject());
        ASSERT_FALSE(boxes.Shown().empty());
        EXPECT_EQ(c.message, boxes.Shown().back().text);
    }
}

TEST_F(LoadProject, TheBackgroundPicturesAreOptional) {
    cTempDir dir;
    MakeProject(dir);
    ProjectStage().m_BackLayers[0].m_Picture = "bmp\\back\\Stage.bmp";
    dir.Write("bmp\\back\\Stage.bmp", Picture(128, 8));
    cWorldMap map;
    map.m_BackImage = "bmp\\back\\World.bmp";
    ASSERT_TRUE(map.SaveFile("data\\WorldMap.dat"));
    dir.Write("bmp\\back\\World.bmp", Picture(96, 8));
    ASSERT_TRUE(::LoadProject());
    EXPECT_EQ(128, SystemBitmap(eBmpStageBack).Width());
    EXPECT_EQ(96, SystemBitmap(eBmpWorldBack).Width());

    // A picture that is gone is told of by the bitmap and leaves the slot as it was.
    DeleteFileA("bmp\\back\\Stage.bmp");
    DeleteFileA("bmp\\back\\World.bmp");
    {
        cBoxAnswers boxes;
        ASSERT_TRUE(::LoadProject());
        EXPECT_EQ(2u, boxes.Shown().size());
    }
    EXPECT_EQ(128, SystemBitmap(eBmpStageBack).Width());
    EXPECT_EQ(96, SystemBitmap(eBmpWorldBack).Width());

    // Without a picture named, the slots are released.
    ProjectStage().m_BackLayers[0].m_Picture.clear();
    ASSERT_TRUE(cWorldMap().SaveFile("data\\WorldMap.dat"));
    ASSERT_TRUE(::LoadProject());
    EXPECT_EQ(0, SystemBitmap(eBmpStageBack).Width());
    EXPECT_EQ(0, SystemBitmap(eBmpWorldBack).Width());
}

TEST_F(LoadProject, DedicatedCharacterBitmapsLoadInPairsAndAreRequired) {
    cTempDir dir;
    MakeProject(dir);
    dir.Write("bmp\\chara_sp\\a.bmp", Picture(64, 4));
    cRecordVector<cBmpCharaExc> table(3);
    table[0].m_File = "bmp\\chara_sp\\a.bmp";  // the empty entry: never loaded
    table[1].m_File = "bmp\\chara_sp\\a.bmp";
    ASSERT_TRUE(SaveVectorFile(table, "data\\database\\Bmp_CharaExc.dat"));
    ASSERT_TRUE(::LoadProject());
    cDibList& bitmaps = DatabaseBitmaps();
    ASSERT_EQ(6u, bitmaps.size());
    EXPECT_EQ(0, bitmaps.At(0).Width());
    EXPECT_EQ(64, bitmaps.At(2).Width());
    EXPECT_EQ(1, bitmaps.At(2).Bits()[0]);
    EXPECT_EQ(32, bitmaps.At(3).Bits()[0]);
    EXPECT_TRUE(bitmaps.At(3).HasMask());
    EXPECT_EQ(0, bitmaps.At(5).Width());

    table[2].m_File = "bmp\\chara_sp\\gone.bmp";
    ASSERT_TRUE(SaveVectorFile(table, "data\\database\\Bmp_CharaExc.dat"));
    cBoxAnswers boxes;
    EXPECT_FALSE(::LoadProject());
    ASSERT_EQ(2u, boxes.Shown().size());
    EXPECT_EQ("bmp\\chara_sp\\gone.bmp が読み込めません！", boxes.Shown()[0].text);
    EXPECT_EQ("bmp\\chara_sp\\gone.bmp の読み込みに失敗！", boxes.Shown()[1].text);
}

namespace {

// The author's own project files in data\, each different from the factory copy and the
// built-in defaults; the database holds five sounds.
void WriteAuthorFiles() {
    cVarNames names(kCommonVars);
    names[5].m_Name = "作者の変数";
    ASSERT_TRUE(SaveVectorFile(names, "data\\GValInfo.dat"));
    cSystemData system;
    system.m_Title = "作者のゲーム";
    ASSERT_TRUE(system.SaveFile("data\\System.dat"));
    cCommonPalette palette;
    palette.m_Blocks[4].m_Name = "作者のブロック";
    ASSERT_TRUE(palette.SaveFile("data\\CommonPalette.cplt4"));
    cPrjOption option;
    option.m_GamePath = "mine.exe";
    ASSERT_TRUE(option.SaveFile("data\\PrjOption.dat"));
    cWorldMap map;
    map.m_Name = "作者の世界";
    ASSERT_TRUE(map.SaveFile("data\\WorldMap.dat"));
    cDatabase database;
    database.m_Sounds.resize(5);
    for (int i = 0; i < 5; ++i) database.m_Sounds[i].m_Name = "音" + std::to_string(i);
    database.m_Animes[1].m_Name = "作者の動き";
    ASSERT_TRUE(database.Save());
}

// What the user was told, and what the damaged file's place and its first kept copy held at
// that moment.
struct cSeenAtBox {
    std::string text;
    bool dataThere;
    std::string kept;
};

std::vector<cSeenAtBox> g_seen;
std::string g_watched;

int WatchBox(HWND, const char* text, const char*, UINT) {
    g_seen.push_back({text, GetFileAttributesA(g_watched.c_str()) != INVALID_FILE_ATTRIBUTES,
                      FilesUnder("data")[g_watched + ".bad1"]});
    return IDOK;
}

// Watches the boxes for one file while it lives.
class cBoxWatch {
public:
    explicit cBoxWatch(const std::string& path) {
        g_seen.clear();
        g_watched = path;
        SetMessageBoxHook(WatchBox);
    }
    ~cBoxWatch() { SetMessageBoxHook(UnexpectedBox); }
};

}  // namespace

TEST_F(LoadProject, ADamagedFileIsKeptAsideAndReportedBeforeAnythingReplacesIt) {
    std::vector<std::string> files(std::begin(kRecordFiles), std::end(kRecordFiles));
    for (int k = 0; k < kDatabaseTables; ++k) files.push_back(g_PathTable[ePathDatabase + 2 * k]);
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        cTempDir dir;
        MakeProject(dir);
        WriteFactoryCopy(dir);
        WriteAuthorFiles();
        const std::string whole = dir.Read(file);
        ASSERT_GT(whole.size(), 3u);
        const std::string damaged = whole.substr(0, whole.size() - 3);
        dir.Write(file, damaged);
        const cFiles others = [&] {
            cFiles all = FilesUnder("data");
            all.erase(file);
            return all;
        }();

        {
            cBoxWatch watch(file);
            ASSERT_TRUE(::LoadProject());
        }
        ASSERT_EQ(1u, g_seen.size());
        const std::string kept = file + ".bad1";
        EXPECT_NE(std::string::npos, g_seen[0].text.find(file + " ")) << g_seen[0].text;
        EXPECT_NE(std::string::npos, g_seen[0].text.find(kept)) << g_seen[0].text;
        EXPECT_FALSE(g_seen[0].dataThere) << "told before the fallback was written";
        EXPECT_EQ(damaged, g_seen[0].kept);

        // The author's bytes stay beside the file, which now holds the fallback; no other file
        // was touched.
        cFiles after = FilesUnder("data");
        EXPECT_EQ(damaged, after[kept]);
        EXPECT_TRUE(dir.Exists(file));
        EXPECT_NE(damaged, after[file]);
        after.erase(kept);
        after.erase(file);
        after.erase("data\\stg4\\Default.stg4_007");  // the factory stage, copied as always
        EXPECT_EQ(others, after);

        // A second damaged start keeps its copy under the next number.
        dir.Write(file, std::string("\x93\x00\x00\x00\xff", 5));
        {
            cBoxWatch watch(file);
            ASSERT_TRUE(::LoadProject());
        }
        ASSERT_EQ(1u, g_seen.size());
        EXPECT_NE(std::string::npos, g_seen[0].text.find(file + ".bad2")) << g_seen[0].text;
        EXPECT_EQ(damaged, dir.Read(kept));
        EXPECT_EQ(std::string("\x93\x00\x00\x00\xff", 5), dir.Read(file + ".bad2"));
    }
}

TEST_F(LoadProject, TheFiveSoundsOfACutSoundTableAreKept) {
    cTempDir dir;
    MakeProject(dir);
    WriteAuthorFiles();
    const std::string whole = dir.Read("data\\database\\Sound.dat");
    dir.Write("data\\database\\Sound.dat", whole.substr(0, whole.size() - 3));
    {
        cBoxAnswers boxes;
        ASSERT_TRUE(::LoadProject());
        EXPECT_EQ(1u, boxes.Shown().size());
    }
    EXPECT_EQ(whole.substr(0, whole.size() - 3), dir.Read("data\\database\\Sound.dat.bad1"));
    // The other tables are the author's.
    EXPECT_EQ("作者の動き", ProjectDatabase().m_Animes[1].m_Name);
}

// A system data list longer than the factory one is the author's too: it loads as it is.
TEST_F(LoadProject, ALongerSystemListLoadsWithoutAFallback) {
    cTempDir dir;
    MakeProject(dir);
    WriteAuthorFiles();
    cSystemData system;
    system.m_Title = "長い";
    system.m_Terms.push_back("二十二番目");
    ASSERT_TRUE(system.SaveFile("data\\System.dat"));
    const std::string bytes = dir.Read("data\\System.dat");
    ASSERT_TRUE(::LoadProject());
    EXPECT_EQ("長い", ProjectSystemData().m_Title);
    ASSERT_EQ(22u, ProjectSystemData().m_Terms.size());
    EXPECT_EQ("二十二番目", ProjectSystemData().m_Terms[21]);
    EXPECT_EQ(bytes, dir.Read("data\\System.dat"));
    EXPECT_FALSE(dir.Exists("data\\System.dat.bad1"));
}

// The files load in a fixed order: the variable names, the ten tables, the system data (whose
// menu music is checked against the Bgm table just read), the common palette, the options, the
// world map. With every file damaged, the reports come in that order.
TEST_F(LoadProject, FilesLoadInTheirFixedOrder) {
    cTempDir dir;
    MakeProject(dir);
    WriteAuthorFiles();
    std::vector<std::string> order = {"data\\GValInfo.dat"};
    for (int k = 0; k < kDatabaseTables; ++k) order.push_back(g_PathTable[ePathDatabase + 2 * k]);
    for (const char* file : {"data\\System.dat", "data\\CommonPalette.cplt4", "data\\PrjOption.dat", "data\\WorldMap.dat"})
        order.push_back(file);
    for (const std::string& file : order) dir.Write(file, std::string("\x93\x00\x00\x00\x01", 5));
    cBoxAnswers boxes;
    ASSERT_TRUE(::LoadProject());
    ASSERT_EQ(order.size(), boxes.Shown().size());
    for (size_t i = 0; i < order.size(); ++i)
        EXPECT_EQ(0u, boxes.Shown()[i].text.find(order[i] + " ")) << i << ": " << boxes.Shown()[i].text;

    // The system data is read after the Bgm table it is checked against.
    cRecordVector<cBgm> bgms(6);
    ASSERT_TRUE(SaveVectorFile(bgms, "data\\database\\Bgm.dat"));
    cSystemData system;
    system.m_MenuMusic = {5, 4, 3, 2};
    ASSERT_TRUE(system.SaveFile("data\\System.dat"));
    ProjectDatabase().m_Bgms.resize(2);
    ASSERT_TRUE(::LoadProject());
    EXPECT_EQ((cSystemList<int32_t>{5, 4, 3, 2}), ProjectSystemData().m_MenuMusic);
}
