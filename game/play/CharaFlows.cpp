// The character's runners: building them from its flows, relinking, removing and starting them,
// and the effects their commands show.
#include <algorithm>
#include <climits>

#include "data/FlowTables.h"
#include "data/ProjectDatabase.h"
#include "game/core/Input.h"
#include "game/data/GameDatabase.h"
#include "game/data/Tenths.h"
#include "game/play/FlowRuntime.h"
#include "game/play/KeyConditions.h"
#include "game/play/Movement.h"
#include "game/play/Physics.h"
#include "game/play/PlayScene.h"

namespace {

int32_t ClampToInt(int64_t value) {
    return static_cast<int32_t>(std::max<int64_t>(INT_MIN, std::min<int64_t>(INT_MAX, value)));
}

// Steps of the Anime table's animation up to its first frame that marks the loop point.
int32_t AnimeSteps(int32_t anime, int32_t steps) {
    const cRecordVector<cAnime>& table = ProjectDatabase().m_Animes;
    if (anime <= 0 || static_cast<size_t>(anime) >= table.size()) return 0;
    int64_t tenths = 0;
    for (const cAnimeFrame& frame : table[anime].m_Frames) {
        if (frame.m_RunCommand) break;
        tenths += std::max(0, frame.m_Time);
    }
    return ClampToInt(static_cast<int64_t>(TenthsToFrames(tenths)) * steps);
}

// A command that names an effect right after commands that named the same one carries it on
// where their time left it.
std::vector<cFlowEffect> EffectSchedule(const cFlowRunner& runner, int32_t steps) {
    std::vector<cFlowEffect> schedule;
    const std::vector<cFlowCmdEntry>& entries = runner.m_Entries;
    for (size_t i = 0; i < entries.size(); ++i) {
        const int32_t anime = entries[i].m_Cmd ? entries[i].m_Cmd->m_Anime : 0;
        if (anime == 0) continue;
        cFlowEffect effect;
        effect.m_Command = static_cast<int32_t>(i);
        effect.m_Anime = anime;
        effect.m_Length = AnimeSteps(anime, steps);
        int64_t offset = 0;
        for (size_t j = i; j-- > 0;) {
            if (!entries[j].m_Cmd || entries[j].m_Cmd->m_Anime != anime) break;
            if (entries[j].m_Cmd->m_Parallel != 1) offset += entries[j].m_UseTime;
        }
        effect.m_Offset = ClampToInt(std::min<int64_t>(offset, effect.m_Length));
        effect.m_Repeat = entries[i].m_UseTime > effect.m_Length - effect.m_Offset ? 1 : 0;
        schedule.push_back(effect);
    }
    return schedule;
}

}  // namespace

void cActor::CopyFrom(const cActor& other) {
    if (&other == this) return;
    cActorFields::operator=(other);
    RelinkFlows();
}

void cActor::RelinkFlows() {
    const size_t flows = m_Chara.m_Flows.size();
    for (size_t i = 0; i < m_Runners.size(); ++i) {
        cFlowRunner& runner = m_Runners[i];
        runner.m_Index = static_cast<int32_t>(i);
        runner.m_Flow = i < flows ? &m_Chara.m_Flows[i] : nullptr;
        runner.m_KeyConds.clear();
        if (!runner.m_Flow) continue;
        for (const cKeyCond& key : runner.m_Flow->m_KeyConds) runner.m_KeyConds.push_back(&key);
        const size_t commands = runner.m_Flow->m_Commands.size();
        for (size_t j = 0; j < runner.m_Entries.size(); ++j)
            runner.m_Entries[j].m_Cmd = j < commands ? &runner.m_Flow->m_Commands[j] : nullptr;
    }
}

void cActor::Reset(const cEdChara* record, int32_t a, int32_t b, int32_t c, int32_t d, int32_t level) {
    m_Level = static_cast<int16_t>(level);
    for (std::vector<int32_t>& list : m_Scratch) list.clear();
    for (std::vector<uint8_t>* groups : {&m_RunningGroups, &m_StartedGroups, &m_ReleaseGroups, &m_BlockedGroups})
        groups->assign(kFlowGroups, 0);
    m_ReleasePending = m_RemovePending = 0;
    m_Placement[0] = a;
    m_Placement[1] = b;
    m_Placement[2] = c;
    m_Placement[3] = d;
    m_Moving = 0;
    m_ImpulseX = m_ImpulseY = m_PrevImpulseY = 0.0;
    m_ImpulseActive = 0;
    m_Falling = 1;
    m_Jumping = m_JumpEnd = m_CeilingLock = m_AirCounter = m_OnObject = m_JumpStart = 0;
    m_LastTurn = -1;
    m_CellBelow = nullptr;
    ClearContacts();
    m_BlockMark = m_CarrierId = 0;
    std::fill(std::begin(m_CarrierBox), std::end(m_CarrierBox), 0.0);
    m_HpGauge = cGauge();
    m_SpGauge = cGauge();
    m_Counters.assign(kCounters, 0);
    if (record) {
        m_Chara = *record;
        m_Hp = m_MaxHp = m_Chara.m_Hp;
        m_Sp = m_MaxSp = m_Chara.m_Sp;
    }
    m_Flow.m_SightRadius = HblToDot(m_Chara.m_SightRange);
    ResetFriction();
    m_AnimeSet = 0;
    SetAnimeSet(m_Chara.m_AnimeSet);
}

void cActor::SetAnimeSet(int32_t index) {
    const cRecordVector<cAnimeSet>& sets = ProjectDatabase().m_AnimeSets;
    if (sets.empty()) return;
    const cAnimeSet& set = sets.At(index);
    cAnimePatterns patterns;
    for (const cAnime& anime : set.m_Slots) {
        cAnimePattern pattern;
        for (const cAnimeFrame& frame : anime.m_Frames)
            pattern.push_back({frame.m_Cell, TenthsToFrames(frame.m_Time), 1});
        // An animation without frames holds the first picture rather than refusing the whole set.
        if (pattern.empty()) pattern.push_back({0, 1, 1});
        pattern.push_back({kAnimeLoop, 0, 1});
        patterns.push_back(pattern);
    }
    m_Anime.SetPatterns(patterns);
    m_AnimeSet = static_cast<int16_t>(&set - &sets[0]);
}

void cActor::SetFlows(const cRecordVector<cFlow>& flows, int32_t facing, int insert, int position) {
    size_t first = 0, count = 0;
    if (insert == 0) {
        m_Runners.assign(m_Chara.m_Flows.size(), cFlowRunner());
        count = m_Runners.size();
    } else {
        const size_t size = m_Chara.m_Flows.size();
        first = position >= 0 && static_cast<size_t>(position) < size ? static_cast<size_t>(position) : size;
        const cRecordVector<cFlow> added = flows;  // flows may be the record's own list
        m_Chara.m_Flows.insert(m_Chara.m_Flows.begin() + first, added.begin(), added.end());
        m_Runners.insert(m_Runners.begin() + first, added.size(), cFlowRunner());
        count = added.size();
    }
    RelinkFlows();
    const cPhysics physics = PlayPhysics();
    for (size_t k = first; k < first + count; ++k) {
        cFlowRunner& runner = m_Runners[k];
        runner.m_Key = m_NextKey++;
        runner.m_Entries.assign(runner.m_Flow->m_Commands.size(), cFlowCmdEntry());
        for (size_t j = 0; j < runner.m_Entries.size(); ++j) {
            cFlowCmdEntry& entry = runner.m_Entries[j];
            cFlowCmd& command = runner.m_Flow->m_Commands[j];
            entry.m_Cmd = &command;
            entry.m_UseTime =
                ClampToInt((static_cast<int64_t>(command.m_CloneTime) * m_Level + command.m_Time) * kFramesPerTenth * physics.steps);
            if (command.m_Move) {
                const cEdMove& move = *command.m_Move;
                entry.m_Speed = (move.m_SpeedClone * m_Level + move.m_Speed) * 0.1 / physics.divisor;
                if (move.m_Inertia) entry.m_MaxSpeed = move.m_MaxSpeed * 0.1 / physics.divisor;
                entry.m_Kind = move.m_DirMode;
            }
            SetUpCommand(entry, *this, facing);
        }
        runner.m_Effects = EffectSchedule(runner, physics.steps);
    }
}

void cActor::ReplaceRunners(const std::vector<cFlowRunner>& runners) {
    m_Runners = runners;
    RelinkFlows();
}

void cActor::RemoveFlow(int index) {
    if (index < 0 || static_cast<size_t>(index) >= m_Runners.size()) return;
    cFlowRunner& runner = m_Runners[index];
    FlowRuntime().Finish(runner, *this);
    RemoveAnimesByFlow(runner.m_Key);
    if (static_cast<size_t>(index) < m_Chara.m_Flows.size()) m_Chara.m_Flows.erase(m_Chara.m_Flows.begin() + index);
    m_Runners.erase(m_Runners.begin() + index);
    RelinkFlows();
}

int cActor::RemoveFlowsById(int id) {
    if (id == 0) {
        for (cFlowRunner& runner : m_Runners) FlowRuntime().Finish(runner, *this);
        m_Runners.clear();
        m_Chara.m_Flows.clear();
        m_Animes.clear();
        return 0;
    }
    int first = -1;
    for (size_t i = 0; i < m_Runners.size();) {
        if (!m_Runners[i].m_Flow || m_Runners[i].m_Flow->m_Id != id) {
            ++i;
            continue;
        }
        if (first < 0) first = static_cast<int>(i);
        RemoveFlow(static_cast<int>(i));
    }
    RelinkFlows();
    return first;
}

void cActor::StartFlowsByTrigger(int trigger) {
    cPlayScene* scene = CurrentPlayScene();
    if (!scene) return;
    scene->m_Flow.m_Actor = this;
    for (cFlowRunner& runner : m_Runners) {
        if (!runner.m_Flow || runner.m_Flow->m_Trigger != trigger) continue;
        if (runner.m_Running || runner.m_Paused || runner.m_Stopped) continue;
        const uint8_t group = runner.m_Flow->m_Group;
        if (group >= kFlowGroups) continue;
        // Group 0 is no group: it never holds a flow back.
        if (group != 0 && (m_RunningGroups[group] || m_BlockedGroups[group])) continue;
        if (runner.m_Blocked) continue;
        if (!scene->TestConditions(runner, *this) || !KeyConditionsMet(runner)) continue;
        runner.m_StartInput = FirstDownKey(ControlInput());
        // Its first commands run at once and may move the character.
        scene->CharasMayMove();
        FlowRuntime().Start(runner);
    }
}

void cActor::ClearFlowBlocks() {
    for (cFlowRunner& runner : m_Runners) runner.m_Blocked = 0;
    m_BlockedGroups.assign(kFlowGroups, 0);
}

void cActor::RemoveAnimesByFlow(int32_t key) {
    m_Animes.remove_if([key](const cRunningAnime& anime) { return anime.m_FlowKey == key; });
}

void cActor::StartFlowEffects() {
    const cAnimePatterns& table = AnimePatternTable();
    const int32_t steps = PlayPhysics().steps;
    for (cFlowRunner& runner : m_Runners) {
        if (!runner.m_Running || runner.m_Paused || runner.m_Current < 0 ||
            static_cast<size_t>(runner.m_Current) >= runner.m_Entries.size())
            continue;
        const cFlowCmdEntry& entry = runner.m_Entries[runner.m_Current];
        // Only as the command becomes current: it has not run a step yet.
        if (entry.m_Done || entry.m_Remaining != entry.m_UseTime) continue;
        for (const cFlowEffect& effect : runner.m_Effects) {
            if (effect.m_Command != runner.m_Current || static_cast<size_t>(effect.m_Anime) >= table.size()) continue;
            // The same effect of the commands before goes on in the new one.
            m_Animes.remove_if([&](const cRunningAnime& anime) {
                return anime.m_FlowKey == runner.m_Key && anime.m_AnimeRow == effect.m_Anime;
            });
            cAnimePattern pattern = table[effect.m_Anime];
            if (effect.m_Repeat && pattern.size() > 1) {
                const int32_t extra = (entry.m_UseTime - (effect.m_Length - effect.m_Offset)) / steps;
                pattern[pattern.size() - 2].duration += std::max(0, extra);
            }
            cRunningAnime anime;
            anime.m_FlowKey = runner.m_Key;
            anime.m_AnimeRow = effect.m_Anime;
            if (!anime.m_Player.SetPatterns(cAnimePatterns(1, pattern))) continue;
            for (int32_t t = effect.m_Offset / steps; t > 0; --t) anime.m_Player.Update();
            m_Animes.push_front(anime);
        }
    }
}
