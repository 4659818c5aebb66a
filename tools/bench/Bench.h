#pragma once
// What the benchmark's sections share: a clock, repeated timings and the printed table.
#include <functional>
#include <vector>

class cEdStage;

const double kFrameMs = 1000.0 / 60;
// The corner of the largest stage that charas and items fill (a placed chara or item holds a
// whole record: the full grid of them would take gigabytes); blocks fill the whole stage.
const int kFilledCorner = 64;
// The largest stage (512 x 512) filled so, from the common palette, which must be loaded.
void FillBenchStage(cEdStage& stage);

// Milliseconds between two readings of the performance counter.
double Milliseconds(long long from, long long to);
long long Now();

struct cTiming {
    double min;     // ms
    double median;  // ms
};

// The minimum and the median of the times (0 for none).
cTiming Summary(std::vector<double> times);

// Times each operation runs times, alternating between them so that both see the same state of
// the machine (caches, the heap, the disk); prepare runs before every timed call, untimed.
void TimeAlternating(int runs, const std::function<void()>& prepare, const std::function<void()>& a, cTiming& ta,
                     const std::function<void()>& b, cTiming& tb);

// One row: the operation's timing, the reference's, and their ratio (of the minimums).
void PrintRow(const char* what, const cTiming& measured, const char* reference, const cTiming& ref);
void PrintHeader(const char* section);

// The sections, one source file each.
void BenchStageFiles();
void BenchEffects();
void BenchCanvas();
void BenchPlay();
void BenchUndo();
