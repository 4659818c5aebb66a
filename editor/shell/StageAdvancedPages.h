#pragma once
// The engine settings of the stage: "高度な設定" (frame rate, hit-check level and precision, the
// Z coordinate and off-screen damage switches, automatic removal beyond the screen edges) and
// "高度な設定2" (the hit ranges of heroes, enemies, items and shots, and how the hero's ranges
// are displayed).
#include "editor/shell/StagePage.h"

class cEdStage;

class cStageAdvancedPage : public cStagePage {
public:
    cStageAdvancedPage(cChildWnd* parent, cWndGroup* group, cEdStage& stage);

protected:
    void UpdateEnables() override;
};

class cStageAdvancedPage2 : public cStagePage {
public:
    cStageAdvancedPage2(cChildWnd* parent, cWndGroup* group, cEdStage& stage);

    // The default of each range, in the order of the labels; the labels show them.
    static constexpr int kRanges = 10;
    static const uint16_t kLabelIds[kRanges];
    static const int32_t kDefaults[kRanges][2];

protected:
    void UpdateEnables() override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
};
