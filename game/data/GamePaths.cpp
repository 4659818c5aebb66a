#include "game/data/GamePaths.h"

#include <windows.h>

const char* const UserDataFolders[kUserDataFolders] = {
    "user_data\\", "user_data\\story\\", "user_data\\challenge\\", "user_data\\free\\", "user_data\\rpl4\\",
};

void CreateUserDataFolders() {
    for (const char* folder : UserDataFolders) CreateDirectoryA(folder, nullptr);
}
