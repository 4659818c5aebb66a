#pragma once
// Characters in play: cActor, the base of every character, with its own copy of the chara
// record and a flow runner per flow of it; cCharaActor, a character of the stage (placed or
// summoned) that is not the player.
#include <list>
#include <vector>

#include "data/Chara.h"
#include "game/data/EffectState.h"
#include "game/flow/FlowRunner.h"
#include "game/play/FlowFields.h"
#include "game/play/ItemObj.h"
#include "game/play/Obj.h"

class cBlitBatch;
class cInput;
struct cBlockCell;

// A gauge shown over a character for a while after its life or SP changed.
struct cGauge {
    int32_t m_Timer = 0;   // frames it still shows
    int32_t m_Length = 0;  // dots, 0 to 50
    double m_Change = 0.0;
    double m_Step = 0.0;   // of the change, per frame
};

// An animation a flow runs over the character's own (newest first in the character's list).
struct cRunningAnime {
    cAnimePlayer m_Player;
    int32_t m_Timed = 0;
    int32_t m_Count = 0;
    int32_t m_Count2 = 0;
    int32_t m_FlowKey = 0;  // the key of the runner that started it
    int32_t m_Suspended = 0;
    int32_t m_AnimeRow = 0;  // the Anime table's row it plays
    int32_t m_Value = 0;     // the pattern it shows
};

// A change of a character's flows asked for while its flows were being stepped: applied when
// the pass ends (cActor::ChangeFlows).
struct cFlowChange {
    int32_t m_Mode = 0;
    int32_t m_Id = 0;
    cRecordVector<cFlow> m_Flows;
};

// Invincibility against one attacker: its object number and the sub-steps left.
struct cAttackerGuard {
    int32_t m_Attacker = 0;
    int32_t m_Steps = 0;
};

// Every field of a character. They live apart from cActor's operations so that copying a
// character copies them all and cActor's copy then points the copy's runners at its own flows:
// add a character's fields here.
class cActorFields : public cObj {
public:
    static constexpr int kFlowGroups = 27;  // flow groups 1 to 26; 0 is none
    static constexpr int kCounters = 9;

    std::vector<int32_t> m_Scratch[2];
    cEdChara m_Chara;
    std::vector<cFlowRunner> m_Runners;  // one per flow of m_Chara, in its order
    std::vector<uint8_t> m_RunningGroups = std::vector<uint8_t>(kFlowGroups);
    std::vector<uint8_t> m_StartedGroups = std::vector<uint8_t>(kFlowGroups);
    std::vector<uint8_t> m_ReleaseGroups = std::vector<uint8_t>(kFlowGroups);  // a flow of the group finished
    std::vector<uint8_t> m_BlockedGroups = std::vector<uint8_t>(kFlowGroups);
    int32_t m_ReleasePending = 0;  // some flow finished
    int32_t m_RemovePending = 0;   // some runner is marked for removal
    int32_t m_NextKey = 0;         // the serial the next runner gets
    int32_t m_Placement[4] = {};
    int32_t m_Moving = 0;
    double m_ImpulseX = 0.0;  // knock-back speeds
    double m_ImpulseY = 0.0;
    int32_t m_ImpulseActive = 0;
    double m_PrevImpulseY = 0.0;
    int32_t m_Falling = 0;
    int32_t m_Jumping = 0;
    int32_t m_JumpEnd = 0;
    int32_t m_CeilingLock = 0;
    int32_t m_AirCounter = 0;
    int32_t m_OnObject = 0;
    int32_t m_JumpStart = 0;
    int32_t m_LastTurn = -1;  // side of the last sideways block contact: 0 left, 1 right
    uint8_t m_DirFixed = 0;   // flows keep the facing unless they force it
    cBlockCell* m_CellBelow = nullptr;
    int32_t m_Contact[4] = {};
    int32_t m_BlockMark = 0;
    int32_t m_CarrierId = 0;
    double m_CarrierBox[4] = {};
    double m_Saved[4] = {};  // X, Y, right, bottom
    int32_t m_Hp = 0;
    int32_t m_MaxHp = 0;
    cGauge m_HpGauge;
    int32_t m_Sp = 0;
    int32_t m_MaxSp = 0;
    cGauge m_SpGauge;
    std::vector<int32_t> m_Counters = std::vector<int32_t>(kCounters);
    std::list<cRunningAnime> m_Animes;
    int16_t m_AnimeSet = 0;
    int32_t m_Dead = 0;
    int32_t m_DeathFrames = 0;
    cActorFlowFields m_Flow;
    // Drawing (CharaDraw.cpp): the running character effect, the pattern shown, the base
    // animation's own pattern, and the switches that keep the character from being drawn.
    cEffectState m_CharaEffect;
    int32_t m_ShownFrame = 0;
    int32_t m_BaseFrame = 0;
    int32_t m_Hidden = 0;
    int32_t m_DrawSkip = 0;
    // Damage (Damage.cpp): invincibility for all attackers and per attacker, in sub-steps.
    int32_t m_GuardSteps = 0;
    std::vector<cAttackerGuard> m_AttackerGuards;
    // Map-cell tests (BlockCollision.cpp): points sampled along an edge beyond the first (negative:
    // blocks never stop the character) and their spacings plus 1 along the horizontal and vertical
    // edges, fitted to the box by FitEdgeSamples.
    int8_t m_EdgeSamples = 1;
    int32_t m_SpacingX = 16;
    int32_t m_SpacingY = 16;
    int32_t m_WallSide = 0;  // 0 left, 1 right
    cBlockCell* m_LastCellBelow = nullptr;
    int32_t m_BlockEffect = 0;  // the running block effect under the player: kind, value, steps left
    int32_t m_BlockEffectValue = 0;
    int32_t m_BlockEffectSteps = 0;
    int32_t m_NoJump = 0;  // a block forbids jumping
    int32_t m_ItemCooldown = 0;  // steps before the block under the player gives its item again
    // Flows (FlowChange.cpp): a stage character asked to vanish leaves with the frame's picture;
    // changes of the flows wait while the runners are being stepped.
    int32_t m_Vanish = 0;
    int32_t m_Stepping = 0;
    std::vector<cFlowChange> m_FlowChanges;
};

class cActor : public cActorFields {
public:
    static constexpr int kGroups = 9;  // collision groups: none, then forces 0 to 7

    cActor() = default;
    cActor(const cActor& other) : cActorFields(other) { RelinkFlows(); }
    cActor& operator=(const cActor& other) {
        CopyFrom(other);
        return *this;
    }

    // The collision group the record's force selects.
    int Group() const { return m_Chara.m_Force < kGroups ? m_Chara.m_Force : 0; }
    // The block pass group: a force other than none (0) is force - 1; none passes no block.
    int32_t BlockGroup() const override { return m_Chara.m_Force > 0 ? m_Chara.m_Force - 1 : -1; }
    // Samples every edge from end to end, no two points further apart than a block less a dot.
    void FitEdgeSamples();
    int32_t Scale() const { return m_Chara.m_Scale < 1 ? 1 : m_Chara.m_Scale; }
    // Keeps the bottom edge where it was.
    void AdjustForScale(int32_t newScale, int32_t oldScale) override;
    virtual int OnMoveX() { return 0; }
    virtual int OnMoveY() { return 0; }
    // One step's moves (StageChara.cpp, Player.cpp): speed X moves the box across (4 when a
    // character left the map), then impulse, inertia and speed Y move it down (7 a fall to death,
    // 8 a flyer that left the map).
    virtual int UpdateSpeedX() { return 0; }
    virtual int UpdateMoveY() { return 0; }
    // One step of the jump command; characters that cannot jump ignore it (0).
    virtual int Jump(cFlowCmdEntry&) { return 0; }
    // The character's own step before it moves (CharaStep.cpp, PlayerStep.cpp): the speeds its
    // flows set afresh, its running flows stepped, its resting animation. 1 when its life ran
    // out in a flow.
    virtual int Activate() { return StepFlows(); }
    // The start of every character's step, and the animation it rests in when nothing moves it.
    void BeginStep();
    void RestAnime();
    // Every field of the other character; the copy's runners run the copy's own flows.
    virtual void CopyFrom(const cActor& other);
    // The item the character carries; none for most.
    virtual cItemObj* GetHeldItem() { return nullptr; }
    // The player's air flag; the other characters have none.
    virtual void SetInAir(int32_t) {}

    // Death: the drawn frames count from here until the defeat's end (StepDefeated).
    void StartDeath() {
        m_Dead = 1;
        m_DeathFrames = 0;
    }
    enum eContact { eContactLeft, eContactRight, eContactTop, eContactBottom };

    // Flows (CharaFlows.cpp). Reset fills the character from a record (none keeps its own):
    // groups, state flags, gauges and counters cleared, life and SP full, the animation set's
    // animations.
    void Reset(const cEdChara* record, int32_t a, int32_t b, int32_t c, int32_t d, int32_t level);
    // One animation per animation of the set, each frame six times as long; a set the database
    // does not have is reported and the first is used.
    void SetAnimeSet(int32_t index);
    // Runners for flows: insert 0 rebuilds them all for the record's own flows (flows is then
    // that list); insert 1 adds copies of the flows to the record's list at position (past the
    // end or negative: at the end) with a runner each.
    void SetFlows(const cRecordVector<cFlow>& flows, int32_t facing, int insert, int position);
    // Toolkit API: takes a copy of another character's runners, for a character that is to go
    // on with another's running flows (their flows must be the record's).
    void ReplaceRunners(const std::vector<cFlowRunner>& runners);
    void RemoveFlow(int index);
    // Id 0 removes every flow and answers 0; else the flows of that id, answering the index of
    // the first removed, -1 when none has it.
    int RemoveFlowsById(int id);
    // Starts the flows of the trigger whose group is free, which are not blocked, and whose
    // conditions and key conditions hold.
    void StartFlowsByTrigger(int trigger);
    // Toolkit API: lets every flow and group start again, the undoing of the blocks that keep
    // them from starting.
    void ClearFlowBlocks();
    // Starts the effects of the commands the running flows have reached.
    void StartFlowEffects();
    // Takes out the animations the runner of the key started.
    void RemoveAnimesByFlow(int32_t key);
    // Holds the animations of the key where they are (one with nothing left to show ends), and
    // lets them go on (ActorFlowStep.cpp).
    void SuspendAnimesByFlow(int32_t key);
    void ResumeAnimesByFlow(int32_t key);
    // One step of the running flows: each is stepped in order and finished when complete;
    // deleted flows leave and finished groups are free again afterwards. 1 when the
    // character's life ran out in a flow other than a "死亡した時" one (the rest wait).
    int StepFlows();
    // "フローの変更": mode 0 adds the flows at the end; mode 1 finishes and removes the flows of
    // the ID (none for ID 0) and puts the new ones where the first of them was (at the end when
    // none had it); mode 2 only removes. While the runners are being stepped or one of them runs a
    // command, the removed ones finish at once and the change waits for the end of the next pass
    // of the flows, so no runner moves under a running command.
    void ChangeFlows(int32_t mode, int32_t id, const cRecordVector<cFlow>& flows);
    void ApplyFlowChanges();
    // 1 when the key conditions of the runner's flow are met now (KeyConditions.cpp); a flow
    // that does not repeat passes only as they become met.
    int KeyConditionsMet(cFlowRunner& runner);
    // The input that steers the character: player 0's with control value 1, else the one control
    // value 2 names; none when there is no such input.
    const cInput* ControlInput() const;

    // Saved position, contacts and placing by the centre (CharaStatus.cpp).
    void SavePosition();
    // Toolkit API: puts back the box SavePosition kept, for a move that is to be taken back.
    void RestorePosition();
    void ClearContacts();
    void SetCentre(int32_t x, int32_t y) override;
    void SetCentreReset(int32_t x, int32_t y, cFlowCmdEntry& entry) override;
    void SetCentreX(int32_t x) override;
    void SetCentreXReset(int32_t x, cFlowCmdEntry& entry) override;
    void SetCentreY(int32_t y) override;
    void SetCentreYReset(int32_t y, cFlowCmdEntry& entry) override;

    // Movement (Movement.cpp): gravity, knock-back impulses in hbl, jumps, landing.
    void ApplyGravity() override;
    void ApplyImpulse(int strength, double dx, double dy);
    void ImpulseFromBody(const cActor& hitter);
    // A shot's impact along its speeds, or straight along its facing.
    void ImpulseFromShot(int strength, const cObj& shot, int alongSpeeds);
    void ApplyImpulseY();
    void DecayImpulseX();
    void DecayImpulseY();
    // Upward (negative) speeds that rise so high; gravity 0 or less gives 0.
    double JumpSpeedForHeight(double dots) const;
    double JumpSpeedForHbl(double hbl) const { return JumpSpeedForHeight(hbl * 16); }
    static double StepsToApex(double speed);
    // The jump's time in tenths of a second, at least 1.
    int32_t JumpTime(double hbl) const;
    int IsOnGround();
    void Land();
    void HitCeiling();
    void LeaveObject(int mark);
    // Toolkit API: places the character on block column and row at once (X first), the two
    // placements below together.
    void PlaceAtBlock(int32_t column, int32_t row);
    void PlaceAtBlockX(int32_t column);
    void PlaceAtBlockY(int32_t row);
    // Stands the character on stage cell (column, row), kept inside the map.
    void PlaceAtCell(int32_t column, int32_t row);

    // Targets (Targets.cpp): the centre of the screen rectangle, aiming and the distance test.
    int32_t CentreX() const { return m_ScreenRect.left + m_DrawWidth / 2; }
    int32_t CentreY() const { return m_ScreenRect.top + m_DrawHeight / 2; }
    // Toolkit API: the default nearest search (FindNearestDefault, Targets.h) from this
    // character's centre, for flows that look for the nearest other character.
    template <class List>
    cActor* FindNearestToMe(List& list) const;
    void GetTargetPoint(double& x, double& y, const cFlowCmdEntry& entry) const;
    int MoveToward(cFlowCmdEntry& entry, double toX, double toY, int arrivalTest);
    int MoveTowardX(cFlowCmdEntry& entry, double toX, int arrivalTest);
    int MoveTowardY(cFlowCmdEntry& entry, double toY, int arrivalTest);
    int DistanceConditionMet(const cCondition& condition) const;

    // Points every runner, its entries and key conditions at the flow of its own place again.
    void RelinkFlows();

    // Life changed by the amount, kept within 0 and the maximum; a loss leaves an invincible
    // character as it is unless told to ignore that. With the gauge shown, a change shows the
    // life gauge. 1 when life has fallen to 0.
    int ChangeLife(int32_t amount, int32_t ignoreInvincible, int32_t showGauge);
    // SP the same way (no invincibility). 1 when the maximum SP is 0 or less.
    int ChangeSP(int32_t amount, int32_t showGauge);
    // The friction the record's "止まりやすさ" gives at the stage's speed level.
    void ResetFriction();
};

class cCharaActor : public cActor {
public:
    // A block character (one that other characters stand on) has a 32 x 32 box filling its
    // drawing box; any other a 16 x 30 box standing in it. The held item is copied, or the
    // slot stays empty.
    void Setup(int32_t number, const cEdChara& record, const cItemObj* heldItem, double x, double y,
               int32_t copyIndex);
    int OnMoveX() override { return ClampX(2); }
    int OnMoveY() override { return ClampY(2); }
    int UpdateSpeedX() override;
    int UpdateMoveY() override;
    int Activate() override;
    // A jump starts only from the ground; else the first of falling, the ceiling lock, an active
    // impulse and the air count that stands in its way.
    int Jump(cFlowCmdEntry& entry) override;
    // 1 when the character is in view on the axes it does not ignore; a counted one then marks its
    // appearance number in the list. TryAppear also lets one appear whose number another has
    // marked, and a walker that is jumping or, having appeared before, falling.
    int AppearTest(std::vector<uint8_t>& appeared);
    int TryAppear(std::vector<uint8_t>& appeared);

    bool IsBlockChara() const { return m_Chara.m_BlockHit != 0; }
    cItemObj* GetHeldItem() override { return m_HeldItem.m_Held ? &m_HeldItem : nullptr; }
    // A character carrying an item blinks the item's small picture over its head: the last 32 of
    // every 96 pictures in which the character and its item are both on show (HeldItemMark.cpp).
    // The scene counts them before each picture; the painter only draws.
    void StepHeldItemMark();
    void DrawHeldItemMark(cBlitBatch& batch) const;

    cItemObj m_HeldItem;
    int32_t m_ItemMark = 0;  // pictures of the mark's cycle so far, 1 to 96
    int32_t m_IgnoreX = 0;
    int32_t m_IgnoreY = 0;
    int32_t m_Appeared = 0;
    int32_t m_CopyIndex = 0;
    int32_t m_CondHeld = 0;  // the record's conditions held once (kept with its once flag)
};
