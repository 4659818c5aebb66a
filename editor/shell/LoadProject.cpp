#include "editor/shell/LoadProject.h"

#include <windows.h>

#include <string>

#include "data/CommonPalette.h"
#include "data/Paths.h"
#include "data/ProjectData.h"
#include "data/ProjectDatabase.h"
#include "data/Stage.h"
#include "data/UnreadableFile.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/StageDoc.h"
#include "editor/shell/SystemBitmaps.h"
#include "framework/Format.h"
#include "framework/Path.h"

namespace {

// A record file from data\, else from its factory copy (the path after it in the table), else
// built in; a file that did not come from data\ is written there. A damaged file in data\ is
// moved aside and reported before anything is written in its place.
template <class R, class F>
void LoadOrBuild(R& record, ePath dataPath, F buildDefaults) {
    const char* path = g_PathTable[dataPath];
    if (record.LoadFile(path)) return;
    const bool writable = SetAsideUnreadableFile(path);
    if (!record.LoadFile(g_PathTable[dataPath + 1])) buildDefaults(record);
    if (writable) record.SaveFile(path);
}

void LoadVarNames(cVarNames& names) {
    const char* path = g_PathTable[ePathVarNames];
    if (LoadGValInfo(names, path, false)) return;
    const bool writable = SetAsideUnreadableFile(path);
    if (!LoadGValInfo(names, g_PathTable[ePathVarNamesDefault], false)) names.assign(kCommonVars, cNameRec());
    if (writable) SaveVectorFile(names, path);
}

// A project without a default stage of its own gets the factory one, under the same number.
// An existing file is never overwritten.
void CopyDefaultStage() {
    const char* ext = g_ExtTable[eExtStage];
    std::string found;
    if (FindNumberedFile(found, g_PathTable[ePathDefaultStage], ext)) return;
    if (!FindNumberedFile(found, g_PathTable[ePathDefaultStageDefault], ext)) return;
    char base[MAX_PATH];
    ChangeExt(base, g_PathTable[ePathDefaultStage], ext);
    std::string target = Format("%s_%s", base, found.substr(found.size() - 3).c_str());
    CopyFileA(found.c_str(), target.c_str(), TRUE);
}

}  // namespace

bool LoadProject() {
    LoadVarNames(CommonVarNames());

    cDatabase& database = ProjectDatabase();
    if (!database.Load(false)) DatabaseDefaults(database);

    LoadOrBuild(ProjectSystemData(), ePathSystem, SystemDataDefaults);
    LoadOrBuild(ProjectCommonPalette(), ePathCommonPalette, CommonPaletteDefaults);
    LoadOrBuild(ProjectOption(), ePathPrjOption, [](cPrjOption& option) { option.Init(); });
    LoadOrBuild(ProjectWorldMap(), ePathWorldMap, [](cWorldMap& map) { map.Init(); });
    CopyDefaultStage();

    if (!LoadPaletteBitmaps()) return false;
    const cRecordVector<cBackLayer>& layers = ProjectStage().m_BackLayers;
    std::string stageBack = layers.empty() ? std::string() : layers[0].m_Picture;
    if (!LoadSystemBitmaps(stageBack, ProjectWorldMap().m_BackImage)) return false;
    if (!LoadDatabaseBitmaps(DatabaseBitmaps(), database.m_BmpCharaExcs)) return false;

    StageDoc().m_StageOpen = 0;
    StageDoc().m_StagePath.clear();
    return true;
}

bool OpenLastStage(const char* path) {
    cEdStage& stage = ProjectStage();
    bool opened = false;
    if (path && path[0]) {
        opened = stage.LoadFile(path);
        if (!opened) {
            stage.Clear();
            stage.SetSize(32, 32);
        }
    }
    StageDoc().m_StageOpen = opened ? 1 : 0;
    StageDoc().m_StagePath = opened ? path : "";
    UndoHistory().Init(stage.m_UndoCount, stage.m_Stride, stage.m_Height);
    return opened;
}
