#pragma once
// The table-typed part of a database page: the working copy of one table, the edited record
// and the record list over them (DbPage.h tells the protocol).
#include <string>

#include "data/Record.h"
#include "editor/database/DbPage.h"
#include "framework/DataList.h"
#include "framework/FrameworkIds.h"

template <class T>
class cDbTablePage : public cDbPage {
public:
    using Table = cRecordVector<T>;
    using List = cDataList<T, Table>;
    using RowTextFn = typename cDataListDesc<T, Table>::RowTextFn;

    // firstIndex 1: record 0 of the table is reserved and never shown. The project's table is
    // grown to its minimum at once (two records, or one without a reserved record).
    cDbTablePage(UINT templateId, cChildWnd* parent, cWndGroup* group, Table* table, uint16_t listId, int multi,
                 RowTextFn rowText, int maxRows, uint32_t firstIndex)
        : cDbPage(templateId, parent, group), m_lpTable(table) {
        m_ListId = listId;
        size_t minimum = firstIndex + 1;
        if (m_lpTable->size() < minimum) m_lpTable->resize(minimum);
        m_Work = *m_lpTable;
        m_Lists.resize(1);
        m_Lists[0].m_Desc.Set(listId, m_lpTable, &m_Work, &m_Edit, multi, rowText, 1, 1, maxRows, firstIndex, 1, 0);
    }

    void ReloadEdited() override {
        int index = RecordList().GetCurIndex();
        if (index < 0) index = static_cast<int>(m_Lists[0].m_Desc.firstIndex);
        if (index < static_cast<int>(m_Work.size())) m_Edit = m_Work.At(index);
    }
    void ApplyTable() override {
        if (m_hWnd) RecordList().CtrlToData();
    }

    List& RecordList() { return m_Lists[0].m_Ctrl; }
    const Table& Work() const { return m_Work; }
    // Test seam: the edited record before it reaches the working copy.
    const T& Edited() const { return m_Edit; }

protected:
    void AttachList() override {
        AttachDataList(m_Lists[0]);
        RecordList().SetMenus(IDR_ACCEL_SET1_CLEAR, IDR_MENU_SET1_CLEAR, 0, 1);
        RecordList().SelectSingle(0, true);
        RecordList().Refill();
    }
    int ListAppend() override { return RecordList().CmdAppend(); }
    int ListClear() override { return RecordList().CmdClear(); }
    int ListShownCount() const override {
        return static_cast<int>(m_Work.size()) - static_cast<int>(m_Lists[0].m_Desc.firstIndex);
    }
    int ListSetCount(int count) override { return m_Lists[0].m_Ctrl.SetRowCount(count); }
    int ListRenew() override { return RecordList().CmdRenew(); }
    int ListSelectAt(POINT screen) override { return RecordList().SelectAt(screen); }
    HMENU ListMenu() const override { return m_Lists[0].m_Ctrl.GetPopupMenu(); }

    Table* m_lpTable;
    Table m_Work;
    T m_Edit;
    cBindings<cBound<List, cDataListDesc<T, Table>>> m_Lists;
};

// Row text of the tables whose rows show the record's name.
template <class T>
void NameRowText(std::string* text, int, const T* record) {
    *text = record->m_Name;
}
