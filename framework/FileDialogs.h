#pragma once
// The common Open and Save dialogs, the folder browser and the exit question.
#include <windows.h>

#include "framework/Path.h"

int OpenFileDialog(HWND owner, char* file, DWORD fileLength, const char* initialFolder, const char* title,
                   const char* filter, const char* defaultExt, int multiSelect, cStringList* list);
int SaveFileDialog(HWND owner, char* file, const char* initialFolder, const char* title, const char* filter,
                   const char* defaultExt, int keepName);
// A test answers them in place of a person (SetFileDialogHook, TestSeams.h).

int BrowseFolder(HWND owner, char* result, const char* initialFolder, const char* title);
int ConfirmExit(HWND owner);

// Splits the buffer an Open dialog filled (parts separated by zero bytes, ending in two zeros)
// into full paths appended to the list.
void SplitMultiSelection(const char* buffer, DWORD length, cStringList& list);
