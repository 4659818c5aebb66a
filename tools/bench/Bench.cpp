// The benchmark program: bench.exe [section...] runs the named sections (all without names) and
// prints each timing beside its reference, measured in the same run. Not a test: the figures
// depend on the machine; run.sh builds and runs it under Wine.
#include "tools/bench/Bench.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "data/DataFile.h"
#include "framework/MessageBox.h"
#include "framework/TestSeams.h"

namespace {

int g_boxesShown = 0;

// The system's texts are in the ANSI code page; the terminal reading the benchmark's output
// speaks UTF-8.
std::string Utf8(const char* text) {
    if (!text) return "";
    int wide = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (wide <= 0) return text;
    std::vector<wchar_t> w(static_cast<size_t>(wide));
    MultiByteToWideChar(CP_ACP, 0, text, -1, w.data(), wide);
    int bytes = WideCharToMultiByte(CP_UTF8, 0, w.data(), -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return text;
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), -1, &out[0], bytes, nullptr, nullptr);
    out.resize(static_cast<size_t>(bytes) - 1);
    return out;
}

// Nobody watches the benchmark: a box that comes up is printed and answered at once, the answer
// that changes nothing (no, cancel), and the run ends with a failure.
int AnswerBox(HWND, const char* text, const char* caption, UINT type) {
    ++g_boxesShown;
    fprintf(stderr, "a message box came up: [%s] %s\n", Utf8(caption).c_str(), Utf8(text).c_str());
    switch (type & MB_TYPEMASK) {
        case MB_YESNO:
            return IDNO;
        case MB_OKCANCEL:
        case MB_YESNOCANCEL:
        case MB_RETRYCANCEL:
            return IDCANCEL;
        default:
            return IDOK;
    }
}

struct cSection {
    const char* name;
    void (*run)();
};

const cSection kSections[] = {
    {"stage", BenchStageFiles},
    {"effects", BenchEffects},
    {"canvas", BenchCanvas},
    {"play", BenchPlay},
    {"undo", BenchUndo},
};

}  // namespace

cTiming Summary(std::vector<double> times) {
    if (times.empty()) return {0.0, 0.0};
    std::sort(times.begin(), times.end());
    return {times.front(), times[times.size() / 2]};
}

long long Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double Milliseconds(long long from, long long to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to - from) / static_cast<double>(frequency.QuadPart);
}

void TimeAlternating(int runs, const std::function<void()>& prepare, const std::function<void()>& a, cTiming& ta,
                     const std::function<void()>& b, cTiming& tb) {
    std::vector<double> timesA, timesB;
    for (int i = 0; i < runs; ++i) {
        for (int which = 0; which < 2; ++which) {
            if (prepare) prepare();
            const long long start = Now();
            (which == 0 ? a : b)();
            (which == 0 ? timesA : timesB).push_back(Milliseconds(start, Now()));
        }
    }
    ta = Summary(timesA);
    tb = Summary(timesB);
}

void PrintHeader(const char* section) {
    printf("\n## %s\n\n| operation | min ms | median ms | reference | min ms | median ms | ratio |\n"
           "|---|---|---|---|---|---|---|\n",
           section);
}

void PrintRow(const char* what, const cTiming& measured, const char* reference, const cTiming& ref) {
    printf("| %s | %.2f | %.2f | %s | %.2f | %.2f | %.1f |\n", what, measured.min, measured.median, reference, ref.min,
           ref.median, ref.min > 0 ? measured.min / ref.min : 0.0);
    fflush(stdout);
}

int main(int argc, char** argv) {
    SetDataVersion(kDataVersion);
    SetMessageBoxHook(AnswerBox);
    int ran = 0;
    for (const cSection& section : kSections) {
        bool wanted = argc < 2;
        for (int i = 1; i < argc; ++i) wanted = wanted || strcmp(argv[i], section.name) == 0;
        if (!wanted) continue;
        section.run();
        ++ran;
    }
    if (!ran) {
        fprintf(stderr, "bench [section...]; sections:");
        for (const cSection& section : kSections) fprintf(stderr, " %s", section.name);
        fprintf(stderr, "\n");
        return 2;
    }
    if (g_boxesShown) {
        fprintf(stderr, "%d message boxes came up: the run's figures may lack what they stopped\n", g_boxesShown);
        return 1;
    }
    return 0;
}
