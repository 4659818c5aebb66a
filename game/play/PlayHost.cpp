#include "game/play/PlayHost.h"

#include <algorithm>

#include "framework/ErrorLog.h"
#include "game/core/Input.h"
#include "game/play/PlayScene.h"

bool cHeadlessHost::KeyHeld(int virtualKey) {
    return std::find(keysHeld.begin(), keysHeld.end(), virtualKey) != keysHeld.end();
}

void cHeadlessHost::Paint(cPlayScene& scene, int flag1, int flag2, int flag3, int flag4) {
    ++paints;
    if (painter) painter(scene, flag1, flag2, flag3, flag4);
}

void cHeadlessHost::RunWait(cPlayScene& scene) {
    scene.m_WaitButtons = GetPlayerInput(0).m_wButtons;
    size_t pass = 0;
    for (; pass < kMaxWaitPasses; ++pass)
        if (!scene.WaitPass(pass < waitButtons.size() ? waitButtons[pass] : 0)) return;
}

void cHeadlessHost::ShowRanking(cPlayScene& scene) {
    ++rankingViews;
    scene.m_WaitButtons = GetPlayerInput(0).m_wButtons;
    for (size_t pass = 0; pass < kMaxWaitPasses; ++pass) {
        const int16_t buttons =
            pass < rankingButtons.size() ? rankingButtons[pass] : static_cast<int16_t>((pass - rankingButtons.size()) % 2);
        if (!scene.RankingViewPass(buttons)) return;
        rankingKinds.push_back(scene.m_RankView);
    }
}

void cPlayHost::ReportFailure(const char* text) { ErrorLogF("%s\n", text); }

void cHeadlessHost::ReportFailure(const char* text) {
    cPlayHost::ReportFailure(text);
    failures.push_back(text);
}
