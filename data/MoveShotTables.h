#pragma once
// Names of the enumerated fields of the movement and shot parameters, and what the three
// parameters of each shot formation and trajectory mean. Name tables end with an empty
// string; their sizes count that end row. The summon palettes are FlowTables.h's PaletteNames.
#include "data/ParamDesc.h"

extern const char* const MoveDirModeNames[3];
extern const char* const WarpModeNames[4];
extern const char* const MoveDirNames[14];
extern const char* const TargetCoordNames[5];
extern const char* const CoordNames[4];
extern const char* const RotationNames[5];
extern const char* const TurnNames[7];
extern const char* const MoveSpeedModeNames[4];
extern const char* const CircleSpeedModeNames[3];
extern const char* const JumpTypeNames[4];
extern const char* const BlockSummonNames[4];
extern const char* const SummonForceNames[4];

const int kShotFormations = 6;
const int kShotTrajectories = 10;
const int kShotParams = 3;
extern const char* const ShotFormationNames[kShotFormations + 1];
extern const char* const ShotTrajectoryNames[kShotTrajectories + 1];
// Row f (or t) belongs to formation f (trajectory t).
extern const cParamDesc ShotFormationParams[kShotFormations][kShotParams];
extern const cParamDesc ShotTrajectoryParams[kShotTrajectories][kShotParams];
