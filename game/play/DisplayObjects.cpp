// The play scene's display objects: texts, effects, pictures and message windows, counted in the
// scene's pass and painted in that order.
#include "game/play/PlayPaint.h"
#include "game/play/PlayScene.h"

namespace {

template <class T>
void StepList(std::list<T>& objects, int32_t hold) {
    for (auto it = objects.begin(); it != objects.end();) {
        if (it->Step(hold)) it = objects.erase(it);
        else ++it;
    }
}

template <class T>
void PaintList(const std::list<T>& objects, const cPlayScene& scene, cSurface& dest) {
    for (const T& object : objects) object.Paint(scene, dest);
}

}  // namespace

void cPlayScene::StepDisplayObjects(int32_t hold) {
    for (cTextObj& text : m_TextObjs) text.m_Shown = 1;
    for (cTextObj& message : m_Messages) message.m_Shown = 1;
    StepList(m_TextObjs, hold);
    StepList(m_EffectObjs, hold);
    StepList(m_PictureObjs, hold);
    StepList(m_Messages, hold);
}

const cActor* cPlayScene::FindCharaByNumber(int32_t number) const {
    for (const cPlayerActor& player : m_Players)
        if (player.m_Number == number) return &player;
    for (const cCharaActor& chara : m_Charas)
        if (chara.m_Number == number) return &chara;
    return nullptr;
}

void PaintDisplayObjects(const cPlayScene& scene, cSurface& dest) {
    PaintList(scene.m_TextObjs, scene, dest);
    PaintList(scene.m_EffectObjs, scene, dest);
    PaintList(scene.m_PictureObjs, scene, dest);
    PaintList(scene.m_Messages, scene, dest);
}
