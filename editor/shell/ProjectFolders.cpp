#include "editor/shell/ProjectFolders.h"

#include <windows.h>

#include "framework/ErrorLog.h"

namespace {

const char* const kFolders[] = {
    "e_data", "e_bmp",
    "user_data", "user_data\\story", "user_data\\challenge", "user_data\\free", "user_data\\rpl4",
    "data", "data\\database", "data\\stg4", "data\\stg4\\old_ver", "data\\plt4",
    "bmp", "bmp\\back", "bmp\\chara_sp", "bmp\\effect", "bmp\\picture", "bmp\\sword", "bmp\\convert",
    "bmp\\plt", "bmp\\hbt",
    "wave", "bgm",
};

}  // namespace

bool CreateProjectFolders() {
    bool ok = true;
    for (const char* folder : kFolders) {
        if (CreateDirectoryA(folder, nullptr)) continue;
        DWORD attributes = GetFileAttributesA(folder);
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
        ErrorLogF("フォルダを作成できません：%s", folder);
        ok = false;
    }
    return ok;
}
