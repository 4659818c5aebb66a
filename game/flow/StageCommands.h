#pragma once
// Commands that change the course of the stage: its clear, a wait of the whole game and the
// choice of a character's target. They take the owner and the command itself, so the item
// runner can run them too.
#include <cstdint>

class cActor;
class cFlowCmd;

// "ステージクリア" (transition, stage number, world-map warp flag, X, Y): sets the next stage and,
// with the warp flag, the world-map position kept inside the map. Always 1: play ends.
int ExecStageClear(cActor& owner, const cFlowCmd& command);
// "ゲームウエイト" (tenths of a second): the game waits that long.
void ExecGameWait(cActor& owner, const cFlowCmd& command);
// "ターゲットの設定" (kind, faction, range, four exclusions, ID switch, ID): the player, the owner
// itself, the nearest or the first character of the faction that passes the filter; none when
// the search finds nothing.
void ExecSetTarget(cActor& owner, const cFlowCmd& command);

// Tenths of a second as frames, never negative.
int32_t TenthsToFrames(int32_t tenths);
