#include "game/play/PictureObj.h"

#include "game/media/Blit.h"
#include "game/play/PlayScene.h"

std::shared_ptr<cSurface> MakeSharedSurface() {
    return std::shared_ptr<cSurface>(new cSurface(), [](cSurface* surface) {
        DDReleaseSurface(*surface);
        delete surface;
    });
}

void cPictureObj::Set(int32_t number, double x, double y, int32_t width, int32_t height, int32_t percent,
                      int32_t timeMode, int32_t frames, int32_t countWhileHeld) {
    m_Number = number;
    m_X = x;
    m_Y = y;
    m_Width = width;
    m_Height = height;
    m_Scaled = percent != 100;
    m_TimeMode = timeMode;
    m_Frames = frames;
    m_CountWhileHeld = countWhileHeld;
}

int cPictureObj::Step(int hold) {
    return m_TimeMode == 2 && (!hold || m_CountWhileHeld) && --m_Frames < 0 ? 1 : 0;
}

void cPictureObj::Paint(const cPlayScene& scene, cSurface& dest) const {
    if (!m_Picture || !m_Picture->lpSurface) return;
    cSurface& picture = *m_Picture;
    const int x = static_cast<int>(m_X - scene.m_ScrollX.m_Pos), y = static_cast<int>(m_Y - scene.m_ScrollY.m_Pos);
    if (m_Scaled)
        DDStretchBlt(dest, x, y, m_Width, m_Height, picture, 0, 0, picture.nWidth, picture.nHeight, 1);
    else
        DDBlt(dest, x, y, m_Width, m_Height, picture, 0, 0, DDBLTFAST_SRCCOLORKEY);
}
