// The line under the play that tells the player which keys end this kind of play, or that F3
// enters the ranking just earned.
#include <string>

#include "data/ProjectData.h"
#include "data/SystemData.h"
#include "game/core/GameGlobals.h"
#include "game/core/OptionData.h"
#include "game/media/Font.h"
#include "game/play/PlayHost.h"
#include "game/play/PlayPaint.h"
#include "game/play/PlayScene.h"

namespace {

const int kCaptionY = 456;
const int kCentreX = 320;
const int kTestPlayText = 18;   // Space goes back to the title
const int kStartFileText = 19;  // Space ends the game
const int kRankEntryText = 20;  // F3 enters the ranking
const int kNoCaption = -1;

// The ranking waits for F3 only in the name modes that enter it by key.
bool RankingAwaitsKey(const cPlayScene& scene) {
    const int mode = OptionData().m_RankEntryMode;
    return scene.State() == ePlayResult && scene.m_RankingPending && !scene.m_RankDone && (mode == 0 || mode == 1);
}

int CaptionText(cPlayScene& scene) {
    if (RankingAwaitsKey(scene)) return kRankEntryText;
    if (scene.Host().StartedWithFile()) return kStartFileText;
    if (scene.Host().TestPlay()) return kTestPlayText;
    return kNoCaption;
}

}  // namespace

void PaintModeCaption(cPlayScene& scene, cSurface& dest) {
    const int text = CaptionText(scene);
    if (text == kNoCaption) return;
    const std::string& caption = ProjectSystemData().m_Terms.At(text);
    cFont& font = GameFonts()[kSystemFont];
    font.DrawText(dest, kCentreX - font.MeasureText(caption.c_str()).cx / 2, kCaptionY, caption.c_str(), 0);
}
