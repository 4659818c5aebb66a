#pragma once
// The event palette beside the world map window in event mode (template 158): the numbered list
// of event templates the paint tool places, edited in the event dialog, cut and copied into the
// world map's clipboard (the list's keys and popup menu), and the three choices of how events
// are placed, stored in the editor configuration at once.
#include "data/WorldMap.h"
#include "framework/Binding.h"
#include "framework/DataList.h"
#include "framework/Page.h"

class cEventPaletteDlg : public cPage {
public:
    using TemplateList = cDataList<cWorldEvent, cRecordVector<cWorldEvent>>;

    cEventPaletteDlg(cChildWnd* parent, cWndGroup* group);
    ~cEventPaletteDlg() override;

    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

    TemplateList& Templates() { return m_List[0].m_Ctrl; }

private:
    // The current template in the event dialog; true after OK.
    bool EditTemplate();
    // A default template at the current row, in the event dialog; Cancel takes it out again.
    void InsertTemplate();
    void SetCount();
    // A command of the list's keys or popup menu; true when the list carried it out.
    bool ListCommand(int id);
    // The editing state follows the list's current row; a change of the list counts as a change
    // of the map.
    void Synchronise(bool changed);

    cWorldEvent m_Edit;
    cBindings<cBound<TemplateList, cDataListDesc<cWorldEvent, cRecordVector<cWorldEvent>>>> m_List;
};
