#pragma once
// The movement, turn and jump commands: each runs on every step of its command's use time.
#include <cstdint>

class cActor;
struct cFlowCmdEntry;

// Steps between two turns, shots or summons of one long command: a second of play.
int32_t CommandRepeatInterval();

void ExecMoveStraight(cActor& owner, cFlowCmdEntry& entry);
void ExecMoveGroundReturn(cActor& owner, cFlowCmdEntry& entry);
void ExecMoveCircle(cActor& owner, cFlowCmdEntry& entry);
void ExecMoveCharge(cActor& owner, cFlowCmdEntry& entry);
void ExecMoveHoming(cActor& owner, cFlowCmdEntry& entry);
void ExecMoveAvoid(cActor& owner, cFlowCmdEntry& entry);
void ExecMoveCancel(cActor& owner, cFlowCmdEntry& entry);
void ExecTurn(cActor& owner, cFlowCmdEntry& entry);
void ExecJump(cActor& owner, cFlowCmdEntry& entry);

// The command's action sound, unless it is to be silent while its user is off screen and is.
void PlayActionSound(const cActor& owner, const cFlowCmdEntry& entry);
