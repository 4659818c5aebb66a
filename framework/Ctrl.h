#pragma once
// The base of every bound dialog control: one control of a page's dialog template, attached to
// the page when the dialog opens and driven by the page through the virtual operations below.
// The kinds themselves (buttons, edits, combo boxes, lists, ...) derive from it.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>

class cPage;

// The kind numbers the page's command dispatch reads.
enum eCtrlKind {
    eCtrlPlain = 0,
    eCtrlButton = 1,
    eCtrlEditVal = 2,
    eCtrlStrEdit = 3,
    eCtrlPictureBox = 4,
    eCtrlCheck = 5,
    eCtrlCombo = 7,
    eCtrlDataList = 8,
    eCtrlUpDown = 9,
    eCtrlTrack = 10,
    eCtrlScrollBar = 11,
};

class cCtrl {
public:
    explicit cCtrl(int kind) : m_Kind(kind) {}
    virtual ~cCtrl() = default;

    virtual BOOL Enable(int flag) { return EnableWindow(m_hWnd, flag ? TRUE : FALSE); }
    // Shows the bound value in the control, and stores the control's value in the variable (a
    // control missing from its template stores nothing).
    virtual void DataToCtrl() {}
    virtual void CtrlToData() {}
    // The control's content changed (the page calls it on the kind's change notification).
    virtual void Reformat() {}
    virtual int OnNotify(int id, NMHDR* header) { return 0; }
    // Scroll messages of the page; non-zero when handled.
    virtual int OnScroll(WPARAM wParam, LPARAM lParam) { return 0; }
    virtual void Refresh() {}
    // The control lost the focus.
    virtual void OnCtrlEvent() {}
    virtual void OnKey(WPARAM key, LPARAM keyData, int ctrlHeld) {}
    // A menu or accelerator command the page offers its controls: 1 when this control took it
    // (the id as an accelerator command, or as a popup menu command).
    virtual int OnCmd(UINT id) { return 0; }
    virtual int OnMenuCmd(UINT id) { return 0; }

    // Takes the dialog item of the page and records where it is.
    void Attach(cPage* page, uint16_t id);
    void UpdatePos();
    // Moves the control to (x, y) of the page's client area, keeping its size.
    void Move(int x, int y);
    void Resize(int width, int height);

    int GetCheck() const;
    void SetCheck(int8_t state);
    void SetText(const char* text);
    // The window's text, at most 1023 bytes.
    void GetText(std::string* text) const;
    void AppendText(const char* text);
    // Toolkit API: the formatting form of AppendText (a 2048-byte buffer), for pages that add
    // formatted lines to a text control.
    void AppendTextF(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Sets the text of the dialog item through the page window.
    void SetItemText(const std::string& text);
    // 1 when the screen point lies in the control's window, edges included.
    int HitTest(POINT screen) const;
    void Show(int flag);
    void RemoveStyle(LONG bits);
    // Toolkit API: 1 when all the bits are set, the question that goes with RemoveStyle.
    int HasStyle(LONG bits) const;
    int IsEnabled() const;

    HWND GetHwnd() const { return m_hWnd; }
    int GetKind() const { return m_Kind; }
    uint16_t GetId() const { return m_Id; }

protected:
    HWND m_hWnd = nullptr;
    WNDPROC m_PrevProc = nullptr;  // saved by the kinds that subclass their control
    cPage* m_lpPage = nullptr;
    HWND m_hPageWnd = nullptr;
    int m_Kind;
    uint16_t m_Id = 0;
    HMENU m_hMenu = nullptr;  // the data list's popup menu
    POINT m_ScreenPos = {};  // top-left in screen coordinates
    POINT m_PagePos = {};    // top-left relative to the page window, frame included
    int m_Busy = 0;          // set while the control rewrites its own text
};
