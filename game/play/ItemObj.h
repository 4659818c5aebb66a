#pragma once
// An item in play: a runtime object with its own copy of the item record.
#include "data/Item.h"
#include "game/media/Surface.h"
#include "game/play/Obj.h"

class cBlitBatch;

class cItemObj : public cObj {
public:
    cItemObj();

    // Copies the record and sets the box up: the stage's item hit box centred in a 32 x 32
    // drawing box. A placement of 0 (an item of the stage or a summoned one) scales the object
    // to the record's scale; any other (an item a chara holds) keeps scale 1 and is present.
    void SetItem(int32_t number, const cEdItem& item, int32_t placement);
    // The cell's top-left plus the drawing offset, scaled, then kept inside the map.
    void PlaceAtCell(int32_t column, int32_t row);
    // Keeps the bottom where it was.
    void AdjustForScale(int32_t newScale, int32_t oldScale) override;

    int32_t Scale() const { return m_Item.m_Scale < 1 ? 1 : m_Item.m_Scale; }
    // Its graphic (and mark) at its place on the screen; a transparent item is not drawn.
    void DrawItem(cBlitBatch& batch, int hold) const;

    cEdItem m_Item;
    int32_t m_Placement = 0;
    int32_t m_Held = 0;  // an item a chara carries, not an empty slot
    int32_t m_CondHeld = 0;  // the record's conditions held once (kept with its once flag)
    int32_t m_Used = 0;  // taken: only a taken item is given
};
