#pragma once
// The player's character in play.
#include "game/play/CharaActor.h"

class cPlayerActor : public cActor {
public:
    // Stands the player with its box's top-left at (x, y), full of life.
    void Setup(int32_t number, const cEdChara& record, double x, double y);
    int OnMoveX() override { return ClampX(2); }
    int OnMoveY() override { return ClampY(2); }

    int32_t m_StartColumn = 0;
    int32_t m_StartRow = 0;
    int32_t m_LockDirection = 0;  // the input's direction (buttons) is ignored while set
    int32_t m_LockButtons = 0;
};
