#include "editor/shell/GraphicRanges.h"

#include "editor/shell/DrawObject.h"

namespace {
// The sheets' graphics, a chara sheet's columns and a block or item frame on a chara sheet.
const int kHighestGraphic = 119;
const int kHighestCharaShift = 19;
const int kHighestCharaFrame = 39;
// A dedicated bitmap's columns, as a shift or as a frame.
const int kHighestDedicatedColumn = 239;
}  // namespace

cGraphicRange GraphicRange(int type, size_t dedicatedBitmaps) {
    if (type == eGraphicDedicated) {
        int highest = dedicatedBitmaps > 2 ? static_cast<int>(dedicatedBitmaps - 1) : 1;
        return {highest, true, kHighestDedicatedColumn, kHighestDedicatedColumn};
    }
    return {kHighestGraphic, type == eGraphicChara, kHighestCharaShift, kHighestCharaFrame};
}
