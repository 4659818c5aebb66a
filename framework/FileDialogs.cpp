#include "framework/FileDialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <cstring>

#include "framework/Format.h"
#include "framework/MessageBox.h"
#include "framework/TestSeams.h"

namespace {

OPENFILENAMEA MakeOpenFileName(HWND owner, char* file, DWORD fileLength, const char* initialFolder,
                               const char* title, const char* filter, const char* defaultExt, DWORD flags) {
    OPENFILENAMEA ofn;
    memset(&ofn, 0, sizeof ofn);
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter;
    ofn.lpstrFile = file;
    ofn.nMaxFile = fileLength;
    ofn.nMaxFileTitle = MAX_PATH;
    ofn.lpstrInitialDir = initialFolder;
    ofn.lpstrTitle = title;
    ofn.lpstrDefExt = defaultExt;
    ofn.Flags = flags;
    return ofn;
}

int CALLBACK BrowseCallback(HWND wnd, UINT msg, LPARAM param, LPARAM data) {
    if (msg == BFFM_INITIALIZED) {
        SendMessageA(wnd, BFFM_SETSELECTIONA, TRUE, data);
    } else if (msg == BFFM_SELCHANGED) {
        char path[MAX_PATH];
        if (SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(param), path))
            SendMessageA(wnd, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(path));
    }
    return 0;
}

FileDialogHook g_fileDialogHook = nullptr;

}  // namespace

void SetFileDialogHook(FileDialogHook hook) { g_fileDialogHook = hook; }

void SplitMultiSelection(const char* buffer, DWORD length, cStringList& list) {
    std::string folder;
    size_t parts = 0;
    size_t first = list.size();
    DWORD i = 0;
    while (i < length && buffer[i]) {
        size_t len = strnlen(buffer + i, length - i);
        std::string part(buffer + i, len);
        if (parts == 0)
            folder = part;
        else
            list.push_back(part);
        ++parts;
        i += static_cast<DWORD>(len) + 1;
    }
    if (parts == 1) {
        list.push_back(folder);
    } else {
        for (size_t k = first; k < list.size(); ++k) list[k] = Format("%s\\%s", folder.c_str(), list[k].c_str());
    }
}

int OpenFileDialog(HWND owner, char* file, DWORD fileLength, const char* initialFolder, const char* title,
                   const char* filter, const char* defaultExt, int multiSelect, cStringList* list) {
    memset(file, 0, fileLength);
    DWORD flags = multiSelect ? 0xA120C : 0xA100C;
    OPENFILENAMEA ofn = MakeOpenFileName(owner, file, fileLength, initialFolder, title, filter, defaultExt, flags);
    if (g_fileDialogHook ? !g_fileDialogHook(false, file, fileLength, initialFolder, title, filter, defaultExt)
                         : !GetOpenFileNameA(&ofn))
        return 0;
    if (list) SplitMultiSelection(file, fileLength, *list);
    return 1;
}

int SaveFileDialog(HWND owner, char* file, const char* initialFolder, const char* title, const char* filter,
                   const char* defaultExt, int keepName) {
    if (!keepName) memset(file, 0, MAX_PATH);
    if (g_fileDialogHook) return g_fileDialogHook(true, file, MAX_PATH, initialFolder, title, filter, defaultExt) ? 1 : 0;
    OPENFILENAMEA ofn = MakeOpenFileName(owner, file, MAX_PATH, initialFolder, title, filter, defaultExt, 0xA120E);
    return GetSaveFileNameA(&ofn) ? 1 : 0;
}

int BrowseFolder(HWND owner, char* result, const char* initialFolder, const char* title) {
    memset(result, 0, MAX_PATH);
    char initial[MAX_PATH];
    CopyText(initial, sizeof initial, initialFolder);
    MakeAbsolutePath(initial);
    BROWSEINFOA info;
    memset(&info, 0, sizeof info);
    info.hwndOwner = owner;
    info.lpszTitle = title;
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(initial);
    LPITEMIDLIST item = SHBrowseForFolderA(&info);
    if (!item) return 0;
    SHGetPathFromIDListA(item, result);
    CoTaskMemFree(item);
    return 1;
}

int ConfirmExit(HWND owner) {
    return ShowMessageBox(owner, "終了しますか？\n", "終了確認", MB_YESNO) == IDYES ? 1 : 0;
}
