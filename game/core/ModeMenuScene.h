#pragma once
// The title menu: the game modes the project shows, over the title picture. The hub the player
// starts from and comes back to.
#include <vector>

#include "game/core/Scene.h"
#include "game/core/SlotList.h"
#include "game/media/Surface.h"

class cSystemData;

// The menu box: the longest caption in characters (a double-byte one counts once) times 32 plus
// 34 wide, 32 a row plus 2 high.
SIZE ModeMenuSize(const cSystemData& system, const std::vector<int>& modes);

class cModeMenuScene : public cScene {
public:
    enum eState { eFadeIn, eModeList, eStorySlots, eFadeOut };
    static constexpr int kMenuX = 192;
    static constexpr int kMenuY = 240;

    cModeMenuScene();
    ~cModeMenuScene() override;

    int Frame() override { return MenuFrame(kMenuButtons2); }
    void Init() override;
    int FadeIn() override;
    int FadeOut() override;
    int OnModeList();
    int OnStorySlots();

    // Test seams: the slot list as the tests read it.
    int SlotTop() const { return m_Slots.Top(); }
    int SlotRows() const { return m_Slots.Rows(); }

private:
    void BuildMenuSurface();
    void DrawScreen();
    // The chosen mode's preparations and the state that follows.
    void Decide(int mode);

    std::vector<int> m_Modes;
    cSlotListView m_Slots;
    cSurface m_Menu;
};

// Registers the title menu with the scene manager and the stage-file dialog with the window.
void InstallModeMenu();
// The stage-file dialog on the window thread; the chosen file is opened for play.
bool AskStageFile();
