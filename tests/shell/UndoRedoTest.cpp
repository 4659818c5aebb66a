// Undo and redo of the stage layers, checked against a record of the stage kept beside the
// editor: thousands of seeded random edits with every pen mode, modifier, selection key and
// clear command, mixed with Undo and Redo, and the three layers compared after each of those.
#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <random>
#include <string>

#include "data/PaletteSource.h"
#include "tests/shell/CanvasFixture.h"
#include "tests/support/BoxAnswers.h"

namespace {

struct cLayers {
    cRows blocks, charas, items;
    bool operator==(const cLayers& other) const {
        return blocks == other.blocks && charas == other.charas && items == other.items;
    }
};

cLayers StageLayers() {
    const cEdStage& stage = ProjectStage();
    return cLayers{Rows(stage.m_Blocks), Rows(stage.m_Charas), Rows(stage.m_Items)};
}

// What the history should hold: the stage before each recorded edit, newest last.
class cModel {
public:
    explicit cModel(size_t count) : m_count(count) {}
    void Edited(const cLayers& before) {
        m_undo.push_back(before);
        if (m_undo.size() > m_count) m_undo.pop_front();
        m_redo.clear();
    }
    // The stage expected after Undo (or Redo) of the current one; false when nothing is held.
    bool Step(bool undo, cLayers& now) {
        std::deque<cLayers>& from = undo ? m_undo : m_redo;
        std::deque<cLayers>& to = undo ? m_redo : m_undo;
        if (from.empty()) return false;
        to.push_back(now);
        if (to.size() > m_count) to.pop_front();
        now = from.back();
        from.pop_back();
        return true;
    }
    size_t Undos() const { return m_undo.size(); }
    size_t Redos() const { return m_redo.size(); }

private:
    size_t m_count;
    std::deque<cLayers> m_undo, m_redo;
};

}  // namespace

TEST(UndoRedo, RandomEditsAreUndoneAndRedoneLayerByLayer) {
    const int32_t kSteps = 6;
    cCanvas canvas(7, 5, kSteps);
    cBoxAnswers boxes;
    cModel model(kSteps);
    std::mt19937 random(20261210);
    auto pick = [&](int n) { return static_cast<int>(random() % n); };
    const char letters[] = "..ABCX";
    SetLayer(ProjectStage().m_Blocks, {"AAB....", "A......", ".....BB", "CC.....", "......."});
    SetLayer(ProjectStage().m_Items, {"......X", ".......", "..X....", ".......", "X......"});
    int undos = 0, redos = 0;
    for (int i = 0; i < 1500; ++i) {
        SCOPED_TRACE(i);
        const cLayers before = StageLayers();
        const int action = pick(12);
        if (action < 5) {
            // A pen edit of a random layer, mode, pen and modifier.
            StageDoc().SetLayer(pick(eLayerCount));
            StageDoc().SetPenMode(pick(ePenParams));
            const int w = 1 + pick(3), h = 1 + pick(2);
            cRows pen(h, std::string(w, '.'));
            for (std::string& row : pen)
                for (char& c : row) c = letters[pick(6)];
            SetPen(pen);
            const WORD keys[] = {0, 0, VK_SHIFT, VK_CONTROL};
            cHeld held(keys[pick(4)]);
            canvas.LeftDrag(pick(7), pick(5), pick(7), pick(5));
            model.Edited(before);
        } else if (action < 7) {
            // D, Q or R on a right-dragged selection.
            const WPARAM keys[] = {'D', 'Q', 'R'};
            canvas.Mouse(WM_RBUTTONDOWN, pick(7), pick(5), MK_RBUTTON);
            canvas.Mouse(WM_MOUSEMOVE, pick(7), pick(5), MK_RBUTTON);
            {
                const WORD mods[] = {0, VK_SHIFT, VK_CONTROL};
                cHeld held(mods[pick(3)]);
                canvas.KeyDown(keys[pick(3)]);
            }
            canvas.Mouse(WM_RBUTTONUP, pick(7), pick(5));
            model.Edited(before);
        } else if (action == 7) {
            const bool yes = pick(2) == 0;
            boxes.Answer(yes ? IDYES : IDNO);
            canvas.Command(ID_CLEAR_BLOCKS + pick(3));
            if (yes) model.Edited(before);
        } else {
            const bool undo = action < 10;
            cLayers expected = before;
            const bool held = model.Step(undo, expected);
            canvas.Command(undo ? ID_EDIT_UNDO : ID_EDIT_REDO);
            ASSERT_TRUE(expected == StageLayers()) << (undo ? "undo" : "redo");
            if (held) ++(undo ? undos : redos);
        }
        ASSERT_EQ(model.Undos(), static_cast<size_t>(UndoHistory().UndoCount()));
        ASSERT_EQ(model.Redos(), static_cast<size_t>(UndoHistory().RedoCount()));
    }
    // The run went through both sides many times.
    EXPECT_GT(undos, 150);
    EXPECT_GT(redos, 50);
}

TEST(UndoRedo, EdgeCases) {
    // With the undo count 0 nothing is recorded and both commands stay disabled.
    {
        cCanvas canvas(3, 2, 0);
        SetPen({"A"});
        canvas.Mouse(WM_LBUTTONDOWN, 0, 0, MK_LBUTTON);
        EXPECT_EQ(0, UndoHistory().UndoCount());
        HMENU menu = GetMenu(canvas.MainWnd());
        EXPECT_TRUE(GetMenuState(menu, ID_EDIT_UNDO, MF_BYCOMMAND) & MF_GRAYED);
        canvas.Command(ID_EDIT_UNDO);
        EXPECT_EQ(cRows({"A..", "..."}), Rows(ProjectStage().m_Blocks));
    }
    // An item edit undone leaves the other layers; a new edit after Undo ends Redo; the oldest
    // of count + 1 steps is gone.
    {
        cCanvas canvas(4, 1, 2);
        SetLayer(ProjectStage().m_Blocks, {"B..."});
        StageDoc().SetLayer(eLayerItem);
        StageDoc().SetPenMode(ePenFill);
        SetPen({"C"});
        canvas.Mouse(WM_LBUTTONDOWN, 0, 0, MK_LBUTTON);
        SetLayer(ProjectStage().m_Blocks, {"BBBB"});  // not an edit of the canvas: Undo keeps it
        canvas.Command(ID_EDIT_UNDO);
        EXPECT_EQ(cRows({"BBBB"}), Rows(ProjectStage().m_Blocks));
        EXPECT_EQ(cRows({"...."}), Rows(ProjectStage().m_Items));
        EXPECT_EQ(1, UndoHistory().RedoCount());
        StageDoc().SetPenMode(ePenNormal);
        for (int x = 0; x < 3; ++x) canvas.Mouse(WM_LBUTTONDOWN, x, 0, MK_LBUTTON);
        EXPECT_EQ(0, UndoHistory().RedoCount());
        EXPECT_EQ(2, UndoHistory().UndoCount());
        canvas.Command(ID_EDIT_UNDO);
        canvas.Command(ID_EDIT_UNDO);
        canvas.Command(ID_EDIT_UNDO);
        EXPECT_EQ(cRows({"C..."}), Rows(ProjectStage().m_Items));
    }
}

namespace {

// A cell that takes its name from entry 1 of the stage palette of its kind.
template <class T>
T Inheriting(cRecordVector<T>& palette, const char* name) {
    palette.resize(2);
    palette[1].m_Name = name;
    T cell = Element<T>('A');
    cell.m_InheritSrc = eSourceStage;
    cell.m_InheritIndex = 1;
    cell.m_bbInherit.At(0) = 1;
    cell.m_Name = name;
    return cell;
}

}  // namespace

// Restored cells take what their palette entries hold now, on either side of the history.
TEST(UndoRedo, RestoredCellsInheritFromThePaletteAsItIsNow) {
    cCanvas canvas(3, 1);
    cEdStage& stage = ProjectStage();
    cPalette& palette = stage.m_Palette;
    stage.m_Blocks.Put(stage.CellIndex(0, 0), Inheriting(palette.m_Blocks, "前"));
    stage.m_Charas.Put(stage.CellIndex(0, 0), Inheriting(palette.m_Charas, "前"));
    stage.m_Items.Put(stage.CellIndex(0, 0), Inheriting(palette.m_Items, "前"));
    SetPen({"B"});
    canvas.Mouse(WM_LBUTTONDOWN, 2, 0, MK_LBUTTON);  // a step of all three layers
    for (const char* name : {"後", "再"}) {
        SCOPED_TRACE(name);
        palette.m_Blocks[1].m_Name = palette.m_Charas[1].m_Name = palette.m_Items[1].m_Name = name;
        canvas.Command(std::string(name) == "後" ? ID_EDIT_UNDO : ID_EDIT_REDO);
        EXPECT_EQ(name, stage.m_Blocks.At(stage.CellIndex(0, 0)).m_Name);
        EXPECT_EQ(name, stage.m_Charas.At(stage.CellIndex(0, 0)).m_Name);
        EXPECT_EQ(name, stage.m_Items.At(stage.CellIndex(0, 0)).m_Name);
    }
}

TEST(UndoRedo, ASnapshotHoldsOnlyTheOccupiedCells) {
    cUndoHistory history;
    cEdStage stage;
    stage.SetSize(512, 512);
    int32_t count = 3;
    history.Init(count, stage.m_Stride, stage.m_Height);
    ASSERT_EQ(3, count);
    cEdBlock block;
    block.m_Graphic = 1;
    stage.m_Blocks.Put(stage.CellIndex(5, 5), block);
    for (int i = 0; i < 5; ++i) history.Push(eLayerAll, stage);
    EXPECT_EQ(3, history.UndoCount());
    EXPECT_EQ(3u, history.HeldCells());
    // Undo and Redo on an empty side, and after Clear, touch nothing.
    cUndoHistory empty;
    EXPECT_FALSE(empty.Undo(stage));
    EXPECT_FALSE(empty.Redo(stage));
    empty.Push(eLayerAll, stage);
    EXPECT_EQ(0, empty.UndoCount());
    history.Clear();
    EXPECT_FALSE(history.Undo(stage));
    EXPECT_EQ(1u, stage.m_Blocks.size());
}
