#pragma once
// One entry of a chara palette, and one cell of a stage's chara layer: placement, look, status,
// action conditions and flows. Held by value (see data/Palette.h). The game program reads
// charas with this class too.
#include <string>

#include "data/Element.h"
#include "data/Flow.h"

class cEdChara : public cRecord {
public:
    static constexpr int kGroups = 34;

    cEdChara();
    void Init();
    void RegisterFields(uint32_t version) override;
    // Extra data: the three raw values, the inheritance flags, the appearance conditions, the
    // flows. Load drops the test-play flows where the program drops them (data/Flow.h),
    // upgrades the flags of older files, inherits and validates; Save validates first.
    bool Load(cDataReader& in) override;
    void Save(cDataWriter& out) override;
    RECORD_COPY(cEdChara)

    // Two empty charas (graphic 0) are equal whatever else they hold.
    bool operator==(const cEdChara& other) const;
    bool operator!=(const cEdChara& other) const { return !(*this == other); }

    void Inherit();
    void CopyGroup(int group, const cEdChara& base);
    // Drops references that lead nowhere, resets database rows that do not exist and removes
    // the flows left without conditions, key conditions and commands.
    void Validate();

    // Where copy i of a placed chara stands relative to its cell, in dots; a chara facing right
    // (direction 1) mirrors the axes its flip flags name.
    double CopyOffsetX(int copy, int direction) const;
    double CopyOffsetY(int copy, int direction) const;

    uint8_t m_InheritSrc;       // 0 none, 1 common palette, 2 stage palette
    uint16_t m_InheritIndex;
    std::string m_Name;
    uint8_t m_CondJudge;
    uint8_t m_OnceTrue;
    uint8_t m_FaceRight;        // the direction: 1 placed facing right
    int8_t m_Clones;            // extra copies placed with it
    int16_t m_OffsetX;          // dots, and the step per copy
    int16_t m_OffsetXClone;
    int16_t m_OffsetY;
    int16_t m_OffsetYClone;
    uint8_t m_FlipX;            // mirror the X offset when facing right
    uint8_t m_FlipY;
    uint16_t m_Graphic;         // 1..119; 0 an empty chara
    uint8_t m_GraphicSrc;       // row of GraphicSrcNames
    uint16_t m_GraphicShift;
    uint16_t m_AnimeSet;        // row of the AnimeSet table
    uint8_t m_Z;
    uint8_t m_Transparent;
    uint16_t m_StartEffect;     // row of the CharaEffect table
    uint8_t m_StartEffectLoop;
    uint16_t m_DeathEffect;     // row of the CharaEffect table
    uint8_t m_MarkMode;
    uint16_t m_Mark;
    uint8_t m_Control;          // 0 the player (the hero), 1 the computer
    uint8_t m_PlayerNo;
    uint8_t m_Force;
    uint8_t m_CharaId;
    uint8_t m_Flight;
    uint8_t m_DirLock;
    uint8_t m_Invincible;
    uint8_t m_BlockHit;
    uint8_t m_Scale;            // 1..10
    uint8_t m_SightShape;
    uint8_t m_SightRange;
    int32_t m_Hp;
    int32_t m_Sp;
    uint16_t m_StopEase;
    int32_t m_BodyPower;
    int8_t m_BodyImpact;
    uint16_t m_BodyEffect;      // row of the Effect table
    uint8_t m_ImpactResist;
    int32_t m_Score;
    uint8_t m_CarryItem;        // holds the item on its cell
    uint8_t m_HasGroup;
    uint16_t m_GroupNo;
    uint8_t m_ActRange;
    uint8_t m_ActJudge;
    // Not registered: the column and row of a stored stage cell and the place of the item it
    // holds among the stage's stored items (-1 none).
    int16_t m_Extra1;
    int16_t m_Extra2;
    int32_t m_Extra3;
    cGroupFlags<kGroups> m_bbInherit;
    cRecordVector<cCondition> m_Conditions;
    cRecordVector<cFlow> m_Flows;
};
