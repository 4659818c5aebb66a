#pragma once
// A headless stage at play for the flow runtime: the owner running the flow, its target and the
// player, with the progress record, the stage and the logged flow faults put back afterwards.
#include <set>
#include <string>
#include <vector>

#include "data/Stage.h"
#include "game/data/StorySave.h"
#include "game/flow/FlowFaults.h"
#include "game/play/PlayScene.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/RestoreOnExit.h"

inline void SetLife(cActor& who, int32_t hp, int32_t maxHp, int32_t sp, int32_t maxSp) {
    who.m_Hp = hp;
    who.m_MaxHp = maxHp;
    who.m_Sp = sp;
    who.m_MaxSp = maxSp;
    who.m_Chara.m_Z = 3;
    who.m_Chara.m_Mark = 0;
    who.m_Chara.m_SightRange = 4;
    who.m_Chara.m_SightShape = 1;
    who.m_Chara.m_BodyPower = 10;
    who.m_Chara.m_BodyImpact = 0;
    who.m_Chara.m_ImpactResist = 0;
    who.m_Chara.m_StopEase = 0;
    who.m_Chara.m_Score = 0;
}

struct cFlowFixture {
    cRestoreOnExit<cStorySave> savedStory{StoryState()};
    cRestoreOnExit<cEdStage> savedStage{ProjectStage()};
    cRestoreOnExit<std::set<std::string>> savedFaults{LoggedFlowFaults()};
    cBoxAnswers boxes;
    cPlayScene scene;
    cCharaActor owner;
    cCharaActor target;

    cFlowFixture() {
        StoryState().Reset();
        StoryState().m_Lives = 3;
        LoggedFlowFaults().clear();
        scene.m_Players.resize(1);
        SetLife(owner, 50, 100, 20, 40);
        SetLife(target, 30, 30, 0, 1);
        SetLife(scene.m_Players[0], 10, 10, 5, 5);
        owner.m_Flow.m_Target = &target;
        target.m_Flow.m_Variables[2] = 1234;
        scene.m_TimeLeft = 300;
        scene.m_NoTimeLimit = 0;
        scene.m_ScrollX.m_Divisor = 2.0;
        scene.m_ScrollY.m_Divisor = 2.0;
        // Across the stage scrolls by itself, down it follows the player.
        scene.m_ScrollX.SetSpeed(1, 0);
        scene.m_ScrollY.SetSpeed(0, 0);
    }
    cActor& Player() { return scene.m_Players[0]; }
    std::vector<std::string> Shown() const {
        std::vector<std::string> texts;
        for (const cShownBox& box : boxes.Shown()) texts.push_back(box.text);
        return texts;
    }
};
