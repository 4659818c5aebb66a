#pragma once
// The presentation commands: effects, character and screen effects, pictures, the screen's
// colour, background layers, sounds and music. They take the owner and the command itself, so
// the item runner can run them too.
#include <cstdint>

class cActor;
class cFlowCmd;

// "エフェクトの実行" (effect, position, X, Y, offset X, offset Y, size %, pause): effect 0 clears
// the effects; with pause the game waits for the effect's frames.
void ExecEffect(cActor& owner, const cFlowCmd& command);
// "キャラエフェクトの実行", "画面エフェクトの実行" (effect, loop).
void ExecCharaEffect(cActor& owner, const cFlowCmd& command);
void ExecScreenEffect(cActor& owner, const cFlowCmd& command);
// "ピクチャーの表示" (picture, position, X, Y, offset X, offset Y, size %, display mode, tenths,
// pause): picture 0 removes every picture. With pause the game waits for the key (mode 0) or
// the time (mode 2), then the picture goes; a picture kept until the stage ends never waits.
void ExecPicture(cActor& owner, const cFlowCmd& command);
// "画面の色を変更": its eight values go to the scene's colour change.
void ExecScreenColor(cActor& owner, const cFlowCmd& command);
// "背景の変更" (layer 1 to the stage's count, 0 show, 1 hide, 2 toggle).
void ExecBackground(cActor& owner, const cFlowCmd& command);
// "効果音の再生" (sound): silent for an owner off screen when the command asks.
void ExecSound(cActor& owner, const cFlowCmd& command);
// "BGMの再生" (music): 0 stops the music.
void ExecBgm(cActor& owner, const cFlowCmd& command);

// Size percents keep the editor's 1 to 1000; the size is rounded half away from zero.
int32_t ScaledSize(int32_t size, int32_t percent);
