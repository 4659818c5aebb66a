#include "editor/flow/StatusSides.h"

#include "framework/NameList.h"

const std::vector<std::string>* StatusNames(int owner) {
    static const std::vector<std::string> statuses = RowNameList(StatusDescs, kStatusDescs);
    static const std::vector<std::string> systemValues = RowNameList(SystemValueDescs, kSystemValueDescs);
    return owner == kOwnerSystem ? &systemValues : &statuses;
}

const cStatusDesc* StatusRow(int owner, int status) {
    bool system = owner == kOwnerSystem;
    int rows = system ? kSystemValueDescs : kStatusDescs;
    if (status < 0 || status >= rows) return nullptr;
    return system ? &SystemValueDescs[status] : &StatusDescs[status];
}

eVarList SideVarList(const cSideKinds& kinds, int kind, int owner, int status) {
    if (kind == kinds.variable) return eVarListScope;
    if (kind == kinds.status && owner != kOwnerSystem && status == 0) return eVarListChara;
    return eVarListNone;
}
