#include "game/core/GameInit.h"

#include <commctrl.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "data/CommonPalette.h"
#include "data/DataFile.h"
#include "data/Paths.h"
#include "data/ProjectData.h"
#include "data/ProjectDatabase.h"
#include "framework/ErrorLog.h"
#include "framework/Format.h"
#include "framework/MessageBox.h"
#include "framework/Path.h"
#include "game/core/ChallengeScene.h"
#include "game/core/GameGlobals.h"
#include "game/core/GameLoop.h"
#include "game/core/GameModes.h"
#include "game/core/GameWnd.h"
#include "game/core/Input.h"
#include "game/core/KeyConfig.h"
#include "game/core/ModeMenuScene.h"
#include "game/core/NameEntry.h"
#include "game/core/OptionData.h"
#include "game/core/OptionScene.h"
#include "game/core/ReplayRequests.h"
#include "game/core/SaveSlotScene.h"
#include "game/core/SceneManager.h"
#include "game/core/WorldMapScene.h"
#include "game/data/GameDatabase.h"
#include "game/data/GameFlow.h"
#include "game/data/GamePaths.h"
#include "game/media/Bitmap.h"
#include "game/media/Display.h"
#include "game/media/Fade.h"
#include "game/media/Palette.h"
#include "game/media/ScreenSize.h"

int g_bPresentByBlit = 0;

namespace {

const int kFramesPerSecond = 60;
const int kFadeStep = 10;
const char kPaletteBitmap[] = "bmp\\plt\\Palette.bmp";

// Colour blocks of 16 entries from 16 to 207 are what the variations change.
const int kBlockSize = 16;
const int kFirstBlockEntry = 16;
const int kLastBlockEntry = 207;
const int kFirstRotatedVariant = 12;
// The colour cycle: eight groups of four entries from 208, one step every sixth frame.
const int kCycleFirst = 208;
const int kCycleGroups = 8;
const int kCycleGroupSize = 4;
const int kCycleFrames = 6;
// Entries of the display palette that a variation sets: the last one stays the system's.
const int kVariantEntries = 255;

// The menu music slots and their default files.
const int kMusicSlots = 5;
const char* const kMusicNames[kMusicSlots] = {"Title", "WorldMap", "Challenge", "Option", "Stage"};
char g_oggNames[kMusicSlots][kOggNameLength];
char g_midiNames[kMusicSlots][kMidiNameLength];
bool g_musicNamesSet = false;

// The system pictures the menus and the text boxes draw from.
const int kStartPictures[] = {43, 45, 46, 47, 48, 49, 50, 51};

// Which display was set up, so that shutdown releases it in the same way.
bool g_displayUp = false;

bool LoadProjectFile(cRecord& record, const char* path) {
    if (record.LoadFile(path)) return true;
    ErrorBox("%s のロードに失敗！", path);
    PostMessageA(GameShell().hMainWnd, WM_CLOSE, 0, 0);
    return false;
}

void SetMusicNames() {
    if (g_musicNamesSet) return;
    for (int i = 0; i < kMusicSlots; ++i) {
        FormatInto(g_oggNames[i], kOggNameLength, "bgm\\%s.ogg", kMusicNames[i]);
        FormatInto(g_midiNames[i], kMidiNameLength, "bgm\\%s.mid", kMusicNames[i]);
    }
    g_musicNamesSet = true;
}

void FillSlotRow(SoundTableRow& row, const std::string& file) {
    CopyText(row.szFileName, sizeof row.szFileName, file.c_str());
    row.nBuffers = 1;
    row.nVolume = 0;
    row.nLoad = 1;
}

// Slots 0-16 from the system sounds, 17 on from database sounds 1 on.
void BuildSoundSlots() {
    cSystemData& system = ProjectSystemData();
    cRecordVector<cSound>& sounds = ProjectDatabase().m_Sounds;
    size_t count = kSystemSounds - 1 + std::max<size_t>(sounds.size(), 1);
    cSoundTable& table = SoundSlotTable();
    table.assign(count, SoundTableRow());
    SoundSlots().clear();
    SoundSlots().resize(count);
    for (int i = 0; i < kSystemSounds; ++i) FillSlotRow(table.At(i), system.m_SoundFiles.At(i));
    for (size_t k = 1; k < sounds.size(); ++k) FillSlotRow(table.At(static_cast<int>(k) + kSystemSounds - 1), sounds.At(static_cast<int>(k)).m_File);
}

// The start file named on the command line: the whole rest of it, blanks and all, as the editor's
// test play passes a stage's path; a path a person quoted loses its quotes.
std::string StartFileArgument(const char* commandLine) {
    std::string text = commandLine;
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    if (text[first] == '"') {
        const size_t close = text.find('"', first + 1);
        return text.substr(first + 1, close == std::string::npos ? std::string::npos : close - first - 1);
    }
    return text.substr(first, text.find_last_not_of(" \t") + 1 - first);
}

// The start file: outside test play the newest numbered stage file of its name; a file that is
// not there is reported and forgotten.
void CheckStartFile(cSystemIni& ini) {
    if (!ini.FreeStage[0]) return;
    if (!GameShell().bTestPlay) {
        char found[MAX_PATH];
        if (FindNumberedFile(found, ini.FreeStage, ExtTable[eExtStage])) CopyText(ini.FreeStage, sizeof ini.FreeStage, found);
    }
    if (GetFileAttributesA(ini.FreeStage) == INVALID_FILE_ATTRIBUTES) {
        ErrorBox("「%s」の読み込みに失敗しました！", ini.FreeStage);
        ini.FreeStage[0] = '\0';
    }
}

// A start file is played at once; one that is there but cannot be opened ends the game (the
// loader has said why).
void OpenStartFileIntoPlay(const cSystemIni& ini) {
    if (!ini.FreeStage[0]) return;
    cSceneManager& manager = SceneManager();
    // Free play, of a stage file or of the stage a replay holds.
    manager.m_nGameMode = eModeStageFile;
    SetPlayKind(ePlayFree);
    if (!OpenStartFile(ini.FreeStage, 1)) {
        PostMessageA(GameShell().hMainWnd, WM_CLOSE, 0, 0);
        return;
    }
    GameShell().bDirectPlay = 1;
    manager.m_nScene = eScenePlay;
    manager.m_nPrevScene = eSceneModeMenu;
}

}  // namespace

void StartMusicPlayer() {
    if (!OptionData().m_Music) return;
    SetMusicNames();
    BgmPlayer().Init(1, g_oggNames, g_midiNames, kMusicSlots);
}

bool ChooseScreenMode(cSystemIni& ini, int desktopBpp) {
    bool windowed = ini.WindowMode != 0;
    if (windowed) ini.VSync = 1;
    if (ini.Bpp == 0) ini.Bpp = windowed ? desktopBpp : 8;
    if (windowed) return ini.Bpp == 16 && desktopBpp == 16;
    return ini.Bpp == 8 || ini.Bpp == 16;
}

void MakePaletteVariant(PALETTEENTRY* out, const PALETTEENTRY* base, int n) {
    if (n < kFirstRotatedVariant) {
        DDRotatePalette(out, kFirstBlockEntry, kLastBlockEntry, n * kBlockSize, 0, base);
        return;
    }
    std::copy(base, base + kPaletteSize, out);
    int source = (n - (kFirstRotatedVariant - 1)) * kBlockSize;
    for (int block = kFirstBlockEntry; block + kBlockSize - 1 <= kLastBlockEntry; block += kBlockSize)
        std::copy(base + source, base + source + kBlockSize, out + block);
}

int LoadPaletteVariant(int n) {
    if (n < 0 || n >= cOptionData::kPaletteVariants) n = 0;
    cDisplayState& d = Display();
    std::string table = DDMixTableName(n);
    if (!DDLoadMixTable(d.MixTable, table.c_str())) {
        ErrorBox("%s の読み込みに失敗！", table.c_str());
        return 0;
    }
    PALETTEENTRY loaded[kPaletteSize];
    if (!DDLoadPaletteFromFile(loaded, kPaletteBitmap)) {
        ErrorLog("DDLoadPaletteFromFile失敗");
        return 0;
    }
    MakePaletteVariant(d.BasePalette, loaded, n);
    std::copy(d.BasePalette, d.BasePalette + kPaletteSize, d.Palette);
    if (d.lpPalette && d.nBpp == 8) d.lpPalette->SetEntries(0, 0, kVariantEntries, d.Palette);
    return 1;
}

void CyclePalette() {
    static int counter = 0;
    cDisplayState& d = Display();
    if (d.nBpp != 8) return;
    if (++counter < kCycleFrames) return;
    counter = 0;
    PALETTEENTRY turned[kPaletteSize];
    for (int g = 0; g < kCycleGroups; ++g) {
        int first = kCycleFirst + g * kCycleGroupSize;
        DDRotatePalette(turned, first, first + kCycleGroupSize - 1, 1, 0, d.Palette);
        std::copy(turned + first, turned + first + kCycleGroupSize, d.Palette + first);
    }
    if (d.lpPalette) d.lpPalette->SetEntries(0, kCycleFirst, kCycleGroups * kCycleGroupSize, d.Palette + kCycleFirst);
}

bool InitGame(const char* commandLine, int show) {
    cGameShell& shell = GameShell();
    HWND wnd = shell.hMainWnd;
    timeBeginPeriod(1);
    srand(timeGetTime());
    SetDataVersion(kDataVersion);

    if (!EnsureDataFolder(wnd)) {
        PostMessageA(wnd, WM_CLOSE, 0, 0);
        return false;
    }
    CreateUserDataFolders();
    if (!LoadGameDatabase()) {
        PostMessageA(wnd, WM_CLOSE, 0, 0);
        return false;
    }
    cSystemData& system = ProjectSystemData();
    if (!LoadProjectFile(system, PathTable[ePathSystem])) return false;
    ApplyTestPlayFlowRule(shell.bTestPlay, system);

    cSystemIni& ini = SystemIni();
    SetSystemIniDefaults(ini, system.m_IniKeys);
    if (!ReadSystemIni("System.ini", ini, system.m_IniKeys)) {
        ShowMessageBox(wnd, "System.ini の読み込みに失敗しました！", "エラー", MB_OK);
        SetSystemIniDefaults(ini, system.m_IniKeys);
    }
    if (commandLine && commandLine[0]) CopyText(ini.FreeStage, sizeof ini.FreeStage, StartFileArgument(commandLine).c_str());

    SetFrameSettings(kFramesPerSecond, kFadeStep);
    for (cInput& input : PlayerInputs()) input.SetRepeat(kMenuRepeatDelay, kMenuRepeatInterval);

    HDC screen = GetDC(nullptr);
    int desktopBpp = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    if (!ChooseScreenMode(ini, desktopBpp)) {
        ShowMessageBox(wnd,
                       "8ビットカラーのフルスクリーンか16ビットカラーでしか起動できません！\nSystem.iniや画面の設定を見直して下さい！",
                       "エラー", MB_OK);
        return false;
    }
    ShowWindow(wnd, ini.WindowMode ? show : SW_SHOWMAXIMIZED);
    UpdateWindow(wnd);
    InitCommonControls();
    InstallReplayRequests();
    InstallNameEntry();
    InstallModeMenu();
    InstallOptionScene();
    InstallWorldMap();
    InstallSaveSlots();
    InstallChallenge();

    shell.hDDWnd = wnd;
    if (!DDInit(wnd, kScreenWidth, kScreenHeight, ini.Bpp, ini.WindowMode, 1, kFramesPerSecond, ini.VSync,
                SystemSurfaces(), SystemPictures(), kPictureTableRows)) {
        ErrorLog("DDInit失敗");
        return false;
    }
    g_displayUp = true;
    ErrorLog("DDInit成功");
    cDisplayState& d = Display();
    if (!DDLoadPaletteFromFile(d.BasePalette, kPaletteBitmap)) {
        ErrorLog("DDLoadPaletteFromFile失敗");
        return false;
    }
    std::copy(d.BasePalette, d.BasePalette + kPaletteSize, d.Palette);
    if (!DDSetTransmit(kPaletteBitmap)) {
        ErrorLog("DDSetTransmit失敗");
        return false;
    }
    ErrorLog("1");

    DWORD frequency = 0;
    if (d.lpDD) d.lpDD->GetMonitorFrequency(&frequency);
    g_bPresentByBlit = ini.WindowMode || !ini.VSync || frequency < static_cast<DWORD>(kFramesPerSecond);
    SetFrameWait(true);
    ErrorLog("2");

    if (!DDLoadSurfaces(SystemSurfaces(), kStartPictures, sizeof kStartPictures / sizeof kStartPictures[0])) return false;
    if (!CreateFonts(GameFonts(), TextStyleTable, kTextStyleCount, system.m_SymbolText != 0) ||
        !CreateDigitStrips(FontSurfaces(), DigitStripTable, kTextStyleCount, GameFonts(), TextStyleTable))
        return false;
    ErrorLog("3");

    for (cInput& input : PlayerInputs()) input.SetButtonMasks();
    // A missing or damaged file leaves the default keys.
    LoadKeyConfig(kKeyConfigPath, GameKeyConfig());

    cOptionData& options = OptionData();
    options.LoadFile(PathTable[ePathOption]);
    if (d.nBpp == 8 && !LoadPaletteVariant(options.m_PaletteVariant)) return false;

    StartMusicPlayer();

    BuildSoundSlots();
    if (!DS_Init(wnd, 22050, 8, 1)) {
        ErrorLog("DS_Init失敗！");
        return false;
    }
    DSLoadSounds(SoundSlots(), SoundSlotTable(), SeVolumeOf(options.m_SeVolume));

    if (!LoadProjectFile(ProjectWorldMap(), "data\\WorldMap.dat") ||
        !LoadProjectFile(ProjectCommonPalette(), "data\\CommonPalette.cplt4"))
        return false;
    ErrorLog("4");

    CheckStartFile(ini);
    OpenStartFileIntoPlay(ini);
    DDReportVideoMemory();
    return true;
}

void UnInitGame() {
    timeEndPeriod(1);
    DSUnInit();
    BgmPlayer().Release();
    SceneManager().DeleteScenes();
    for (int i = 0; i < kTextStyleCount; ++i) GameFonts()[i].Delete();
    DDReleaseSurfaceArray(FontSurfaces(), kTextStyleCount);
    if (g_displayUp) {
        Display().nWindowMode ? DDUnInitWindow() : DDUnInitFullScreen();
        g_displayUp = false;
    }
}
