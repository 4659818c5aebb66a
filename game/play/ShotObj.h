#pragma once
// Shots and swords in play: one class for both. A shot is placed and given its speed by its
// formation (Formations.h) and then flies by its movement type until its lifetime or range runs
// out; a sword follows its owner through the positions of its sword type.
#include <cstdint>
#include <list>
#include <vector>

#include "data/MoveShot.h"
#include "game/media/Surface.h"
#include "game/play/Obj.h"

class cActor;
class cBlitBatch;
class cPlayScene;
class cSwordType;

// What a formation hands to the spawner for one object: where it starts and how fast it goes.
struct cPlacement {
    int32_t clone = 0;          // the volley's clone index: the shot's level
    double speed = 0.0;         // dots per frame
    double angleOffset = 0.0;   // degrees
    int32_t range = 0;          // this clone's range (hbl) and lifetime (1/10 s)
    int32_t life = 0;
    double vx = 0.0;            // dots per frame
    double vy = 0.0;
    double x = 0.0;             // the object's drawing box, stage dots
    double y = 0.0;
    double stepX = 0.0;         // between the objects of a line
    double stepY = 0.0;
    int32_t w = 16;             // one object's size
    int32_t h = 16;
    double offsetX = 0.0;       // the clone's launch offsets
    double offsetY = 0.0;
    int32_t dir = 2;            // direction code
};

// The launch offsets of a clone: the per-clone value times the index plus the base, mirrored
// for a shooter facing right when the record asks.
int32_t LaunchOffsetX(const cEdShot& shot, int32_t clone, int32_t facing);
int32_t LaunchOffsetY(const cEdShot& shot, int32_t clone, int32_t facing);

class cShotObj : public cObj {
public:
    static constexpr int kMoveTypes = 10;

    // Command type 12 makes a sword of the record's sword type; any other a shot.
    void Setup(int32_t number, const cActor& owner, int32_t cmdType, const cEdShot& shot, const cPlacement& p);
    // One sub-step: 1 when the shot or sword is to be removed.
    int Step(cPlayScene& scene);
    // The speed (capped at the stage's maximum) moves the box; X stays inside the map.
    int MoveX();
    int MoveY();
    int ClampShotX();
    // 1 when the box touches a cell whose block stops the shot; never when it pierces blocks.
    int HitsBlock(cPlayScene& scene) const;
    bool IsSword() const { return m_Kind == 0; }
    // A shot's 16 x 16 picture (the frame its animation shows) by its facing, a sword's part
    // of its sword type's picture for the facing; both stretched by their scale.
    void DrawShot(cBlitBatch& batch, int hold) const;
    void ScaleParts(int32_t scale) override;
    void AdjustForScale(int32_t newScale, int32_t oldScale) override;
    // The sword type of the record, or none when the table has no such row.
    const cSwordType* SwordType() const;

    cEdShot m_Shot;
    int32_t m_Kind = 1;  // 1 shot, 0 sword
    int32_t m_Owner = 0;  // the owner's object number
    int32_t m_RangeFrames = 0;
    int32_t m_LifeFrames = 0;
    int32_t m_Frame = 0;
    int32_t m_Second = 0;  // sword: position index; shot: trajectory counter
    int32_t m_SwordPos = 0;  // the position the sword's box was last placed at: the one drawn
    int32_t m_ChangeFrame = 0;
    int32_t m_EndFrame = 0;
    int32_t m_TrajDone = 0;
    double m_TrajSpeed = 0.0;
    int32_t m_WaveStarted = 0;
    double m_WavePhase = 0.0;
    double m_WaveSin = 0.0;
    double m_WaveCos = 0.0;
    double m_WaveLast = 0.0;
    int32_t m_Scale = 1;
    int32_t m_Finished = 0;  // a hit ended it: removed at the next step
    // Collisions: the group it flies in (its owner's or its own force's), the characters (numbers)
    // it has hit, and the mark of a shot the pass takes out.
    int32_t m_Group = 0;
    std::vector<int32_t> m_HitList;
    int32_t m_Removed = 0;
    int Group() const;
    bool HasHit(int32_t number) const;
    // The character a shot of types 3 and 6 heads for; the scene clears it when that character
    // is removed (cPlayScene::ForgetTarget).
    cActor* m_Target = nullptr;

private:
    void StepTrajectory(cPlayScene& scene);
    int StepSword(cPlayScene& scene);
    // Speeds toward the character's centre at the trajectory speed; the facing follows them.
    void AimAtActor(const cActor& target);
    // The wave's next step of the speed along its direction.
    double WaveStep();
};

typedef std::list<cShotObj> cShotList;
