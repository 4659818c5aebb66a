#include "game/play/KeyConditions.h"

#include <algorithm>
#include <climits>

#include "game/play/PlayScene.h"

namespace {

const cKeyLog* SlotLog(const cInput& input, int slot) {
    const std::vector<cKeyLog>& logs = slot < kDirectionLogs ? input.m_DirectionLogs : input.m_ButtonLogs;
    const size_t index = static_cast<size_t>(slot < kDirectionLogs ? slot : slot - kDirectionLogs);
    return index < logs.size() ? &logs[index] : nullptr;
}

// Facing the negative direction, a mirrored condition's left and right change places.
int MirroredSlot(int slot) {
    switch (slot) {
        case eKeyLeft: return eKeyRight;
        case eKeyRight: return eKeyLeft;
        case eKeyLeftUp: return eKeyRightUp;
        case eKeyRightUp: return eKeyLeftUp;
        case eKeyLeftDown: return eKeyRightDown;
        case eKeyRightDown: return eKeyLeftDown;
        default: return slot;
    }
}

int ByRule(int rule, int matches, int failures) {
    switch (rule) {
        case 0: return failures == 0;
        case 1: return matches > 0;
        case 2: return matches == 1;
        default: return 0;
    }
}

}  // namespace

bool cKeyWalk::RunAt(int slot, cKeyRun& run, int32_t& left) const {
    const cKeyLog* log = SlotLog(m_Input, slot);
    if (!log) return false;
    int64_t end = 0;
    for (const cKeyRun& r : *log) {
        end += std::max(0, r.nFrames);
        if (m_Back[slot] < end) {
            run = r;
            left = static_cast<int32_t>(end - m_Back[slot]);
            return true;
        }
    }
    return false;
}

void cKeyWalk::ShiftKeyLogs(int32_t frames) {
    for (int32_t& back : m_Back) back = static_cast<int32_t>(std::min<int64_t>(INT_MAX, int64_t(back) + frames));
}

int KeyLogMatches(const cKeyRun& run, int32_t d, const cKeyCond& condition, int wanted) {
    if (wanted == 1 && run.nDown) {
        if (condition.m_PressOpen) return d > 0;
        return condition.m_PressMin <= d && d <= condition.m_PressMax;
    }
    if (wanted == 2) return !run.nDown && d > 0;
    return 0;
}

int MatchKeyStep(const cKeyCond& condition, const cKeyWalk& walk, int mirror, int32_t& duration) {
    int matches = 0, failures = 0;
    const int slots = std::min<int>(cKeyWalk::kSlots, static_cast<int>(condition.m_KeyStates.size()));
    for (int i = 0; i < slots; ++i) {
        const int wanted = condition.m_KeyStates[i];
        if (wanted == 0) continue;
        const int slot = mirror && condition.m_SwapDir ? MirroredSlot(i) : i;
        cKeyRun run;
        int32_t left = 0;
        if (walk.RunAt(slot, run, left) && KeyLogMatches(run, left, condition, wanted)) {
            ++matches;
            duration = std::min(duration, left);
            if (condition.m_KeyJudge == 1) break;
        } else {
            ++failures;
        }
    }
    return ByRule(condition.m_KeyJudge, matches, failures);
}

int MatchKeySequence(const std::vector<const cKeyCond*>& list, int slack, const cInput& input, int mirror) {
    if (list.empty()) return 1;
    cKeyWalk walk(input);
    for (size_t i = list.size(); i-- > 0;) {
        const bool last = i + 1 == list.size();
        int32_t duration = INT_MAX;
        int tries = last ? 0 : std::max(0, slack);
        while (!MatchKeyStep(*list[i], walk, mirror, duration)) {
            if (tries-- <= 0) return 0;
            walk.ShiftKeyLogs(1);
            duration = INT_MAX;
        }
        if (i == 0) return 1;
        walk.ShiftKeyLogs(duration == INT_MAX ? 1 : duration);
    }
    return 1;
}

int KeyStateMet(const cInput& input, const cKeyCond& condition) {
    int matches = 0, failures = 0;
    const int slots = std::min<int>(cKeyWalk::kSlots, static_cast<int>(condition.m_KeyStates.size()));
    for (int i = 0; i < slots; ++i) {
        const int wanted = condition.m_KeyStates[i];
        if (wanted == 0) continue;
        const cKeyLog* log = SlotLog(input, i);
        const int down = log && !log->empty() ? log->front().nDown : 0;
        if ((wanted == 1 && down) || (wanted == 2 && !down)) {
            ++matches;
            if (condition.m_KeyJudge == 1) return 1;
        } else {
            ++failures;
        }
    }
    return ByRule(condition.m_KeyJudge, matches, failures);
}

int FirstDownKey(const cInput* input) {
    if (!input) return 0;
    for (int i = 0; i < kDirectionLogs && i < static_cast<int>(input->m_DirectionLogs.size()); ++i) {
        const cKeyLog& log = input->m_DirectionLogs[i];
        if (!log.empty() && log.front().nDown) return i;
    }
    return 0;
}

const cInput* cActor::ControlInput() const {
    cCheckedVector<cInput>& inputs = PlayerInputs();
    const int32_t n = IsPlayer() ? m_Control[1] : 0;
    return n >= 0 && static_cast<size_t>(n) < inputs.size() ? &inputs[n] : nullptr;
}

int cActor::KeyConditionsMet(cFlowRunner& runner) {
    if (runner.m_KeyConds.empty() || !runner.m_Flow) return 1;
    const cPlayScene* scene = CurrentPlayScene();
    const cActor* current = scene ? scene->m_Flow.m_Actor : nullptr;
    const int mirror = current && current->m_Facing == 0;
    const cCheckedVector<cInput>& inputs = PlayerInputs();
    if (inputs.empty()) return 0;
    const int m = MatchKeySequence(runner.m_KeyConds, runner.m_Flow->m_KeyEase, inputs[0], mirror);
    if (runner.m_Flow->m_KeyRepeat) return m;
    if (!m) {
        runner.m_KeyMatched = 0;
        return 0;
    }
    if (runner.m_KeyMatched) return 0;
    runner.m_KeyMatched = 1;
    return 1;
}
