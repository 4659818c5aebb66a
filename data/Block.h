#pragma once
// One entry of a block palette, and one cell of a stage's block layer: what the cell shows and
// how it behaves. Held by value (see data/Palette.h).
#include <string>

#include "data/Element.h"
#include "data/Condition.h"

class cEdBlock : public cRecord {
public:
    static constexpr int kGroups = 11;

    cEdBlock();
    void Init();
    void RegisterFields(uint32_t version) override;
    // Extra data: the two raw values, the inheritance flags, the appearance conditions. Load
    // then inherits and validates; Save validates first.
    bool Load(cDataReader& in) override;
    void Save(cDataWriter& out) override;
    RECORD_COPY(cEdBlock)

    // Two empty blocks (graphic 0) are equal whatever else they hold.
    bool operator==(const cEdBlock& other) const;
    bool operator!=(const cEdBlock& other) const { return !(*this == other); }

    // Takes the flagged groups from the base block that the reference designates; a reference
    // past the end of its palette's list is dropped (source 0).
    void Inherit();
    // Copies one attribute group from another block.
    void CopyGroup(int group, const cEdBlock& base);
    // Drops references that lead nowhere; an empty block is never solid nor protected.
    void Validate();

    uint8_t m_InheritSrc;     // 0 none, 1 common palette, 2 stage palette
    int16_t m_InheritIndex;   // the base block in that palette
    std::string m_Name;
    uint8_t m_CondJudge;      // 0 all conditions, 1 any condition
    uint8_t m_OnceTrue;
    uint16_t m_Graphic;       // 1..119; 0 an empty block
    uint8_t m_GraphicSrc;     // row of GraphicSrcNames
    uint16_t m_Frames;
    uint8_t m_Front;          // drawn in front of the charas
    uint8_t m_Transparent;
    uint8_t m_MarkMode;       // row of MarkModeNames
    uint16_t m_Mark;
    uint8_t m_BlockType;      // row of BlockTypeNames
    uint8_t m_NoHitForce;     // 0..7, 255 none
    uint8_t m_Action;         // row of BlockActionNames
    int32_t m_ActionX;
    uint8_t m_ItemSrc;        // 0 none, 1 common palette, 2 stage palette
    int16_t m_ItemIndex;
    uint8_t m_NoSummon;
    // Not registered: the column and row of a stored stage cell.
    int16_t m_Extra1;
    int16_t m_Extra2;
    cGroupFlags<kGroups> m_bbInherit;
    cRecordVector<cCondition> m_Conditions;
};
