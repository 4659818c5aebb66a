#pragma once
// A play scene at speed level 1 (one sub-step a frame, divisors 1) over a stage of the test's
// own, with a recording flow runtime, and player 0's input put back when the test ends.
#include "game/core/Input.h"
#include "game/play/PlayScene.h"
#include "tests/game/play/FakeFlowRuntime.h"
#include "tests/game/play/PlayFixture.h"
#include "tests/support/RestoreOnExit.h"

class CharaFixture : public PlayFixture {
protected:
    CharaFixture() : m_SavedInputs(PlayerInputs()) {}

    void SetUp() override {
        cEdStage stage = Stage();
        stage.SetSpeedLevel(1);
        ProjectStage() = stage;
        ASSERT_TRUE(m_Scene.SetStage(stage));
        GetPlayerInput(0).ResetKeyLogs();
    }

    static cFlow Flow(int trigger, int group = 0, int id = 0, int commands = 1) {
        cFlow flow;
        flow.m_Trigger = static_cast<uint8_t>(trigger);
        flow.m_Group = static_cast<uint8_t>(group);
        flow.m_Id = static_cast<uint8_t>(id);
        flow.m_Commands.resize(commands);
        return flow;
    }
    // A stage character with the flows, standing in the view.
    cCharaActor Chara(const std::vector<cFlow>& flows) {
        cEdChara record = Enemy();
        record.m_Flows.assign(flows.begin(), flows.end());
        cCharaActor chara;
        chara.Setup(1, record, nullptr, 400, 400, 0);
        return chara;
    }
    // Player 0 holds the direction word and buttons for so many frames.
    static void Hold(int direction, int buttons, int frames) {
        cInput& input = GetPlayerInput(0);
        input.m_wDirection = static_cast<int16_t>(direction);
        input.m_wButtons = static_cast<int16_t>(buttons);
        for (int i = 0; i < frames; ++i) input.UpdateKeyLogs();
    }

    cRestoreOnExit<cCheckedVector<cInput>> m_SavedInputs;
    cPlayScene m_Scene;
    cFakeFlowRuntime m_Runtime;
};
