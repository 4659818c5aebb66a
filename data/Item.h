#pragma once
// One entry of an item palette, and one cell of a stage's item layer: look, how it is taken,
// its sound, its appearance conditions and the item commands run when it is taken. Held by
// value (see data/Palette.h).
#include <string>

#include "data/Element.h"
#include "data/Flow.h"

class cEdItem : public cRecord {
public:
    static constexpr int kGroups = 13;

    cEdItem();
    void Init();
    void RegisterFields(uint32_t version) override;
    // Extra data: the two raw values, the inheritance flags, the appearance conditions, the
    // commands. Load then inherits and checks the references; Save checks them first.
    bool Load(cDataReader& in) override;
    void Save(cDataWriter& out) override;
    RECORD_COPY(cEdItem)

    // Two empty items (graphic 0) are equal whatever else they hold.
    bool operator==(const cEdItem& other) const;
    bool operator!=(const cEdItem& other) const { return !(*this == other); }

    void ApplyInherit();
    void CopyGroup(int group, const cEdItem& base);
    // Drops references that lead nowhere and resets database rows that do not exist.
    void CheckRef();
    // The item a reference designates; null when the source is not 1 or 2, its palette is not
    // there or the index is outside its item list.
    static const cEdItem* GetBaseItem(int source, int index);

    uint8_t m_InheritSrc;     // 0 none, 1 common palette, 2 stage palette
    int16_t m_InheritIndex;
    std::string m_Name;
    uint8_t m_CondJudge;
    uint8_t m_OnceTrue;
    int16_t m_OffsetX;        // dots
    int16_t m_OffsetY;
    uint16_t m_Graphic;       // 1..119; 0 an empty item
    uint8_t m_GraphicSrc;     // row of GraphicSrcNames
    uint16_t m_Frames;
    uint8_t m_Z;
    uint8_t m_Transparent;
    uint8_t m_MarkMode;
    uint16_t m_Mark;
    uint8_t m_ShowOnTake;     // shown above the chara that takes it
    uint8_t m_TakeMode;       // row of TakeModeNames
    uint8_t m_Scale;          // 1..10
    uint16_t m_Sound;         // row of the Sound table
    // Not registered: the column and row of a stored stage cell.
    int16_t m_Extra1;
    int16_t m_Extra2;
    cGroupFlags<kGroups> m_bbInherit;
    cRecordVector<cCondition> m_Conditions;
    cRecordVector<cFlowCmd> m_Commands;  // item commands (command set 1)
};
