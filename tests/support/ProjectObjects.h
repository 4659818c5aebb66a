#pragma once
// The project objects that the whole program shares (the records a project load fills, the stage
// and its undo history), kept by a test that loads into them and put back when it ends, so that
// the next test of the same program finds them as they were.
#include "data/CommonPalette.h"
#include "data/ProjectData.h"
#include "data/ProjectDatabase.h"
#include "data/Stage.h"
#include "editor/shell/EditorProject.h"
#include "tests/support/RestoreOnExit.h"

class cKeepProjectObjects {
    cRestoreOnExit<cVarNames> m_Names{CommonVarNames()};
    cRestoreOnExit<cDatabase> m_Database{ProjectDatabase()};
    cRestoreOnExit<cSystemData> m_System{ProjectSystemData()};
    cRestoreOnExit<cCommonPalette> m_Palette{ProjectCommonPalette()};
    cRestoreOnExit<cPrjOption> m_Option{ProjectOption()};
    cRestoreOnExit<cWorldMap> m_Map{ProjectWorldMap()};
    cRestoreOnExit<cEdStage> m_Stage{ProjectStage()};
    cRestoreOnExit<cUndoHistory> m_History{UndoHistory()};
};
