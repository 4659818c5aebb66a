#pragma once
// The framework window: a dialog made from a dialog template resource, run modal or modeless,
// with message dispatch to virtual handlers, layout (toolbar, status bar, scroll bars), mouse
// tracking, accelerators, tooltips and a message dump into the error log.
//
// How a dialog is made and run (see Page.h for the page that every editor dialog derives from):
//   class cMyDlg : public cPage {
//   public:
//       cMyDlg(cChildWnd* parent, cWndGroup* group) : cPage(IDD_MY, parent, eKindDialog, group) {}
//       void OnInitDialog(WPARAM wp, LPARAM lp) override {
//           cPage::OnInitDialog(wp, lp);   // first: layout, scroll bars, hook, placement
//           AddCtrl(&m_Edit) / AttachCtrls(...);  // attach the bound controls
//           DataToCtrls();                  // show the values
//           m_Ready = 1;
//       }
//       void OnCommand(WPARAM wp, LPARAM lp) override {
//           if (!IsCommandAllowed(wp)) return;
//           cPage::OnCommand(wp, lp);       // notifications of the bound controls
//           switch (LOWORD(wp)) {
//           case IDC_OK: CtrlsToData(); End(1); break;   // OK stores, then ends
//           case IDC_CANCEL: End(0); break;              // Cancel stores nothing
//           }
//       }
//   };
// Modal:    cMyDlg* dlg = new cMyDlg(parent, group); int code = dlg->DoModal(0); delete dlg;
//           DoModal returns the code given to End (0 for the close box).
// Modeless: dlg->Create(runFlags, TRUE); the window then lives beside its owner, registered
//           in its group, until End or DestroyWindow; the message loop must offer every
//           message to cWndGroup::PreTranslate first (accelerators and dialog keys).
// Run flags: kRunHideGroup hides and kRunDisableGroup disables the group's other windows for as
// long as the dialog is open.
// The dialog procedure is the framework's own: the object is passed as the dialog's creation
// parameter and found again through a window property, so derived classes write no static
// procedure. Messages before WM_INITDIALOG (WM_SETFONT) are left to the system.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/CheckedVector.h"
#include "framework/Dib.h"
#include "framework/MouseButtons.h"

class cCtrl;
class cPropSheet;
class cWndGroup;

// Kind codes: a dialog page, or a page of a property sheet.
const int eKindDialog = 1;
const int eKindSheetPage = 2;

const int kRunHideGroup = 2;
const int kRunDisableGroup = 4;

// The window property through which a window finds its framework object.
const char kWndObjectProp[] = "cChildWnd";

// Position value meaning "none".
const int kNoPosition = -1000;

// Heights of one toolbar row and of the status bar.
const int kToolbarRowHeight = 28;
const int kStatusBarHeight = 20;

// Bar modes of SetLayout.
const int kBarNone = 0;
const int kBarStatus = 1;
const int kBarSpace = 2;
// Scroll-bar flags of SetLayout.
const int kScrollHorz = 1;
const int kScrollVert = 2;

// A toolbar button with the string resource its tooltip shows.
struct cToolButton {
    TBBUTTON button;
    UINT tooltip;
};
// An enabled button of the strip's image at the index, sending the command.
TBBUTTON ToolButton(int image, int command, BYTE style);

struct cMouseState {
    POINT pt = {};     // content coordinates
    cMouseButtons buttons;
    POINT popup = {};  // screen point where a popup menu opens
};

class cChildWnd {
    friend class cWndGroup;
    friend class cPropSheet;

public:
    cChildWnd(UINT templateId, cChildWnd* parent, int kind, cWndGroup* group);
    virtual ~cChildWnd();
    cChildWnd(const cChildWnd&) = delete;
    cChildWnd& operator=(const cChildWnd&) = delete;

    // Called once per idle pass of the program's message loop for every window of the group.
    virtual void OnFrame() {}
    virtual void OnCommand(WPARAM wParam, LPARAM lParam) {}
    virtual void OnMouseMove(WPARAM wParam, LPARAM lParam) {}
    virtual void OnLButtonDown(WPARAM wParam, LPARAM lParam) {}
    virtual void OnRButtonDown(WPARAM wParam, LPARAM lParam) {}
    virtual void OnLButtonDblClk(WPARAM wParam, LPARAM lParam) {}
    virtual void OnRButtonDblClk(WPARAM wParam, LPARAM lParam) {}
    virtual void OnLButtonUp(WPARAM wParam, LPARAM lParam) {}
    virtual void OnRButtonUp(WPARAM wParam, LPARAM lParam) {}
    // The dialog procedure's answer for one message (TRUE: handled).
    virtual INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) { return 0; }
    // The framework dispatch; non-zero when the message was handled.
    virtual LRESULT WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
    virtual void RedrawList() {}
    virtual int OnPaint() { return 0; }

    // Modal run; the end code, or 0 at once when the window is already open.
    INT_PTR DoModal(int runFlags);
    // Modeless run; an open window is destroyed and made anew. False when it cannot be made
    // (reported to the user).
    bool Create(int runFlags, int show);
    void End(int code);

    void Show(int show);
    void Enable(int enable);
    // Toolkit API: sets style bits and re-reads the layout, as RemoveStyle clears them; the
    // toolkit offers both for windows that change their frame while open.
    void AddStyle(LONG bits);
    void RemoveStyle(LONG bits);
    void Move(int x, int y);
    // Sets the client size; the outer size adds the frame.
    void Resize(int width, int height);
    void GetClientRect(RECT* rect) const;
    void GetWindowPos(int* x, int* y) const;
    // Toolkit API: the game framework's window placement, for a window of the game that opens
    // by a stored point or over its parent: without a parent window at the stored position
    // (nothing when either coordinate is kNoPosition), else centred over the parent (centre flag)
    // or at its top-left; kept inside the desktop.
    void RestorePosition();
    // Toolkit API: centres the window on the desktop, for a game window that stands alone.
    void CenterOnDesktop();

    void SetLayout(int width, int height, int minWidth, int minHeight, int maxWidth, int maxHeight, LONG style,
                   int menu, int toolbarRows, int barMode, int option, int scrollFlags);

    // Bound controls, in the order they were added.
    void AddCtrl(cCtrl* ctrl);
    void DataToCtrls();
    void CtrlsToData();
    // Toolkit API: every control shown again between the command hooks, the whole-page form of
    // RefreshOtherCtrls for pages whose command changes values that all controls show.
    void RefreshCtrls(WPARAM wParam);
    void RefreshOtherCtrls(WPARAM wParam, int id);
    // The id of the control whose notification means that its value changed; 0 when none.
    int FindChangedCtrl(WPARAM wParam);
    virtual int IsCommandAllowed(WPARAM wParam) { return 1; }
    virtual void BeforeRefresh(WPARAM wParam) {}
    virtual void AfterRefresh(WPARAM wParam) {}

    // Toolbar buttons with the common controls' small standard images, or with a strip of
    // 16 x 15 images per button read from a bitmap file (0 when it cannot be read).
    void AddToolButtons(const cToolButton* buttons, int count);
    int AddToolButtonsFromImage(const cToolButton* buttons, int count, const char* bitmapFile);
    // Accelerators of a resource table for the target window (the window itself, or a control
    // that they serve while it has the focus).
    void AddAccelerator(HWND target, UINT resourceId);

    // Reads the mouse: 0 when it lies outside the content and outside is not allowed.
    int GetMousePos(int allowOutside, int buttonMask);
    void PopupMenu(HMENU menu);
    // 1 when a right click has just ended in this window while it is the active one.
    int IsContextClick();

    HWND GetHwnd() const { return m_hWnd; }
    // The content area's size and the mouse as GetMousePos last read it.
    int ContentWidth() const { return m_ContentWidth; }
    int ContentHeight() const { return m_ContentHeight; }
    const cMouseState& MouseState() const { return m_Mouse; }
    int FrameLeft() const { return m_FrameLeft; }
    int FrameTop() const { return m_FrameTop; }
    // Test seams: the end code and the kind of run, as the tests read them; the message dump
    // into the error log, which only the tests turn on (the programs leave it off).
    int GetEndCode() const { return m_EndCode; }
    int IsModeless() const { return m_Modeless; }
    void SetName(const char* name) { m_Name = name ? name : ""; }
    void SetMessageDump(int on) { m_Dump = on; }

    static INT_PTR CALLBACK StaticDialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static INT_PTR CALLBACK StaticPageProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

protected:
    void SetRequestedPosition(int x, int y) {
        m_ReqX = x;
        m_ReqY = y;
    }
    // A template made for one use run in another (a sheet page's template as a window of its
    // own): its style loses the bits `off` and takes the bits `on`. Modal runs only.
    void RestyleTemplate(DWORD off, DWORD on) {
        m_StyleOff = off;
        m_StyleOn = on;
    }
    void SetAnchor(cCtrl* anchor, int centre) {
        m_lpAnchor = anchor;
        m_Center = centre;
    }
    HWND ParentWindow() const;
    // The window is active (a sheet page: its sheet is active and shows it).
    bool IsActiveWindow() const;
    void ReadLayout();
    void CreateBars();
    void GroupOff();
    void GroupOn();

    int m_Kind;
    HWND m_hWnd = nullptr;
    HINSTANCE m_hInst;
    UINT m_TemplateId;
    HWND m_hParentWnd = nullptr;
    HWND m_hSheet = nullptr;  // sheet window of a sheet page
    cPropSheet* m_lpSheet = nullptr;
    cWndGroup* m_lpGroup;

    cDib m_Dib[2];  // work bitmaps of the derived classes

    POINT m_Pos = {};      // window position on the screen
    POINT m_Origin = {};   // content origin in the client area
    int m_ContentWidth = 0;
    int m_ContentHeight = 0;

    cMouseState m_Mouse;
    cMouseState m_PrevMouse;
    int m_ReleasedSinceOpen = 0;

    RECT m_ReqClient = {};
    RECT m_Client = {};
    RECT m_MinTrack = {};
    RECT m_MaxTrack = {};
    RECT m_Outer = {};

    LONG m_Style = 0;
    int m_Menu = 0;
    int m_ToolbarRows = 0;
    int m_BarMode = kBarNone;
    int m_Option = 0;  // free for the derived classes
    int m_ScrollFlags = 0;
    HWND m_hToolbar = nullptr;
    HWND m_hStatus = nullptr;
    HWND m_hTooltip = nullptr;
    int m_FrameLeft = 0;
    int m_FrameRight = 0;
    int m_FrameTop = 0;
    int m_FrameBottom = 0;

    struct cAccelEntry {
        HACCEL table;
        HWND target;
    };
    std::vector<cAccelEntry> m_Accels;

    int m_Ready = 0;  // set by the derived OnInitDialog once the page is set up
    int m_CommandBusy = 0;

    std::string m_Name;
    int m_Dump = 0;
    DWORD m_StyleOff = 0;
    DWORD m_StyleOn = 0;

    int m_ReqX = kNoPosition;
    int m_ReqY = kNoPosition;
    cCtrl* m_lpAnchor = nullptr;
    int m_Center = 0;

    int m_Modeless = 0;
    int m_RunFlags = 0;
    int m_EndCode = 0;

    cChildWnd* m_lpParent;
    HWND m_hFocusTarget = nullptr;

    cCheckedVector<cCtrl*> m_Ctrls;  // not owned: the controls are members of the page

private:
    void DumpMessage(UINT msg, WPARAM wParam, LPARAM lParam) const;
    void OnSize();
    void AddButtonEntries(const cToolButton* buttons, int count, int imageBase, bool offsetSeparators);
    static INT_PTR Dispatch(cChildWnd* self, HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
};

// Runs a window made by new (std::nothrow) modal and deletes it; its end code. A window that
// could not be made (null) ends the program through the out-of-memory path.
int RunNewModal(cChildWnd* wnd, int runFlags);

// The registry of a program's open windows: the message loop asks it to translate accelerators
// and dialog keys, and modal dialogs hide or disable its windows while they run.
class cWndGroup {
public:
    void Register(cChildWnd* wnd);
    void Unregister(cChildWnd* wnd);
    // An open sheet; ownerSlot (may be null) is cleared when the group deletes the sheet.
    void AddSheet(cPropSheet* sheet, cPropSheet** ownerSlot);
    bool RemoveSheet(cPropSheet* sheet);

    void ShowAll(int show);
    void EnableAll(int enable);
    // Gives every registered window its per-frame call (OnFrame).
    void FrameAll();
    // 1 when the message was consumed; the loop then neither translates nor dispatches it.
    // Closed sheets go first (DropClosedSheets).
    int PreTranslate(MSG* msg);
    // Destroys and deletes each sheet closed with OK or Cancel and clears its owner's slot. A
    // loop calls it after each message as well, so that a sheet that message closed goes at
    // once and not only when another message comes.
    void DropClosedSheets();

private:
    struct cSheetEntry {
        cPropSheet* sheet;
        cPropSheet** ownerSlot;
    };
    std::vector<cChildWnd*> m_Wnds;
    std::vector<cSheetEntry> m_Sheets;
};
