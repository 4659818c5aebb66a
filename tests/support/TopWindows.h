#pragma once
// Finding a top-level window of a process (or of any process but that one) by its class, its
// owner or its title, each when asked; a shown one unless hidden ones are asked for too.
#include <windows.h>

#include <string>

struct cWindowQuery {
    DWORD pid = 0;
    bool samePid = true;  // a window of that process, or of any other
    const char* cls = nullptr;  // of that class, when given
    HWND owner = nullptr;         // with that owner, when given
    HWND other = nullptr;         // a window that does not count, when given
    const char* title = nullptr;  // with that title, when given
    bool titlePart = false;       // the title need only hold it
    bool hiddenToo = false;       // a hidden window counts as well
};

inline bool WindowAnswers(HWND wnd, const cWindowQuery& query) {
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if ((pid == query.pid) != query.samePid || (!query.hiddenToo && !IsWindowVisible(wnd))) return false;
    char cls[64] = "";
    GetClassNameA(wnd, cls, sizeof cls);
    if (query.cls && std::string(cls) != query.cls) return false;
    if (query.owner && GetWindow(wnd, GW_OWNER) != query.owner) return false;
    if (wnd == query.other) return false;
    if (!query.title) return true;
    char title[512] = "";
    GetWindowTextA(wnd, title, sizeof title);
    return query.titlePart ? std::string(title).find(query.title) != std::string::npos : query.title == std::string(title);
}

// The first window that answers the query now; null when none does.
inline HWND FindTopWindow(const cWindowQuery& query) {
    struct cSearch {
        const cWindowQuery& query;
        HWND found;
        static BOOL CALLBACK Next(HWND wnd, LPARAM param) {
            cSearch* search = reinterpret_cast<cSearch*>(param);
            if (!WindowAnswers(wnd, search->query)) return TRUE;
            search->found = wnd;
            return FALSE;
        }
    } search = {query, nullptr};
    EnumWindows(cSearch::Next, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
