#pragma once
// Frame times for a person measuring how the game runs on a machine: with the KIT_FRAME_TIMES
// switch in the environment, every frame writes a line to FrameTimes.txt in the folder the game
// runs in, once its picture is shown:
//   Frame N MS scene S T loop L wait W work K input I run R present P locks N MS blits N MS gdi N MS
// MS is the time from the last frame's picture to this one's; S and T are the scene that ran and
// its state; the rest is where the time went: the loop between frames (its messages), the wait for
// the frame's deadline, the frame's work, and the present; within the work, the input's poll and
// the scene's run, and the DirectDraw locks, blits and GDI drawing on surfaces it made (counted,
// and their time). Times in milliseconds. The file is opened once and each line is one write, so that measuring costs the
// frames little; the error log stays as asked (its lines open the file each time). Off, nothing
// is timed. The game thread's alone.

// Reads the switch: when it is set and the file can be made, the frames from now on are timed.
void StartFrameTimes();

enum eFramePoint {
    eFrameBegins,     // the loop starts a frame
    eFrameDue,        // its deadline has come
    eFrameInput,      // its input is polled
    eFrameRun,        // its scene has run
    eFrameDrawn,      // its picture is drawn, to be presented
    eFrameShown,      // presented: the line is written
    eFramePointCount
};
void MarkFrame(eFramePoint point);
