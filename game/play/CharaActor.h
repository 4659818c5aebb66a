#pragma once
// Characters in play: cActor, the base of every character, with its own copy of the chara
// record; cCharaActor, a character of the stage (placed or summoned) that is not the player.
#include "data/Chara.h"
#include "game/play/FlowFields.h"
#include "game/play/ItemObj.h"
#include "game/play/Obj.h"

class cActor : public cObj {
public:
    static const int kGroups = 9;  // collision groups: none, then forces 0 to 7

    // The collision group the record's force selects.
    int Group() const { return m_Chara.m_Force < kGroups ? m_Chara.m_Force : 0; }
    int32_t Scale() const { return m_Chara.m_Scale < 1 ? 1 : m_Chara.m_Scale; }
    // Keeps the bottom edge where it was.
    void AdjustForScale(int32_t newScale, int32_t oldScale) override;
    virtual int OnMoveX() { return 0; }
    virtual int OnMoveY() { return 0; }
    // Death: the character falls for kDeathFrames drawn frames, then its death has ended.
    static const int32_t kDeathFrames = 60;
    void StartDeath() {
        m_Dead = 1;
        m_DeathFrames = 0;
    }
    bool DeathEnded() const { return m_Dead && m_DeathFrames >= kDeathFrames; }
    bool Flying() const { return m_NoGravity != 0; }
    enum eContact { eContactLeft, eContactRight, eContactTop, eContactBottom };

    cEdChara m_Chara;
    int32_t m_Hp = 0;
    int32_t m_MaxHp = 0;
    int32_t m_Sp = 0;
    int32_t m_MaxSp = 0;
    int32_t m_Dead = 0;
    int32_t m_DeathFrames = 0;
    int32_t m_Contact[4] = {};
    cActorFlowFields m_Flow;
};

class cCharaActor : public cActor {
public:
    // A block character (one that other characters stand on) has a 32 x 32 box filling its
    // drawing box; any other a 16 x 30 box standing in it. The held item is copied, or the
    // slot stays empty.
    void Setup(int32_t number, const cEdChara& record, const cItemObj* heldItem, double x, double y,
               int32_t copyIndex);
    // Stands the character on stage cell (column, row), facing as its record says, kept inside
    // the map.
    void PlaceAtCell(int32_t column, int32_t row);
    int OnMoveX() override { return ClampX(2); }
    int OnMoveY() override { return ClampY(2); }

    bool IsBlockChara() const { return m_Chara.m_BlockHit != 0; }

    cItemObj m_HeldItem;
    int32_t m_ItemMark = 0;
    int32_t m_IgnoreX = 0;
    int32_t m_IgnoreY = 0;
    int32_t m_Appeared = 0;
    int32_t m_CopyIndex = 0;
};
