#pragma once
// The common Open and Save dialogs, the folder browser and the exit question.
#include <windows.h>

#include "framework/Path.h"

int OpenFileDialog(HWND owner, char* file, DWORD fileLength, const char* initialFolder, const char* title,
                   const char* filter, const char* defaultExt, int multiSelect, cStringList* list);
int SaveFileDialog(HWND owner, char* file, const char* initialFolder, const char* title, const char* filter,
                   const char* defaultExt, int keepName);
// Every open and save dialog ends in this call, so that a test can answer in place of a person:
// with a hook set, it fills the name buffer (length chars) and its result is the dialog's.
typedef int (*FileDialogHook)(bool save, char* file, DWORD length, const char* initialFolder, const char* title,
                              const char* filter, const char* defaultExt);
void SetFileDialogHook(FileDialogHook hook);

int BrowseFolder(HWND owner, char* result, const char* initialFolder, const char* title);
int ConfirmExit(HWND owner);

// Splits the buffer an Open dialog filled (parts separated by zero bytes, ending in two zeros)
// into full paths appended to the list.
void SplitMultiSelection(const char* buffer, DWORD length, cStringList& list);
