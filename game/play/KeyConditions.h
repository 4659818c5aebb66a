#pragma once
// Key conditions against the per-key logs of an input: whether keys are down or up now, and
// whether a list of key conditions was met one after the other in time (a command input).
#include <vector>

#include "data/Condition.h"
#include "game/core/Input.h"

// Where a sequence match stands in the past of every key slot (ten direction logs, then nine
// button logs): frames back from the present. A position past a log's oldest run finds nothing.
struct cKeyWalk {
    static constexpr int kSlots = kKeyStates;

    explicit cKeyWalk(const cInput& input) : m_Input(input) {}
    // The run of the slot's log at its position and the frames of it left from there; false past
    // the oldest run.
    bool RunAt(int slot, cKeyRun& run, int32_t& left) const;
    // Moves every slot's position frames further into the past.
    void ShiftKeyLogs(int32_t frames);

    const cInput& m_Input;
    int32_t m_Back[kSlots] = {};
};

// The log run with d frames left against a wanted state (1 down, 2 up).
int KeyLogMatches(const cKeyRun& run, int32_t d, const cKeyCond& condition, int wanted);
// One key condition at the walk's positions; duration becomes the smallest matched duration.
// mirror exchanges left and right.
int MatchKeyStep(const cKeyCond& condition, const cKeyWalk& walk, int mirror, int32_t& duration);
// The last condition must hold now, each one before it where the later one's time began, or up to
// slack frames earlier.
int MatchKeySequence(const std::vector<const cKeyCond*>& list, int slack, const cInput& input, int mirror);
// The condition against the keys' present states only.
int KeyStateMet(const cInput& input, const cKeyCond& condition);
// The first of the ten direction keys that is down now (0 to 9); 0 with none or without input.
int FirstDownKey(const cInput* input);
