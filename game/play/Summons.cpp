// Blocks, characters and items summoned by flows, laid out by the shot formations.
#include "data/CommonPalette.h"
#include "data/ProjectData.h"
#include "data/Stage.h"
#include "game/play/Formations.h"
#include "game/play/PlayScene.h"

namespace {

enum eSummonForce { eForceOfElement, eForceOfSummoner, eForceOfRecord };

// The element the record names in its palette; null when the palette has no such element.
template <class T>
const T* SummonedElement(const cEdShot& shot) {
    const cPalette& palette = shot.m_SummonPalette == 0 ? static_cast<const cPalette&>(ProjectCommonPalette())
                                                        : ProjectStage().m_Palette;
    const cRecordVector<T>& list = ListOf<T>(palette);
    if (shot.m_SummonIndex < 0 || static_cast<size_t>(shot.m_SummonIndex) >= list.size()) return nullptr;
    return &list[shot.m_SummonIndex];
}

void LayOut(const cActor& shooter, const cEdShot& shot, int flowDir, int32_t size, const cPlacementSink& sink) {
    cPlacement p;
    p.clone = 0;
    p.speed = 1.0;
    p.angleOffset = 0.0;
    p.w = p.h = size;
    p.dir = DirectionCode(shot.m_Dir, shooter.m_Facing, flowDir);
    p.offsetX = LaunchOffsetX(shot, 0, shooter.m_Facing);
    p.offsetY = LaunchOffsetY(shot, 0, shooter.m_Facing);
    LayOutFormation(shooter, shot, p, sink);
}

int32_t ElementSize(uint8_t scale) { return (scale < 1 ? 1 : scale) * 32; }

}  // namespace

void SummonBlocks(cPlayScene& scene, cActor& shooter, const cEdShot& shot, int flowDir) {
    const cEdBlock* block = SummonedElement<cEdBlock>(shot);
    if (!block) return;
    if (shot.m_SummonType == 2) scene.m_ChangedCells.clear();
    LayOut(shooter, shot, flowDir, 32,
           [&](const cPlacement& p) { scene.ChangeBlockAt(p.x, p.y, &shooter, shot, *block); });
}

void SummonCharas(cPlayScene& scene, cActor& shooter, const cEdShot& shot, int flowDir) {
    const cEdChara* chara = SummonedElement<cEdChara>(shot);
    if (!chara || chara->m_Control != 1) return;
    uint8_t force = chara->m_Force;
    if (shot.m_SummonForce == eForceOfSummoner) force = shooter.m_Chara.m_Force;
    else if (shot.m_SummonForce == eForceOfRecord) force = shot.m_Force;
    const uint8_t facing = static_cast<uint8_t>(shot.m_FlipDir ? !shooter.m_Facing : shooter.m_Facing == 1);
    LayOut(shooter, shot, flowDir, ElementSize(chara->m_Scale), [&](const cPlacement& p) {
        scene.SpawnChara(scene.m_Charas, p.x, p.y, force, facing, &shooter, shot, *chara, scene.m_CharaId);
    });
}

void SummonItems(cPlayScene& scene, cActor& shooter, const cEdShot& shot, int flowDir) {
    const cEdItem* item = SummonedElement<cEdItem>(shot);
    if (!item) return;
    LayOut(shooter, shot, flowDir, ElementSize(item->m_Scale), [&](const cPlacement& p) {
        scene.SpawnItem(scene.m_Items, p.x, p.y, &shooter, shot, *item, scene.m_ItemId);
    });
}
