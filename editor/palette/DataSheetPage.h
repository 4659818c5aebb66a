#pragma once
// What the pages of the chara and item data sheets share: the page's copy of the record with
// the controls bound into it, the "継承" checks with the controls each governs, the table of
// change handlers by control kind, stepping with ← and →, the previews, and the sheet
// notifications (a page left hands its record to the others; Apply commits through page 1).
// tRecord is the sheet's record; the page reaches its sheet through cDataSheetOwner.
#include <functional>
#include <vector>

#include "editor/flow/CmdPage.h"
#include "editor/palette/DataSheetOwner.h"
#include "editor/palette/PageHandlers.h"
#include "framework/Page.h"

// The controls every page of a sheet has.
struct cDataPageIds {
    uint16_t number;
    uint16_t prev;
    uint16_t next;
    uint16_t preview;
};

template <class tRecord>
class cDataSheetPage : public cPage {
public:
    // Without a sheet the page is a dialog of its own on a default record, without "No." and
    // the arrows.
    cDataSheetPage(UINT templateId, cDataSheetOwner<tRecord>* sheet, int pageIndex, const cDataPageIds& ids, cChildWnd* parent,
                   cWndGroup* group);

    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    int OnPaint() override;

    // The page's copy becomes the record; shown at once when the window exists.
    void Bind(const tRecord& record);
    // The controls into the page's copy.
    virtual void Store();
    const tRecord& Record() const { return m_Work; }
    bool IsInitialized() const { return m_Ready != 0; }
    // The previous (-1) or next (+1) record of the palette.
    void Step(int delta);
    // The page shown again: data, lists, enables and the number.
    virtual void Refresh();
    // The preview's bitmap.
    const cDib& Preview();

protected:
    // The page's bindings attached to its controls.
    virtual void AttachBindings() { m_Bind.AttachTo(this); }
    // Page parts of the dialog's start: after the bindings are attached, before the data shows.
    virtual void InitPage() {}
    // The page's own commands (lists, buttons) before the change handlers; true when handled.
    virtual bool PageCommand(int id, int code) { return false; }
    // WM_CONTEXTMENU over one of the page's lists; true when a popup was shown.
    virtual bool ContextMenu(WPARAM wParam, LPARAM lParam) { return false; }
    // The data lists refilled after the record changed.
    virtual void RefillLists() {}
    // The enables that hang on values of other pages or groups.
    virtual void UpdateDependentEnables() {}
    // Each group enabled unless its check is checked; pages add their own rules.
    virtual void EnableInheritGroups();
    // After a step: the page's handlers and enables.
    virtual void AfterStep();
    // The record the previews show.
    virtual tRecord PreviewRecord() { return m_Work; }
    virtual void EnableCtrl(uint16_t id, bool enable);

    void AddGroup(uint16_t button, int flag, std::vector<uint16_t> ctrls);
    void AddHandler(int kind, uint16_t id, std::function<void()> run);
    // Copies the base's groups whose checks are checked and shows the record again.
    void ApplyInherit();
    // Every handler that is no button's, in table order; `except` is skipped.
    void RunChangeHandlers(uint16_t except = 0);
    // All "継承" checks enabled or not (pages whose record inherits from nothing).
    void EnableInheritButtons(bool enable);
    bool IsEnabled(uint16_t id) const;
    bool IsChecked(uint16_t id) const;
    bool IsInherited(uint16_t button) const { return IsChecked(button); }
    int ComboPos(uint16_t id) const;
    void DrawPreviews();
    void ShowNumber();
    // Shows the record without the handlers reacting.
    void ShowData();
    // The enables, the number and the previews as the shown record stands.
    void ShowState();

    cDataSheetOwner<tRecord>* m_lpSheet;
    int m_PageIndex;
    cDataPageIds m_Ids;
    int m_Busy = 0;
    tRecord m_Work;
    cCmdBindings m_Bind;
    std::vector<cInheritGroup> m_Groups;
    std::vector<cCtrlHandler> m_Handlers;
    std::vector<uint16_t> m_PreviewIds;
};
