#include "editor/shell/StageSettingSheet.h"

#include <new>
#include <string>

#include "data/DataFile.h"
#include "data/Stage.h"
#include "editor/shell/EditorState.h"
#include "editor/shell/StageAdvancedPages.h"
#include "editor/shell/StageDoc.h"
#include "framework/MessageBox.h"

namespace {

// Everything of the stage that the sheet's pages edit, as the file holds it.
std::string SheetFields(cEdStage& stage) {
    cDataWriter out;
    stage.cRecord::Save(out);
    for (int32_t value : stage.m_RankItems) out.Write(&value, sizeof value);
    for (cAutoVanish& rule : stage.m_AutoVanish) rule.Save(out);
    SaveRecordVector(stage.m_BackLayers, out);
    const cDataWriter::cBytes& bytes = out.Bytes();
    return std::string(bytes.data(), bytes.size());
}

}  // namespace

cStageSettingSheet::cStageSettingSheet(int mode, cChildWnd* parent, cWndGroup* group, cPropSheet** slot,
                                       cStageSheetOwner* owner)
    : cPropSheet(mode, parent, group, slot), m_lpOwner(owner) {
    if (slot) *slot = this;
}

cStageSettingSheet::~cStageSettingSheet() {
    // The sheet's windows go while the pages still answer them.
    Close();
    SafeDelete(m_lpBasic);
    SafeDelete(m_lpAdvanced);
    SafeDelete(m_lpAdvanced2);
}

bool cStageSettingSheet::Create() {
    cEdStage& stage = ProjectStage();
    m_lpBasic = new (std::nothrow) cStageBasicPage(m_lpParent, m_lpGroup, stage, this);
    m_lpAdvanced = new (std::nothrow) cStageAdvancedPage(m_lpParent, m_lpGroup, stage);
    m_lpAdvanced2 = new (std::nothrow) cStageAdvancedPage2(m_lpParent, m_lpGroup, stage);
    if (!m_lpBasic || !m_lpAdvanced || !m_lpAdvanced2) {
        OutOfMemory();
        return false;
    }
    m_Pages.push_back(m_lpBasic);
    m_Pages.push_back(m_lpAdvanced);
    m_Pages.push_back(m_lpAdvanced2);
    if (!Open()) return false;
    SetWindowTextA(m_hWnd, "ステージの設定");
    return true;
}

// Only an Apply that changed the stage marks it modified: OK on an untouched sheet asks for no
// save.
void cStageSettingSheet::Apply() {
    cEdStage& stage = ProjectStage();
    const std::string before = SheetFields(stage);
    m_lpBasic->ApplySize();
    m_lpAdvanced->Apply();
    m_lpAdvanced2->Apply();
    if (SheetFields(stage) != before) StageDoc().m_StageModified = 1;
    // Each page shows the stored values (raised size, clamped numbers) when it is next shown.
    for (cPage* page : m_Pages) static_cast<cStagePage*>(page)->MarkStale();
}

void cStageSettingSheet::PagesClosed() {
    if (m_lpOwner) m_lpOwner->StageSheetClosed();
}

void OpenStageSettings(cChildWnd* parent, cPropSheet*& slot, cStageSheetOwner* owner) {
    cWndGroup& group = EditorGroup();
    group.ShowAll(0);
    group.EnableAll(0);
    SafeDelete(slot);
    cStageSettingSheet* sheet = new (std::nothrow) cStageSettingSheet(1, parent, &group, &slot, owner);
    if (!sheet) {
        OutOfMemory();
        return;
    }
    sheet->Create();
}
