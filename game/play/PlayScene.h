#pragma once
// The play scene (scene 4): one stage at play. It owns the stage's runtime lists (the map cells, the
// characters, the items and the collision groups) and the two scroll axes, builds them from the
// loaded stage and draws the blocks and the screen effects. One play scene exists at a time;
// CurrentPlayScene() reaches it.
#include <cstdint>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "data/Block.h"
#include "data/Chara.h"
#include "data/Item.h"
#include "data/MoveShot.h"
#include "data/Stage.h"
#include "framework/CheckedVector.h"
#include "game/core/Scene.h"
#include "game/data/EffectState.h"
#include "game/media/Surface.h"
#include "game/play/Box.h"
#include "game/play/CharaActor.h"
#include "game/play/Damage.h"
#include "game/play/EffectObj.h"
#include "game/play/ItemObj.h"
#include "game/play/PictureObj.h"
#include "game/play/PlayHost.h"
#include "game/play/PlayRandom.h"
#include "game/play/PlayerActor.h"
#include "game/play/ScreenColour.h"
#include "game/play/ShotObj.h"
#include "game/play/Scroll.h"
#include "game/play/StripIndex.h"
#include "game/play/TextObj.h"

class cBlitBatch;

// One cell of the map: a copy of the block placed there (an empty block where none is) and the
// cell's own state byte, which stays with the cell when its block is replaced.
struct cBlockCell {
    // A new block in the cell: its state and remembered conditions start afresh.
    void Put(const cEdBlock& placed) {
        block = placed;
        state = 0;
        condHeld = 0;
    }

    cEdBlock block;
    uint8_t state = 0;
    int32_t condHeld = 0;  // the block's conditions held once (kept with its once flag)
};

typedef cCheckedVector<cBlockCell, eCloseProgram> cBlockMap;
typedef cCheckedList<cCharaActor, eCloseProgram> cCharaList;
typedef cCheckedList<cItemObj, eCloseProgram> cItemList;
typedef std::vector<cActor*> cActorGroup;

// The blocking wait of message and wait commands and of the tally: the play frame is held while
// the scene keeps drawing and reading keys.
struct cPauseWait {
    // frames > 0 in mode 1 without noDelay waits 10 frames before it counts.
    void Start(int32_t mode, int32_t frames, int32_t waitForKey, int32_t noDelay);

    int32_t m_Mode = 0;
    int32_t m_Delay = 0;
    int32_t m_WaitForKey = 0;
    int32_t m_Frames = 0;
    int32_t m_Done = 0;
};

// The scene's states, in handler order.
enum ePlayState { ePlayFadeIn, ePlayIntro, ePlayRun, ePlayPause, ePlayResult, ePlayGameOver, ePlayFadeOut };
// What a sub-step or a check ends in.
enum ePlayOutcome { ePlayGoOn = 0, ePlayCleared = 1, ePlayDies = 2 };

class cPlayScene : public cScene {
public:
    // The most copies one placement or summon makes: the record's count is a signed byte.
    static constexpr int kMaxCopies = 127;
    // Cell indexes that name no cell of the map: a point off it (read as the empty border cell),
    // and no cell at all.
    static constexpr uint32_t kOffMap = UINT32_MAX;
    static constexpr uint32_t kNoCell = UINT32_MAX - 1;

    cPlayScene();
    ~cPlayScene() override;

    // Builds the running stage from the loaded one: scroll axes, map cells, the player, the
    // characters and items. False (with its message, and the main window asked to close) when
    // the map does not fit in memory.
    bool SetStage(const cEdStage& stage);
    // The stage start of a life or a retry: with reload the stage file is read again first; a
    // failed reload or set-up asks the game to end and answers false.
    bool SetStage(int reload);
    void SetUpStageCounters(const cEdStage& stage);
    // One int per sub-step: 1 where collisions are checked. hitChecks 0 (or less) checks on
    // every sub-step.
    static std::vector<int32_t> HitCheckTable(int32_t subSteps, int32_t hitChecks);

    // The scene's frame; a scene not yet started runs Init first.
    int Frame() override;
    void Init() override;
    int FadeIn() override;
    int Intro();
    int PlayFrame();
    int PauseMenu();
    int Result();
    int GameOver();
    int FadeOut() override;
    // Test seam (the tests, the committed replays and the benchmark drive play headless): player
    // 0's direction and button words for this frame, then Frame.
    int StepFrame(int16_t direction, int16_t buttons);
    // One sub-step of play (n from 1): ePlayGoOn, ePlayCleared or ePlayDies.
    int SubStep(int32_t n);
    // The moves of a sub-step (PlayMove.cpp): every character's box as the step starts, then the
    // block characters, the player (ePlayDies when it died, with the cause in the trace log) and
    // the other stage characters move and meet the map cells. Each stage character takes its own
    // step ("常時" fires, then its flows step) right before its move; one its flows left dying is
    // defeated there and does not move.
    void SavePositions();
    void MoveBlockCharas();
    int MovePlayer(cPlayerActor& player);
    void MoveCharas();
    // A character's defeat: its death starts, once; with the sound of a character dying.
    void DefeatChara(cCharaActor& chara, bool sound = true);
    // Marks what takes part in this sub-step and what is on screen.
    void Activate();
    // The changes a drawn frame makes (in drawing order), then the host's picture of it. Flag 1
    // draws the stage in the pause state too, flag 2 holds objects and effects, flag 3 lets the
    // time display sound, flag 4 shows the mode caption.
    void Draw(int32_t flag1, int32_t flag2, int32_t flag3, int32_t flag4);
    // Stage clear (StageClear.cpp): the tally, then whether the result enters a ranking.
    void StageClear();
    // The stage's results join the totals; each multiple of the extra-life score crossed gives
    // a life (99 at most) with its 30-frame display.
    void Tally();
    // 1 with the path of stage number of the series (its newest numbered copy) when it exists.
    int NextStagePath(std::string& path, int32_t number);
    int IsLastOfSeries(int32_t number);
    // The pending ranking rows go into the ranking file under the entered or fixed name; the
    // ranking is then shown.
    void EnterRanking();
    // The ranking just entered, shown through the host until button 1 is pressed; button 4
    // turns to the next kind shown when there are several.
    void ShowRankingView();
    // One pass of the view with player 0's buttons of that pass: false (and nothing drawn) when
    // it is left, else the picture with the ranking of the view's kind.
    bool RankingViewPass(int16_t buttons);
    // The progress after the result display, by game mode: the scene to hand over to.
    int FinishStage();
    // The next stage of the series, loaded and counted; false when there is none.
    bool LoadNextStage();
    // A story stage cleared on the world map: its flag, its best score and the world's end.
    void FinishWorldStage();
    // The player's death starts, with its cause in the trace log.
    void KillPlayer(const char* trace);
    // Screen edges under automatic scroll (or for a flying actor): 2 when the bottom edge kills.
    int ScreenEdgeX(cActor& actor);
    int ScreenEdgeY(cActor& actor);
    // Test seam: a hash of everything a frame changes, which the committed replays compare frame
    // by frame.
    uint64_t StateHash() const;
    // Runs a blocking wait through the host; it ends when the wait's time has passed or its key
    // has been pressed.
    void RunWait(int32_t mode, int32_t frames, int32_t waitForKey, int32_t noDelay);
    // One pass of the wait's loop with player 0's buttons of that pass: its countdown, then the
    // picture. False (and nothing drawn) once the wait has ended.
    bool WaitPass(int16_t buttons);

    // Background layers: the automatic ones move by their speeds once per drawn frame, wrapping
    // within the screen's size.
    void StepBackLayers();
    // Where layer i's picture starts along the axis, in its own dots.
    double LayerStart(int axis, size_t layer) const;
    bool LayerShown(size_t layer) const { return layer < m_LayerShown.size() && m_LayerShown[layer]; }
    // The sight mask: a (1280 + 2r) x (960 + 2r) cover of colour 16 with a hole of radius r at its
    // centre, round or square; r 0 covers everything. r is capped at what covers the screen. False
    // when a surface cannot be made (the game is then asked to end).
    bool BuildSightMask(cSurface& mask, cSurface& circle, int32_t radius, int32_t shape);
    // The sight mask the painter keeps, with the radius and shape (1 round) it was built for.
    struct cSightView {
        std::shared_ptr<cSurface> mask;
        std::shared_ptr<cSurface> circle;
        int32_t radius = -1;
        int32_t round = -1;
    };
    cSightView m_SightView;

    void SetHost(cPlayHost* host) { m_Host = host; }
    cPlayHost& Host();
    int32_t SubSteps() const;
    void SetUpScrolls(const cEdStage& stage);
    bool BuildMapCells(const cEdStage& stage);
    void BuildPlayer(const cEdStage& stage);
    // The placed characters and items, in the stage's order; ids count from 0 in that order.
    void BuildStageObjects(const cEdStage& stage);

    // One placed character as its copies (none for a negative copy count), each kept only when
    // it lies inside the map; each kept copy takes the next character id.
    void AddStageChara(cCharaList& list, int32_t column, int32_t row, int32_t& counter, const cEdChara& record,
                       const cItemObj* heldItem);
    void AddStageItem(cItemList& list, int32_t column, int32_t row, int32_t& counter, const cEdItem& record);
    // Characters and items summoned at a point of the stage (dots, the border included) by a
    // shot; the spawner is the shot's object, passed on to the play engine.
    void SpawnChara(cCharaList& list, double x, double y, uint8_t value, uint8_t direction, const cObj* spawner,
                    const cEdShot& shot, const cEdChara& record, int32_t& counter);
    void SpawnItem(cItemList& list, double x, double y, const cObj* spawner, const cEdShot& shot,
                   const cEdItem& record, int32_t& counter);
    // Replaces the block of the map cell under the point as the shot's change mode says: 0 the
    // given block, 1 the empty block, 2 once per cell (a shown block becomes empty, any other
    // the given block). Blocks that refuse changes, and points off the map, change nothing.
    // 1 when the cell changed.
    int ChangeBlockAt(double x, double y, const cObj* spawner, const cEdShot& shot, const cEdBlock& block);

    // Shots and swords (ShotPlay.cpp). A new shot takes the next object number; past kMaxShots
    // alive no more are made (logged once a stage), so a record's counts cannot exhaust memory.
    static constexpr size_t kMaxShots = 2000;
    void SpawnShot(cActor& shooter, int cmdType, const cEdShot& shot, const cPlacement& p);
    // Step 10 of a sub-step: finished shots go, the others move and run their own step; on the
    // frame's first sub-step a shot that has left its side's removal area goes too.
    void StepShots(int32_t n);
    // Characters, block characters and items that have left the removal area of their kind go,
    // each kind only when the stage's rules for it remove anything (m_RemoveCharas and the rest).
    void RemoveLeavers();
    // The character nearest the point (stage dots) among the living ones of the force (0 to 7).
    cActor* NearestOfForce(double x, double y, int force);
    cActor* FindActorByNumber(int32_t number);
    // No character keeps this one as its target (a defeat). Shots keep heading for it.
    void DropAsTarget(const cActor* actor);
    // A character leaves play: no shot heads for it and no character keeps it as its target.
    void ForgetTarget(const cActor* actor);

    // Map cells against characters (BlockCollision.cpp). A cell index outside the map reads as an
    // empty border cell (reported once per stage).
    cBlockCell& Cell(uint32_t index);
    uint32_t CellIndexAt(double x, double y) const;
    // The index of a cell that Cell gave: kOffMap for the border cell, kNoCell for none.
    uint32_t IndexOfCell(const cBlockCell* cell) const;
    // The cell of the strongest hit kind along an edge of the box (x1 = x2 a side, y1 = y2 the
    // top or bottom); cell 0 for a character whose edge tests are off.
    uint32_t EdgePick(cActor& actor, double x1, double y1, double x2, double y2);
    // The cell the character stands on: samples across the bottom, ties to the one nearest the
    // middle.
    uint32_t FootPick(cActor& actor);
    // The strongest of the four corner cells, the first on ties.
    uint32_t CornerPick(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t group);
    int HitKind(uint32_t index, const cActor& actor) { return CellSolidity(Cell(index), actor.BlockGroup()); }
    // The character against the map across and down: 0, or 2 when it must die. The second tests,
    // after the push-out, go right then left and bottom then top whatever the speeds.
    int MapTestX(cActor& actor, int second);
    int MapTestY(cActor& actor, int second);
    // Block characters against the player and the other stage characters (PushOut.cpp). PushOut
    // moves the character out of the block characters it overlaps, lands it on one or puts it
    // under one: 2 when it is crushed. PushOutAxis pushes only across (axis 0) or down (1).
    int PushOut(cActor& actor);
    void PushOutAxis(cActor& actor, int axis);
    // 1 when a block character other than the object itself and the ignored one overlaps its box.
    int OverlapsBlockChara(const cObj& object, int32_t ignoredId);
    // The living block character whose id is the character's carrier id, or null.
    cCharaActor* FindCarrier(const cActor& actor);
    // 1 when the carrier, or any block character, lies within a few dots below the feet.
    int StandsOnCarrier(const cActor& actor);
    int StandsOnBlockChara(const cActor& actor);
    // 1 when every corner of the box, as it is or as it was before the push, lies in a block
    // character.
    int IsEngulfed(const cActor& actor, const cBox& before);
    // The moves look through the block characters many times for every character: while a
    // keeper lives, their list-order pointers are kept (built again on the first use after a
    // character joins or leaves the list); null without a keeper, and the list is walked.
    const std::vector<cCharaActor*>* KeptBlockCharas();
    // For its life the flag is on, and what it keeps is built afresh on its first use.
    class cKeeping {
    public:
        cKeeping(bool& on, bool& stale) : m_On(on) {
            m_On = true;
            stale = true;
        }
        ~cKeeping() { m_On = false; }
        cKeeping(const cKeeping&) = delete;
        cKeeping& operator=(const cKeeping&) = delete;

    private:
        bool& m_On;
    };
    struct cBlockCharaKeeper : cKeeping {
        explicit cBlockCharaKeeper(cPlayScene& scene) : cKeeping(scene.m_KeepBlockCharas, scene.m_BlockCharasStale) {}
    };
    // While the player and the other stage characters move, the block characters hold still
    // unless a flow, an item's commands or a defeat moves one: while a holder lives, their spans
    // across are kept in a strip index, built again on the first use after anything that may
    // have moved one (CharasMayMove) or changed the list; null outside a holder or without a
    // keeper, and the list is walked.
    cStripIndex* KeptBlockStrips();
    // Called before anything that may move characters or change the lists outside the moves'
    // own code: a flow starting or stepping, an item's commands, a defeat. Each call counts, so
    // a pass sees whether any happened.
    void CharasMayMove() {
        m_BlockStripsStale = true;
        ++m_MayMoveCount;
    }
    uint32_t MayMoveCount() const { return m_MayMoveCount; }
    struct cBlockCharaHolder : cKeeping {
        explicit cBlockCharaHolder(cPlayScene& scene) : cKeeping(scene.m_HoldBlockCharas, scene.m_BlockStripsStale) {}
    };
    // A character standing on a block character moves with it; the carrier's flows of carrying
    // start.
    void Carry(cActor& actor);
    // The movement effect of the block under the player, once per sub-step: ePlayGoOn.
    int BlockEffect(cPlayerActor& player);
    // 1 when the character's box covers a cell whose block stops it.
    int IsActorBlocked(const cActor& actor);
    // 1 when the player or a live character stands in the cell and the cell's block stops it.
    int IsCellOccupied(uint32_t index, int32_t column, int32_t row);
    // 1 when the condition list of the owner holds (Conditions.cpp). Character variables and
    // distances are the player's for a block or an item, the character's own for it and its flows.
    int TestConditions(cBlockCell& cell);
    int TestConditions(cCharaActor& chara);
    int TestConditions(cItemObj& item);
    int TestConditions(cFlowRunner& runner, cActor& owner);
    // One condition; without a subject a character's variable or distance never holds.
    int TestCondition(cCondition& condition, cActor* subject);
    // The hit kind of the map cell for an object of the block group: 0 off the map, while the
    // cell's conditions do not hold or when the group passes the block.
    int CellSolidity(int32_t column, int32_t row, int32_t group);
    int CellSolidity(cBlockCell& cell, int32_t group) {
        if (cell.block.m_Graphic == 0 || !TestConditions(cell)) return 0;
        if (group == cell.block.m_NoHitForce) return 0;
        return cell.block.m_BlockType;
    }
    // 1 when the map cell (column, row) exists.
    bool IsMapCell(int32_t column, int32_t row) const {
        return column >= 0 && column < m_ScrollX.m_Cells && row >= 0 && row < m_ScrollY.m_Cells;
    }
    uint32_t CellIndex(int32_t column, int32_t row) const {
        return (static_cast<uint32_t>(row) << m_ScrollX.m_Shift) + static_cast<uint32_t>(column);
    }

    // The blocks of one drawing layer (0 behind the objects, 1 in front) over the view.
    void DrawBlockLayer(cSurface& surface, uint8_t layer);
    void DrawBlockLayer(cBlitBatch& batch, uint8_t layer);
    // The status bar over the top of the screen: the story's world score, score and lives and the
    // first player's HP and SP, in the game's caption and gauge fonts.
    void DrawStatusBar(cSurface& surface);
    // Screen effects and the colour change: started by the flow commands; their counters move
    // on after each drawn picture unless held. The warning sound of the remaining time plays
    // once a second with the sound flag.
    void StartScreenEffect(int number, int repeat);
    void SetScreenColour(const int32_t values[8]);
    void StepScreenEffects(int32_t hold, int32_t sound);
    // The pause menu over a stage the system settings hide: only the front layers are drawn.
    bool StageHidden(int32_t flag1) const;
    // The display objects before each picture: windows are marked shown, everything counts on
    // (unless held) and the finished ones leave their lists.
    void StepDisplayObjects(int32_t hold);
    // The characters before each picture: their screen boxes, the frames they show and the marks
    // of carried items; after
    // it: their effects, gauges and defeats (a stage character whose defeat has ended goes).
    void StepCharaFrames(int32_t hold);
    void StepCharaEffects(int32_t hold);
    // The items and shots the picture shows step their frames before it, unless held.
    void StepItemShotFrames(int32_t hold);
    // A hit (Damage.cpp): life down by the power, the hit effect where the boxes overlap, the
    // impact, then the flows of the hit (power) and of the impact; the life change's result.
    int TakeDamage(cActor& target, const cBlow& blow, const std::function<void()>& impact);
    int TakeDamageFromChara(cActor& target, const cActor& attacker);
    // The defeat: the score (kept within 0 and 999999) and the defeat flows; with a stage clear
    // pending the stage ends there, else the character is nobody's target any more and its
    // defeat effect starts.
    void Defeat(cActor& actor);
    // Every character's invincibility, once a sub-step.
    void TickGuards();
    // Collisions, pick-up and defeat (Collisions.cpp, Pickup.cpp), each answering ePlayGoOn,
    // ePlayCleared or ePlayDies. Step 12 of a sub-step: the item of the block under the player,
    // the collisions, then the items the player touches; a death it ends in has started.
    int HitStep(int32_t n);
    // Shots against characters (on the sub-steps the hit-check table marks), characters against
    // characters, then shots against shots.
    int Collide(int32_t n);
    int HitCharasWithShots();
    // With targets (the pass's index of that group), only the characters it names are tested;
    // a hit leaves every index of the pass to be built again.
    int HitCharasWithShot(cShotObj& shot, const cActorGroup& group, bool onScreenOnly,
                          cStripIndex* targets = nullptr);
    int HitCharasWithCharas();
    int Touch(cActor& n, cActor& p, bool onScreenOnly);
    void ClashShots();
    int PickUpItems(cPlayerActor& player);
    // The item of the block the player stands on, once per sub-step, with its cooldown.
    int BlockItem(cPlayerActor& player);
    // The item (null: none) given to the taker: its sound, then its command list.
    int AcquireItem(cItemObj* item, cActor& taker);
    // A character's defeat: the player's ends in its death; a stage character gives its item to
    // the player, then its death starts.
    int HandleDefeat(cActor& actor);
    // After flows changed a life: a player without life dies (its death started), stage
    // characters without life are defeated.
    int CheckStatus();
    const cItemObj* FindItemByNumber(int32_t number) const;
    // The player or stage character with that object number, or null.
    const cActor* FindCharaByNumber(int32_t number) const;

    // The pictures flows show (FlowPictures.cpp): each Picture table entry is loaded once a stage
    // and released with it; one that cannot be read is reported once a stage and answers null.
    std::shared_ptr<cSurface> StagePicture(int32_t number);
    std::map<int32_t, std::shared_ptr<cSurface>> m_StagePictures;
    int32_t m_ItemMessage = 0;  // a message of the running item list has run

    int32_t m_ExecResult = 0;
    cScroll m_ScrollX;
    cScroll m_ScrollY;
    cBlockMap m_MapCells;
    cCheckedVector<cPlayerActor, eCloseProgram> m_Players;
    cCharaList m_Charas;
    cItemList m_Items;
    cCheckedVector<cActorGroup, eCloseProgram> m_CharaGroups;
    cCheckedVector<int32_t, eCloseProgram> m_ChangedCells;  // cells changed once by mode 2
    int32_t m_CharaId = 0;
    int32_t m_ItemId = 0;
    std::vector<int32_t> m_Touching;  // the touch-area items (numbers) the player stands in
    uint32_t m_BlockItemCell = kNoCell;  // the cell under the player at the last block-item step
    cShotList m_Shots;
    int32_t m_ShotId = 0;
    int32_t m_ShotsCapped = 0;  // the cap was reached and logged
    cEffectState m_ScrEffect;  // the running screen effect; entry 0 runs none
    cScreenColour m_ScreenColour;
    std::list<cTextObj> m_TextObjs;  // timed texts of the tally and the flows
    std::list<cTextObj> m_Messages;  // message windows
    std::list<cEffectObj> m_EffectObjs;
    std::list<cPictureObj> m_PictureObjs;

    int32_t m_SavedState = 0;
    int32_t m_SavedSubState = 0;
    std::vector<int32_t> m_HitChecks;
    // Whether the stage's removal rules for each kind have any side switched on.
    int32_t m_RemoveCharas = 0;
    int32_t m_RemoveBlockCharas = 0;
    int32_t m_RemoveItems = 0;
    std::vector<uint8_t> m_Appeared;
    int32_t m_TimeLeft = 999;  // seconds
    int32_t m_NoTimeLimit = 1;
    int32_t m_Elapsed = 0;  // hundredths of a second
    int32_t m_Frames = 0;
    int32_t m_Counter = 0;  // the banner's and the result's
    int32_t m_ButtonSuppress = 0;
    int32_t m_RankingPending = 0;
    std::vector<int32_t> m_RankPlaces;
    std::vector<int32_t> m_RankValues;
    int32_t m_RankDone = 0;
    std::string m_RankName;
    int32_t m_SubStep = 0;
    int32_t m_StepCount = 0;  // sub-steps of the stage
    cPauseWait m_Wait;
    int16_t m_WaitButtons = 0;  // the last pass's buttons of the wait or the ranking view
    int32_t m_RankView = -1;  // the kind the ranking view shows; -1 while it is not shown
    int32_t m_NextStage = 0;
    cCheckedVector<int32_t, eCloseProgram> m_StageVars;  // numbers 1 to 255
    cPlayRandom m_Random;
    uint32_t m_Seed = 0;
    cSceneFlowFields m_Flow;
    int32_t m_Fade = 0;  // frames of the running fade
    int32_t m_MenuCursor = 0;
    int32_t m_ReturnScene = 0;
    int16_t m_LastButtons = 0;
    int16_t m_LastDirection = 0;
    // What a retry or a lost life puts back: the story's variables, lives, total score and music
    // as the stage started.
    cCheckedVector<int32_t, eCloseProgram> m_StartVars;
    int32_t m_StartLives = 0;
    int32_t m_StartTotalScore = 0;
    int32_t m_StartMusic = 0;
    std::vector<double> m_LayerOffsetX;
    std::vector<double> m_LayerOffsetY;
    // Whether each background layer shows: the stage's setting at its start, then the flows'.
    // The stage record stays as loaded, so a retry or a lost life starts from it again.
    std::vector<int32_t> m_LayerShown;

    static constexpr int kFadeFrames = 16;
    static constexpr int kBannerFrames = 80;
    static constexpr int kStageVars = 256;

private:
    void RestoreStageStart(bool lives);
    // Space opens the pause menu over the running state.
    bool OpenPauseOnSpace(bool sound);
    // Takes the character out of its collision group and the list.
    cCharaList::iterator RemoveChara(cCharaList::iterator chara);
    // SetStage with the reload, then the banner; a failed one fades out to the mode menu.
    void RestartStage();
    int ActorPasses(int result);
    cPlayHost* m_Host = nullptr;
    std::vector<cStripIndex> m_ShotTargets;  // by group, for the shots' pass
    std::vector<cCharaActor*> m_BlockCharas;
    bool m_KeepBlockCharas = false;
    bool m_BlockCharasStale = true;
    cStripIndex m_BlockStrips;  // positions in m_BlockCharas
    bool m_HoldBlockCharas = false;
    bool m_BlockStripsStale = true;
    uint32_t m_MayMoveCount = 0;
    cBlockCell m_BorderCell;  // what a cell outside the map reads as
    int32_t m_BadCellReported = 0;
};

cPlayScene* CurrentPlayScene();
// The map cell of stage cell (0, 0): the border cells of the play scene's axes.
cPoint OriginCells();

// Draws a block's picture (with its mark) at (x, y) of the surface, colour-keyed.
void DrawBlock(cBlitBatch& batch, const cEdBlock& block, int x, int y);
