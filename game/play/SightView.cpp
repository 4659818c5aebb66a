// The player's sight in play: the stage is seen only through a hole around the player (or ahead
// of it) in a mask that the play scene keeps, built again whenever the player's sight changes.
#include <algorithm>

#include "game/media/Blit.h"
#include "game/media/ScreenSize.h"
#include "game/play/PictureObj.h"
#include "game/play/PlayPaint.h"
#include "game/play/PlayScene.h"

namespace {

// The record's sight kinds ("視界"), in the editor's list.
enum eSightKind { eSightWhole, eSightCircle, eSightCircleAhead, eSightSquare, eSightSquareAhead };

bool LooksAhead(int kind) { return kind == eSightCircleAhead || kind == eSightSquareAhead; }

}  // namespace

void cPlayerActor::DrawCameraView(cSurface& target, cSurface& mask) const {
    const int kind = m_Chara.m_SightShape;
    if (kind == eSightWhole || !mask.lpSurface) return;
    const int halfWidth = m_DrawWidth >> 1;
    int sx = mask.nWidth / 2 - halfWidth - m_ScreenRect.left;
    if (LooksAhead(kind)) sx += GetDirSign() * halfWidth - GetDirSign() * m_Flow.m_SightRadius;
    sx = std::max(0, std::min(sx, mask.nWidth - kScreenWidth));
    int sy = mask.nHeight / 2 - (m_DrawHeight >> 1) - m_ScreenRect.top;
    sy = std::max(0, std::min(sy, mask.nHeight - kScreenHeight));
    DDBlt(target, 0, 0, kScreenWidth, kScreenHeight, mask, sx, sy, DDBLTFAST_SRCCOLORKEY);
}

void PaintSightView(cPlayScene& scene, cSurface& dest) {
    if (scene.m_Players.empty()) return;
    const cPlayerActor& player = scene.m_Players[0];
    const int kind = player.m_Chara.m_SightShape;
    if (kind == eSightWhole) return;
    cPlayScene::cSightView& view = scene.m_SightView;
    const int32_t round = kind == eSightCircle || kind == eSightCircleAhead ? 1 : 0;
    if (!view.mask || view.radius != player.m_Flow.m_SightRadius || view.round != round) {
        if (!view.mask) {
            view.mask = MakeSharedSurface();
            view.circle = MakeSharedSurface();
        }
        // Kept before the build: a mask that cannot be made is not tried again every frame.
        view.radius = player.m_Flow.m_SightRadius;
        view.round = round;
        if (!scene.BuildSightMask(*view.mask, *view.circle, view.radius, round)) return;
    }
    player.DrawCameraView(dest, *view.mask);
}
