#pragma once
// What the replay tools share: the committed replay named on their command line, and its start
// in the replay mode from its project folder in the build folder they run in.
#include <cstdint>

#include "tests/game/play/CommittedReplays.h"

// The committed replay of that name; null, after the usage line naming every replay, for none.
// name may be null (too few arguments).
const cCommittedReplay* NamedReplay(const char* name, const char* usage);
// Sets the play's flow runtime and starts the replay; false after saying why not.
bool StartNamedReplay(const cCommittedReplay& replay, uint64_t& committedHash);
