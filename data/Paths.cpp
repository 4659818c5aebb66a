#include "data/Paths.h"

#include <shellapi.h>

#include <string>

#include "framework/Format.h"
#include "framework/MessageBox.h"
#include "framework/Path.h"

const char* const g_PathTable[ePathCount] = {
    "data\\",
    "default\\",
    "data\\stg4\\old_ver\\",
    "e_data\\EditConfig.dat",
    "data\\PrjOption.dat",
    "default\\PrjOption.dat",
    "data\\CommonPalette.cplt4",
    "default\\CommonPalette.cplt4",
    "data\\GValInfo.dat",
    "default\\GValInfo.dat",
    "data\\stg4\\Default.stg4_***",
    "default\\stg4\\Default.stg4_***",
    "data\\WorldMap.dat",
    "default\\WorldMap.dat",
    "data\\database\\AnimeSet.dat",
    "default\\database\\AnimeSet.dat",
    "data\\database\\Anime.dat",
    "default\\database\\Anime.dat",
    "data\\database\\Bmp_CharaExc.dat",
    "default\\database\\Bmp_CharaExc.dat",
    "data\\database\\SwordType.dat",
    "default\\database\\SwordType.dat",
    "data\\database\\Effect.dat",
    "default\\database\\Effect.dat",
    "data\\database\\CharaEffect.dat",
    "default\\database\\CharaEffect.dat",
    "data\\database\\ScrEffect.dat",
    "default\\database\\ScrEffect.dat",
    "data\\database\\Picture.dat",
    "default\\database\\Picture.dat",
    "data\\database\\Sound.dat",
    "default\\database\\Sound.dat",
    "data\\database\\Bgm.dat",
    "default\\database\\Bgm.dat",
    "data\\System.dat",
    "default\\System.dat",
    "data\\stg4\\c",
    "user_data\\story\\",
    "user_data\\challenge\\",
    "user_data\\free\\",
    "user_data\\story\\Story",
    "user_data\\challenge\\Challenge.dat",
    "user_data\\Option.dat",
};

const char* const g_ExtTable[eExtCount] = {"cplt4", "stg4", "plt4", "rkg"};

const char* const (&PathTable)[ePathCount] = g_PathTable;
const char* const (&ExtTable)[eExtCount] = g_ExtTable;

namespace {

bool IsFolder(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The shell takes a list of paths, each ended by a zero and the list by one more. Folders are
// named without their trailing backslash: the folder "default" copied to a missing "data"
// becomes data itself (with the backslash the copy may land in data\default).
std::string AbsoluteFolderList(const char* path) {
    char full[MAX_PATH];
    CopyText(full, sizeof full, path);
    MakeAbsolutePath(full);
    std::string list = full;
    StripTrailingSlash(list);
    list.push_back('\0');
    return list;  // c_str() adds the second zero
}

}  // namespace

bool CreateDefaultData(HWND owner) {
    if (IsFolder(g_PathTable[ePathData])) return true;
    if (!IsFolder(g_PathTable[ePathDefault])) return false;
    if (ShowMessageBox(owner, "データが存在しません！デフォルトデータを作成しますか？\n", "デフォルトデータ作成の確認", MB_YESNO) !=
        IDYES)
        return false;

    std::string from = AbsoluteFolderList(g_PathTable[ePathDefault]);
    std::string to = AbsoluteFolderList(g_PathTable[ePathData]);
    SHFILEOPSTRUCTA copy = {};
    copy.hwnd = owner;
    copy.wFunc = FO_COPY;
    copy.pFrom = from.c_str();
    copy.pTo = to.c_str();
    copy.fFlags = FOF_MULTIDESTFILES | FOF_SILENT | FOF_NOCONFIRMATION;
    if (SHFileOperationA(&copy) == 0 && !copy.fAnyOperationsAborted) return true;

    SHFILEOPSTRUCTA remove = {};
    remove.hwnd = owner;
    remove.wFunc = FO_DELETE;
    remove.pFrom = to.c_str();
    remove.fFlags = FOF_MULTIDESTFILES | FOF_SILENT | FOF_NOCONFIRMATION;
    SHFileOperationA(&remove);
    return false;
}
