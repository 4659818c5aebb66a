#include "framework/DataList.h"

const char kAppendRowText[] = "----------------------------------------------------------------";

namespace {

// Ids in the order cut, copy, paste, append, insert, clear, delete; [set - 1][kind].
const uint16_t kAccelIds[4][2][kListCmds] = {
    {{40009, 40001, 40007, 40002, 0, 40008, 0}, {40009, 40001, 40007, 0, 40033, 0, 40032}},
    {{40019, 40012, 40017, 40013, 0, 40018, 0}, {40019, 40012, 40017, 0, 40034, 0, 40035}},
    {{40029, 40022, 40027, 40023, 0, 40028, 0}, {40029, 40022, 40027, 0, 40036, 0, 40037}},
    {{40098, 40091, 40096, 40092, 0, 40097, 0}, {40098, 40091, 40096, 0, 40101, 0, 40102}},
};
const uint16_t kMenuIds[4][2][kListCmds] = {
    {{40038, 40039, 40040, 0, 0, 40041, 0}, {40038, 40039, 40040, 0, 40042, 0, 40043}},
    {{40103, 40104, 40105, 0, 0, 40113, 0}, {40103, 40104, 40105, 0, 40106, 0, 40107}},
    {{40108, 40109, 40110, 0, 0, 40114, 0}, {40108, 40109, 40110, 0, 40111, 0, 40112}},
    {{40115, 40116, 40117, 0, 0, 40118, 0}, {40115, 40116, 40117, 0, 40119, 0, 40120}},
};

bool CopyIds(const uint16_t (&table)[4][2][kListCmds], int kind, int set, uint16_t ids[kListCmds]) {
    if (kind < 0 || kind > 1 || set < 1 || set > 4) return false;
    for (int i = 0; i < kListCmds; ++i) ids[i] = table[set - 1][kind][i];
    return true;
}

}  // namespace

bool GetListAccelIds(int kind, int set, uint16_t ids[kListCmds]) { return CopyIds(kAccelIds, kind, set, ids); }
bool GetListMenuIds(int kind, int set, uint16_t ids[kListCmds]) { return CopyIds(kMenuIds, kind, set, ids); }
