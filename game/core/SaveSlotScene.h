#pragma once
// The world map's menu: save the story to a slot with the time, go back to the map, or end the
// story for the title menu.
#include <vector>

#include "game/core/Scene.h"
#include "game/core/SlotList.h"

class cSystemData;

// The shown entries of the world menu (save, back, title) in order; with none shown, save alone.
std::vector<int> ListedWorldMenu(const cSystemData& system);

class cSaveSlotScene : public cScene {
public:
    enum eState { eFadeIn, eMenu, eSave, eBack, eTitle, eFadeOut };
    enum eSaveStep { eSaveStart, eSaveList, eSaveConfirm };
    static constexpr int kMenuX = 264;
    static constexpr int kMenuY = 192;
    static constexpr int kRowH = 16;

    cSaveSlotScene();
    ~cSaveSlotScene() override;

    int Frame() override { return MenuFrame(kMenuButtons2); }
    void Init() override;
    int FadeIn() override;
    int FadeOut() override;
    int OnMenu();
    int OnSave();
    int OnBack();
    int OnTitle();

    const std::vector<int>& Entries() const { return m_Entries; }
    // Test seam: the slot list's first shown row.
    int SlotTop() const { return m_Slots.Top(); }

private:
    void DrawMenu();
    void DrawSlots();
    // Writes the story to the slot; a slot that cannot be written is reported and the list
    // stays as it was.
    void SaveTo(int slot);

    std::vector<int> m_Entries;
    cSlotListView m_Slots;
};

// Registers the world map's menu with the scene manager.
void InstallSaveSlots();
