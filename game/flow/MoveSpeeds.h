#pragma once
// How the movement commands turn a movement record into speeds for their owner, and how the
// owner takes them each step. Facing codes: 0 keep, 1 turn left, 2 turn right.
#include <cstdint>

#include "game/play/Directions.h"

class cActor;
class cEdMove;
struct cFlowCmdEntry;

// The code of a direction choice (0-12) for the owner's facing; 12 follows the input the flow
// started with.
int DirectionCode(const cActor& owner, int choice);
// Speeds of size v along the choice's code; the Y part only for a flying owner.
void DirectSpeeds(const cActor& owner, double& x, double& y, int32_t& facingCode, double v, int choice);
// The same turned by the angle (degrees; 0 points left, 90 up).
void AngledSpeeds(const cActor& owner, double& x, double& y, int32_t& facingCode, double v, int choice, int angle);
// Speeds of size v toward the target point of the record's target type; with the
// time-from-distance flag the remaining time becomes the steps the distance takes.
void TargetSpeeds(const cActor& owner, double& x, double& y, int32_t& facingCode, double v, double targetX,
                  double targetY, const cEdMove& move, int32_t& remaining);
// Walking that turns at walls, ledges and on a carrier.
void GroundReturnSpeeds(cActor& owner, cFlowCmdEntry& entry, const cEdMove& move);
// The approach helper the record's no-X and no-Y switches choose; with both on nothing moves.
void ApproachSpeeds(cActor& owner, cFlowCmdEntry& entry, const cEdMove& move, double x, double y);
// Speeds that bring an owner that has left the view back into it.
void AvoidSpeeds(const cActor& owner, cFlowCmdEntry& entry, const cEdMove& move);
// Hands the speeds to the owner (with inertia through its accelerating speeds), turns it unless
// its direction is fixed (force turns it anyway) and shows it moving.
void ApplyMoveSpeeds(cActor& owner, double x, double y, int32_t facingCode, const cFlowCmdEntry& entry,
                     const cEdMove& move, int force);
