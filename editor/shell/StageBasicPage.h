#pragma once
// "基本設定", the first page of the stage settings: name, size (with what it costs in memory and
// in undo steps), scrolling, time limit, gravity, damage-invincibility times, background
// layers, text images, stock and ranking options and the stage music. The size and the layers
// are edited on working copies that reach the stage only when the sheet applies.
#include <string>
#include <vector>

#include "data/Record.h"
#include "data/StageRecords.h"
#include "editor/shell/StagePage.h"
#include "framework/DataList.h"
#include "framework/StrEdit.h"

class cEdStage;

// What the basic page asks of the sheet that holds it: the page takes the sheet's apply
// notification for every page, and its window goes when the sheet closes.
class cBasicPageOwner {
public:
    // Reads every page of the sheet into the stage.
    virtual void ApplyPages() = 0;
    // The sheet is closing.
    virtual void PagesClosed() = 0;

protected:
    ~cBasicPageOwner() = default;
};

using cBackLayerList = cBoundDataList<cBackLayer, cRecordVector<cBackLayer>>;

class cStageBasicPage : public cStagePage {
public:
    static constexpr int kMaxLayers = 5;
    static constexpr int32_t kMinWidth = 20;
    static constexpr int32_t kMinHeight = 15;

    // Without an owner the page applies itself alone.
    cStageBasicPage(cChildWnd* parent, cWndGroup* group, cEdStage& stage, cBasicPageOwner* owner);

    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    // Reads the page into the stage, then resizes the stage to the size entered (raised to the
    // smallest stage) when that differs. False when the stage kept its old size for want of
    // memory or because the resize failed (each is told).
    bool ApplySize();
    void Apply() override { ApplySize(); }
    // The memory the size now entered costs and the undo steps it leaves (texts 1427, 1428).
    void ShowMemoryInfo();

protected:
    void AttachPage() override;
    void UpdateEnables() override;
    void PageCommand(int id, int code) override;
    void OnApply() override;
    void OnWindowGone() override;
    void AfterShow() override { ShowMemoryInfo(); }

private:
    void InsertLayer();
    // Edits the current layer in the layer dialog; its end code (0 when no row is current).
    int EditLayer();
    void PlayMusic();
    void ApplyRankItems();
    cDataList<cBackLayer, cRecordVector<cBackLayer>>& List() { return m_Layers[0].m_Ctrl; }

    cEdStage& m_Stage;
    cBasicPageOwner* m_lpOwner;
    int32_t m_Width;
    int32_t m_Height;
    static constexpr size_t kRankChecks = 3;
    int32_t m_RankItems[kRankChecks];
    std::vector<std::string> m_BgmNames;
    cRecordVector<cBackLayer> m_WorkLayers;
    cBindings<cBoundStrEdit> m_Texts;
    cBindings<cBackLayerList> m_Layers;
};
