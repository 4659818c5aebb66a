// The stage's objects in their drawing order. Priorities come from the records (a flow may change
// a character's), so a value past the eight passes is drawn in the nearest one, never dropped.
#include "data/Stage.h"
#include "game/media/BlitBatch.h"
#include "game/play/CharaDraw.h"
#include "game/play/PlayPaint.h"
#include "game/play/PlayScene.h"

namespace {

const int kPasses = 8;

void PaintActor(const cActor& actor, cBlitBatch& batch) {
    if (actor.m_Dead) {
        PaintDefeated(actor, batch);
        return;
    }
    PaintChara(actor, batch);
    PaintGauge(actor, batch, 0);
    PaintGauge(actor, batch, 1);
}

}  // namespace

int DrawPass(int priority) { return priority < 0 ? 0 : priority >= kPasses ? kPasses - 1 : priority; }

void PaintStageObjects(const cPlayScene& scene, cSurface& dest) {
    const bool byPriority = ProjectStage().m_UseZ != 0;
    // Most objects are plain keyed copies: drawn under one lock of each surface.
    cBlitBatch batch(dest);
    for (int pass = 0; pass < (byPriority ? kPasses : 1); ++pass) {
        auto inPass = [&](int priority) { return !byPriority || DrawPass(priority) == pass; };
        for (const cPlayerActor& player : scene.m_Players)
            if (inPass(player.m_Chara.m_Z)) PaintActor(player, batch);
        for (const cItemObj& item : scene.m_Items)
            if (item.m_Present && item.m_OnScreen && inPass(item.m_Item.m_Z)) item.DrawItem(batch, 1);
        for (const cCharaActor& chara : scene.m_Charas)
            if ((chara.m_OnScreen || chara.m_Dead) && inPass(chara.m_Chara.m_Z)) {
                PaintActor(chara, batch);
                chara.DrawHeldItemMark(batch);
            }
        for (const cShotObj& shot : scene.m_Shots)
            if (shot.m_OnScreen && inPass(shot.m_Shot.m_Z)) shot.DrawShot(batch, 1);
    }
}
