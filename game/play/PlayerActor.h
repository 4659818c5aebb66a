#pragma once
// The player's character in play: the camera follows it, and its box is lower while it flies.
#include <vector>

#include "game/play/BoxOverlay.h"
#include "game/play/CharaActor.h"

class cPlayerActor : public cActor {
public:
    // Stands the player with its box centred on (x, y), full of life.
    void Setup(int32_t number, const cEdChara& record, double x, double y);
    // The flying mode with the box it takes: 24 dots high walking, 16 flying. Going from flying
    // to walking stops the player; any change of gravity sets the mode-change countdown to 2.
    // With scaleThem, every size is scaled by the record's scale, which is the answer; else 1.
    int32_t SetHitboxes(int32_t mode, int scaleThem);
    // The view follows the player unless its axis scrolls by itself; then the box is kept in the
    // stage (walking) or the camera limits (flying).
    int OnMoveX() override;
    int OnMoveY() override;
    // The player's own screen rectangle: while the view follows it across, the player stands at
    // the screen's middle; at a camera limit, or on an axis that scrolls by itself, it stands
    // where its box is (with the position truncated before the scroll under automatic scroll).
    void UpdatePlayerScreenRect();
    // Never 4: the player does not leave the map sideways.
    int UpdateSpeedX() override;
    // 7 when a walking player fell into the bottom border.
    int UpdateMoveY() override;
    // A flyer drifts with the scroll, a walker stands until its flows move it.
    int Activate() override;
    // The jump rises while the key is held, up to the command's time; a key let go early cuts it
    // to 0.3 of its speed, and only a key pressed within the frame's sub-steps starts one.
    int Jump(cFlowCmdEntry& entry) override;
    void SetInAir(int32_t inAir) override { m_InAir = inAir; }
    void SaveFacing() { m_FacingCopy = m_Facing; }
    // Toolkit API: a number that pops up over the stage at (x, y) for half a second, as a timed
    // icon of the player, for flows and items that show a gain where it happened.
    void PopupNumber(int32_t value, int32_t x, int32_t y);
    // Unless the player sees the whole screen, covers the screen with the part of the sight mask
    // (built for its sight, the hole at its centre) that puts the hole on the player, or ahead of
    // it for a sight that looks ahead (SightView.cpp).
    void DrawCameraView(cSurface& target, cSurface& mask) const;

    int32_t m_StartColumn = 0;
    int32_t m_StartRow = 0;
    int32_t m_LockDirection = 0;  // the input's direction (buttons) is ignored while set
    int32_t m_LockButtons = 0;
    int32_t m_JumpHold = 0;   // steps the jump key has been held in this jump
    int32_t m_JumpReady = 1;  // a new jump may start
    int32_t m_JumpBlocked = 0;
    double m_BaseAccel = 4.0;
    int32_t m_JumpDone = 0;  // Jump ran in this step
    int32_t m_FacingCopy = 0;
    int32_t m_ModeCountdown = 0;
    int32_t m_EffectKind = 0;  // an item's effect on the movement: kind 3 changes the acceleration
    int32_t m_EffectOn = 0;
    double m_EffectFactor = 1.0;
    int32_t m_StepCount = 0;
    // Set when the player has gone the fall threshold's steps without ground under it and no
    // block character carries it; landing on a block character clears it.
    int32_t m_InAir = 0;
    double m_ApexSteps = 0.0;  // of the last jump a block gave: sub-steps until it tops out
    // While set, being pressed from both sides, from above and below, or into a wall by a block
    // character does not kill the player. Set-up leaves it clear.
    int32_t m_CrushImmune = 0;
    // The hit boxes shown over the stage (BoxOverlay.h), from the stage's settings at set-up.
    std::vector<cBoxOverlay> m_BoxOverlays;
};
