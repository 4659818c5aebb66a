#pragma once
// A hidden top-level window that counts the WM_CLOSE messages it receives and stays open, so a
// test can see that code under test asked the program's main window to close.
#include <windows.h>

class cCloseCounter {
public:
    cCloseCounter();
    ~cCloseCounter();
    cCloseCounter(const cCloseCounter&) = delete;
    cCloseCounter& operator=(const cCloseCounter&) = delete;

    HWND Wnd() const { return m_wnd; }
    // Dispatches what is queued for the thread, then tells how many closes arrived.
    int Closes() const;

private:
    static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM w, LPARAM l);
    HWND m_wnd;
};
