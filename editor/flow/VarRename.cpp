#include "editor/flow/VarRename.h"

#include "data/Stage.h"
#include "editor/shell/EditorFiles.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/StageDoc.h"
#include "framework/InputDlg.h"
#include "framework/NameList.h"

namespace {

cVarNames& ScopeNames(int scope) { return scope == eVarStage ? ProjectStage().m_VarNames : CommonVarNames(); }

}  // namespace

bool RenameVariable(cChildWnd* parent, cWndGroup* group, int scope, int number, cCtrl* anchor, bool saveCommon) {
    cVarNames& names = ScopeNames(scope);
    if (number <= 0 || static_cast<size_t>(number) >= names.size()) {
        MessageBeep(0);
        return false;
    }
    if (!InputString(parent, group, &names[static_cast<size_t>(number)].m_Name, 10, 0, "変数名の入力", anchor, 0))
        return false;
    if (scope == eVarStage)
        StageDoc().m_StageModified = 1;
    else if (saveCommon)
        SaveVarNames();
    return true;
}

void BuildVarNameList(std::vector<std::string>* list, int scope) { BuildNameList(list, ScopeNames(scope)); }
