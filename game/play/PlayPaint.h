#pragma once
// The play scene's picture: the painter reads the scene and draws it into a surface; it changes
// nothing of the play, so a stage plays the same whether it is painted or not.
#include "game/media/Surface.h"

class cBlitBatch;
class cPlayScene;

// Picture-table slots of the stage's background layers, one per layer.
const int kBackLayerSlot = 53;
const int kBackLayerSlots = 8;

// Paints the scene with the flags of its Draw (see cPlayScene::Draw).
void PaintPlayScene(cPlayScene& scene, cSurface& dest, int flag1, int flag2, int flag3, int flag4);
// In the fade-in and fade-out states, darkens the painted frame by the frames of the fade so far
// (at depth 8 the display palette, which the first frame after the fade puts back).
void PaintFade(const cPlayScene& scene, cSurface& dest);
// The stage's objects, each kind in this order: the player, the items present on the screen, the
// stage characters on it (the defeated ones by their defeat effect) and the shots on it. With the
// stage's priority setting on, in eight passes for priorities 0 to 7, so that higher priorities
// lie over lower ones; a priority past 7 is drawn in the last pass.
void PaintStageObjects(const cPlayScene& scene, cSurface& dest);
// The pass of the eight an object of that priority is drawn in.
int DrawPass(int priority);
// The players' hit boxes, as the stage shows them, over everything of the stage.
void PaintPlayerOverlays(const cPlayScene& scene, cSurface& dest);
// The display objects: texts, effects, pictures, then message windows.
void PaintDisplayObjects(const cPlayScene& scene, cSurface& dest);
// The player's sight: the stage seen only through the hole of the scene's sight mask, which is
// built again whenever the player's sight radius or shape has changed.
void PaintSightView(cPlayScene& scene, cSurface& dest);
// The last line of the picture, centred at the bottom: in a result whose ranking waits for F3 (the
// name modes that enter it by key), that key; otherwise how play started with a start file, or in
// test play, ends; nothing in other play.
void PaintModeCaption(cPlayScene& scene, cSurface& dest);
// The layers of one position key (0 behind the stage, 1 in front).
void DrawBackLayers(const cPlayScene& scene, cSurface& dest, int front);
void DrawBackLayers(const cPlayScene& scene, cBlitBatch& batch, int front);
// Covers the 640 x 480 screen with the picture repeated, its point (startX, startY) (taken
// modulo its size) at the screen's corner. Opaque, or with the picture's transparent colour.
void TileLayer(cBlitBatch& batch, cSurface& picture, double startX, double startY, bool opaque);
// Loads the stage's background pictures (bmp\back\) into their slots; a layer without a
// picture, or one that cannot be read, keeps an empty slot and is not drawn.
void LoadBackLayerPictures(const cPlayScene& scene);
