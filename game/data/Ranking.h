#pragma once
// The player's rankings of one stage or stage series: score, remaining time and clear time,
// 20 rows each, kept per play kind under user_data\.
#include <cstdint>
#include <string>

#include "data/Record.h"

enum RankKind { eRankScore, eRankRemainingTime, eRankClearTime, kRankKinds };
const int kRankRows = 20;
// Play kinds that keep ranking files: story, challenge, free play (a replay keeps none).
const int kRankedPlayKinds = 3;

class cRankEntry : public cRecord {
public:
    cRankEntry();
    void RegisterFields(uint32_t version) override;
    RECORD_COPY(cRankEntry)

    int32_t m_Used;
    std::string m_Name;
    int32_t m_Value;
};

class cRankData : public cRecord {
public:
    cRankData();
    void RegisterFields(uint32_t version) override;
    bool Load(cDataReader& in) override;
    void Save(cDataWriter& out) override;
    RECORD_COPY(cRankData)

    // Clears the order flag and brings the rows to exactly 20, keeping those there.
    void Reset();
    // The row a new value takes (an equal value ranks below the one there), or -1.
    int FindPosition(int value) const;
    // Places a new result; the last row falls off.
    void Insert(const std::string& name, int value);

    int32_t m_HigherIsBetter;
    cRecordVector<cRankEntry> m_Rows;
};

class cRankTable : public cRecord {
public:
    cRankTable();
    void RegisterFields(uint32_t version) override;
    // A file with more or fewer kinds or rows than a ranking has is brought to 3 kinds of 20
    // rows in their fixed orders, so a damaged file can never index past them.
    bool Load(cDataReader& in) override;
    void Save(cDataWriter& out) override;
    RECORD_COPY(cRankTable)

    // Three empty kinds: score and remaining time larger first, clear time smaller first.
    void Reset();

    cRecordVector<cRankData> m_Kinds;
};

// user_data\story\, \challenge\ or \free\ by play kind, then the file name of the stage name
// (which ends in its dot) and "rkg"; false for any other play kind.
bool MakeRankingPath(std::string& out, int playKind, const std::string& name);
// True when the ranking file was read; otherwise the table is reset.
bool LoadRanking(cRankTable& table, int playKind, const std::string& name);
// False when the play kind keeps no rankings or the file cannot be written.
bool SaveRanking(cRankTable& table, int playKind, const std::string& name);

// A time in 1/100 s as minutes:seconds.hundredths, two digits each ("02:03.45"); minutes past
// 99 keep their last two digits, a negative time shows as 0.
std::string FormatClearTime(int time);

// The one ranking table of the game program.
cRankTable& RankingTable();
