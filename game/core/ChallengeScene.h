#pragma once
// The challenge choice: the challenge worlds with their cleared marks and best scores, the
// total score, a ranking of the chosen world, and the start of the chosen world's first stage.
#include <string>

#include "game/core/Scene.h"
#include "game/media/Surface.h"

// The first stage of challenge world n: data\stg4\c07-1.stg4 for world 7.
std::string ChallengeStageName(int world);
// How many worlds the list shows: the project's challenge count when every world can be chosen
// from the start, else the worlds opened so far (never more than the project has).
int ChallengeWorlds();

class cChallengeScene : public cScene {
public:
    enum eState { eFadeIn, eList, eFadeOut };
    static constexpr int kCursorX = 32;
    static constexpr int kListY = 160;
    static constexpr int kRowH = 32;
    static constexpr int kRowsShown = 10;

    cChallengeScene();
    ~cChallengeScene() override;

    int Frame() override { return MenuFrame(kMenuButtons4); }
    void Init() override;
    int FadeIn() override;
    int FadeOut() override;
    int OnList();

    int VisibleRows() const;

    // Test seams: the list's length and first shown row, as the tests read them.
    int Worlds() const { return m_nWorlds; }
    int Top() const { return m_nTop; }

private:
    // The world's stage becomes the story's, with its ranking when the run is ranked.
    void SelectWorld(int world);
    void DrawScene();
    void Show();
    // Loads and starts the chosen world; a stage file that cannot be read says so.
    void StartWorld(int row);

    int m_nTop = 0;
    int m_nWorlds = 0;
    cSurface m_Scene;
};

// Registers the challenge choice with the scene manager.
void InstallChallenge();
