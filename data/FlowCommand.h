#pragma once
// One command of a flow. Include data/Flow.h, which completes the sub-flow type.
#include <string>
#include <vector>

#include "data/Database.h"
#include "data/MoveShot.h"
#include "data/Record.h"

class cFlow;
struct cOptionEntry;

class cFlowCmd : public cRecord {
public:
    cFlowCmd();
    // Copies hold parameter records of their own, never the source's.
    cFlowCmd(const cFlowCmd& other);
    cFlowCmd& operator=(const cFlowCmd& other);
    ~cFlowCmd() override;
    void Init();
    void RegisterFields(uint32_t version) override;
    // Fails for a command set or type outside the tables (nothing could run it).
    bool Load(cDataReader& in) override;
    void Save(cDataWriter& out) override;
    RECORD_COPY(cFlowCmd)

    bool operator==(const cFlowCmd& other) const;
    bool operator!=(const cFlowCmd& other) const { return !(*this == other); }

    // The row of the command's type in its table; null for a type outside the table.
    const cOptionEntry* TypeEntry() const;
    // The character command type this command runs as: item types 2-21 map to 17-36; the
    // item's own type 1 and any type outside the tables give 0.
    int CharaType() const;
    // Parameter i of the list; 0 past its end, so a short list reads as its defaults.
    int32_t Param(size_t index) const { return index < m_Params.size() ? m_Params[index] : 0; }

    // Repairs references to database rows that do not exist and sizes the parameter list
    // for the command type; the sub-flows are validated too.
    void Validate();

    uint8_t m_CmdSet;   // 0 character command, 1 item command
    uint8_t m_CmdType;  // row of CharaCommandTypes or ItemCommandTypes
    uint16_t m_Time;    // 1/10 s
    int16_t m_CloneTime;
    uint8_t m_Parallel;
    uint16_t m_Sound;  // row of the Sound table
    uint8_t m_SoundOnScreen;
    uint16_t m_Anime;  // row of the Anime table
    std::string m_Text;  // message text or code

    cEdMovePtr m_Move;  // movement commands and the warp
    cEdShotPtr m_Shot;  // shot, sword (its sword type in m_MoveType) and summons
    // The flows that item command "フローの変更" adds or changes.
    cRecordVector<cFlow> m_SubFlows;
    std::vector<int32_t> m_Params;  // meaning by command type

private:
    void CopyMembers(const cFlowCmd& other);
};

// The time of a whole swing of a sword type: the sum of its positions' times, capped at 9999
// after each addition; 0 for a row the table does not have.
int SumDurations(const cDatabase& database, int swordType);
