// The characters' part of each drawn frame: what they show before the picture, and their
// effects, gauges and defeats after it.
#include "game/play/CharaDraw.h"
#include "game/play/PlayPaint.h"
#include "game/play/PlayScene.h"

void cPlayScene::StepCharaFrames(int32_t hold) {
    for (cPlayerActor& player : m_Players) {
        player.UpdatePlayerScreenRect();
        PickFrame(player, hold);
    }
    for (cCharaActor& chara : m_Charas) {
        chara.UpdateScreenRect();
        PickFrame(chara, hold);
        chara.StepHeldItemMark();
    }
}

void cPlayScene::StepCharaEffects(int32_t hold) {
    for (cPlayerActor& player : m_Players) {
        if (player.m_Dead) continue;
        StepCharaEffect(player, hold);
        StepGauges(player);
        StepBoxOverlays(player.m_BoxOverlays);
    }
    for (auto it = m_Charas.begin(); it != m_Charas.end();) {
        // A character a flow made vanish leaves without a defeat.
        if (it->m_Vanish) {
            it = RemoveChara(it);
            continue;
        }
        if (it->m_Dead) {
            if (StepDefeated(*it, hold)) {
                it = RemoveChara(it);
                continue;
            }
        } else {
            StepCharaEffect(*it, hold);
            StepGauges(*it);
        }
        ++it;
    }
}

void PaintPlayerOverlays(const cPlayScene& scene, cSurface& dest) {
    for (const cPlayerActor& player : scene.m_Players) PaintBoxOverlays(player, player.m_BoxOverlays, dest);
}
