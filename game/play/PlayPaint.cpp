#include "game/play/PlayPaint.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "data/ProjectData.h"
#include "data/Stage.h"
#include "data/SystemData.h"
#include "game/core/GameModes.h"
#include "game/data/StorySave.h"
#include "game/core/RankingDraw.h"
#include "game/core/SceneManager.h"
#include "game/core/SystemTexts.h"
#include "game/data/GameDatabase.h"
#include "game/media/Bitmap.h"
#include "game/media/Blit.h"
#include "game/media/BlitBatch.h"
#include "game/media/CompositeBlit.h"
#include "game/media/Display.h"
#include "game/media/PixelEffect.h"
#include "game/media/ScreenSize.h"
#include "game/play/PlayScene.h"
#include "game/play/ScreenColour.h"
#include "game/play/ScreenEffect.h"

namespace {

const int kMaxTiles = 1000;
const int kWordPicture = 49;  // the banners and their digits
const int kBannerWidth = 128;
const int kGameOverWidth = 144;
const int kBannerHeight = 32;
const int kDigitRow = 96;
const int kTimeDigitRow = 128;
const int kSystemPicture = 47;
const int kPauseTexts = 14;

cSurface* Slot(int index) {
    const cDisplayState& display = Display();
    if (!display.lpSurfaces || index < 0 || index >= display.nSurfaceCount) return nullptr;
    cSurface* surface = &display.lpSurfaces[index];
    return surface->lpSurface && surface->nWidth > 0 && surface->nHeight > 0 ? surface : nullptr;
}

// Non-negative remainder.
int Wrap(double value, int size) {
    int rest = static_cast<int>(std::fmod(std::trunc(value), size));
    return rest < 0 ? rest + size : rest;
}

void DrawBanner(cSurface& dest, int x, int y, int width, int sourceY) {
    if (cSurface* words = Slot(kWordPicture)) DDBlt(dest, x, y, width, kBannerHeight, *words, 0, sourceY, DDBLTFAST_SRCCOLORKEY);
}

void DrawNumber(cSurface& dest, int x, int y, int value) {
    cSurface* words = Slot(kWordPicture);
    if (!words) return;
    const std::string digits = std::to_string(value < 0 ? 0 : value);
    for (size_t i = 0; i < digits.size(); ++i)
        DDBlt(dest, x + static_cast<int>(i) * 32, y, 32, 32, *words, (digits[i] - '0') * 32, kDigitRow,
              DDBLTFAST_SRCCOLORKEY);
}

// The remaining seconds, at least three digits centred, unless the stage has no time limit.
void DrawTimeLeft(const cPlayScene& scene, cSurface& dest) {
    cSurface* words = Slot(kWordPicture);
    if (scene.m_NoTimeLimit || !words) return;
    DDDrawNumber(dest, 272, 24, 32, 32, *words, 0, kTimeDigitRow, DDBLTFAST_SRCCOLORKEY, scene.m_TimeLeft, 3, 1);
}

// A first background layer drawn behind the stage covers the whole screen, as a colour or as an
// opaque picture repeated: nothing of a clearing fill under it would show.
bool FirstLayerCoversScreen(const cPlayScene& scene) {
    const cEdStage& stage = ProjectStage();
    if (stage.m_BackLayers.empty()) return false;
    const cBackLayer& layer = stage.m_BackLayers[0];
    return scene.LayerShown(0) && !layer.m_Front && (layer.m_UseColor || Slot(kBackLayerSlot));
}

}  // namespace

void TileLayer(cBlitBatch& batch, cSurface& picture, double startX, double startY, bool opaque) {
    const int w = picture.nWidth, h = picture.nHeight;
    if (w <= 0 || h <= 0) return;
    batch.Tile(kScreenWidth, kScreenHeight, picture, Wrap(startX, w), Wrap(startY, h),
               opaque ? 0 : DDBLTFAST_SRCCOLORKEY);
}

void DrawBackLayers(const cPlayScene& scene, cBlitBatch& batch, int front) {
    const cEdStage& stage = ProjectStage();
    const size_t count = std::min<size_t>(stage.m_BackLayers.size(), kBackLayerSlots);
    for (size_t i = 0; i < count; ++i) {
        const cBackLayer& layer = stage.m_BackLayers[i];
        if (!scene.LayerShown(i) || (layer.m_Front != 0) != (front != 0)) continue;
        if (layer.m_UseColor) {
            batch.Fill(0, 0, kScreenWidth, kScreenHeight, layer.m_Color);
            continue;
        }
        cSurface* picture = Slot(kBackLayerSlot + static_cast<int>(i));
        if (!picture) continue;
        const double x = scene.LayerStart(0, i), y = scene.LayerStart(1, i);
        TileLayer(batch, *picture, x, y, i == 0);
    }
}

void DrawBackLayers(const cPlayScene& scene, cSurface& dest, int front) {
    cBlitBatch batch(dest);
    DrawBackLayers(scene, batch, front);
}

void LoadBackLayerPictures(const cPlayScene&) {
    const cEdStage& stage = ProjectStage();
    const cDisplayState& display = Display();
    for (int i = 0; i < kBackLayerSlots; ++i) {
        const int index = kBackLayerSlot + i;
        if (!display.lpSurfaces || index >= display.nSurfaceCount) return;
        cSurface& slot = display.lpSurfaces[index];
        DDReleaseSurface(slot);
        if (static_cast<size_t>(i) >= stage.m_BackLayers.size()) continue;
        const cBackLayer& layer = stage.m_BackLayers[i];
        if (layer.m_UseColor || layer.m_Picture.empty()) continue;
        const std::string path = "bmp\\back\\" + layer.m_Picture;
        DDLoadBitmap(slot, path.c_str(), i == 0 ? 0 : 1, display.nBpp, kMemorySystem, 0, 0, 0);
    }
}

void PaintPlayScene(cPlayScene& scene, cSurface& dest, int flag1, int flag2, int, int flag4) {
    const bool hidden = scene.StageHidden(flag1);
    {
        // Everything up to the stage's objects under one lock of each surface.
        cBlitBatch batch(dest);
        if (!FirstLayerCoversScreen(scene)) batch.Fill(0, 0, kScreenWidth, kScreenHeight, 0);
        DrawBackLayers(scene, batch, 0);
        if (hidden)
            DrawBackLayers(scene, batch, 1);
        else
            scene.DrawBlockLayer(batch, 0);
    }
    if (!hidden) {
        PaintStageObjects(scene, dest);
        {
            cBlitBatch batch(dest);
            DrawBackLayers(scene, batch, 1);
            scene.DrawBlockLayer(batch, 1);
        }
        PaintPlayerOverlays(scene, dest);
        PaintDisplayObjects(scene, dest);
        PaintScreenEffect(scene, dest);
        PaintSightView(scene, dest);
        scene.DrawStatusBar(dest);
        DrawTimeLeft(scene, dest);
        PaintScreenColour(scene.m_ScreenColour, flag2);
        if (flag4) PaintModeCaption(scene, dest);
    }
    const cEdStage& stage = ProjectStage();
    switch (scene.State()) {
        case ePlayIntro:
            if (stage.m_ShowStageInfo && scene.m_Counter < cPlayScene::kBannerFrames - 1) {
                DrawBanner(dest, 256, 224, kBannerWidth, 0);
                DrawNumber(dest, 384, 224, StoryState().m_StageNumber);
            }
            break;
        case ePlayResult:
            if (stage.m_ShowStageClear && scene.m_Counter < 196) {
                // The banner slides in from the right in strips of 4.
                const int shown = scene.m_Counter < 96 ? scene.m_Counter * kBannerWidth / 96 : kBannerWidth;
                DrawBanner(dest, 256 + kBannerWidth - shown, 192, shown, kBannerHeight);
            } else if (stage.m_ShowStageClear) {
                int positions[kRankKinds];
                for (int k = 0; k < kRankKinds; ++k)
                    positions[k] = static_cast<size_t>(k) < scene.m_RankPlaces.size() ? scene.m_RankPlaces[k] : -1;
                DrawResultTable(dest, 336, 224, positions);
            }
            break;
        case ePlayPause: {
            // The menu: quit, resume and, for a stage file, retry; the cursor in the margin of its line.
            const cSystemData& system = ProjectSystemData();
            const int entries = SceneManager().m_nGameMode == eModeStageFile ? 3 : 2;
            const int x = CenterTextBoxX(system, 320, kPauseTexts, entries);
            DrawTextBox(system, dest, x, 272, kPauseTexts, entries);
            if (cSurface* icons = Slot(kSystemPicture))
                DDBlt(dest, x, 272 + scene.m_MenuCursor * 16, 16, 16, *icons, 64, 0, DDBLTFAST_SRCCOLORKEY);
            break;
        }
        case ePlayGameOver:
            if (stage.m_ShowGameOver) DrawBanner(dest, 248, 224, kGameOverWidth, 2 * kBannerHeight);
            break;
        default:
            break;
    }
    // The ranking just entered, its new row marked.
    const int kind = scene.m_RankView;
    if (kind >= 0 && kind < kRankKinds) {
        const int place = static_cast<size_t>(kind) < scene.m_RankPlaces.size() ? scene.m_RankPlaces[kind] : -1;
        DrawRankingOfKind(RankingTable(), dest, 184, 64, kind, place);
    }
    PaintFade(scene, dest);
}

void PaintFade(const cPlayScene& scene, cSurface& dest) {
    // The fade-in starts from black and the fade-out ends in it, a step of 256 / frames a frame.
    const int frames = cPlayScene::kFadeFrames;
    int shown = frames;
    if (scene.State() == ePlayFadeIn)
        shown = scene.m_Fade;
    else if (scene.State() == ePlayFadeOut)
        shown = frames - 1 - scene.m_Fade;
    const int k = 256 * std::max(0, std::min(shown, frames)) / frames;
    if (Display().nBpp == 8)
        PaintPaletteFade(k);
    else if (shown < frames)
        DDBltFade(dest, k, 0, 0, 0, dest);
}
