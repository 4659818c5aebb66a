#pragma once
// The shot, sword and summon commands: each acts on its first step; shots and summons act again
// once per command repeat interval of a long use time, a sword only once a run.
class cActor;
struct cFlowCmdEntry;

void ExecShot(cActor& owner, cFlowCmdEntry& entry);
void ExecSword(cActor& owner, cFlowCmdEntry& entry);
void ExecSummonBlock(cActor& owner, cFlowCmdEntry& entry);
void ExecSummonChara(cActor& owner, cFlowCmdEntry& entry);
void ExecSummonItem(cActor& owner, cFlowCmdEntry& entry);
