#include "game/data/Ranking.h"

#include "data/Paths.h"
#include "framework/Format.h"
#include "framework/Path.h"

cRankEntry::cRankEntry() {
    RegisterFields(kDataVersion);
    Reset();
}

void cRankEntry::RegisterFields(uint32_t) {
    ClearFields();
    AddField32(&m_Used);
    AddStringField(&m_Name);
    AddField32(&m_Value);
}

cRankData::cRankData() {
    RegisterFields(kDataVersion);
    Reset();
}

void cRankData::RegisterFields(uint32_t) {
    ClearFields();
    AddField32(&m_HigherIsBetter);
}

bool cRankData::Load(cDataReader& in) { return cRecord::Load(in) && LoadRecordVector(m_Rows, in); }

void cRankData::Save(cDataWriter& out) {
    cRecord::Save(out);
    SaveRecordVector(m_Rows, out);
}

void cRankData::Reset() {
    cRecord::Reset();
    m_Rows.resize(kRankRows);
}

int cRankData::FindPosition(int value) const {
    for (size_t i = 0; i < m_Rows.size(); ++i) {
        const cRankEntry& row = m_Rows[i];
        if (!row.m_Used) return static_cast<int>(i);
        if (m_HigherIsBetter ? value > row.m_Value : value < row.m_Value) return static_cast<int>(i);
    }
    return -1;
}

void cRankData::Insert(const std::string& name, int value) {
    if (m_Rows.empty()) return;
    int pos = FindPosition(value);
    cRankEntry row;
    row.m_Used = 1;
    row.m_Name = name;
    row.m_Value = value;
    if (pos >= 0) m_Rows.insert(m_Rows.begin() + pos, row);
    else m_Rows.push_back(row);
    m_Rows.pop_back();
}

cRankTable::cRankTable() {
    RegisterFields(kDataVersion);
    Reset();
}

void cRankTable::RegisterFields(uint32_t) { ClearFields(); }

namespace {

void SetOrders(cRecordVector<cRankData>& kinds) {
    for (int k = 0; k < kRankKinds; ++k) kinds[k].m_HigherIsBetter = k == eRankClearTime ? 0 : 1;
}

}  // namespace

bool cRankTable::Load(cDataReader& in) {
    if (!cRecord::Load(in) || !LoadRecordVector(m_Kinds, in)) return false;
    m_Kinds.resize(kRankKinds);
    for (cRankData& kind : m_Kinds) kind.m_Rows.resize(kRankRows);
    SetOrders(m_Kinds);
    return true;
}

void cRankTable::Save(cDataWriter& out) {
    cRecord::Save(out);
    SaveRecordVector(m_Kinds, out);
}

void cRankTable::Reset() {
    cRecord::Reset();
    m_Kinds.clear();
    m_Kinds.resize(kRankKinds);
    SetOrders(m_Kinds);
}

bool MakeRankingPath(std::string& out, int playKind, const std::string& name) {
    if (playKind < 0 || playKind >= kRankedPlayKinds) return false;
    std::string file = name;
    StripPath(file);
    out = Format("%s%s%s", PathTable[ePathRankings + playKind], file.c_str(), ExtTable[eExtRanking]);
    return true;
}

bool LoadRanking(cRankTable& table, int playKind, const std::string& name) {
    std::string path;
    if (MakeRankingPath(path, playKind, name) && table.LoadFile(path.c_str(), true)) return true;
    table.Reset();
    return false;
}

bool SaveRanking(cRankTable& table, int playKind, const std::string& name) {
    std::string path;
    return MakeRankingPath(path, playKind, name) && table.SaveFile(path.c_str());
}

std::string FormatClearTime(int time) {
    if (time < 0) time = 0;
    auto two = [](int v) { return Format("%d%d", v / 10 % 10, v % 10); };
    return Format("%s:%s.%s", two(time / 6000).c_str(), two(time / 100 % 60).c_str(), two(time % 100).c_str());
}

cRankTable& RankingTable() {
    static cRankTable table;
    return table;
}
