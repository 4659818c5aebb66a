#pragma once
// The game modes of the title menu and what each prepares before its scene starts: a new or
// saved story, the challenge records, or a stage or replay file played on its own.
#include <string>
#include <vector>

#include "data/SystemData.h"

// Rows of the system settings' title menu; the menu lists those shown.
enum GameMode {
    eModeNewStory,
    eModeContinue,
    eModeChallenge,
    eModeStageFile,
    eModeReplay,
    eModeOption,
    eModeQuit,
    kGameModes
};

// What kind of run is played: it picks the ranking folder, the start value and the ranking
// settings.
enum PlayKind { ePlayStory, ePlayChallenge, ePlayFree, ePlayReplay };

// The shown modes in menu order. With every mode hidden a new story is the one entry (Escape
// still leaves the game).
std::vector<int> ListedModes(const cSystemData& system);
// The row of the mode in the list; 0 when it is not listed.
int RowOfMode(const std::vector<int>& modes, int mode);

// Sets the play kind and, from the kind's ranking settings, whether its results are ranked.
void SetPlayKind(int kind);
// A new story state standing on the world map's start, with the story's start value and the
// first life taken from it.
void StartNewStory();
// Whether a story's lives go on from stage to stage: a story mode with the system settings'
// switch for it on. Otherwise each stage starts from the start value.
bool SharesStoryLives();
// The challenge records of user_data\challenge\Challenge.dat, or a fresh set (one record per
// challenge stage of the project) when the file cannot be read. True when the file was read.
bool LoadChallengeState();
// Opens a stage file, or the stage a replay file holds, for play on its own; flag: the newest
// numbered copy of a stage. False (the loader has told the player why) when it cannot be
// opened; the story state is new either way.
bool OpenStartFile(const char* path, int flag);
// The path OpenStartFile was last given, as given: free play opens it again after each clear.
std::string& StartFile();
// Whether the file's extension marks a replay (rpl4_ and its data version).
bool IsReplayPath(const char* path);
