#pragma once
// The protocol every page of the database window follows. A page edits a working copy of its
// table through a record list and controls bound to the edited record (a copy of the selected
// row); every change of a bound control is written back into the working copy at once, and the
// sheet hears of every command (its Apply button). Only OK and Apply (cDatabaseWnd::ApplyAll)
// put the working copies into the project's tables and save them.
//
// cDbTablePage (DbTablePage.h) holds the table-typed part; a page class adds its bindings
// (BindPage, AttachPage) and its own commands (PageCommand), enabling step (EnableStep) and
// after-command step (AfterCommand).
#include <string>

#include "framework/Buttons.h"
#include "framework/Page.h"
#include "framework/StrEdit.h"

class cDbSheet;

// A path field takes at most this many bytes; longer ones are refused, never cut.
const int kDbPathLimit = 259;
// A name field takes at most this many bytes.
const int kDbNameLimit = 12;

// Whether the message asks for the context menu of the list window, and where on the screen
// (the cursor for the keyboard's menu key).
bool ListMenuPoint(HWND list, UINT msg, WPARAM wParam, LPARAM lParam, POINT* at);

class cDbPage : public cPage {
public:
    cDbPage(UINT templateId, cChildWnd* parent, cWndGroup* group);

    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    // The editor's idle frame "repaints" the current page (cPropSheet::ApplyCurPage): that is
    // the preview's tick. A WM_PAINT does not come here.
    int OnPaint() override {
        OnIdle();
        return 1;
    }

    // The edited record becomes the working copy's record at the selected row (the first
    // shown one when none is selected).
    virtual void ReloadEdited() = 0;
    // Puts the working copy into the project's table, once the page has a window.
    virtual void ApplyTable() = 0;
    // One tick of the page's preview.
    virtual void OnIdle() {}

    bool IsInitialised() const { return m_Ready != 0; }
    // The sheet's first page answers for the whole window: Apply, and the window's end.
    void SetSheetFirst(cDbSheet* sheet) { m_lpFirstOf = sheet; }
    // Test seam: the record list's control id, for the tests to drive the list.
    uint16_t ListId() const { return m_ListId; }

protected:
    // Record-list operations, provided by cDbTablePage.
    virtual void AttachList() = 0;
    virtual int ListAppend() = 0;
    virtual int ListClear() = 0;
    virtual int ListShownCount() const = 0;
    virtual int ListSetCount(int count) = 0;
    virtual int ListRenew() = 0;
    virtual int ListSelectAt(POINT screen) = 0;
    virtual HMENU ListMenu() const = 0;
    virtual int CountLimit() const { return 999; }

    // Hooks of the page classes.
    virtual void AttachPage() {}
    virtual void EnableStep() {}
    virtual void PageCommand(int id, int code) {}
    virtual void AfterCommand() {}
    // The edited record is about to be shown / the controls were stored into it: a page whose
    // controls edit a copy of part of it keeps the copy in step.
    virtual void BeforeShow() {}
    virtual void AfterStore() {}
    // The record list's selection changed (the list has taken it already).
    virtual void OnSelect() { RefreshOthers(); }
    // A notification the page handles itself; true when it did.
    virtual bool PageMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR* result) { return false; }

    // Every control but the data lists shows its value again / stores its value.
    void RefreshOthers();
    void StoreOthers();

    uint16_t m_ListId = 0;
    cBindings<cBoundStrEdit> m_Texts;
    cBindings<cBoundButton> m_Buttons;

private:
    int AskCount();
    // A key or popup-menu command went to the list with the focus: when that is a list of the
    // edited record's own rows (frames, positions), the record changed and its row takes it.
    void AfterListCommand();
    INT_PTR OnApply(HWND wnd);
    void OnWindowGone();

    // The sheet this page is the first page of; none for the other pages.
    cDbSheet* m_lpFirstOf = nullptr;
};
