#pragma once
// Frame times for a person measuring how the game runs on a machine: with the KIT_FRAME_TIMES
// switch in the environment, every frame writes a line to the game's log (which the switch turns
// on) once its picture is shown:
//   Frame N MS loop L wait W work K present P locks N MS blits N MS gdi N MS
// MS is the time from the last frame's picture to this one's; the rest is where it went: the
// loop between frames (its messages, the log's own line), the wait for the frame's deadline, the
// frame's input, scene and drawing, and the present; then, within the work, the DirectDraw
// locks, blits and GDI drawing on surfaces it made and their time. Times in milliseconds. Off,
// nothing is timed. The game thread's alone.

// Reads the switch: true when it is set.
bool FrameTimesAsked();
void SetFrameTimes(bool on);

enum eFramePoint {
    eFrameBegins,     // the loop starts a frame
    eFrameDue,        // its deadline has come
    eFrameDrawn,      // its picture is drawn, to be presented
    eFrameShown,      // presented: the line is written
    eFramePointCount
};
void MarkFrame(eFramePoint point);
