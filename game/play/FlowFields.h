#pragma once
// What the flows of a stage read and write besides the records and life of its characters:
// each character's target and variables, and the requests flows leave for the play scene.
#include <cstdint>

class cActor;
class cFlowRunner;
struct cFlowCmdEntry;

struct cActorFlowFields {
    static constexpr int kVariables = 8;

    cActor* m_Target = nullptr;
    int32_t m_Variables[kVariables] = {};
    int32_t m_SightRadius = 0;  // dots
};

struct cSceneFlowFields {
    // Whose flows are being processed, and the runner and entry at work.
    cActor* m_Actor = nullptr;
    cFlowRunner* m_Runner = nullptr;
    cFlowCmdEntry* m_Entry = nullptr;
    int32_t m_HpCheck = 0;       // a character other than the one running its flow lost its life
    int32_t m_SightChanged = 0;  // the sight mask is to be built again
};
