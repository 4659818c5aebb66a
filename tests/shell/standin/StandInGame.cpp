// Stands in for the game program in the editor's test-play tests: it carries the string that
// marks the game program, tells the editor's frame that it started, writes how it was started
// to standin_args.txt (its arguments, a bar, its show command) and its process id to
// standin_pid.txt, then, by KIT_STANDIN_MODE: "end" (or nothing) tells the editor it ended and
// ends, "silent" ends without telling, "wait" waits to be killed (a minute at most).
#include <windows.h>
#include <tlhelp32.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

DWORD ParentProcess() {
    DWORD self = GetCurrentProcessId(), parent = 0;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (entry.th32ProcessID == self) parent = entry.th32ParentProcessID;
    CloseHandle(snapshot);
    return parent;
}

struct cSearch {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK MatchEditor(HWND wnd, LPARAM param) {
    cSearch* search = reinterpret_cast<cSearch*>(param);
    char cls[32] = "", title[32] = "";
    GetClassNameA(wnd, cls, sizeof cls);
    GetWindowTextA(wnd, title, sizeof title);
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (pid != search->pid || strcmp(cls, "Quorbel4") != 0 || strcmp(title, "Quorbel4") != 0) return TRUE;
    search->found = wnd;
    return FALSE;
}

// The frame of the editor that started this program: test programs run side by side, each
// with an editor frame of its own.
HWND FindEditor() {
    cSearch search = {ParentProcess(), nullptr};
    EnumWindows(MatchEditor, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void Notify(ULONG_PTR kind) {
    HWND editor = FindEditor();
    if (!editor) return;
    int32_t payload = 1;
    COPYDATASTRUCT data = {kind, sizeof payload, &payload};
    DWORD_PTR result = 0;
    SendMessageTimeoutA(editor, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 5000, &result);
}

void WriteWhole(const char* name, const char* text) {
    // Written whole under a temporary name, so the test never reads half a file.
    char temp[MAX_PATH];
    snprintf(temp, sizeof temp, "%s.tmp", name);
    if (FILE* fp = fopen(temp, "wb")) {
        fputs(text, fp);
        fclose(fp);
        MoveFileExA(temp, name, MOVEFILE_REPLACE_EXISTING);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR args, int show) {
    char mode[32] = "";
    GetEnvironmentVariableA("KIT_STANDIN_MODE", mode, sizeof mode);
    char text[2048];
    snprintf(text, sizeof text, "%lu", static_cast<unsigned long>(GetCurrentProcessId()));
    WriteWhole("standin_pid.txt", text);
    Notify(1);
    snprintf(text, sizeof text, "%s|%d", args, show);
    WriteWhole("standin_args.txt", text);
    if (strcmp(mode, "wait") == 0) {
        Sleep(60000);
        return 0;
    }
    if (strcmp(mode, "silent") != 0) Notify(0);
    return 0;
}
