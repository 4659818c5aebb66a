#pragma once
// The story's world map: map chips over the world's background, the events with the icon of
// their active stage entry, and the player, who walks one cell per accepted press. Stepping on
// a stage offers to play it; cancel opens the world map's menu.
#include "game/core/Scene.h"
#include "game/media/MenuCursor.h"
#include "game/media/Surface.h"

class cStorySave;
class cWorldEvent;
class cWorldMap;
class cWorldRec2;
class cWorldStageEntry;

// The event's first stage entry whose conditions the story meets: its required stage cleared
// and its story variable compared true with the entry's value; none without one.
const cWorldStageEntry* SelectWorldEntry(const cWorldEvent* event, const cStorySave& story);
// The page index of that entry in its event, or -1.
int WorldEntryIndex(const cWorldEvent* event, const cWorldStageEntry* entry);
// The chip of the map cell (column and row clamped to the map); none when the grid names a
// chip the chip table does not have.
const cWorldRec2* WorldChipAt(const cWorldMap& map, int column, int row);

class cWorldMapScene : public cScene {
public:
    enum eState { eFadeIn, eMap, eConfirm, eFadeOut };
    enum eFacing { eFaceDown, eFaceUp, eFaceLeft, eFaceRight };
    static constexpr int kPlayerX = 288;
    static constexpr int kPlayerY = 224;
    static constexpr int kViewColumns = 20;
    static constexpr int kViewRows = 15;

    cWorldMapScene();
    ~cWorldMapScene() override;

    int Frame() override { return MenuFrame(kMenuButtons4); }
    void Init() override;
    int FadeIn() override;
    int FadeOut() override;
    int OnMap();
    int OnConfirm();

    bool IsCleared(const cWorldStageEntry* entry) const;
    bool CanStay(const cWorldStageEntry* entry) const;
    void ShowEntryInfo();
    void EnterStage();
    void Draw();

    int Column() const;
    int Row() const;
    const cWorldStageEntry* Entry() const { return m_lpEntry; }

    // Test seams: the walker's facing, the view and the score shown, as the tests read them.
    int Facing() const { return m_nFacing; }
    int ViewColumn() const { return m_nViewX; }
    int ViewRow() const { return m_nViewY; }
    int ShownScore() const { return m_nScore; }

private:
    // The event and active entry of the cursor's cell.
    void FindEntry();
    // Stepping in the pressed direction; a blocked cell puts the step back.
    void Walk(int keys);
    // Loads the entry's stage; a file that is not there says so and the player stays.
    bool LoadEntryStage();
    void OpenConfirm();
    // Closing the box without playing: a stage that must be played puts the player back.
    void LeaveConfirm();
    void DrawEntryInfo();

    cCursorState m_Pos;
    int m_nViewX = 0;
    int m_nViewY = 0;
    const cWorldEvent* m_lpEvent = nullptr;
    const cWorldStageEntry* m_lpEntry = nullptr;
    cCursorState m_Before;
    int m_nShownX = -1;
    int m_nShownY = -1;
    int m_nScore = 0;
    int m_nFacing = eFaceDown;
    int m_nWalk = 0;
    bool m_bLoaded = false;
    // The stage cell whose offer the player turned down or whose stage could not be loaded: it
    // is not offered again until the player has walked off it.
    int m_nRefusedX = -1;
    int m_nRefusedY = -1;
    cSurface m_Ranking;
};

// Registers the world map with the scene manager.
void InstallWorldMap();
