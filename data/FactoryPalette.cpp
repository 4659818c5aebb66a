#include "data/CommonPalette.h"

namespace {
const int kFactoryElements = 65;
}

void CommonPaletteDefaults(cCommonPalette& palette) {
    palette.Reset();
    palette.m_Blocks.assign(kFactoryElements, cEdBlock());
    palette.m_Charas.assign(kFactoryElements, cEdChara());
    palette.m_Items.assign(kFactoryElements, cEdItem());
    for (int i = 0; i < kFactoryElements; ++i) {
        palette.m_Blocks[i].m_Graphic = i;
        palette.m_Items[i].m_Graphic = i;
        palette.m_Items[i].m_Z = 3;
    }

    cEdChara& hero = palette.m_Charas[1];
    hero.m_Control = 0;
    hero.m_Graphic = 1;
    hero.m_CarryItem = 0;
    hero.m_FaceRight = 1;
    hero.m_Z = 3;
    hero.m_Force = 0;
    hero.m_Hp = 10;
    hero.m_BodyPower = 0;
    for (int i = 2; i < kFactoryElements; ++i) {
        cEdChara& enemy = palette.m_Charas[i];
        enemy.m_Control = 1;
        enemy.m_Graphic = i;
        enemy.m_AnimeSet = 1;
        enemy.m_Z = 3;
        enemy.m_Force = 1;
        enemy.m_Hp = 10;
        enemy.m_BodyPower = 4;
    }
}
