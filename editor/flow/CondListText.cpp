#include "editor/flow/CondListText.h"

#include <cstddef>

#include "data/FlowTables.h"
#include "data/Stage.h"
#include "editor/flow/StatusSides.h"
#include "editor/shell/EditorProject.h"
#include "framework/Format.h"
#include "framework/NumText.h"

namespace {

// A row of a name table; the empty text past its end.
template <size_t N>
const char* Word(const char* const (&table)[N], int row) {
    return row >= 0 && static_cast<size_t>(row) < N ? table[row] : "";
}

const char* StatusName(int owner, int status) {
    const cStatusDesc* row = StatusRow(owner, status);
    return row ? row->m_Name : "";
}

const char* VarName(const cRecordVector<cNameRec>& names, int number) {
    return number >= 0 && static_cast<size_t>(number) < names.size() ? names[static_cast<size_t>(number)].m_Name.c_str()
                                                                      : "";
}

// The common (scope 0) or stage (scope 1) variable's number and name, "007 名前".
bool AppendVar(std::string& text, const char* format, int scope, int number) {
    if (scope != 0 && scope != 1) return false;
    const cRecordVector<cNameRec>& names = scope == 0 ? CommonVarNames() : ProjectStage().m_VarNames;
    AppendFormat(text, format, NumToStr(number, 3).c_str(), VarName(names, number));
    return true;
}

// One side of a status condition that names a status: the target's status, its chara variable
// (status 0) or a system value. The left side ends in "が".
void AppendStatus(std::string& text, bool left, int owner, int status, int var) {
    if (owner == 0 || owner == 1) {
        const char* target = Word(SelfTargetNames, owner);
        if (status != 0)
            AppendFormat(text, left ? " %s の %s が" : " %s の %s", target, StatusName(owner, status));
        else
            AppendFormat(text, left ? " %s の 「%s」 が" : " %s の 「%s」", target, Word(CharaVarNames, var - 1));
    } else if (owner == kOwnerSystem) {
        AppendFormat(text, left ? " %s が" : " %s", StatusName(owner, status));
    }
}

void AppendStatusCond(std::string& text, const cCondition& c) {
    text += " ：";
    if (c.m_LeftKind == 0)
        AppendStatus(text, true, c.m_LeftOwner, c.m_LeftStatus, c.m_VarIndex);
    else if (c.m_LeftKind == 1)
        AppendVar(text, " 「%s %s」が", c.m_LeftVarScope, c.m_VarIndex);
    switch (c.m_RightSource) {
    case 0: AppendFormat(text, " %d", c.m_Value); break;
    case 1: AppendFormat(text, " %d～%d", c.m_RandMin, c.m_RandMax); break;
    case 2: AppendStatus(text, false, c.m_RightOwner, c.m_RightStatus, c.m_RightVarIndex); break;
    case 3: AppendVar(text, " 「%s %s」", c.m_RightVarScope, c.m_RightVarIndex); break;
    }
    if (c.m_Percent) text += "%";
    AppendFormat(text, " %s", Word(CompareNames, c.m_Compare));
}

}  // namespace

void CondRowText(std::string* text, int, const cCondition* cond) {
    const cCondition& c = *cond;
    *text = Word(ConditionKindNames, c.m_Kind);
    switch (c.m_Kind) {
    case 1:
    case 2: {
        const cRecordVector<cNameRec>& names = c.m_Kind == 1 ? CommonVarNames() : ProjectStage().m_VarNames;
        AppendFormat(*text, " ： 「%s %s」 が %d %s", NumToStr(c.m_VarIndex, 3).c_str(), VarName(names, c.m_VarIndex),
                     c.m_Value, Word(CompareNames, c.m_Compare));
        break;
    }
    case 3:
        AppendFormat(*text, " ： キャラ変数 「%s」が %d %s", Word(CharaVarNames, c.m_VarIndex - 1), c.m_Value,
                     Word(CompareNames, c.m_Compare));
        break;
    case 4: AppendStatusCond(*text, c); break;
    case 5:
        AppendFormat(*text, " ： %s %d %s", Word(DistanceAxisNames, c.m_DistAxis), c.m_Value,
                     Word(DistanceCompareNames, c.m_Compare));
        break;
    }
}
