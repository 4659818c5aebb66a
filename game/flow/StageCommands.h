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
// "ゲームウエイト" (tenths of a second): the game waits that long, a marker without text in the
// scene's display list meanwhile.
void ExecGameWait(cActor& owner, const cFlowCmd& command);
// "メッセージ" (position, X, Y, offset X, offset Y, keep on screen, display mode, tenths, pause):
// the command's text in a window of the scene. With pause the game waits for the advance key
// (display mode 0; after a 10-frame delay and with system sound 11 unless a message of the same
// run was already waiting, which waitFlag tells) or for the time (mode 2); a window shown until
// the stage ends (mode 1) never holds the game.
void ExecMessage(cActor& owner, const cFlowCmd& command, int32_t waitFlag);
// "ワープ" (the command's movement record): moves the owner at once by direction and distance,
// from its target, or to a point; a place in a wall or outside the stage puts it back.
// 1 when it was put back and its move reported so, else 0.
int ExecWarp(cActor& owner, const cFlowCmd& command);
// "ターゲットの設定" (kind, faction, range, four exclusions, ID switch, ID): the player, the owner
// itself, the nearest or the first character of the faction that passes the filter; none when
// the search finds nothing.
void ExecSetTarget(cActor& owner, const cFlowCmd& command);
