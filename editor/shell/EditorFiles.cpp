#include "editor/shell/EditorFiles.h"

#include "data/Paths.h"
#include "editor/shell/EditorProject.h"
#include "framework/MessageBox.h"

namespace {

bool Reported(bool saved, const char* path) {
    if (!saved) ErrorBox("%s の保存に失敗しました！", path);
    return saved;
}

}  // namespace

bool SaveEditConfig() {
    const char* path = g_PathTable[ePathEditConfig];
    return Reported(EditConfig().SaveFile(path), path);
}

bool SaveProjectOption() {
    const char* path = g_PathTable[ePathPrjOption];
    return Reported(ProjectOption().SaveFile(path), path);
}

bool SaveVarNames() {
    const char* path = g_PathTable[ePathVarNames];
    return Reported(SaveVectorFile(CommonVarNames(), path), path);
}
