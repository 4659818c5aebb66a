#pragma once
// What the two pages of the item data sheet share: the page's copy of the item with the
// controls bound into it, the "継承→" toggles with the controls each governs, the table of
// change handlers by control kind, stepping with ← and →, the preview, and the sheet
// notifications (a page left hands its copy to the other; Apply commits through page 1).
#include <vector>

#include "data/Item.h"
#include "editor/flow/CmdPage.h"
#include "editor/palette/PageHandlers.h"
#include "framework/Page.h"

class cItemDataSheet;

class cItemPage : public cPage {
public:
    cItemPage(UINT templateId, cItemDataSheet* sheet, int pageIndex, cChildWnd* parent, cWndGroup* group);

    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    int OnPaint() override;

    // The page's copy becomes the item; shown at once when the window exists.
    void SetItem(const cEdItem& item);
    // The controls into the page's copy.
    void Store();
    const cEdItem& Item() const { return m_Work; }
    bool IsInitialized() const { return m_Ready != 0; }
    // The previous (-1) or next (+1) item of the palette.
    void Step(int delta);
    // The page shown again: data, lists, enables and the number.
    void Refresh();
    // The preview's bitmap.
    const cDib& Preview();

protected:
    // Page parts of the dialog's start: after the bindings are attached, before the data shows.
    virtual void InitPage() {}
    // The page's own commands (lists, buttons) before the change handlers; true when handled.
    virtual bool PageCommand(int id, int code) { return false; }
    // WM_CONTEXTMENU over one of the page's lists; true when a popup was shown.
    virtual bool ContextMenu(WPARAM wParam, LPARAM lParam) { return false; }
    // The data lists refilled after the item changed.
    virtual void RefillLists() {}
    // The enables of the toggles and their groups.
    virtual void EnableInheritGroups();
    // The item the previews show.
    virtual cEdItem PreviewItem();

    void AddGroup(uint16_t button, int flag, std::vector<uint16_t> ctrls);
    void AddHandler(int kind, uint16_t id, std::function<void()> run);
    // Copies the base's groups whose toggles are pressed and shows the item again.
    void ApplyInherit();
    // Every handler that is no button's, in table order; `except` is skipped.
    void RunChangeHandlers(uint16_t except = 0);
    void EnableInheritButtons(bool enable);
    void EnableCtrl(uint16_t id, bool enable);
    bool IsEnabled(uint16_t id) const;
    bool IsChecked(uint16_t id) const;
    int ComboPos(uint16_t id) const;
    void DrawPreviews();
    void ShowNumber();
    // Shows the item without the handlers reacting.
    void ShowData();

    cItemDataSheet* m_lpItemSheet;
    int m_PageIndex;
    int m_Busy = 0;
    cEdItem m_Work;
    cCmdBindings m_Bind;
    std::vector<cInheritGroup> m_Groups;
    std::vector<cCtrlHandler> m_Handlers;
    std::vector<uint16_t> m_PreviewIds;
};
