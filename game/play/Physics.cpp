#include "game/play/Physics.h"

#include "data/Stage.h"

cPhysics PlayPhysics() {
    const cEdStage& stage = ProjectStage();
    cPhysics p;
    p.steps = stage.m_Level < 1 ? 1 : stage.m_Level;
    p.divisor = stage.m_LevelReal > 0.0 ? stage.m_LevelReal : 1.0;
    p.divisor2 = stage.m_LevelSquared > 0.0 ? stage.m_LevelSquared : 1.0;
    p.gravity = stage.m_GravityPerLevel2;
    p.maxSpeed = stage.m_MaxSpeedPerLevel;
    p.knockThreshold = stage.m_EightLevel;
    // A stage whose level was never set has no derived values yet: its six frames all the same.
    p.fallSteps = stage.m_SixLevel > 0 ? stage.m_SixLevel : 6 * p.steps;
    p.jumpCorrection = 0.0;
    return p;
}
