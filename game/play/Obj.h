#pragma once
// What every object in a stage at play shares: its box in stage dots (including the 320-dot
// border, see game/play/Scroll.h), its drawing box and scale, its rectangle on the screen and
// the tests of the box against the two scroll axes of the play scene.
#include <cstdint>

#include "framework/AnimePlayer.h"
#include "framework/Geometry.h"

class cAutoVanish;
struct cFlowCmdEntry;

class cObj {
public:
    cObj() : m_Anime(eAnimeKeepCurrent) {}
    virtual ~cObj() = default;
    cObj(const cObj&) = default;
    cObj& operator=(const cObj&) = default;

    // Base and scaled sizes get the same values; speeds are zeroed, the counter is the largest
    // int and the object is neither present nor on screen. An object that brings its own
    // animations (a null-terminated list of frame arrays, see cAnimePlayer) starts the first
    // one; characters take theirs from their animation set instead.
    void Init(int32_t number, int32_t control1, int32_t control2, int32_t control3, int32_t kindValue,
              int32_t drawOffsetX, int32_t drawOffsetY, int32_t width, int32_t height, int32_t drawWidth,
              int32_t drawHeight, int32_t facing, int32_t flyingMode, int32_t level,
              const int32_t* const* builtInAnime = nullptr, int32_t firstAnime = 0);
    // 0 walks, 1 flies through blocks, 2 flies and is stopped by them, 3 flies and dies on them.
    void SetFlyingMode(int32_t mode);
    // Scales every size and offset from its base (whole numbers, 1 the normal size), keeping
    // the horizontal centre.
    void SetScale(int32_t newScale, int32_t oldScale);
    void KeepCentreX(int32_t newScale, int32_t oldScale);

    // Keep the box inside limits and tell where it is. Mode 0: the camera limits (result 0).
    // Mode 1: the stage proper (0), else 1 outside the camera limits. Mode 2: the map (X: 3 when
    // moved back; Y: 3 at the top, 6 at the bottom), else 2 (Y: 2 top, 5 bottom) in the border,
    // 1 (Y: 1 top, 4 bottom) outside the camera limits, 0 inside.
    int ClampX(int mode);
    int ClampY(int mode);
    void UpdateScreenRect();
    // Whole stage: the box lies inside the map; else inside the stage proper.
    int IsInArea(int wholeStage) const;
    // The box against the view; an ignored axis always passes.
    int IsOnScreen() const;
    int IsOnScreenAxes(int ignoreX, int ignoreY) const;
    // 1 when the object has passed an enabled side of the removal rule, or touches the map's
    // edge; never while it is on screen.
    int IsOutOfRemovalArea(const cAutoVanish& rule) const;
    // The group whose blocks let the object pass (control value 3); characters take theirs
    // from their force, and everything that tests them against the map uses this one rule.
    virtual int32_t BlockGroup() const { return m_Control[2]; }
    // Control value 1 clear: the player. A shot or a sword carries its owner's value, so it tells
    // the player's shots from the others'.
    bool IsPlayer() const { return m_Control[0] == 0; }
    bool Flying() const { return m_NoGravity != 0; }
    // A flyer of mode 1: the map's blocks and the block characters never stop it.
    bool IgnoresBlocks() const { return Flying() && m_BlockContact == 0; }
    // 1 when a corner of the box lies in a map cell whose block stops the object's block group.
    // TouchesCell asks as the object itself: one that flies through blocks touches none.
    int TouchesSolidCell() const;
    int TouchesCell() const;

    // The speed, capped at the stage's maximum, moves the box, then the clamp of the mode.
    int MoveX(int mode);
    int MoveY(int mode);
    virtual void ApplyGravity();
    // Wears an inertia component down by the friction, never past 0.
    void ApplyFriction(double& component, int on) const {
        if (on) WearDown(component, m_Friction);
    }
    // Brings the value amount nearer 0, stopping at 0.
    static void WearDown(double& value, double amount);
    int GetDirSign() const { return m_Facing ? 1 : -1; }

    // Placing by the centre of the screen rectangle (screen coordinates); only characters move.
    virtual void SetCentre(int32_t, int32_t) {}
    virtual void SetCentreReset(int32_t, int32_t, cFlowCmdEntry&) {}
    virtual void SetCentreX(int32_t) {}
    virtual void SetCentreXReset(int32_t, cFlowCmdEntry&) {}
    virtual void SetCentreY(int32_t) {}
    virtual void SetCentreYReset(int32_t, cFlowCmdEntry&) {}

    virtual void ScaleParts(int32_t) {}
    virtual void AdjustForScale(int32_t, int32_t) {}
    virtual void UpdateBoxX() {}
    virtual void UpdateBoxY() {}

    int32_t m_Number = 0;
    int32_t m_Counter = 0;   // counts down; timed objects end at 0
    int32_t m_Facing = 0;    // 1 faces right
    int16_t m_Level = 0;
    int32_t m_KindValue = 0;
    cAnimePlayer m_Anime;
    int32_t m_Spare[3] = {};
    cRect m_ScreenRect;
    int32_t m_DrawOffsetX = 0;  // scaled: where the hit box lies in the drawing box
    int32_t m_DrawOffsetY = 0;
    int32_t m_DrawWidth = 0;
    int32_t m_DrawHeight = 0;
    int32_t m_BaseDrawOffsetX = 0;
    int32_t m_BaseDrawOffsetY = 0;
    int32_t m_BaseDrawWidth = 0;
    int32_t m_BaseDrawHeight = 0;
    int32_t m_Control[3] = {};
    double m_X = 0.0;  // the hit box, edges included
    double m_Y = 0.0;
    double m_Right = 0.0;
    double m_Bottom = 0.0;
    int32_t m_LeftColumn = 0;
    int32_t m_TopRow = 0;
    int32_t m_RightColumn = 0;
    int32_t m_BottomRow = 0;
    double m_dSpeedX = 0.0;
    double m_dSpeedY = 0.0;
    double m_dAcSpeedX = 0.0;
    double m_dAcSpeedY = 0.0;
    double m_Friction = 0.0;
    int32_t m_FrictionX = 0;
    int32_t m_FrictionY = 0;
    int32_t m_Width = 0;  // scaled hit box
    int32_t m_Height = 0;
    int32_t m_BaseWidth = 0;
    int32_t m_BaseHeight = 0;
    int32_t m_NoGravity = 0;
    uint8_t m_BlockContact = 1;  // 0 passes blocks, 1 is stopped, 2 dies on them
    int32_t m_Present = 0;
    int32_t m_OnScreen = 0;
    uint8_t m_Flag = 0;
};
