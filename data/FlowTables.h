#pragma once
// The numbering of flows that both programs share: command types with their parameter counts,
// triggers, and the names of every enumerated value of a flow, a condition or a command
// parameter. A value is stored as its row index. Name tables end with an empty string (the
// combo boxes list them up to it); their sizes below count that end row.
#include <cstdint>

struct cOptionEntry {
    const char* m_Name;
    int32_t m_Value;
};

// A character status or system value: c3 and c4 bound a value typed for it in a condition,
// c6 offers "％で指定" for it in a condition, c7 in a status operation. c1, c2 and c5 are
// carried for the game.
struct cStatusDesc {
    const char* m_Name;
    int32_t m_C1, m_C2, m_C3, m_C4, m_C5, m_C6, m_C7;
};

// A flag set by "ステータスの操作2": its values run from m_Min to m_Max and are shown with the
// option names from m_Min up.
struct cFlagDesc {
    const char* m_Name;
    int32_t m_Min;
    int32_t m_Max;
    const char* const* m_Options;
    int32_t m_Default;
};

// Command types: the row is the stored type, the value its parameter count.
const int kCharaCommandTypes = 37;
const int kItemCommandTypes = 22;
extern const cOptionEntry CharaCommandTypes[kCharaCommandTypes];
extern const cOptionEntry ItemCommandTypes[kItemCommandTypes];

// Character command types the records treat specially; item type k (2-21) is character type
// k + 15.
enum eCharaCommand {
    eCmdWait = 1, eCmdSword = 12, eCmdFlowOperation = 16, eCmdStageClear = 17, eCmdMessage = 19, eCmdBaseAnimeSet = 26, eCmdAnime = 27,
    eCmdEffect = 28, eCmdCharaEffect = 29, eCmdScrEffect = 30, eCmdPicture = 31, eCmdSound = 34,
    eCmdBgm = 35, eCmdCode = 36
};
enum eItemCommand { eItemCmdFlowChange = 1 };
const int kItemToCharaCommand = 15;

extern const char* const FlowTriggerNames[19];
// Triggers the game treats specially, by their row.
enum eFlowTrigger { eTriggerAlways = 0, eTriggerDeath = 3, eTriggerBeforeStart = 16, eTriggerByOperation = 17 };
extern const char* const FlowIdNames[28];
extern const char* const FlowGroupNames[28];
extern const char* const CondJudgeNames[3];
extern const char* const KeyJudgeNames[4];
extern const char* const KeyStateNames[4];
extern const char* const FlowOpNames[7];
extern const char* const FlowOpTargetNames[4];
extern const char* const SelfTargetNames[3];
extern const char* const OwnerNames[4];
extern const char* const StatusOrVarNames[3];
extern const char* const ValueSourceNames[5];
extern const char* const VarScopeNames[3];
extern const char* const CalcModeNames[4];
extern const char* const OnOnlyNames[2];
extern const char* const StageClearNames[4];
extern const char* const MessagePosNames[10];
extern const char* const MessageTimeNames[4];
extern const char* const TargetNames[5];
extern const char* const TargetRangeNames[4];
extern const char* const PaletteNames[3];
extern const char* const CommonPaletteOnlyNames[2];
extern const char* const PicturePosNames[6];
extern const char* const PictureTimeNames[4];
extern const char* const ShowHideNames[4];
// Item command "フローの変更": what is done to the flows and which are deleted.
extern const char* const FlowChangeNames[4];
extern const char* const FlowDeleteIdNames[28];
// "ステータスの操作": the operator.
extern const char* const StatusOperatorNames[8];

// Conditions. Row 0 of the kinds is the empty name: kind 0 is no condition.
extern const char* const ConditionKindNames[7];
extern const char* const CompareNames[7];
extern const char* const DistanceCompareNames[3];
extern const char* const DistanceAxisNames[8];
extern const char* const CharaVarNames[9];

const int kStatusDescs = 13;
const int kSystemValueDescs = 5;
const int kStatusFlagDescs = 6;
const int kScrollFlagDescs = 2;
extern const cStatusDesc StatusDescs[kStatusDescs];
extern const cStatusDesc SystemValueDescs[kSystemValueDescs];
extern const cFlagDesc StatusFlagDescs[kStatusFlagDescs];
extern const cFlagDesc ScrollFlagDescs[kScrollFlagDescs];
