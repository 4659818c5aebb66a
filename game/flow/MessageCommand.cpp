#include <list>

#include "data/Flow.h"
#include "game/data/Tenths.h"
#include "game/flow/StageCommands.h"
#include "game/play/PlayScene.h"

namespace {

enum eMessageParam { ePosition, eColumn, eRow, eOffsetX, eOffsetY, eKeepOnScreen, eDisplayMode, eTenths, ePause };
// Positions 1-3 follow the owner, 4-6 the player; the others stand on the screen or stage.
enum { eFirstOwnerPosition = 1, eFirstPlayerPosition = 4, eLastPlayerPosition = 6 };
const int kAdvanceSound = 11;

// The number of the character the window follows; -1 (nobody's) for the other positions.
int32_t AnchorNumber(const cPlayScene& scene, const cActor& owner, int32_t position) {
    if (position >= eFirstOwnerPosition && position < eFirstPlayerPosition) return owner.m_Number;
    if (position >= eFirstPlayerPosition && position <= eLastPlayerPosition && !scene.m_Players.empty())
        return scene.m_Players[0].m_Number;
    return -1;
}

}  // namespace

void ExecMessage(cActor& owner, const cFlowCmd& command, int32_t waitFlag) {
    cPlayScene* scene = CurrentPlayScene();
    if (!scene) return;
    const int32_t position = command.Param(ePosition);
    const int32_t mode = command.Param(eDisplayMode);
    const int32_t frames = TenthsToFrames(command.Param(eTenths));
    const int32_t pause = command.Param(ePause) != 0;
    cTextObj message;
    message.Create(cTextObj::eWindow, command.m_Text, 0, 0, 0, position, command.Param(eColumn), command.Param(eRow),
                   command.Param(eOffsetX), command.Param(eOffsetY), command.Param(eKeepOnScreen), mode, frames,
                   pause, AnchorNumber(*scene, owner, position), waitFlag);
    const std::list<cTextObj>::iterator shown = scene->m_Messages.insert(scene->m_Messages.end(), message);
    if (!pause) return;
    if (mode == cTextObj::eUntilKey) {
        if (!waitFlag) scene->Host().PlaySystemSound(kAdvanceSound);
        // A key wait counts no frames: the 1 only asks for the start delay.
        scene->RunWait(1, 1, 1, waitFlag);
        // Only the key ends a window of this mode, so it is still in the list.
        scene->m_Messages.erase(shown);
    } else if (mode == cTextObj::eTimed) {
        // The window counts its time during the wait and leaves the list when it has run out.
        scene->RunWait(1, frames, 0, 1);
    }
}
