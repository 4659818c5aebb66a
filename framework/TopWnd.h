#pragma once
// A top-level framework window made from a registered window class rather than a dialog
// template (the editor's frame and its like). Register the class with cTopWnd::StaticWndProc
// and pass the object as the creation parameter of CreateWindowExA:
//   CreateWindowExA(0, "Class", "Title", style, x, y, w, h, nullptr, menu, instance, &wnd);
// Every message then reaches the object's WndProc and goes on to DefaultResult, which by default
// hands it to DefWindowProcA.
#include "framework/ChildWnd.h"

class cTopWnd : public cChildWnd {
public:
    explicit cTopWnd(cChildWnd* parent = nullptr, cWndGroup* group = nullptr) : cChildWnd(0, parent, eKindDialog, group) {}

    LRESULT WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    // Called on WM_CREATE after the framework's own handling.
    virtual void OnCreate(WPARAM wParam, LPARAM lParam) {}
    // The window procedure's result once WndProc has seen the message (handled: its result).
    // A window that must keep the system from acting on a message (closing, minimising)
    // answers here instead of DefWindowProcA.
    virtual LRESULT DefaultResult(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT handled);

    static LRESULT CALLBACK StaticWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
};
