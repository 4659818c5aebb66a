// The play scene's states: fade-in, the stage banner, play, the pause menu, the result, game
// over and fade-out, and the frame of play with its sub-steps.
#include <windows.h>

#include <algorithm>
#include <climits>
#include <string>

#include "data/FlowTables.h"
#include "data/Stage.h"
#include "framework/ErrorLog.h"
#include "framework/Format.h"
#include "framework/GameHelpers.h"
#include "game/core/GameModes.h"
#include "game/core/Input.h"
#include "game/core/OptionData.h"
#include "game/core/SceneManager.h"
#include "game/data/Ranking.h"
#include "game/data/ReplayData.h"
#include "game/data/StorySave.h"
#include "game/media/CursorKeys.h"
#include "game/play/CharaDraw.h"
#include "game/play/PlayScene.h"

namespace {

const int kButton1 = 1;
const int kButton2 = 2;
// System sounds of the scene.
const int kSoundDecide = 1;
const int kSoundCancel = 2;
const int kSoundPause = 4;
const int kSoundDeath = 8;
const int kMaxElapsed = 599999;
const int kMaxTime = 999;

int PlayedMode() { return SceneManager().m_nGameMode; }

// Buttons pressed this frame that were up in the last one.
int NewButtons(int16_t now, int16_t last) { return now & ~last; }

// With the error log on, a frame of play writes the hero's hit box position in dots and the count
// of characters when either has changed: a script that plays by keys times its jumps and shots on
// these lines, not on a clock.
void TraceHero(const cPlayScene& scene) {
    static std::string last;
    if (!IsErrorLogOn() || scene.State() != ePlayRun || scene.m_Players.empty()) return;
    const cPlayerActor& hero = scene.m_Players[0];
    std::string line = Format("Hero %d %d charas %d", static_cast<int>(hero.m_X), static_cast<int>(hero.m_Y),
                              static_cast<int>(scene.m_Charas.size()));
    if (line == last) return;
    last = line;
    ErrorLog(line.c_str());
}

}  // namespace

int cPlayScene::Frame() {
    if (m_nState == kSceneNotStarted) {
        // Init may end the scene at once (a stage that cannot be set up).
        m_nState = ePlayFadeIn;
        try {
            Init();
        } catch (const char* text) {
            ErrorLogAndClose(GetMainWindow(), "%s", text);
        }
    }
    Handler handler = m_Handlers.At(m_nState);
    const cInput& input = GetPlayerInput(0);
    TraceFrame(eScenePlay, input.m_wDirection, input.m_wButtons);
    const int result = handler ? (this->*handler)() : 0;
    TraceFrame(eScenePlay, input.m_wDirection, input.m_wButtons);
    TraceHero(*this);
    m_LastButtons = input.m_wButtons;
    m_LastDirection = input.m_wDirection;
    return result;
}

int cPlayScene::StepFrame(int16_t direction, int16_t buttons) {
    cInput& input = GetPlayerInput(0);
    input.m_wDirection = direction;
    input.m_wButtons = buttons;
    return Frame();
}

void cPlayScene::Init() {
    m_RankPlaces.assign(3, 0);
    m_RankValues.assign(3, 0);
    Host().LoadPictures(*this);
    cStorySave& story = StoryState();
    cSceneManager& manager = SceneManager();
    if (manager.m_nPrevScene != eScenePlay) {
        story.m_Score = story.m_TotalScore = 0;
        story.m_RemainingTime = story.m_ClearTime = 0;
        m_ScrollX.m_Pos = m_ScrollY.m_Pos = 0;
        m_Counter = m_ButtonSuppress = m_RankingPending = 0;
        if (manager.m_nGameMode != eModeReplay) CurrentReplay().Clear();
        if (Host().StartedWithFile()) story.m_StageNumber = 1;
        if (manager.m_bRankingOn) LoadRanking(RankingTable(), manager.m_nPlayKind, story.m_StageFile);
        // A story that shares its lives goes on with those its last stage ended with (dealt
        // when it began, kept in its saves); every other run takes its life afresh.
        if (!SharesStoryLives()) story.TakeFirstLife();
    }
    m_nSubState = 0;
    if (!SetStage(0)) {
        m_ReturnScene = eSceneModeMenu;
        m_nState = ePlayFadeOut;
    }
}

int cPlayScene::FadeIn() {
    Draw(0, 1, 0, 1);
    if (++m_Fade >= kFadeFrames) {
        m_Fade = 0;
        m_nState = ePlayIntro;
    }
    return 0;
}

int cPlayScene::Intro() {
    Draw(0, 1, 0, 1);
    const bool banner = ProjectStage().m_ShowStageInfo != 0;
    if (banner && ++m_Counter < kBannerFrames) return 0;
    if (!m_Players.empty()) {
        cPlayerActor& player = m_Players[0];
        player.m_Anime.SetPattern(player.Flying() ? 2 : 0, 1);
    }
    m_Counter = 0;
    m_nState = ePlayRun;
    // Each start of play logs the lives left, as the status bar shows them: a script that plays
    // by keys reads there whether a run or a lost life started with the lives it should.
    ErrorLogF("Lives %d", static_cast<int>(StoryState().m_Lives));
    return 0;
}

int cPlayScene::PlayFrame() {
    cInput& input = GetPlayerInput(0);
    cPlayerActor* player = m_Players.empty() ? nullptr : &m_Players[0];
    // 1. Input.
    if (PlayedMode() == eModeReplay) {
        int16_t direction = 0, buttons = 0;
        if (CurrentReplay().NextFrame(direction, buttons)) {
            SceneManager().m_nPrevScene = eScenePlay;
            m_ReturnScene = eScenePlay;
            m_nState = ePlayFadeOut;
            return 0;
        }
        input.m_wDirection = direction;
        input.m_wButtons = buttons;
        input.m_nDirection = cInput::GetDirection(direction);
        input.UpdateKeyLogs();
    } else {
        if (player && player->m_LockDirection) input.m_wDirection = 0;
        if (player && player->m_LockButtons) input.m_wButtons = 0;
        if (input.m_wButtons == 0) m_ButtonSuppress = 0;
        if (m_ButtonSuppress) input.m_wButtons = 0;
        input.m_nDirection = cInput::GetDirection(input.m_wDirection);
        input.UpdateKeyLogs();
        CurrentReplay().RecordFrame(input.m_wDirection, input.m_wButtons);
    }
    // 2. Pause.
    if (OpenPauseOnSpace(true)) return 0;
    // 3. Replay saving.
    if (Host().ReplaySaveKey()) return 0;
    // 4. Elapsed time.
    if (m_Frames < INT_MAX) ++m_Frames;
    const int64_t elapsed = static_cast<int64_t>(m_Frames) * 100 / 60;
    m_Elapsed = elapsed > kMaxElapsed ? kMaxElapsed : static_cast<int32_t>(elapsed);
    // 5. Time limit.
    if (!m_NoTimeLimit && m_Frames % 60 == 0) {
        if (m_TimeLeft > kMaxTime) m_TimeLeft = kMaxTime;
        if (m_TimeLeft > 0) --m_TimeLeft;
        if (m_TimeLeft == 0 && player && !player->m_Dead) {
            KillPlayer(nullptr);
            return 0;
        }
    }
    // 6. The frame begins for every character: their flows are stepped within the sub-steps.
    // 7. Sub-steps.
    const int32_t steps = SubSteps();
    for (int32_t n = 1; n <= steps; ++n) {
        const int outcome = SubStep(n);
        if (outcome == ePlayCleared) {
            // A defeat with a clear pending has tallied already.
            if (m_nState == ePlayRun) StageClear();
            return 0;
        }
        if (outcome == ePlayDies) return 0;
    }
    // 8. The picture.
    Draw(1, 0, 1, 1);
    return 0;
}

int cPlayScene::SubStep(int32_t n) {
    m_SubStep = n;
    if (m_StepCount < INT_MAX) ++m_StepCount;
    TickGuards();
    cPlayerActor* player = m_Players.empty() ? nullptr : &m_Players[0];
    const bool playerDead = player && player->m_Dead;
    Activate();
    if (!playerDead) {
        for (auto it = m_Charas.begin(); it != m_Charas.end();) {
            if (it->m_Counter != INT_MAX && --it->m_Counter < 0) {
                it = RemoveChara(it);
            } else {
                ++it;
            }
        }
        for (auto it = m_Items.begin(); it != m_Items.end();) {
            if (it->m_Counter != INT_MAX && --it->m_Counter < 0) it = m_Items.erase(it);
            else ++it;
        }
    }
    if (player) player->ClearContacts();
    for (cCharaActor& chara : m_Charas) chara.ClearContacts();
    SavePositions();
    // The player's own step says 1 when its flows left it without life: it is dying, and its
    // defeat, like any other of the player's, is its death.
    bool dying = false;
    if (player && !playerDead) {
        player->StartFlowsByTrigger(eTriggerAlways);
        dying = player->Activate() != 0;
    }
    m_ScrollX.Step();
    m_ScrollY.Step();
    const cBlockCharaKeeper keeper(*this);
    if (!playerDead) MoveBlockCharas();
    if (player && !player->m_Dead) {
        if (dying) {
            KillPlayer(nullptr);
            return ePlayDies;
        }
        if (m_ExecResult == ePlayCleared) return ePlayCleared;
        if (m_ExecResult == ePlayDies) {
            KillPlayer(nullptr);
            return ePlayDies;
        }
        if (m_Flow.m_HpCheck) {
            const int status = CheckStatus();
            if (status != ePlayGoOn) return status;
        }
        if (MovePlayer(*player) == ePlayDies) return ePlayDies;
        player->SaveFacing();
    }
    MoveCharas();
    StepShots(n);
    if (playerDead) return ePlayGoOn;
    if (n == 1) RemoveLeavers();
    return HitStep(n);
}

void cPlayScene::RemoveLeavers() {
    const cEdStage& stage = ProjectStage();
    if (m_RemoveCharas || m_RemoveBlockCharas) {
        for (auto it = m_Charas.begin(); it != m_Charas.end();) {
            const bool block = it->IsBlockChara();
            const bool removes = block ? m_RemoveBlockCharas : m_RemoveCharas;
            if (removes && it->IsOutOfRemovalArea(stage.m_AutoVanish[block ? eVanishEnemyBlock : eVanishEnemy]))
                it = RemoveChara(it);
            else
                ++it;
        }
    }
    if (m_RemoveItems) {
        const cAutoVanish& rule = stage.m_AutoVanish[eVanishItem];
        m_Items.remove_if([&](const cItemObj& item) { return item.IsOutOfRemovalArea(rule) != 0; });
    }
}

cCharaList::iterator cPlayScene::RemoveChara(cCharaList::iterator chara) {
    ForgetTarget(&*chara);
    m_BlockCharasStale = true;
    for (cActorGroup& group : m_CharaGroups)
        group.erase(std::remove(group.begin(), group.end(), &*chara), group.end());
    return m_Charas.erase(chara);
}

void cPlayScene::Activate() {
    for (cPlayerActor& player : m_Players) {
        player.m_Present = 1;
        player.m_OnScreen = 1;
    }
    std::fill(m_Appeared.begin(), m_Appeared.end(), 0);
    for (cCharaActor& chara : m_Charas) {
        chara.m_Present = TestConditions(chara);
        chara.m_OnScreen = chara.m_Present && chara.IsOnScreen() ? 1 : 0;
        if (chara.m_Present) chara.m_Appeared = chara.TryAppear(m_Appeared);
    }
    for (cItemObj& item : m_Items) {
        item.m_Present = TestConditions(item);
        item.m_OnScreen = item.m_Present && item.IsOnScreen() ? 1 : 0;
    }
}

int cPlayScene::ScreenEdgeX(cActor& actor) {
    if (!m_ScrollX.m_Auto && !actor.Flying()) return 0;
    actor.UpdateScreenRect();
    if (actor.m_ScreenRect.left + actor.m_DrawOffsetX < 0) {
        actor.m_Contact[cActor::eContactLeft] = 1;
        const double width = actor.m_Right - actor.m_X;
        actor.m_X = m_ScrollX.m_Pos;
        actor.m_Right = actor.m_X + width;
        actor.OnMoveX();
    } else if (actor.m_ScreenRect.left + actor.m_DrawOffsetX + actor.m_Width >= m_ScrollX.m_View) {
        actor.m_Contact[cActor::eContactRight] = 1;
        actor.m_X = m_ScrollX.m_Pos + m_ScrollX.m_View - actor.m_Width - 1;
        actor.m_Right = actor.m_X + actor.m_Width - 1;
        actor.OnMoveX();
    }
    return 0;
}

int cPlayScene::ScreenEdgeY(cActor& actor) {
    if (!m_ScrollY.m_Auto && !actor.Flying()) return 0;
    actor.UpdateScreenRect();
    if (actor.m_ScreenRect.top + actor.m_DrawOffsetY < 0) {
        actor.m_Contact[cActor::eContactTop] = 1;
        actor.m_Y = m_ScrollY.m_Pos;
        actor.m_Bottom = actor.m_Y + actor.m_Height - 1;
        actor.OnMoveY();
    } else if (actor.m_ScreenRect.top + actor.m_DrawOffsetY + actor.m_Height >= m_ScrollY.m_View) {
        actor.m_Contact[cActor::eContactBottom] = 1;
        actor.m_Y = m_ScrollY.m_Pos + m_ScrollY.m_View - actor.m_Height - 1;
        actor.m_Bottom = actor.m_Y + actor.m_Height - 1;
        actor.OnMoveY();
        if (!actor.Flying()) return 2;
    }
    return 0;
}

void cPlayScene::KillPlayer(const char* trace) {
    if (trace) Report("%s\n", trace);
    Host().PlaySystemSound(kSoundDeath);
    if (m_Players.empty()) return;
    cPlayerActor& player = m_Players[0];
    player.StartDeath();
    StartCharaEffect(player, player.m_Chara.m_DeathEffect, 0);
}

void cPlayScene::Draw(int32_t flag1, int32_t flag2, int32_t flag3, int32_t flag4) {
    StepBackLayers();
    const bool shown = !StageHidden(flag1);
    if (shown) {
        StepCharaFrames(flag2);
        StepItemShotFrames(flag2);
        StepDisplayObjects(flag2);
    }
    Host().Paint(*this, flag1, flag2, flag3, flag4);
    if (shown) {
        StepCharaEffects(flag2);
        StepScreenEffects(flag2, flag3);
    }
    if (flag2 || m_Players.empty()) return;
    cPlayerActor& player = m_Players[0];
    if (!player.m_Dead) return;
    if (!StepDefeated(player, 0)) return;
    cStorySave& story = StoryState();
    if (PlayedMode() != eModeReplay && story.m_Lives <= 0 && !Host().StartedWithFile()) {
        m_nState = ePlayGameOver;
        return;
    }
    if (PlayedMode() != eModeReplay && !Host().StartedWithFile()) --story.m_Lives;
    RestoreStageStart(false);
    RestartStage();
}

void cPlayScene::RestartStage() {
    if (SetStage(1)) {
        m_nState = ePlayIntro;
        return;
    }
    // Nothing of a half-built stage is played.
    m_ReturnScene = eSceneModeMenu;
    m_nState = ePlayFadeOut;
}

void cPlayScene::RestoreStageStart(bool lives) {
    cStorySave& story = StoryState();
    story.m_Variables = m_StartVars;
    if (lives) story.m_Lives = m_StartLives;
    story.m_TotalScore = m_StartTotalScore;
    story.m_MusicIndex = m_StartMusic;
}

bool cPlayScene::OpenPauseOnSpace(bool sound) {
    if (!Host().KeyHeld(VK_SPACE)) return false;
    m_SavedState = m_nState;
    m_SavedSubState = m_nSubState;
    if (sound) Host().PlaySystemSound(kSoundPause);
    m_nState = ePlayPause;
    m_nSubState = 0;
    return true;
}

int cPlayScene::PauseMenu() {
    const cInput& input = GetPlayerInput(0);
    const bool stageFile = PlayedMode() == eModeStageFile;
    const int entries = stageFile ? 3 : 2;
    if (m_nSubState == 0) {
        m_MenuCursor = 1;
        m_nSubState = 1;
    }
    Draw(0, 1, 0, 1);
    const int16_t pressed = static_cast<int16_t>(NewButtons(input.m_wButtons, m_LastButtons));
    const int16_t moved = static_cast<int16_t>(NewButtons(input.m_wDirection, m_LastDirection));
    if (moved & kKeyUp) m_MenuCursor = (m_MenuCursor + entries - 1) % entries;
    if (moved & kKeyDown) m_MenuCursor = (m_MenuCursor + 1) % entries;
    auto resume = [&]() {
        m_nState = m_SavedState;
        m_nSubState = m_SavedSubState;
        m_ButtonSuppress = 1;
    };
    if (pressed & kButton2) {
        Host().PlaySystemSound(kSoundCancel);
        resume();
        return 0;
    }
    if (!(pressed & kButton1)) return 0;
    Host().PlaySystemSound(kSoundDecide);
    if (m_MenuCursor == 0) {
        m_ReturnScene = eSceneModeMenu;
        m_nState = ePlayFadeOut;
        if (stageFile && Host().StartedWithFile()) Host().CloseGame();
    } else if (stageFile && m_MenuCursor == 2) {
        RestoreStageStart(true);
        RestartStage();
    } else {
        resume();
    }
    return 0;
}

int cPlayScene::Result() {
    const cInput& input = GetPlayerInput(0);
    if (OpenPauseOnSpace(false)) return 0;
    const int entryMode = OptionData().m_RankEntryMode;
    if ((entryMode == 0 || entryMode == 1) && Host().KeyHeld(VK_F3)) EnterRanking();
    const bool pressed = NewButtons(input.m_wButtons, m_LastButtons) & kButton1;
    if (!(pressed && m_Counter >= 200)) {
        Draw(0, 1, 0, 1);
        if (ProjectStage().m_ShowStageClear) {
            if (m_Counter < 200) m_Counter += 4;
        } else {
            m_Counter = 200;
        }
        return 0;
    }
    Host().PlaySystemSound(kSoundDecide);
    const int nameMode = OptionData().m_RankEntryMode;
    if (m_RankingPending && (nameMode == 2 || nameMode == 3))
        EnterRanking();
    else
        Host().PlaySystemSound(kSoundDecide);
    m_ReturnScene = FinishStage();
    m_nState = ePlayFadeOut;
    return 0;
}

int cPlayScene::GameOver() {
    const cInput& input = GetPlayerInput(0);
    if (OpenPauseOnSpace(false)) return 0;
    Draw(0, 1, 0, 1);
    if (NewButtons(input.m_wButtons, m_LastButtons) & kButton1) {
        Host().PlaySystemSound(kSoundDecide);
        m_ReturnScene = eSceneModeMenu;
        m_nState = ePlayFadeOut;
    }
    return 0;
}

int cPlayScene::FadeOut() {
    Draw(0, 1, 0, 0);
    if (++m_Fade < kFadeFrames) return 0;
    m_Fade = 0;
    // Free play without a series reads its file again whichever scene comes next. The file read
    // again starts the story afresh and so a new run, although play follows play: its lives are
    // the mode's starting ones, not the none the fresh story holds.
    if (PlayedMode() == eModeStageFile && !StoryState().m_SeriesFlag) {
        if (Host().ReopenStartFile())
            StoryState().TakeFirstLife();
        else
            Host().CloseGame();
    }
    cSceneManager& manager = SceneManager();
    manager.m_nPrevScene = eScenePlay;
    manager.m_nScene = m_ReturnScene;
    m_nState = kSceneNotStarted;
    return 0;
}
