// The player's own step before it moves (its flows, the speeds they set afresh) and its jump,
// whose height follows how long the key is held.
#include <cmath>

#include "game/play/KeyConditions.h"
#include "game/play/Physics.h"
#include "game/play/PlayScene.h"
#include "game/play/PlayerActor.h"

namespace {

// The speed an axis that scrolls by itself carries a flyer along with; none at its limit.
double ScrollSpeed(const cScroll& axis) { return axis.m_Auto && !axis.m_AtLimit ? axis.m_AutoSpeed : 0.0; }

}  // namespace

int cPlayerActor::Activate() {
    cPlayScene* scene = CurrentPlayScene();
    if (m_NoGravity && scene) {
        m_dSpeedX = ScrollSpeed(scene->m_ScrollX);
        m_dSpeedY = ScrollSpeed(scene->m_ScrollY);
    } else if (!m_NoGravity) {
        m_dSpeedX = 0.0;
    }
    BeginStep();
    m_JumpDone = 0;
    if (m_ModeCountdown > 0) --m_ModeCountdown;
    const int result = StepFlows();
    if (m_StepCount < INT32_MAX) ++m_StepCount;
    if (result) return result;
    RestAnime();
    if (!m_JumpDone) {
        m_JumpHold = 0;
        m_JumpReady = 1;
        m_CeilingLock = 0;
    }
    return 0;
}

int cPlayerActor::Jump(cFlowCmdEntry& entry) {
    if (m_NoGravity || m_JumpDone) return 0;
    cPlayScene* scene = CurrentPlayScene();
    const cFlowRunner* runner = scene ? scene->m_Flow.m_Runner : nullptr;
    const bool keyed = runner && !runner->m_KeyConds.empty();
    const cInput* input = ControlInput();
    const bool keyHeld = keyed && input && KeyStateMet(*input, *runner->m_KeyConds.back());
    const auto param = [&](size_t i) { return entry.m_Cmd ? entry.m_Cmd->Param(i) : 0; };
    const int32_t type = param(0);
    const bool held = type == 0 || keyHeld;
    const cPhysics physics = PlayPhysics();
    if (type == 2) {
        // The faster the run, the higher the jump, between the lowest and the highest.
        const double fast = param(1) / (physics.divisor * 10), slow = param(3) / (physics.divisor * 10);
        const double a = std::fabs(m_dAcSpeedX);
        const int32_t high = param(2), low = param(4);
        const int32_t height = a >= fast ? high : a > slow ? static_cast<int32_t>((high - low) * a / fast + low) : low;
        entry.m_Speed = JumpSpeedForHeight(height * 16.0);
    }
    const bool free = (!m_JumpEnd || m_OnObject) && m_JumpReady && !m_CeilingLock;
    if (held && !m_JumpBlocked) {
        ++m_JumpHold;
        if (m_JumpHold >= entry.m_UseTime && free && (m_dSpeedY < 0 || m_OnObject)) {
            m_JumpEnd = 1;
            m_JumpReady = 0;
        } else if (!m_Falling && m_JumpHold <= physics.steps && free && !m_ImpulseActive && !entry.m_Started) {
            // A jump off a lift waits for the frame's last sub-step, when the lift has moved.
            const bool lastStep = scene && scene->m_SubStep == physics.steps;
            m_Jumping = 1;
            if (!m_OnObject) {
                m_dSpeedY = entry.m_Speed;
                entry.m_Started = 1;
            } else if (lastStep) {
                m_OnObject = 0;
                m_dSpeedY = entry.m_Speed * static_cast<double>(1.02f);
                entry.m_Started = 1;
            }
        }
    } else if (!held) {
        if (m_JumpHold > 0 && m_JumpHold < entry.m_UseTime && !m_JumpEnd && !m_CeilingLock && !m_JumpBlocked &&
            !m_ImpulseActive) {
            // Let go early: the rise is cut short.
            m_OnObject = 0;
            if (m_dSpeedY < 0) m_dSpeedY *= 0.3;
            m_JumpEnd = 1;
        }
        m_JumpHold = 0;
        m_JumpReady = 1;
        m_CeilingLock = 0;
    }
    if (IsOnGround()) {
        const auto settle = [this]() {
            m_JumpHold = 0;
            m_JumpReady = 1;
            m_CeilingLock = m_ImpulseActive = 0;
        };
        if (!keyed) settle();
        if (m_dSpeedY >= 0 && !(keyed && keyHeld)) {
            if (keyed) settle();
            entry.m_Remaining = 0;
        }
    }
    m_JumpDone = 1;
    return 1;
}

void cPlayerActor::PopupNumber(int32_t value, int32_t x, int32_t y) {
    cPlayScene* scene = CurrentPlayScene();
    if (!scene) return;
    const int32_t kFrames = 30;
    cTextObj number;
    number.Create(cTextObj::eIcon, "", value, x, y, 4, 0, 0, 0, 0, 0, cTextObj::eTimed, kFrames, 0, m_Number, 0);
    scene->m_TextObjs.push_back(number);
}
