// A chara summon made in the editor's command dialog, as the author makes it, played by the game:
// the existence time typed into the dialog is the time the summoned chara stays on the stage.
#include <gtest/gtest.h>

#include "data/CommonPalette.h"
#include "data/Flow.h"
#include "editor/flow/CmdSummonDlgs.h"
#include "editor/flow/FlowCmdIds.h"
#include "game/flow/PlayFlowRuntime.h"
#include "game/play/FlowRuntime.h"
#include "tests/flow/CmdDlgFixture.h"
#include "tests/game/play/PlayStateFixture.h"
#include "tests/support/RestoreOnExit.h"

namespace {

const int kSummonChara = 14;
const int kTriggerByOperation = 17;

class SummonLife : public CmdDlgTest {
protected:
    SummonLife() : m_Previous(SetFlowRuntime(&PlayFlowRuntime())) {}
    ~SummonLife() override { SetFlowRuntime(m_Previous); }

    cPlayGlobals m_Globals;
    cRestoreOnExit<cEdStage> m_Stage{ProjectStage()};
    cRestoreOnExit<cCommonPalette> m_Palette{ProjectCommonPalette()};
    cHeadlessHost m_Host;
    cFlowRuntime* m_Previous;
};

}  // namespace

TEST_F(SummonLife, TheTimeTypedIntoTheDialogIsTheSummonedCharasStay) {
    // The summoned one: a flying chara of the common palette, element 1.
    cEdChara flyer;
    flyer.m_Graphic = 2;
    flyer.m_Control = 1;
    flyer.m_Extra3 = -1;
    flyer.m_Hp = 10;
    flyer.m_Flight = 1;
    ProjectCommonPalette().m_Charas.resize(2);
    ProjectCommonPalette().m_Charas[1] = flyer;

    cFlowCmd summon = NewCmd(kSummonChara);
    ASSERT_EQ(1, Run<cCmdCharaSummonDlg>(summon, 1, IDD_CMD_CHARA_SUMMON, "キャラ召喚", [](HWND dlg) {
                  Act(dlg, Type(IDC_SUMMON_LIFE, "5"));  // half a second
                  PressOk(dlg);
              }));
    ASSERT_TRUE(summon.m_Shot);

    // A stage whose flying chara runs a flow of that one command when asked to.
    cEdStage stage;
    stage.SetSize(20, 15);
    cEdChara hero;
    hero.m_Graphic = 1;
    hero.m_Control = 0;
    stage.PutCharaAt(1, 1, hero);
    cEdChara caller = flyer;
    cFlow flow;
    flow.m_Trigger = kTriggerByOperation;
    flow.m_Commands.push_back(summon);
    caller.m_Flows.push_back(flow);
    stage.PutCharaAt(5, 5, caller);
    ProjectStage() = stage;
    cPlayScene scene;
    scene.SetHost(&m_Host);
    for (int i = 0; i < 500 && scene.State() != ePlayRun; ++i) scene.StepFrame(0, 0);
    ASSERT_EQ(ePlayRun, scene.State());
    ASSERT_EQ(1u, scene.m_Charas.size());
    cCharaActor& chara = scene.m_Charas.front();
    scene.m_Flow.m_Actor = &chara;
    chara.m_Runners[0].Start();

    // Summoned on the command's first step, gone when its 30 frames have passed.
    const int life = 5 * 6 * scene.SubSteps();
    std::vector<size_t> counts;
    for (int frame = 0; frame < life + 10; ++frame) {
        scene.StepFrame(0, 0);
        counts.push_back(scene.m_Charas.size());
    }
    EXPECT_EQ(2u, counts[1]) << "summoned";
    EXPECT_EQ(2u, counts[life - 5]) << "still there";
    EXPECT_EQ(1u, counts.back()) << "gone when its time was up";
}
