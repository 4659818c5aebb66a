#include "game/flow/ShowCommands.h"

#include <algorithm>
#include <cmath>
#include <list>

#include "data/Flow.h"
#include "data/ProjectDatabase.h"
#include "data/Stage.h"
#include "game/data/StorySave.h"
#include "game/data/Tenths.h"
#include "game/flow/FlowFaults.h"
#include "game/flow/StageCommands.h"
#include "game/play/CharaDraw.h"
#include "game/play/PlayScene.h"

namespace {

enum ePosition { eScreenCentre, eOwnerCentre, ePlayerCentre, eScreenPoint, eStagePoint };
enum eEffectParam { eEffectNumber, eEffectPosition, eEffectX, eEffectY, eEffectOffsetX, eEffectOffsetY, eEffectSize,
                    eEffectPause };
enum ePictureParam { ePictureNumber, ePicturePosition, ePictureX, ePictureY, ePictureOffsetX, ePictureOffsetY,
                     ePictureSize, ePictureMode, ePictureTenths, ePicturePause };
enum eBackgroundOperation { eShow, eHide, eToggle };
const int32_t kMinPercent = 1;
const int32_t kMaxPercent = 1000;
const int kPauseWait = 2;
const int kPictureWait = 3;

// Where an object of w x h stands (stage dots) for the position mode and the command's block
// coordinates and dot offsets, from parameter `first` on: mode, X, Y, offset X, offset Y.
void Place(const cPlayScene& scene, const cActor& owner, const cFlowCmd& command, size_t first, int32_t w,
           int32_t h, double& x, double& y) {
    const double sx = scene.m_ScrollX.m_Pos, sy = scene.m_ScrollY.m_Pos;
    const int32_t column = command.Param(first + 1), row = command.Param(first + 2);
    const int32_t dx = command.Param(first + 3), dy = command.Param(first + 4);
    const cActor* centre = nullptr;
    switch (command.Param(first)) {
        case eOwnerCentre: centre = &owner; break;
        case ePlayerCentre:
            if (!scene.m_Players.empty()) centre = &scene.m_Players[0];
            break;
        case eScreenPoint:
            x = sx + column * 32.0 + dx;
            y = sy + row * 32.0 + dy;
            return;
        case eStagePoint:
            x = (static_cast<double>(column) + scene.m_ScrollX.m_BorderCells) * 32 + dx;
            y = (static_cast<double>(row) + scene.m_ScrollY.m_BorderCells) * 32 + dy;
            return;
        default: break;
    }
    if (centre) {
        x = centre->CentreX() + sx - w / 2 + dx;
        y = centre->CentreY() + sy - h / 2 + dy;
    } else {
        x = sx + 320 - w / 2 + dx;
        y = sy + 240 - h / 2 + dy;
    }
}

// The frames an effect shows: the sum of its frames' times.
int32_t EffectFrames(const cEffect& effect) {
    int64_t tenths = 0;
    for (const cEffectFrame& frame : effect.m_Frames) tenths += std::max(0, frame.m_Time);
    return TenthsToFrames(tenths);
}

}  // namespace

int32_t ScaledSize(int32_t size, int32_t percent) {
    const int32_t kept = std::max(kMinPercent, std::min(percent, kMaxPercent));
    return static_cast<int32_t>(std::lround(static_cast<double>(kept) * size * 0.01));
}

void ExecEffect(cActor& owner, const cFlowCmd& command) {
    cPlayScene* scene = CurrentPlayScene();
    if (!scene) return;
    const int32_t number = command.Param(eEffectNumber);
    if (number == 0) {
        scene->m_EffectObjs.clear();
        return;
    }
    const auto& table = ProjectDatabase().m_Effects;
    if (number < 0 || static_cast<size_t>(number) >= table.size()) {
        LogFlowFault("Effect %d outside the table", number);
        return;
    }
    const cEffect& effect = table[number];
    const int32_t percent = command.Param(eEffectSize);
    const int32_t w = ScaledSize(effect.m_CellWidth, percent), h = ScaledSize(effect.m_CellHeight, percent);
    double x = 0.0, y = 0.0;
    Place(*scene, owner, command, eEffectPosition, w, h, x, y);
    const int32_t pause = command.Param(eEffectPause) != 0;
    cEffectObj shown;
    shown.Create(number, x, y, w, h, pause);
    shown.m_Scaled = w != effect.m_CellWidth || h != effect.m_CellHeight;
    scene->m_EffectObjs.push_back(shown);
    // The effect plays on while it holds the game, and leaves the list when it has ended.
    if (pause) scene->RunWait(kPauseWait, EffectFrames(effect), 0, 0);
}

void ExecCharaEffect(cActor& owner, const cFlowCmd& command) {
    StartCharaEffect(owner, static_cast<uint16_t>(command.Param(0)), command.Param(1));
}

void ExecScreenEffect(cActor&, const cFlowCmd& command) {
    if (cPlayScene* scene = CurrentPlayScene())
        scene->StartScreenEffect(static_cast<uint16_t>(command.Param(0)), command.Param(1));
}

void ExecPicture(cActor& owner, const cFlowCmd& command) {
    cPlayScene* scene = CurrentPlayScene();
    if (!scene) return;
    const int32_t number = command.Param(ePictureNumber);
    if (number == 0) {
        scene->m_PictureObjs.clear();
        return;
    }
    const std::shared_ptr<cSurface> picture = scene->StagePicture(number);
    if (!picture) return;
    const int32_t percent = std::max(kMinPercent, std::min(command.Param(ePictureSize), kMaxPercent));
    const int32_t w = ScaledSize(picture->nWidth, percent), h = ScaledSize(picture->nHeight, percent);
    double x = 0.0, y = 0.0;
    Place(*scene, owner, command, ePicturePosition, w, h, x, y);
    const int32_t mode = command.Param(ePictureMode);
    const int32_t frames = TenthsToFrames(command.Param(ePictureTenths));
    const bool pause = command.Param(ePicturePause) != 0;
    cPictureObj shown;
    // A picture that holds the game does not count while it does: the wait's end takes it away.
    shown.Set(number, x, y, w, h, percent, mode, frames, 0);
    shown.m_Picture = picture;
    const std::list<cPictureObj>::iterator placed = scene->m_PictureObjs.insert(scene->m_PictureObjs.end(), shown);
    if (!pause || (mode != cTextObj::eUntilKey && mode != cTextObj::eTimed)) return;
    if (mode == cTextObj::eUntilKey) scene->RunWait(kPictureWait, 0, 1, 0);
    else scene->RunWait(kPictureWait, frames, 0, 0);
    scene->m_PictureObjs.erase(placed);
}

void ExecScreenColor(cActor&, const cFlowCmd& command) {
    cPlayScene* scene = CurrentPlayScene();
    if (!scene) return;
    int32_t values[8];
    for (size_t i = 0; i < 8; ++i) values[i] = command.Param(i);
    scene->SetScreenColour(values);
}

void ExecBackground(cActor&, const cFlowCmd& command) {
    cPlayScene* scene = CurrentPlayScene();
    if (!scene) return;
    std::vector<int32_t>& layers = scene->m_LayerShown;
    const int32_t number = command.Param(0);
    if (number < 1 || static_cast<size_t>(number) > layers.size()) return;
    int32_t& shown = layers[number - 1];
    switch (command.Param(1)) {
        case eShow: shown = 1; break;
        case eHide: shown = 0; break;
        case eToggle: shown = !shown; break;
        default: break;
    }
}

void ExecSound(cActor& owner, const cFlowCmd& command) {
    cPlayScene* scene = CurrentPlayScene();
    const int32_t sound = command.Param(0);
    if (!scene || sound == 0) return;
    if (command.m_SoundOnScreen && !owner.m_OnScreen) return;
    scene->Host().PlaySound(sound);
}

void ExecBgm(cActor&, const cFlowCmd& command) {
    cPlayScene* scene = CurrentPlayScene();
    if (!scene) return;
    const int32_t number = command.Param(0);
    cStorySave& story = StoryState();
    if (number == 0) {
        story.m_MusicIndex = 0;
        scene->Host().StopMusic();
        return;
    }
    if (number < 0 || static_cast<size_t>(number) >= ProjectDatabase().m_Bgms.size()) {
        LogFlowFault("Music %d outside the table", number);
        return;
    }
    story.m_MusicIndex = number;
    scene->Host().PlayMusic(number);
}
