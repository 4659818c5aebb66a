#pragma once
// The running state of one flow of a character: a runner per flow, an entry per command. The
// character builds, copies and relinks these records (game/play); the flow runtime gives them
// their behaviour and reaches the character back through the play engine's flow seam
// (game/play/FlowRuntime.h).
#include <cstdint>
#include <vector>

#include "data/Flow.h"

class cActor;

// One command slot of a runner.
struct cFlowCmdEntry {
    // Prepares the entry to run: its time counts down afresh and its per-run movement state is
    // cleared.
    void Reset() {
        m_Remaining = m_UseTime;
        m_Done = 0;
        m_SpeedX = 0.0;
        m_SpeedY = 0.0;
        m_Angle = 0.0;
        m_AngleY = 0.0;
        m_DirCode = 0;
        m_Started = 0;
        m_LastFacing = 0;
        m_Steps = 0;
    }

    cFlowCmd* m_Cmd = nullptr;  // the command in the owner's own flow list
    int32_t m_Done = 0;               // finished in this run of the flow
    int32_t m_UseTime = 0;            // steps the command runs; 0 runs it once
    int32_t m_Remaining = 0;

    // Set when the flow is built (the command's movement numbers in steps and dots).
    double m_OffsetX = 0.0;     // target offset from the aim point, dots
    double m_OffsetY = 0.0;
    double m_Speed = 0.0;       // dots per step; circle moves: degrees × S per step
    double m_Distance = 0.0;    // dots; circle moves: the radius in dots × S
    double m_StartAngle = 0.0;  // circle moves, degrees × S
    double m_EndAngle = 0.0;
    int32_t m_Reverse = 0;      // circle moves: the turning direction is reversed
    double m_Homing = 0.0;
    double m_MaxSpeed = 0.0;    // dots per step; 0 without the inertia flag
    uint8_t m_Kind = 0;         // the movement's setting kind (1: toward target coordinates)

    // Per run, cleared by Reset.
    double m_SpeedX = 0.0;  // the speeds the command gives its owner
    double m_SpeedY = 0.0;
    double m_Angle = 0.0;   // circle and wave moves: where the sweep is
    int32_t m_DirCode = 0;  // 1 moving toward smaller coordinates, 2 larger, 0 still
    int32_t m_Started = 0;
    int32_t m_LastFacing = 0;
    double m_AngleY = 0.0;  // circle moves: the vertical sweep
    int32_t m_Steps = 0;    // steps run, for the commands that act at intervals

    // Homing moves: where the target was when last aimed, aimed at one interval later.
    struct cAimPoint {
        double x;
        double y;
    };
    std::vector<cAimPoint> m_AimHistory;
};

// An effect a command of the flow shows while it runs: the effect animation (a row of the Anime
// table) starts when the flow reaches the command, already advanced by the part an earlier
// command showed of it.
struct cFlowEffect {
    int32_t m_Command = 0;  // entry index
    int32_t m_Anime = 0;    // row of the Anime table
    int32_t m_Offset = 0;   // steps of the animation already shown by earlier commands
    int32_t m_Length = 0;   // steps up to the animation's loop point
    int32_t m_Repeat = 0;   // the command outlasts the animation: its last frame is held
};

class cFlowRunner {
public:
    int32_t m_Index = 0;                      // place in the owner's runner list
    int32_t m_Key = 0;                        // the owner's serial for this runner
    cFlow* m_Flow = nullptr;                  // in the owner's own flow list (status conditions write to it)
    uint8_t m_Blocked = 0;                    // kept from starting (flow operation)
    std::vector<const cKeyCond*> m_KeyConds;  // the flow's key conditions
    int32_t m_CondHeld = 0;                   // the conditions held once (kept with the once flag)
    std::vector<cFlowCmdEntry> m_Entries;
    int32_t m_Running = 0;
    int32_t m_Paused = 0;
    int32_t m_Stopped = 0;        // stopped for good
    int32_t m_DeleteRequest = 0;  // the owner removes the runner at the end of its update
    int32_t m_Current = 0;        // the entry the flow has reached
    int32_t m_Frames = 0;         // frames run without completing
    int32_t m_StartInput = 0;     // the first button held when the flow started (0-9)
    int32_t m_Started = 0;        // started in the current pass of trigger tests
    int32_t m_MessageWait = 0;
    int32_t m_KeyMatched = 0;     // the key conditions matched at the last test (edge trigger)
    std::vector<cFlowEffect> m_Effects;
    int32_t m_Busy = 0;           // commands of this runner being run now (a command may start others)
    uint32_t m_Runs = 0;          // counts starts, so a command that restarted its own runner is seen

    // The runner's behaviour (game/flow/FlowRun.cpp); the play engine reaches it through its
    // flow runtime. The scene's current actor owns the runner.
    // Starts the flow from its first command; a stopped flow never starts again.
    void Start();
    // One frame of the flow: 1 when its last command is done.
    int Step();
    // One frame of one command: 1 when its time is used up.
    int RunCommand(cFlowCmdEntry& entry);
    void Finish(cActor& owner);
    void Stop(cActor& owner);
    void Pause() { m_Paused = 1; }
    void Resume() { m_Paused = 0; }
};
