#pragma once
// One axis of the view onto the stage: the horizontal one (640 dots) or the vertical one (480).
// Stage dots include a border of 10 empty cells on every side, so stage cell c lies in map cell
// c + 10 and starts at dot (c + 10) * 32.
#include <cstdint>

class cScroll {
public:
    static constexpr int32_t kBorderCells = 10;

    // The axis of a stage that is stageCells cells long that way, the view at dot 0 and no
    // camera limit but the stage itself.
    void SetUp(int32_t axis, int32_t stageCells);
    // Camera limits in stage cells: the view starts at minBlocks or later and ends with block
    // maxBlock or earlier (each only when asked for).
    void SetBounds(int32_t useMin, int32_t minBlocks, int32_t useMax, int32_t maxBlock);
    // Keeps the view inside the camera limits; a stage smaller than the view starts at the minimum.
    void Clamp();
    // Automatic scroll: value in tenths of a dot per frame, divided among the divisor's sub-steps
    // (the stage's speed level). Off stops it. Returns 0.
    int SetSpeed(int32_t on, int32_t value);
    // One sub-step of automatic scroll, then the clamp.
    void Step();

    double m_Pos = 0.0;            // the view's first dot
    int32_t m_Axis = 0;            // 0 across, 1 down
    int32_t m_View = 640;          // 640 or 480
    int32_t m_Min = 0;             // camera limits: first dot, and the dot after the last
    int32_t m_MaxEdge = 0;
    int32_t m_Border = 0;          // 320: the stage proper starts here
    int32_t m_Extent = 0;          // and ends before this dot
    int32_t m_BorderCells = kBorderCells;
    int32_t m_ObjectLimit = 0;     // objects reaching this dot have left the map: its far edge
    int32_t m_Cells = 0;           // map cells along the axis, border included
    int32_t m_Stride = 0;          // across only: the map's row stride and its shift
    int32_t m_Shift = 0;
    double m_Divisor = 1.0;        // the stage's speed divisor, set with the stage
    double m_AutoSpeed = 0.0;
    // The automatic scroll's switch and speed (tenths of a dot per frame) as last set: the
    // stage's at its start, then the flows'.
    int32_t m_Auto = 0;
    int32_t m_Speed = 0;
    int32_t m_AtLimit = 0;
};

// The play scene's axis (0 across, 1 down), or a still one when no scene plays.
const cScroll& PlayAxis(int axis);
