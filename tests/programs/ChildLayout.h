#pragma once
// The faults of a window's child layout as it is shown: a child that leaves its parent's client
// area, and two children that overlap, unless one is a group box that holds the other whole or
// one is the up-down control joined to the other, its buddy (the system lays the arrows over the
// buddy's border so that the two read as one field).
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

struct cShownChild {
    HWND wnd;
    RECT rect;  // in the parent's client coordinates
    bool group;
};

inline std::string DescribeChild(const cShownChild& child) {
    char cls[32] = "", text[64] = "";
    GetClassNameA(child.wnd, cls, sizeof cls);
    GetWindowTextA(child.wnd, text, sizeof text);
    char line[200];
    wsprintfA(line, "%s %d \"%s\" (%d,%d)-(%d,%d)", cls, GetDlgCtrlID(child.wnd), text, child.rect.left, child.rect.top,
              child.rect.right, child.rect.bottom);
    return line;
}

inline std::vector<cShownChild> ShownChildren(HWND parent) {
    std::vector<cShownChild> children;
    for (HWND wnd = GetWindow(parent, GW_CHILD); wnd; wnd = GetWindow(wnd, GW_HWNDNEXT)) {
        cShownChild child{wnd, {}, false};
        GetWindowRect(wnd, &child.rect);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&child.rect), 2);
        if (IsRectEmpty(&child.rect)) continue;
        char cls[16] = "";
        GetClassNameA(wnd, cls, sizeof cls);
        child.group = lstrcmpiA(cls, "Button") == 0 &&
                      (GetWindowLongA(wnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
        children.push_back(child);
    }
    return children;
}

inline bool IsBuddyOf(HWND spin, HWND other) {
    char cls[32] = "";
    GetClassNameA(spin, cls, sizeof cls);
    return lstrcmpiA(cls, UPDOWN_CLASSA) == 0 && reinterpret_cast<HWND>(SendMessageA(spin, UDM_GETBUDDY, 0, 0)) == other;
}

inline bool Holds(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// One line per fault; none for a tidy layout.
inline std::vector<std::string> ChildLayoutFaults(HWND parent) {
    RECT client;
    GetClientRect(parent, &client);
    std::vector<cShownChild> children = ShownChildren(parent);
    std::vector<std::string> faults;
    for (size_t i = 0; i < children.size(); ++i) {
        const cShownChild& a = children[i];
        if (!Holds(client, a.rect)) faults.push_back(DescribeChild(a) + " leaves the client area");
        for (size_t j = i + 1; j < children.size(); ++j) {
            const cShownChild& b = children[j];
            RECT both;
            if (!IntersectRect(&both, &a.rect, &b.rect)) continue;
            if ((a.group && Holds(a.rect, b.rect)) || (b.group && Holds(b.rect, a.rect))) continue;
            if (IsBuddyOf(a.wnd, b.wnd) || IsBuddyOf(b.wnd, a.wnd)) continue;
            faults.push_back(DescribeChild(a) + " overlaps " + DescribeChild(b));
        }
    }
    return faults;
}
