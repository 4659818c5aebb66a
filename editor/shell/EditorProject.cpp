#include "editor/shell/EditorProject.h"

#include "editor/shell/StageDoc.h"

cPrjOption& ProjectOption() {
    static cPrjOption option;
    return option;
}

cEditConfig& EditConfig() {
    static cEditConfig config;
    return config;
}

cVarNames& CommonVarNames() {
    static cVarNames names(kCommonVars);
    return names;
}

cUndoHistory& UndoHistory() { return StageDoc().m_History; }
