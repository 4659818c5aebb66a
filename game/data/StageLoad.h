#pragma once
// The game's stage open: the one stage the game holds (ProjectStage()) is replaced by a stage
// file read on a worker thread while the calling thread keeps its windows answering.
#include <string>

// Loads the stage file, or with findLatest the newest numbered copy of the stage it names
// ("name.stg4_999" before "name.stg4_147"). Returns 1 when the stage was read whole and has a
// player. A file that cannot be read, a stage without a player and a load started while
// another runs return 0, the first two with their message; the loaded stage then stays as it
// was and the caller goes on where it was. No numbered copy at all returns 0 without a message.
int LoadStageAndStart(const char* stageName, int findLatest);

// The file of the stage the game holds: the path the play restarts from.
const std::string& CurrentStagePath();
