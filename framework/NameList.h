#pragma once
// Item texts for combo boxes that choose an entry of a project table: one line per entry, its
// zero-filled number and its name ("007 剣"). The tables are any vectors of records with an
// m_Name string (the database tables, the palette lists), so the framework needs none of them.
// Fixed tables (texts ending with an empty one, rows with an m_Name) give plain item lists.
#include <string>
#include <vector>

#include "framework/Combo.h"
#include "framework/Format.h"
#include "framework/MciPlayer.h"
#include "framework/NumText.h"

// The texts of a table that ends with an empty text, as combo items.
inline std::vector<std::string> TextList(const char* const* table) {
    std::vector<std::string> list;
    for (const char* const* text = table; *text && **text; ++text) list.push_back(*text);
    return list;
}

// The m_Name of each of the first `count` rows, as combo items.
template <class Row>
std::vector<std::string> RowNameList(const Row* rows, int count) {
    std::vector<std::string> list;
    for (int i = 0; i < count; ++i) list.push_back(rows[i].m_Name);
    return list;
}

// The entries from `start` on, numbered numberBase + index with `digits` digits; the first
// item reads `firstText` instead when one is given (an item that stands for "none").
template <class Table>
void BuildTableNameList(std::vector<std::string>* list, const Table& table, const char* firstText, int start,
                        int digits, int numberBase) {
    int size = static_cast<int>(table.size());
    list->assign(static_cast<size_t>(size > start ? size - start : 0), std::string());
    for (int i = start; i < size; ++i) {
        std::string& item = (*list)[static_cast<size_t>(i - start)];
        if (i == start && firstText)
            item = firstText;
        else
            item = Format("%s %s", NumToStr(numberBase + i, digits).c_str(), table[static_cast<size_t>(i)].m_Name.c_str());
    }
}

// The records after the first, numbered from 1 with three digits.
template <class Records>
void BuildNameList(std::vector<std::string>* list, const Records& records) {
    BuildTableNameList(list, records, nullptr, 1, 3, 0);
}

// Fills the combo with the id from the records' name list (the list must outlive the combo).
template <class B, class Records>
void SetComboNameList(cBindings<B>& bindings, uint16_t comboId, std::vector<std::string>* list, const Records& records) {
    BuildNameList(list, records);
    if (B* binding = FindCtrl(bindings, comboId)) binding->m_Ctrl.SetList(list);
}

// Plays the sound chosen in the combo (its value is a row of the sound table; row 0 stands for
// none) on the MCI player. 1 when it plays; a file that cannot be played is reported.
template <class B, class SoundTable>
int PreviewSound(HWND owner, cMciPlayer& player, cBindings<B>& bindings, uint16_t comboId, const SoundTable& sounds) {
    B* binding = FindCtrl(bindings, comboId);
    if (!binding) return 0;
    long long row = binding->m_Ctrl.GetData();
    if (row <= 0 || row >= static_cast<long long>(sounds.size())) return 0;
    if (!PlayMci(owner, player, 0, sounds[static_cast<size_t>(row)].m_File.c_str(), 0)) {
        ErrorBox("読み込み失敗！");
        return 0;
    }
    return 1;
}
