#include "game/flow/MoveCommands.h"

#include <algorithm>
#include <climits>

#include "data/Flow.h"
#include "game/flow/MoveSpeeds.h"
#include "game/play/Physics.h"
#include "game/play/PlayScene.h"
#include "game/play/Targets.h"

namespace {

enum eTurn { eTurnLeft, eTurnRight, eTurnToTarget, eTurnFromTarget, eTurnToBlock, eTurnFromBlock };

const cEdMove* MoveOf(const cFlowCmdEntry& entry) {
    return entry.m_Cmd && entry.m_Cmd->m_Move ? entry.m_Cmd->m_Move.get() : nullptr;
}

cActor* LiveTarget(const cActor& owner) {
    cActor* target = owner.m_Flow.m_Target;
    return target && !target->m_Dead ? target : nullptr;
}

void CountStep(cFlowCmdEntry& entry) {
    if (entry.m_Steps < INT_MAX) ++entry.m_Steps;
}

int32_t HomingInterval(const cFlowCmdEntry& entry) {
    if (!(entry.m_Homing > 0)) return 0;
    return entry.m_Homing >= static_cast<double>(INT_MAX) ? INT_MAX : static_cast<int32_t>(entry.m_Homing);
}

// Aims at the point the history kept one interval ago, then keeps the current one for the next.
template <class Aim>
void AimWithHistory(cFlowCmdEntry& entry, double x, double y, Aim aim) {
    const int32_t n = HomingInterval(entry);
    if (n == 0) {
        aim(x, y);
        return;
    }
    if (entry.m_Steps == 0) {
        entry.m_AimHistory.assign(1, cFlowCmdEntry::cAimPoint{x, y});
        aim(x, y);
    } else if (entry.m_Steps % n == 0 && !entry.m_AimHistory.empty()) {
        const cFlowCmdEntry::cAimPoint first = entry.m_AimHistory.front();
        aim(first.x, first.y);
        entry.m_AimHistory.push_back(cFlowCmdEntry::cAimPoint{x, y});
        entry.m_AimHistory.erase(entry.m_AimHistory.begin());
    }
}

int TargetCentreX(const cActor& target, const cFlowCmdEntry& entry) {
    return target.m_ScreenRect.left + (target.m_DrawWidth >> 1) + static_cast<int>(entry.m_OffsetX);
}

// The facing that looks toward (toward 1) or away from the target's centre.
void TurnByTarget(cActor& owner, const cActor& target, int toward) {
    if (owner.IsPlayer()) return;
    const bool right = target.m_X + (target.m_Width >> 1) > owner.m_X + (owner.m_Width >> 1);
    owner.m_Facing = right == (toward != 0) ? 1 : 0;
}

}  // namespace

int32_t CommandRepeatInterval() { return std::max(1, 60 * PlayPhysics().steps); }

void PlayActionSound(const cActor& owner, const cFlowCmdEntry& entry) {
    cPlayScene* scene = CurrentPlayScene();
    if (!scene || !entry.m_Cmd) return;
    if (entry.m_Cmd->m_SoundOnScreen == 0 || owner.m_OnScreen) scene->Host().PlaySound(entry.m_Cmd->m_Sound);
}

void ExecMoveStraight(cActor& owner, cFlowCmdEntry& entry) {
    const cEdMove* move = MoveOf(entry);
    if (!move) return;
    if (!entry.m_Started) {
        entry.m_Started = 1;
        if (move->m_DirMode == 0) {
            if (move->m_Angle == 0)
                DirectSpeeds(owner, entry.m_SpeedX, entry.m_SpeedY, entry.m_DirCode, entry.m_Speed, move->m_Dir);
            else
                AngledSpeeds(owner, entry.m_SpeedX, entry.m_SpeedY, entry.m_DirCode, entry.m_Speed, move->m_Dir,
                             move->m_Angle);
        } else if (move->m_DirMode == 1) {
            TargetSpeeds(owner, entry.m_SpeedX, entry.m_SpeedY, entry.m_DirCode, entry.m_Speed, entry.m_OffsetX,
                         entry.m_OffsetY, *move, entry.m_Remaining);
        }
    } else {
        if (!owner.Flying()) entry.m_SpeedY = 0.0;
        if (move->m_ReverseOnTurn && owner.m_DirFixed && owner.m_Facing != entry.m_LastFacing) {
            entry.m_SpeedX = -entry.m_SpeedX;
            entry.m_SpeedY = -entry.m_SpeedY;
        }
    }
    ApplyMoveSpeeds(owner, entry.m_SpeedX, entry.m_SpeedY, entry.m_DirCode, entry, *move, 0);
    entry.m_LastFacing = owner.m_Facing;
}

void ExecMoveGroundReturn(cActor& owner, cFlowCmdEntry& entry) {
    const cEdMove* move = MoveOf(entry);
    if (!move || owner.Flying()) return;
    if (owner.m_ImpulseX != 0.0 || owner.m_ImpulseY != 0.0) {
        entry.m_SpeedX = owner.GetDirSign() * entry.m_Speed;
        entry.m_SpeedY = 0.0;
        entry.m_DirCode = 0;
    } else {
        GroundReturnSpeeds(owner, entry, *move);
    }
    // Turning back at a wall or ledge overrides a fixed direction.
    ApplyMoveSpeeds(owner, entry.m_SpeedX, entry.m_SpeedY, entry.m_DirCode, entry, *move, 1);
}

void ExecMoveCircle(cActor& owner, cFlowCmdEntry& entry) {
    const cEdMove* move = MoveOf(entry);
    if (!move || entry.m_Distance == 0.0) return;
    if (!entry.m_Started) {
        entry.m_Started = 1;
        entry.m_Angle = entry.m_AngleY = entry.m_StartAngle;
    }
    int sense = 0;
    switch (move->m_Dir) {
        case 0: case 1: sense = move->m_Dir; break;
        case 2: sense = owner.m_Facing == 1 ? 1 : 0; break;
        case 3: sense = owner.m_Facing == 1 ? 0 : 1; break;
        default: break;
    }
    if (entry.m_Reverse) sense = !sense;
    entry.m_SpeedX = entry.m_SpeedY = 0.0;
    const double v = entry.m_Speed;
    const double step = PlayPhysics().divisor * v;
    if (!move->m_NoMoveX) entry.m_SpeedX = -WaveSpeed(entry.m_Distance, 1, entry.m_Angle, step, 0) * v;
    if (!move->m_NoMoveY && owner.Flying())
        entry.m_SpeedY = -WaveSpeed(entry.m_Distance, 1, entry.m_AngleY, step, sense ? 90 : 270) * v;
    ApplyMoveSpeeds(owner, entry.m_SpeedX, entry.m_SpeedY, 0, entry, *move, 0);
}

void ExecMoveCharge(cActor& owner, cFlowCmdEntry& entry) {
    const cEdMove* move = MoveOf(entry);
    if (!move) return;
    if (!entry.m_Started) {
        entry.m_Started = 1;
        cActor* target = owner.m_Flow.m_Target;
        // Without a live target the charge stands still for its run; the entry was cleared
        // when the run began, so nothing of an earlier run is carried on.
        if (!target) {
            entry.m_SpeedX = entry.m_SpeedY = 0.0;
            return;
        }
        if (target->m_Dead) return;
        if (owner.Flying()) {
            double x = 0.0, y = 0.0;
            target->GetTargetPoint(x, y, entry);
            ApproachSpeeds(owner, entry, *move, x, y);
        } else if (move->m_NoMoveX) {
            entry.m_SpeedX = 0.0;
        } else {
            AimAxis(entry.m_SpeedX, entry.m_SpeedY, entry.m_DirCode, owner.CentreX(), TargetCentreX(*target, entry),
                    entry.m_Speed, 0);
        }
    } else if (!owner.Flying()) {
        entry.m_SpeedY = 0.0;
    }
    ApplyMoveSpeeds(owner, entry.m_SpeedX, entry.m_SpeedY, entry.m_DirCode, entry, *move, 0);
}

void ExecMoveHoming(cActor& owner, cFlowCmdEntry& entry) {
    const cEdMove* move = MoveOf(entry);
    cActor* target = LiveTarget(owner);
    if (!move || !target) return;
    if (owner.Flying()) {
        double x = 0.0, y = 0.0;
        target->GetTargetPoint(x, y, entry);
        AimWithHistory(entry, x, y, [&](double ax, double ay) { ApproachSpeeds(owner, entry, *move, ax, ay); });
    } else {
        if (move->m_NoMoveX) return;
        entry.m_SpeedY = 0.0;
        AimWithHistory(entry, TargetCentreX(*target, entry), 0.0,
                       [&](double ax, double) { owner.MoveTowardX(entry, ax, move->m_StopAtTarget); });
    }
    ApplyMoveSpeeds(owner, entry.m_SpeedX, entry.m_SpeedY, entry.m_DirCode, entry, *move, 0);
    CountStep(entry);
}

void ExecMoveAvoid(cActor& owner, cFlowCmdEntry& entry) {
    const cEdMove* move = MoveOf(entry);
    if (!move) return;
    AvoidSpeeds(owner, entry, *move);
    if (!owner.Flying()) entry.m_SpeedY = 0.0;
    ApplyMoveSpeeds(owner, entry.m_SpeedX, entry.m_SpeedY, entry.m_DirCode, entry, *move, 0);
}

void ExecMoveCancel(cActor& owner, cFlowCmdEntry&) {
    owner.m_dSpeedX = owner.m_dSpeedY = 0.0;
    owner.m_dAcSpeedX = owner.m_dAcSpeedY = 0.0;
    owner.m_ImpulseX = owner.m_ImpulseY = 0.0;
    owner.m_JumpStart = 1;
}

void ExecTurn(cActor& owner, cFlowCmdEntry& entry) {
    if (!owner.m_DirFixed || !entry.m_Cmd) return;
    if (entry.m_Steps == 0) {
        cPlayScene* scene = CurrentPlayScene();
        if (scene) scene->Host().PlaySound(entry.m_Cmd->m_Sound);
        const int32_t kind = entry.m_Cmd->Param(0);
        switch (kind) {
            case eTurnLeft: owner.m_Facing = 0; break;
            case eTurnRight: owner.m_Facing = 1; break;
            case eTurnToTarget:
            case eTurnFromTarget:
                if (!owner.m_Flow.m_Target) return;
                TurnByTarget(owner, *owner.m_Flow.m_Target, kind == eTurnToTarget);
                break;
            case eTurnToBlock:
                if (owner.m_LastTurn == 0 || owner.m_LastTurn == 1) owner.m_Facing = owner.m_LastTurn;
                break;
            case eTurnFromBlock:
                if (owner.m_LastTurn == 0 || owner.m_LastTurn == 1) owner.m_Facing = 1 - owner.m_LastTurn;
                break;
            default: break;
        }
    }
    if (++entry.m_Steps >= CommandRepeatInterval()) entry.m_Steps = 0;
}

void ExecJump(cActor& owner, cFlowCmdEntry& entry) {
    if (entry.m_Steps == 0 && !owner.m_Falling) PlayActionSound(owner, entry);
    owner.Jump(entry);
    CountStep(entry);
}
