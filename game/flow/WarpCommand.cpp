#include <cmath>

#include "data/Flow.h"
#include "data/MoveShot.h"
#include "game/flow/MoveSpeeds.h"
#include "game/flow/StageCommands.h"
#include "game/play/PlayScene.h"

namespace {

enum eWarpMode { eByDirection, eFromTarget, eToPoint };
enum eWarpPoint { eRelative, eAbsolute, eOnScreen };
const double kDiagonal = 0.7071067811865476;  // 1/sqrt(2)

// The box's far edges follow its near ones before the character's own move check runs.
int MoveToX(cActor& owner, double x) {
    owner.m_X = x;
    owner.m_Right = owner.m_X + owner.m_Width - 1;
    return owner.OnMoveX();
}

int MoveToY(cActor& owner, double y) {
    owner.m_Y = y;
    owner.m_Bottom = owner.m_Y + owner.m_Height - 1;
    return owner.OnMoveY();
}

// Displaces the owner by d dots along the direction code; codes without a direction stay.
void MoveAlong(cActor& owner, int code, double d) {
    const int sx = DirectionSignX(code), sy = DirectionSignY(code);
    if (sx == 0 && sy == 0) return;
    const double step = sx != 0 && sy != 0 ? d * kDiagonal : d;
    MoveToX(owner, owner.m_X + sx * step);
    MoveToY(owner, owner.m_Y + sy * step);
}

// What the warp puts back when the new place does not do.
struct cWarpSaved {
    explicit cWarpSaved(const cActor& a)
        : x(a.m_X), y(a.m_Y), right(a.m_Right), bottom(a.m_Bottom), left(a.m_LeftColumn), top(a.m_TopRow),
          rightColumn(a.m_RightColumn), bottomRow(a.m_BottomRow), screen(a.m_ScreenRect) {}
    void Restore(cActor& a) const {
        a.m_X = x;
        a.m_Y = y;
        a.m_Right = right;
        a.m_Bottom = bottom;
        a.m_LeftColumn = left;
        a.m_TopRow = top;
        a.m_RightColumn = rightColumn;
        a.m_BottomRow = bottomRow;
        a.m_ScreenRect = screen;
    }

    double x, y, right, bottom;
    int32_t left, top, rightColumn, bottomRow;
    cRect screen;
};

}  // namespace

int ExecWarp(cActor& owner, const cFlowCmd& command) {
    cPlayScene* scene = CurrentPlayScene();
    if (!scene || !command.m_Move) return 0;
    const cEdMove& move = *command.m_Move;
    const cWarpSaved saved(owner);
    const double d = (static_cast<double>(move.m_DistanceClone) * owner.m_Level + move.m_Distance) * 16;
    switch (move.m_DirMode) {
        case eByDirection:
            MoveAlong(owner, DirectionCode(owner, move.m_Dir), d);
            break;
        case eFromTarget: {
            const cActor* target = owner.m_Flow.m_Target;
            if (!target) return 0;
            // The two drawing boxes coincide, then the owner stands before or behind the target.
            MoveToX(owner, target->m_X - target->m_DrawOffsetX + owner.m_DrawOffsetX);
            MoveToY(owner, target->m_Y - target->m_DrawOffsetY + owner.m_DrawOffsetY);
            MoveAlong(owner, DirectionCode(*target, move.m_Dir), d);
            break;
        }
        case eToPoint: {
            const bool right = owner.m_Facing == 1;
            double x = move.m_TargetX * 32.0 + move.m_TargetDotX;
            double y = move.m_TargetY * 32.0 + move.m_TargetDotY;
            if (right && move.m_FlipX) x = -x;
            if (right && move.m_FlipY) y = -y;
            if (move.m_TargetMode == eRelative) {
                MoveToX(owner, owner.m_X + x);
                MoveToY(owner, owner.m_Y + y);
            } else if (move.m_TargetMode == eAbsolute) {
                owner.PlaceAtBlockX(move.m_TargetX);
                MoveToX(owner, owner.m_X + move.m_TargetDotX);
                owner.PlaceAtBlockY(move.m_TargetY);
                MoveToY(owner, owner.m_Y + move.m_TargetDotY);
            } else if (move.m_TargetMode == eOnScreen) {
                MoveToX(owner, owner.m_DrawOffsetX + scene->m_ScrollX.m_Pos + x);
                MoveToY(owner, owner.m_DrawOffsetY + scene->m_ScrollY.m_Pos + y);
            }
            break;
        }
        default:
            break;
    }
    if (owner.IsInArea(0) && !scene->IsActorBlocked(owner)) return 0;
    saved.Restore(owner);
    owner.OnMoveY();
    return owner.OnMoveX();
}
