// The background layers' automatic scroll and start, and the sight mask.
#include <algorithm>
#include <cmath>

#include "data/Stage.h"
#include "framework/ErrorLog.h"
#include "game/media/Blit.h"
#include "game/media/StableMath.h"
#include "game/play/PlayScene.h"

namespace {

const int kMaskColour = 16;
// A hole this large already shows the whole screen from any point of the mask.
const int32_t kMaxSightRadius = 800;

// Brought into [0, size) by one turn, as the layer moves less than a screen per frame.
double WrapOnce(double value, int size) {
    if (value < 0) return value + size;
    if (value >= size) return value - size;
    return value;
}

}  // namespace

void cPlayScene::StepBackLayers() {
    const cEdStage& stage = ProjectStage();
    const size_t count = std::min(stage.m_BackLayers.size(), m_LayerOffsetX.size());
    for (size_t i = 0; i < count; ++i) {
        const cBackLayer& layer = stage.m_BackLayers[i];
        if (layer.m_AutoScrollX) m_LayerOffsetX[i] = WrapOnce(m_LayerOffsetX[i] - layer.m_SpeedX, m_ScrollX.m_View);
        if (layer.m_AutoScrollY) m_LayerOffsetY[i] = WrapOnce(m_LayerOffsetY[i] - layer.m_SpeedY, m_ScrollY.m_View);
    }
}

double cPlayScene::LayerStart(int axis, size_t i) const {
    const cEdStage& stage = ProjectStage();
    if (i >= stage.m_BackLayers.size()) return 0.0;
    const cBackLayer& layer = stage.m_BackLayers[i];
    const cScroll& scroll = axis == 0 ? m_ScrollX : m_ScrollY;
    const std::vector<double>& offsets = axis == 0 ? m_LayerOffsetX : m_LayerOffsetY;
    const int automatic = axis == 0 ? layer.m_AutoScrollX : layer.m_AutoScrollY;
    const double offset = i < offsets.size() ? offsets[i] : 0.0;
    if (automatic) return scroll.m_Pos + offset - scroll.m_Border;
    return std::trunc(scroll.m_Pos - scroll.m_Border) * (axis == 0 ? layer.m_SpeedX : layer.m_SpeedY);
}

bool cPlayScene::BuildSightMask(cSurface& mask, cSurface& circle, int32_t radius, int32_t shape) {
    DDReleaseSurface(mask);
    DDReleaseSurface(circle);
    const int32_t r = std::max(0, std::min(radius, kMaxSightRadius));
    const int w = 1280 + 2 * r, h = 960 + 2 * r;
    if (!DDCreateSurface(mask, w, h, 1, kMemorySystem)) {
        ErrorLog("BuildSightMask: the mask cannot be made\n");
        Host().CloseGame();
        return false;
    }
    DDFillRect(mask, 0, 0, w, h, kMaskColour);
    if (r == 0) return true;
    const int cx = w / 2, cy = h / 2;
    if (shape != 1) {
        DDFillRect(mask, cx - r, cy - r, 2 * r, 2 * r, 0);
        return true;
    }
    if (!DDCreateSurface(circle, 2 * r, 2 * r, 1, kMemorySystem)) {
        Host().CloseGame();
        return false;
    }
    DDFillRect(circle, 0, 0, 2 * r, 2 * r, 0);
    // The circle cut into the mask row by row: each row's span of points within r of the centre.
    for (int row = 0; row < 2 * r; ++row) {
        const double dy = row + 0.5 - r;
        const double half = MathSqrt(static_cast<double>(r) * r - dy * dy);
        const int from = static_cast<int>(std::ceil(r - half - 0.5));
        const int to = static_cast<int>(std::floor(r + half - 0.5));
        if (to >= from) DDFillRect(mask, cx - r + from, cy - r + row, to - from + 1, 1, 0);
    }
    return true;
}
