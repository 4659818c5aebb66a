#pragma once
// The small records a stage holds besides its cells: its background layers and its rules for
// objects that vanish outside the screen.
#include <cstdint>
#include <string>

#include "data/Record.h"

// A picture or a colour drawn behind the stage (or in front of the charas), scrolling at its
// own speed.
class cBackLayer : public cRecord {
public:
    cBackLayer();
    void RegisterFields(uint32_t version) override;
    RECORD_COPY(cBackLayer)

    int32_t m_ShowAtStart;   // "最初から表示"
    int32_t m_UseColor;      // "色で指定"
    int32_t m_Color;         // "色番号", 16..207
    int32_t m_Front;         // "キャラより手前に表示"
    double m_SpeedX;         // "横スクロールの速度", -640.0..640.0; 1.00 moves with the player
    double m_SpeedY;         // "縦スクロールの速度", -480.0..480.0
    int32_t m_AutoScrollX;
    int32_t m_AutoScrollY;
    std::string m_Picture;   // under bmp\back\ .
    double m_Extra1;         // kept for the game program; the editor does not show them
    double m_Extra2;

private:
    int32_t m_Dropped[2] = {0, 0};  // values older files hold where nothing reads them
};

// One kind of object's "自動消滅" rule: it vanishes when it lies beyond an edge of the screen
// by more than the margin, in blocks, for each edge whose flag is on.
class cAutoVanish : public cRecord {
public:
    cAutoVanish() {
        RegisterFields(kDataVersion);
        Reset();
    }
    void RegisterFields(uint32_t version) override;
    RECORD_COPY(cAutoVanish)

    int32_t m_Left, m_Right, m_Top, m_Bottom;
    int32_t m_LeftMargin, m_RightMargin, m_TopMargin, m_BottomMargin;
};

// The stage's five rules, in file order.
enum eAutoVanish {
    eVanishEnemy,       // enemies that are not blocks
    eVanishEnemyBlock,  // enemies that are blocks
    eVanishItem,
    eVanishHeroShot,
    eVanishEnemyShot,
    eVanishCount
};
