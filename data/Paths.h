#pragma once
// Every file and folder name of a project, relative to the project folder (the current
// directory), and the project's file extensions. Both programs use the same tables.
#include <windows.h>

enum ePath {
    ePathData,                 // data\ (the project)
    ePathDefault,              // default\ (the factory copy)
    ePathOldStages,            // where stage files of an older version are moved
    ePathEditConfig,
    ePathPrjOption,
    ePathPrjOptionDefault,
    ePathCommonPalette,
    ePathCommonPaletteDefault,
    ePathVarNames,
    ePathVarNamesDefault,
    ePathDefaultStage,         // data\stg4\Default.stg4_***
    ePathDefaultStageDefault,
    ePathWorldMap,
    ePathWorldMapDefault,
    ePathDatabase,             // database table k: data file ePathDatabase + 2k, factory file + 1
    ePathSystem = ePathDatabase + 20,
    ePathSystemDefault,
    ePathChallengeStages,      // data\stg4\c
    ePathRankings,             // ranking folder of kind k: ePathRankings + k (story, challenge, free)
    ePathStorySave = ePathRankings + 3,  // stem of the story save files
    ePathChallenge,
    ePathOption,
    ePathCount
};

enum eExt { eExtCommonPalette, eExtStage, eExtStagePalette, eExtRanking, eExtCount };

extern const char* const g_PathTable[ePathCount];
extern const char* const g_ExtTable[eExtCount];
// The game program's names for the same tables.
extern const char* const (&PathTable)[ePathCount];
extern const char* const (&ExtTable)[eExtCount];

// Makes sure that data\ exists: when it is missing and default\ is there, offers to create it
// as a copy of default\ (subfolders included). True when data\ exists afterwards.
bool CreateDefaultData(HWND owner);
// The game program's first-run step: the same, as 1 or 0.
inline int EnsureDataFolder(HWND owner) { return CreateDefaultData(owner) ? 1 : 0; }
