#include "editor/database/AnimeSample.h"

#include "data/Chara.h"
#include "editor/shell/DrawObject.h"
#include "framework/PictureBox.h"

void DrawAnimeSample(cPictureBox& box, int kind, int number, int32_t frame) {
    if (!box.GetHwnd()) return;
    cEdChara sample;
    sample.m_GraphicSrc = static_cast<uint8_t>(kind);
    sample.m_Graphic = static_cast<uint16_t>(number);
    sample.m_GraphicShift = static_cast<uint16_t>(frame);
    cDib& canvas = box.Canvas();
    canvas.Clear(0);
    DrawCharaObject(canvas, 0, 0, sample, false);
    box.Present();
}
