// The play scene's screen effect, colour change and remaining-time warning: what moves on after
// each drawn picture.
#include "data/ProjectData.h"
#include "data/Stage.h"
#include "data/SystemData.h"
#include "game/media/Display.h"
#include "game/play/PlayScene.h"
#include "game/play/ScreenEffect.h"

namespace {

const int kSoundTimeWarning = 13;
const int kFramesPerSecond = 60;

}  // namespace

void cPlayScene::StartScreenEffect(int number, int repeat) {
    StartEffect(m_ScrEffect, ScrEffectProtoTable(), number, repeat);
}

void cPlayScene::SetScreenColour(const int32_t values[8]) { m_ScreenColour.Set(values); }

void cPlayScene::StepScreenEffects(int32_t hold, int32_t sound) {
    StepScreenEffect(*this, hold);
    if (sound && !m_NoTimeLimit && m_TimeLeft >= 1 && m_TimeLeft <= ProjectStage().m_WarningTime &&
        m_Frames % kFramesPerSecond == 0)
        Host().PlaySystemSound(kSoundTimeWarning);
    m_ScreenColour.Step(hold, Display().nBpp);
}

bool cPlayScene::StageHidden(int32_t flag1) const {
    return State() == ePlayPause && !flag1 && ProjectSystemData().m_HidePlacedInPause;
}
