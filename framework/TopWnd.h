#pragma once
// A top-level framework window made from a registered window class rather than a dialog
// template (the editor's frame and its like). Register the class with cTopWnd::StaticWndProc
// and pass the object as the creation parameter of CreateWindowExA:
//   CreateWindowExA(0, "Class", "Title", style, x, y, w, h, nullptr, menu, instance, &wnd);
// Every message then reaches the object's WndProc and goes on to DefWindowProcA.
#include "framework/ChildWnd.h"

class cTopWnd : public cChildWnd {
public:
    explicit cTopWnd(cChildWnd* parent = nullptr, cWndGroup* group = nullptr) : cChildWnd(0, parent, eKindDialog, group) {}

    LRESULT WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    // Called on WM_CREATE after the framework's own handling.
    virtual void OnCreate(WPARAM wParam, LPARAM lParam) {}

    static LRESULT CALLBACK StaticWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
};
