// The stage document: its start values, the pen each layer keeps, the layer order and the
// palette clipboard.
#include <gtest/gtest.h>

#include "editor/shell/StageDoc.h"

namespace {

// Each test starts from and leaves a fresh document.
struct cFreshDoc {
    cStageDoc& doc = StageDoc();
    cFreshDoc() { doc.Reset(); }
    ~cFreshDoc() { doc.Reset(); }
};

void FillClipboard(cStageDoc& doc) {
    doc.m_ClipBlock.reset(new cEdBlock);
    doc.m_ClipChara.reset(new cEdChara);
    doc.m_ClipItem.reset(new cEdItem);
    doc.m_ClipValid = 1;
    doc.m_ClipCutPending = 1;
}

bool ClipboardEmpty(const cStageDoc& doc) {
    return !doc.m_ClipValid && !doc.m_ClipCutPending && !doc.m_ClipBlock && !doc.m_ClipChara && !doc.m_ClipItem;
}

}  // namespace

TEST(StageDoc, ResetGivesOnePenCellPerLayerAndKeepsTheHistory) {
    cFreshDoc fresh;
    cStageDoc& doc = fresh.doc;
    doc.m_StagePath = "data\\stg4\\A.stg4_147";
    doc.m_StageOpen = 1;
    doc.m_PenBlocks.resize(6);
    doc.m_PenWidth = 3;
    doc.m_Layer = eLayerItem;
    int32_t count = 2;
    doc.m_History.Init(count, 32, 15);
    doc.Reset();
    EXPECT_EQ("", doc.m_StagePath);
    EXPECT_EQ(0, doc.m_StageOpen);
    EXPECT_EQ(eLayerBlock, doc.m_Layer);
    EXPECT_EQ(1u, doc.m_PenBlocks.size());
    EXPECT_EQ(1u, doc.m_PenCharas.size());
    EXPECT_EQ(1u, doc.m_PenItems.size());
    EXPECT_EQ(1, doc.m_PenWidth);
    EXPECT_EQ(1, doc.m_PenHeight);
    EXPECT_EQ(-1, doc.m_Unset[0]);
    EXPECT_EQ(-1, doc.m_Unset[1]);
    for (const cLayerPen& pen : doc.m_LayerPens) {
        EXPECT_EQ(0, pen.penMode);
        EXPECT_EQ(1, pen.penWidth);
        EXPECT_EQ(1, pen.penHeight);
    }
    EXPECT_EQ(2u, doc.m_History.Steps());  // a rebuilt main window goes on with the history
    doc.m_History.Clear();
}

TEST(StageDoc, EachLayerKeepsItsPenAcrossLayerChanges) {
    cFreshDoc fresh;
    cStageDoc& doc = fresh.doc;
    struct cPen {
        int32_t mode, selIndex, width, height;
    };
    const cPen pens[eLayerCount] = {{ePenRect, 7, 3, 2}, {ePenParams, 4, 1, 1}, {ePenLine, 9, 2, 5}};
    for (int layer = 0; layer < eLayerCount; ++layer) {
        doc.SetLayer(layer);
        doc.SetPenMode(pens[layer].mode);
        doc.m_SelIndex = pens[layer].selIndex;
        doc.m_PenWidth = pens[layer].width;
        doc.m_PenHeight = pens[layer].height;
    }
    // Blocks to items and back, then every layer in turn.
    for (int layer : {eLayerBlock, eLayerItem, eLayerBlock, eLayerChara, eLayerItem}) {
        doc.SetLayer(layer);
        EXPECT_EQ(layer, doc.m_Layer);
        EXPECT_EQ(pens[layer].mode, doc.m_PenMode) << layer;
        EXPECT_EQ(DrawKindOf(pens[layer].mode), doc.m_DrawKind) << layer;
        EXPECT_EQ(pens[layer].selIndex, doc.m_SelIndex) << layer;
        EXPECT_EQ(pens[layer].width, doc.m_PenWidth) << layer;
        EXPECT_EQ(pens[layer].height, doc.m_PenHeight) << layer;
    }
}

TEST(StageDoc, PenModesDrawWithTheirKindAndParameterEditingLikeFill) {
    cFreshDoc fresh;
    const int32_t kinds[ePenModes] = {0, 1, 2, 3, 3};
    for (int mode = 0; mode < ePenModes; ++mode) {
        fresh.doc.SetPenMode(mode);
        EXPECT_EQ(mode, fresh.doc.m_PenMode);
        EXPECT_EQ(kinds[mode], fresh.doc.m_DrawKind) << mode;
    }
}

TEST(StageDoc, NextLayerWrapsFromItemsToBlocks) {
    cFreshDoc fresh;
    const int32_t order[] = {eLayerChara, eLayerItem, eLayerBlock, eLayerChara};
    for (int32_t expected : order) {
        fresh.doc.NextLayer();
        EXPECT_EQ(expected, fresh.doc.m_Layer);
    }
}

TEST(StageDoc, LayerAndRightClickChangesEmptyTheClipboardEvenWithoutAChange) {
    cFreshDoc fresh;
    cStageDoc& doc = fresh.doc;
    struct cCase {
        const char* name;
        void (*act)(cStageDoc&);
        int32_t layer;
    };
    const cCase cases[] = {
        {"same layer", [](cStageDoc& d) { d.SetLayer(d.m_Layer); }, eLayerBlock},
        {"other layer", [](cStageDoc& d) { d.SetLayer(eLayerItem); }, eLayerItem},
        {"bad layer", [](cStageDoc& d) { d.SetLayer(3); }, eLayerItem},
        {"negative layer", [](cStageDoc& d) { d.SetLayer(-1); }, eLayerItem},
        {"right click", [](cStageDoc& d) { d.SetRightClickMode(1); }, eLayerItem},
    };
    for (const cCase& c : cases) {
        FillClipboard(doc);
        c.act(doc);
        EXPECT_TRUE(ClipboardEmpty(doc)) << c.name;
        EXPECT_EQ(c.layer, doc.m_Layer) << c.name;
    }
    EXPECT_EQ(1, doc.m_RightClickMode);
}
