#pragma once
// A drop-down list combo box bound to a signed 8-, 16- or 32-bit field through the selected
// item's position: position p stands for the value base + p, or, with a conversion table, for
// the table's entry p. The items come from a table of texts ending with an empty text, or from
// a list of names (NameList.h builds those).
#include <string>
#include <vector>

#include "framework/Binding.h"
#include "framework/MessageBox.h"

template <class T>
struct cComboDesc {
    uint32_t id = 0;
    T* lpVar = nullptr;
    const char* const* lpTable = nullptr;
    const std::vector<std::string>* lpNames = nullptr;
    T base = 0;
    const std::vector<T>* lpConv = nullptr;

    cComboDesc() = default;
    cComboDesc(uint16_t ctrlId, T* var, const char* const* table, T baseValue, const std::vector<T>* conv = nullptr)
        : id(ctrlId), lpVar(var), lpTable(table), base(baseValue), lpConv(conv) {}
    cComboDesc(uint16_t ctrlId, T* var, const std::vector<std::string>* names, T baseValue,
               const std::vector<T>* conv = nullptr)
        : id(ctrlId), lpVar(var), lpNames(names), base(baseValue), lpConv(conv) {}
};

template <class T>
class cCombo : public cCtrl {
public:
    cCombo() : cCtrl(eCtrlCombo) {}

    void Attach(cPage* page, const cComboDesc<T>& desc) {
        cCtrl::Attach(page, static_cast<uint16_t>(desc.id));
        m_lpVar = desc.lpVar;
        if (desc.lpTable)
            SetTable(desc.lpTable);
        else if (desc.lpNames)
            SetList(desc.lpNames);
        m_Base = desc.base;
        m_lpConv = desc.lpConv;
    }

    void SetTable(const char* const* table) {
        m_lpTable = table;
        m_lpNames = nullptr;
        T kept = GetData();
        SendMessageA(m_hWnd, CB_RESETCONTENT, 0, 0);
        for (const char* const* text = table; *text && **text; ++text)
            SendMessageA(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(*text));
        SetData(kept);
        Adjust();
    }
    void SetList(const std::vector<std::string>* names) {
        m_lpTable = nullptr;
        m_lpNames = names;
        T kept = GetData();
        SendMessageA(m_hWnd, CB_RESETCONTENT, 0, 0);
        for (const std::string& name : *names)
            SendMessageA(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        SetData(kept);
        Adjust();
    }
    // Fills the items again from the table or the list the combo has.
    void Refill() {
        if (m_lpTable)
            SetTable(m_lpTable);
        else if (m_lpNames)
            SetList(m_lpNames);
    }
    // The value of the first item becomes `base`; the bound field is left alone.
    void SetBase(T base) { m_Base = base; }
    // The value of the first item becomes the minimum; a bound value below it is raised to it.
    void SetMin(T minimum) {
        if (m_lpConv) {
            DebugBox("SetMin Err 変換テーブルポインタには未対応です");
            return;
        }
        m_Base = minimum;
        if (m_lpVar && *m_lpVar < minimum) *m_lpVar = minimum;
        Refill();
    }

    int DataToPos(T value) const {
        if (!m_lpConv) return static_cast<int>(value) - static_cast<int>(m_Base);
        for (size_t i = 0; i < m_lpConv->size(); ++i)
            if ((*m_lpConv)[i] == value) return static_cast<int>(i);
        return -1;
    }
    T PosToData(int pos) const {
        if (!m_lpConv || pos == -1) return static_cast<T>(m_Base + pos);
        if (pos < 0 || static_cast<size_t>(pos) >= m_lpConv->size()) {
            DebugBox("コンボボックスのPosToDataに失敗！");
            return static_cast<T>(-1);
        }
        return (*m_lpConv)[pos];
    }
    int GetPos() const { return static_cast<int>(SendMessageA(m_hWnd, CB_GETCURSEL, 0, 0)); }
    T GetData() const { return PosToData(GetPos()); }
    // A value that no item stands for selects nothing (Wine would keep the old selection).
    void SetData(T value) {
        int pos = DataToPos(value);
        if (pos >= static_cast<int>(SendMessageA(m_hWnd, CB_GETCOUNT, 0, 0))) pos = -1;
        SendMessageA(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(pos), 0);
    }

    void DataToCtrl() override {
        if (m_lpVar) SetData(*m_lpVar);
    }
    // Nothing selected stores nothing: no item stands for a value.
    void CtrlToData() override {
        int pos = GetPos();
        if (m_lpVar && m_hWnd && pos >= 0) *m_lpVar = PosToData(pos);
    }

    // Keeps the selection on an item: a value below the first item selects the first, one
    // past the last selects the last.
    void Adjust() {
        if (m_lpConv) {
            DebugBox("Adjust Err 変換テーブルポインタには未対応です");
            return;
        }
        int count = static_cast<int>(SendMessageA(m_hWnd, CB_GETCOUNT, 0, 0));
        int lowest = m_Base;
        int highest = m_Base + count - 1;
        int value = GetData();
        if (value < lowest)
            SetData(static_cast<T>(lowest));
        else if (value > highest)
            SetData(static_cast<T>(highest));
    }

private:
    T* m_lpVar = nullptr;
    const char* const* m_lpTable = nullptr;
    const std::vector<std::string>* m_lpNames = nullptr;
    T m_Base = 0;
    const std::vector<T>* m_lpConv = nullptr;
};

template <class T>
using cBoundCombo = cBound<cCombo<T>, cComboDesc<T>>;
