#include "data/ProjectData.h"

#include "data/ProjectDatabase.h"

namespace {

struct cProjectSystemData : cSystemData {
    cProjectSystemData() { UseBgmTable(&ProjectDatabase().m_Bgms); }
};

}  // namespace

cSystemData& ProjectSystemData() {
    static cProjectSystemData system;
    return system;
}

cWorldMap& ProjectWorldMap() {
    static cWorldMap map;
    return map;
}
