// The player takes items: an item taken once goes when taken, a touch area acts once each time
// the player enters it, a block gives its item to the player standing on it once a second of
// standing (or again after leaving it), and taking an item plays its sound and runs its command
// list.
#include <algorithm>

#include "game/play/Collisions.h"
#include "game/play/FlowRuntime.h"
#include "game/play/PlayScene.h"

namespace {

enum eTakeMode { eTakeOnce = 0, eTakeArea = 1, eTakeNever = 2 };

}  // namespace

int cPlayScene::PickUpItems(cPlayerActor& player) {
    // Items that left play by other roads leave the touching list first.
    m_Touching.erase(std::remove_if(m_Touching.begin(), m_Touching.end(),
                                    [&](int32_t number) { return !FindItemByNumber(number); }),
                     m_Touching.end());
    const cHitBox box = PickUpBox(player);
    for (auto it = m_Items.begin(); it != m_Items.end();) {
        cItemObj& item = *it;
        const int mode = item.m_Item.m_TakeMode;
        if (!item.m_Present || mode == eTakeNever || (mode == eTakeOnce && item.m_Used)) {
            ++it;
            continue;
        }
        const auto listed = std::find(m_Touching.begin(), m_Touching.end(), item.m_Number);
        if (!box.Overlaps(ItemBox(item))) {
            if (listed != m_Touching.end()) m_Touching.erase(listed);
            ++it;
            continue;
        }
        player.StartFlowsByTrigger(eTriggerTouchItem);
        if (mode == eTakeArea) {
            if (listed != m_Touching.end()) {
                ++it;
                continue;
            }
            m_Touching.push_back(item.m_Number);
        }
        item.m_Used = 1;
        const int result = AcquireItem(&item, player);
        if (mode == eTakeOnce) it = m_Items.erase(it);
        else ++it;
        if (result != ePlayGoOn) return result;
    }
    return ePlayGoOn;
}

int cPlayScene::AcquireItem(cItemObj* item, cActor& taker) {
    if (!item || !item->m_Held || item->m_Item.m_TakeMode == eTakeNever || !item->m_Used) return ePlayGoOn;
    if (item->m_Item.m_Sound != 0) Host().PlaySound(item->m_Item.m_Sound);
    CharasMayMove();
    return FlowRuntime().RunItemCommands(taker, item->m_Item.m_Commands);
}

int cPlayScene::BlockItem(cPlayerActor& player) {
    cBlockCell* cell = player.m_CellBelow;
    const uint32_t before = m_BlockItemCell;
    m_BlockItemCell = IndexOfCell(cell);
    if (player.m_ItemCooldown <= 0) {
        if (!cell || CellSolidity(*cell, player.BlockGroup()) == 0) return ePlayGoOn;
        const cEdItem* record = cEdItem::GetBaseItem(cell->block.m_ItemSrc, cell->block.m_ItemIndex);
        if (cell->block.m_ItemSrc == 0 || !record || record->m_Graphic == 0) return ePlayGoOn;
        cItemObj given;
        given.SetItem(-1, *record, 1);
        given.m_Used = 1;
        const int result = AcquireItem(&given, player);
        if (result != ePlayGoOn) return result;
        player.m_ItemCooldown = SubSteps() * 60;
        return ePlayGoOn;
    }
    // Leaving the block (or falling) lets it give its item again at once.
    if (player.m_Falling || m_BlockItemCell != before) {
        player.m_ItemCooldown = 0;
        if (player.m_dSpeedY >= 0) player.m_dSpeedY += 1;
    } else {
        --player.m_ItemCooldown;
    }
    return ePlayGoOn;
}

const cItemObj* cPlayScene::FindItemByNumber(int32_t number) const {
    for (const cItemObj& item : m_Items)
        if (item.m_Number == number) return &item;
    return nullptr;
}
