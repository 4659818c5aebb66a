// The play scene's runtime objects made from records: the stage's placed characters and items,
// the characters and items that shots summon, and the blocks that shots change.
#include <cmath>

#include "data/CommonPalette.h"
#include "framework/ErrorLog.h"
#include "game/data/Tenths.h"
#include "game/play/PlayScene.h"

namespace {

// The map cell of a point in dots.
int32_t CellOf(double dots) { return static_cast<int32_t>(dots + 16.5) >> 5; }

void MoveBox(cObj& object, double dx, double dy) {
    object.m_X += dx;
    object.m_Right += dx;
    object.m_Y += dy;
    object.m_Bottom += dy;
}

// A summoned chara's or item's existence time in sub-steps: the summons keep it where a shot
// keeps its range (tenths of a second).
int32_t SummonLife(const cEdShot& shot, int32_t subSteps) { return shot.m_Range * kFramesPerTenth * subSteps; }

}  // namespace

void cPlayScene::BuildStageObjects(const cEdStage& stage) {
    m_Charas.clear();
    m_BlockCharasStale = true;
    m_Items.clear();
    Report("10\n");
    cCheckedVector<const cEdItem*, eCloseProgram> items;
    for (const auto& placed : stage.m_Items) items.push_back(&placed.second);
    std::vector<uint8_t> used(items.size(), 0);

    for (const auto& placed : stage.m_Charas) {
        const cEdChara& chara = placed.second;
        if (chara.m_Extra3 == -1) {
            if (chara.m_Control == 1) AddStageChara(m_Charas, chara.m_Extra1, chara.m_Extra2, m_CharaId, chara, nullptr);
            continue;
        }
        if (chara.m_Control != 1) continue;
        const cEdItem* held = items.At(chara.m_Extra3);
        cItemObj item;
        item.SetItem(m_ItemId++, held ? *held : cEdItem(), 1);
        AddStageChara(m_Charas, chara.m_Extra1, chara.m_Extra2, m_CharaId, chara, &item);
        if (chara.m_Extra3 >= 0 && static_cast<size_t>(chara.m_Extra3) < used.size()) used[chara.m_Extra3] = 1;
    }
    Report("11\n");
    for (size_t i = 0; i < items.size(); ++i)
        if (!used[i]) AddStageItem(m_Items, items[i]->m_Extra1, items[i]->m_Extra2, m_ItemId, *items[i]);
    Report("12\n");
    Report("C\n");
}

void cPlayScene::AddStageChara(cCharaList& list, int32_t column, int32_t row, int32_t& counter,
                               const cEdChara& record, const cItemObj* heldItem) {
    const cEdChara local = record;
    const double x = (column + m_ScrollX.m_BorderCells) * 32 + 16;
    const double y = (row + m_ScrollY.m_BorderCells) * 32 + 16;
    for (int i = 0; i <= local.m_Clones && i <= kMaxCopies; ++i) {
        cCharaActor actor;
        actor.Setup(counter, local, heldItem, x, y, i);
        actor.PlaceAtCell(column, row);
        MoveBox(actor, local.CopyOffsetX(i, local.m_FaceRight), local.CopyOffsetY(i, local.m_FaceRight));
        if (!actor.IsInArea(1)) continue;
        actor.OnMoveX();
        actor.OnMoveY();
        list.push_back(actor);
        list.back().UpdateScreenRect();
        ++counter;
    }
}

void cPlayScene::AddStageItem(cItemList& list, int32_t column, int32_t row, int32_t& counter, const cEdItem& record) {
    cItemObj item;
    item.SetItem(counter, record, 0);
    item.PlaceAtCell(column, row);
    MoveBox(item, record.m_OffsetX, record.m_OffsetY);
    if (!item.IsInArea(1)) return;
    item.ClampX(2);
    item.ClampY(2);
    list.push_back(item);
    list.back().UpdateScreenRect();
    ++counter;
}

void cPlayScene::SpawnChara(cCharaList& list, double x, double y, uint8_t value, uint8_t direction, const cObj*,
                            const cEdShot& shot, const cEdChara& record, int32_t& counter) {
    m_BlockCharasStale = true;
    cEdChara local = record;
    local.m_FaceRight = direction;
    local.m_Force = value;
    if (shot.m_ZeroScore) local.m_Score = 0;
    for (int i = 0; i <= local.m_Clones && i <= kMaxCopies; ++i) {
        cCharaActor actor;
        actor.Setup(counter, local, nullptr, m_ScrollX.m_BorderCells * 32 + x + 16,
                    m_ScrollY.m_BorderCells * 32 + y + 16, i);
        actor.m_X = x + actor.m_DrawOffsetX;
        actor.m_Y = y + actor.m_DrawOffsetY;
        actor.m_Right = actor.m_X + actor.m_Width - 1;
        actor.m_Bottom = actor.m_Y + actor.m_Height - 1;
        MoveBox(actor, local.CopyOffsetX(i, direction), local.CopyOffsetY(i, direction));
        if (!actor.IsInArea(1)) continue;
        actor.OnMoveX();
        actor.OnMoveY();
        list.push_back(actor);
        cCharaActor& kept = list.back();
        kept.UpdateScreenRect();
        if (IsActorBlocked(kept)) {
            list.pop_back();
            continue;
        }
        if (shot.m_UseRange) kept.m_Counter = SummonLife(shot, SubSteps());
        m_CharaGroups.At(kept.Group()).push_back(&kept);
        ++counter;
    }
}

void cPlayScene::SpawnItem(cItemList& list, double x, double y, const cObj*, const cEdShot& shot,
                           const cEdItem& record, int32_t& counter) {
    cItemObj item;
    item.SetItem(counter, record, 0);
    item.m_X = x + item.m_DrawOffsetX;
    item.m_Y = y + item.m_DrawOffsetY;
    item.m_Right = item.m_X + item.m_Width - 1;
    item.m_Bottom = item.m_Y + item.m_Height - 1;
    MoveBox(item, record.m_OffsetX, record.m_OffsetY);
    if (!item.IsInArea(1)) return;
    item.ClampX(2);
    item.ClampY(2);
    if (shot.m_UseRange) item.m_Counter = SummonLife(shot, SubSteps());
    list.push_back(item);
    ++counter;
}

int cPlayScene::ChangeBlockAt(double x, double y, const cObj*, const cEdShot& shot, const cEdBlock& block) {
    const int32_t column = CellOf(x), row = CellOf(y);
    if (!IsMapCell(column, row)) return 0;
    const uint32_t index = CellIndex(column, row);
    cBlockCell& cell = m_MapCells.At(static_cast<int>(index));
    if (cell.block.m_NoSummon) return 0;

    const cEdBlock& empty = ProjectCommonPalette().m_Blocks.At(0);
    // Puts the block in the cell; false when it was taken back because someone stands there.
    auto place = [&]() {
        const cBlockCell kept = cell;
        cell.Put(block);
        if (shot.m_FailIfOccupied && IsCellOccupied(index, column, row)) {
            cell = kept;
            return false;
        }
        return true;
    };
    switch (shot.m_SummonType) {
        case 0:
            return place() ? 1 : 0;
        case 1:
            cell.Put(empty);
            return 1;
        case 2:
            for (int32_t changed : m_ChangedCells)
                if (changed == static_cast<int32_t>(index)) return 0;
            if (cell.block.m_Graphic != 0 && TestConditions(cell)) {
                cell.Put(empty);
            } else if (!place()) {
                return 0;
            }
            m_ChangedCells.push_back(static_cast<int32_t>(index));
            return 1;
        default:
            return 0;
    }
}

int cPlayScene::IsActorBlocked(const cActor& actor) {
    if (actor.IgnoresBlocks()) return 0;
    const uint32_t corner =
        CornerPick(actor.m_LeftColumn, actor.m_TopRow, actor.m_RightColumn, actor.m_BottomRow, actor.BlockGroup());
    return HitKind(corner, actor) != 0 || OverlapsBlockChara(actor, actor.m_Number) ? 1 : 0;
}

int cPlayScene::IsCellOccupied(uint32_t index, int32_t column, int32_t row) {
    cBlockCell& cell = m_MapCells.At(static_cast<int>(index));
    const cBox square{column * 32.0, row * 32.0, column * 32 + 32 - 0.1, row * 32 + 32 - 0.1};
    const auto traps = [&](const cActor& actor) {
        return actor.m_Present && Overlaps(BoxOf(actor), square) && CellSolidity(cell, actor.BlockGroup()) != 0;
    };
    for (const cPlayerActor& player : m_Players)
        if (traps(player)) return 1;
    for (const cCharaActor& chara : m_Charas)
        if (chara.m_Hp > 0 && traps(chara)) return 1;
    return 0;
}
