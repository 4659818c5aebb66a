#include "tools/replay/ReplayTool.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "game/flow/PlayFlowRuntime.h"

const cCommittedReplay* NamedReplay(const char* name, const char* usage) {
    for (const cCommittedReplay* committed : kCommittedReplays)
        if (name && std::strcmp(name, committed->name) == 0) return committed;
    std::fprintf(stderr, "usage: %s (NAME one of:", usage);
    for (const cCommittedReplay* committed : kCommittedReplays) std::fprintf(stderr, " %s", committed->name);
    std::fprintf(stderr, ")\n");
    return nullptr;
}

bool StartNamedReplay(const cCommittedReplay& replay, uint64_t& committedHash) {
    char here[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, here);
    SetFlowRuntime(&PlayFlowRuntime());
    if (StartCommittedReplay(replay, std::string(here) + "\\" + replay.project, committedHash)) return true;
    std::fprintf(stderr, "%s: the log, the project folder or the stage cannot be read\n", replay.name);
    return false;
}
