// The mark over a character that carries an item: the item's picture from the small item sheet.
#include "game/media/BlitBatch.h"
#include "game/play/CharaActor.h"
#include "game/play/PlaySurfaces.h"

namespace {

const int32_t kMarkCycle = 96;
const int32_t kMarkHidden = 64;  // pictures of each cycle before the mark shows
const int kMarkSide = 16;

bool MarkShown(const cCharaActor& chara) {
    const cItemObj& item = chara.m_HeldItem;
    return item.m_Held && item.m_Item.m_Graphic != 0 && !item.m_Item.m_Transparent && chara.m_OnScreen &&
           !chara.m_Dead && !chara.m_Hidden && !chara.m_DrawSkip;
}

}  // namespace

void cCharaActor::StepHeldItemMark() {
    if (!MarkShown(*this)) return;
    if (m_ItemMark >= kMarkCycle) m_ItemMark = 0;
    ++m_ItemMark;
}

void cCharaActor::DrawHeldItemMark(cBlitBatch& batch) const {
    if (!MarkShown(*this) || m_ItemMark <= kMarkHidden) return;
    cSurface* sheet = PlaySurface(kSurfaceMiniItems);
    if (!sheet) return;
    // The small item sheet holds its 16 x 16 pictures 15 to a column.
    const int n = m_HeldItem.m_Item.m_Graphic;
    const int x = m_ScreenRect.left + m_DrawWidth / 2 - (m_HeldItem.m_DrawWidth >> 2);
    const int y = m_ScreenRect.top - (m_HeldItem.m_DrawHeight >> 1);
    batch.Blt(x, y, kMarkSide, kMarkSide, *sheet, (n / 15) * 32, (n % 15) * kMarkSide, DDBLTFAST_SRCCOLORKEY);
}
