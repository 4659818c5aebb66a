#pragma once
// The folders of the player's own files, made at start-up when missing. The project's paths are
// the shared path table (data/Paths.h).

const int kUserDataFolders = 5;
// user_data\ first, so that its subfolders can be made after it.
extern const char* const UserDataFolders[kUserDataFolders];

// Creates every folder of the list; one that exists or cannot be made is passed over.
void CreateUserDataFolders();
