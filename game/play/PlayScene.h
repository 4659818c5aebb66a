#pragma once
// The play scene (scene 4): one stage at play. It owns the stage's runtime lists (the map cells, the
// characters, the items and the collision groups) and the two scroll axes, builds them from the
// loaded stage and draws the blocks and the screen effects. One play scene exists at a time;
// CurrentPlayScene() reaches it.
#include <cstdint>
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
#include "game/play/CharaActor.h"
#include "game/play/ItemObj.h"
#include "game/play/PlayerActor.h"
#include "game/play/Scroll.h"

// One cell of the map: a copy of the block placed there (an empty block where none is) and the
// cell's own state byte, which stays with the cell when its block is replaced.
struct cBlockCell {
    cEdBlock block;
    uint8_t state = 0;
};

typedef cCheckedVector<cBlockCell, eCloseProgram> cBlockMap;
typedef cCheckedList<cCharaActor, eCloseProgram> cCharaList;
typedef cCheckedList<cItemObj, eCloseProgram> cItemList;
typedef std::vector<cActor*> cActorGroup;

class cPlayScene : public cScene {
public:
    // The most copies one placement or summon makes: the record's count is a signed byte.
    static const int kMaxCopies = 127;

    cPlayScene();
    ~cPlayScene() override;

    // Builds the running stage from the loaded one: scroll axes, map cells, the player, the
    // characters and items. False (with its message, and the main window asked to close) when
    // the map does not fit in memory.
    bool SetStage(const cEdStage& stage);
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

    // 1 when the character's box covers a cell whose block stops it.
    int IsActorBlocked(const cCharaActor& actor);
    // 1 when the player or a live character stands in the cell and the cell's block stops it.
    int IsCellOccupied(uint32_t index, int32_t column, int32_t row);
    // 1 when the block's conditions hold.
    int TestConditions(cEdBlock& block);
    // 1 when the map cell (column, row) exists.
    bool IsMapCell(int32_t column, int32_t row) const;
    uint32_t CellIndex(int32_t column, int32_t row) const {
        return (static_cast<uint32_t>(row) << m_ScrollX.m_Shift) + static_cast<uint32_t>(column);
    }

    // The blocks of one drawing layer (0 behind the objects, 1 in front) over the view.
    void DrawBlockLayer(cSurface& surface, uint8_t layer);
    // The status bar over the top of the screen: the story's world score, score and lives and the
    // first player's HP and SP, in the game's caption and gauge fonts.
    void DrawStatusBar(cSurface& surface);
    // The mosaic screen effect: the back buffer redrawn in blocks whose size runs from the
    // effect's start level to its end level. 1 when it has ended; frozen draws without moving on.
    int DrawTransition(int32_t frozen);

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
    cEffectState m_ScrEffect;  // the running screen effect; entry 0 runs none
};

cPlayScene* CurrentPlayScene();
// The map cell of stage cell (0, 0): the border cells of the play scene's axes.
cPoint OriginCells();

// Moves an effect's value one step from start toward end. 1 when its integer part has passed
// end and the effect does not repeat; a repeating one starts again from its prototype.
int AdvanceEffect(cEffectState& state, int32_t start, int32_t end);

// Draws a block's picture (with its mark) at (x, y) of the surface, colour-keyed.
void DrawBlock(cSurface& surface, const cEdBlock& block, int x, int y);
