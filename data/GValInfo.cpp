#include "data/GValInfo.h"

bool LoadGValInfo(cVarNames& names, const char* path, bool strip) {
    if (!LoadVectorFile(names, path, strip)) return false;
    if (names.size() < static_cast<size_t>(kCommonVars)) names.resize(kCommonVars);
    return true;
}
