#pragma once
// Small common and stage block palettes whose element i shows graphic i and is named "Bi", with
// the stage document, the project options and both palettes put back afterwards.
#include <string>

#include "data/CommonPalette.h"
#include "data/Stage.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/StageDoc.h"
#include "tests/support/RestoreOnExit.h"

inline void FillBlocks(cRecordVector<cEdBlock>& list, int count, int first) {
    list.clear();
    for (int i = 0; i < count; ++i) {
        cEdBlock block;
        block.m_Graphic = static_cast<uint16_t>(i ? first + i : 0);
        block.m_Name = "B" + std::to_string(block.m_Graphic);
        list.push_back(block);
    }
}

// The graphics of a list, in order: what a test compares.
template <class T>
std::vector<int> Graphics(const cRecordVector<T>& list) {
    std::vector<int> out;
    for (const T& element : list) out.push_back(element.m_Graphic);
    return out;
}

class cPaletteFixture {
public:
    // Common blocks show graphics 0..common-1, stage blocks 0 and 100+1..100+stage-1.
    cPaletteFixture(int common, int stage) {
        StageDoc().Reset();
        Fill(common, stage);
    }
    void Fill(int common, int stage) {
        FillBlocks(ProjectCommonPalette().m_Blocks, common, 0);
        FillBlocks(ProjectStage().m_Palette.m_Blocks, stage, 100);
    }
    ~cPaletteFixture() { StageDoc().Reset(); }

private:
    cRestoreOnExit<cRecordVector<cEdBlock>> m_Common{ProjectCommonPalette().m_Blocks};
    cRestoreOnExit<cRecordVector<cEdBlock>> m_Stage{ProjectStage().m_Palette.m_Blocks};
    cRestoreOnExit<cPrjOption> m_Option{ProjectOption()};
};
