// The fuzz program: seeded damage to the factory project's files, fed to every loader of both
// programs. Each loader runs in a process of its own, watched by this one: a process that
// crashes or spends too long on one file is reported with the seed of that file and started
// again after it. Per file it checks that a refused load leaves the object as it was and that
// a good load round-trips (saved and loaded again, or loaded a second time where the loader
// has no writer). It prints one table row per loader and then every fault with its seed.
//
//   fuzz.exe [--project DIR] [--seconds S | --cases N] [--seed FIRST] [--jobs J] [--file-ms MS]
//            [--only A,B] [--skip A,B]
//   fuzz.exe --write LOADER SEED OUT   writes the damaged file of that seed, to look at
//
// The exit code is 0 when no loader showed a fault.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "data/DataFile.h"
#include "framework/MessageBox.h"
#include "framework/Path.h"
#include "framework/TestSeams.h"
#include "tools/fuzz/Loaders.h"
#include "tools/fuzz/Mutate.h"

namespace {

const int kFaultLines = 6;
const int kFaultText = 200;
const DWORD kExitSetupFailed = 3;

// What a loader's process tells the watching one, in memory they share.
struct cFuzzStatus {
    volatile LONG seed;       // the file being worked on
    volatile LONG running;    // 1 while a file is being worked on
    volatile DWORD started;   // GetTickCount when it began
    volatile LONG cases, loaded, refused, changed, roundTrip, slowestMs, faults;
    char fault[kFaultLines][kFaultText];
    char setup[kFaultText];
};

struct cOptions {
    std::string project = ".";
    double seconds = 0;
    long cases = 0;
    long seed = 1;
    int jobs = 4;
    DWORD fileMs = 5000;
    std::vector<std::string> only, skip;
};

std::vector<std::string> SplitList(const char* text) {
    std::vector<std::string> items;
    std::string item;
    for (const char* p = text;; ++p) {
        if (*p == ',' || !*p) {
            if (!item.empty()) items.push_back(item);
            item.clear();
            if (!*p) break;
        } else {
            item += *p;
        }
    }
    return items;
}

bool ReadWhole(const std::string& path, std::string& bytes) {
    FILE* fp = fopen(path.c_str(), "rb");
    if (!fp) return false;
    bytes.clear();
    char buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, fp)) > 0) bytes.append(buffer, n);
    fclose(fp);
    return true;
}

bool WriteWhole(const std::string& path, const std::string& bytes) {
    FILE* fp = fopen(path.c_str(), "wb");
    if (!fp) return false;
    bool ok = fwrite(bytes.data(), 1, bytes.size(), fp) == bytes.size();
    return fclose(fp) == 0 && ok;
}

std::string Extension(const std::string& path) {
    const std::string ext = FileExtOf(path);
    return ext.empty() ? std::string() : "." + ext;
}

const cFuzzLoader* FindLoader(const std::string& name) {
    for (const cFuzzLoader& loader : FuzzLoaders())
        if (name == loader.name) return &loader;
    return nullptr;
}

// Loaders report refused files in message boxes: nobody is there to answer them.
int SilentBox(HWND, const char*, const char*, UINT) { return IDCANCEL; }

// The good files of a loader: the factory project's, or, where the factory has none, the
// defaults of a fresh object written into the work folder.
bool GoodFiles(const cFuzzLoader& loader, const std::string& project, const std::string& work,
               std::vector<std::string>& paths, std::vector<std::string>& bytes) {
    for (const char* file : loader.files) {
        std::string path = project + "\\" + file;
        if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
            path = work + "\\good" + Extension(file);
            if (!loader.make()->Save(path.c_str())) return false;
        }
        std::string content;
        if (!ReadWhole(path, content)) return false;
        paths.push_back(path);
        bytes.push_back(content);
    }
    return !paths.empty();
}

void AddFault(cFuzzStatus& status, long seed, const char* what) {
    LONG n = status.faults++;
    if (n < kFaultLines) _snprintf(status.fault[n], kFaultText - 1, "seed %ld: %s", seed, what);
}

// One loader's process: works through the seeds until the last one or the deadline.
int RunLoader(const cFuzzLoader& loader, const cOptions& options, cFuzzStatus& status, long from, long to,
              DWORD until) {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    SetMessageBoxHook(SilentBox);
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string work = std::string(temp) + "kitfuzz-" + loader.name + "-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(work.c_str(), nullptr);
    std::vector<std::string> paths, goods;
    if (!GoodFiles(loader, options.project, work, paths, goods)) {
        _snprintf(status.setup, kFaultText - 1, "the good files cannot be read or written");
        return kExitSetupFailed;
    }
    for (long seed = from; seed < to && LONG(until - GetTickCount()) > 0; ++seed) {
        size_t which = size_t(seed) % paths.size();
        std::string damaged = Mutate(goods[which], uint64_t(seed));
        std::string file = work + "\\case" + Extension(paths[which]);
        std::string saved = work + "\\saved" + Extension(paths[which]);
        if (!WriteWhole(file, damaged)) {
            _snprintf(status.setup, kFaultText - 1, "cannot write %s", file.c_str());
            return kExitSetupFailed;
        }
        std::unique_ptr<cFuzzTarget> target = loader.make();
        if (!target->Load(paths[which].c_str())) {
            _snprintf(status.setup, kFaultText - 1, "the good file %s is refused", paths[which].c_str());
            return kExitSetupFailed;
        }
        std::string before = target->State();

        status.seed = seed;
        status.started = GetTickCount();
        status.running = 1;
        if (target->Load(file.c_str())) {
            ++status.loaded;
            std::string after = target->State();
            std::unique_ptr<cFuzzTarget> again = loader.make();
            bool saved_ = target->Save(saved.c_str());
            if (saved_ && !again->Load(saved.c_str()))
                ++status.roundTrip, AddFault(status, seed, "its own saved file is refused");
            else if (!saved_ && !again->Load(file.c_str()))
                ++status.roundTrip, AddFault(status, seed, "a second load of the same file is refused");
            else if (again->State() != after)
                ++status.roundTrip, AddFault(status, seed, saved_ ? "saved and loaded again it differs"
                                                                  : "a second load of the same file differs");
        } else {
            ++status.refused;
            bool kept = target->KeepsOnFailure() ? target->State() == before : target->State() == loader.make()->State();
            if (!kept) ++status.changed, AddFault(status, seed, "a refused load changed the object");
        }
        LONG ms = LONG(GetTickCount() - status.started);
        if (ms > status.slowestMs) status.slowestMs = ms;
        status.running = 0;
        ++status.cases;
    }
    return 0;
}

struct cRun {
    const cFuzzLoader* loader;
    HANDLE map = nullptr;
    cFuzzStatus* status = nullptr;
    HANDLE process = nullptr;
    long next = 0;  // the first seed of the next process
    int crashes = 0, hangs = 0;
    std::vector<std::string> faults;  // crashes and hangs, with their seeds
    bool done = false;
};

bool Start(cRun& run, const cOptions& options, long to, DWORD until, const std::string& mapName) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string command = std::string("\"") + self + "\" --child " + run.loader->name + " --map " + mapName +
                          " --project \"" + options.project + "\" --from " + std::to_string(run.next) + " --to " +
                          std::to_string(to) + " --until " + std::to_string(until);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
    CloseHandle(pi.hThread);
    run.process = pi.hProcess;
    return true;
}

int RunAll(const cOptions& options) {
    DWORD start = GetTickCount();
    bool timed = options.seconds > 0 || options.cases <= 0;
    DWORD budget = DWORD((options.seconds > 0 ? options.seconds : 3) * 1000);
    long to = options.cases > 0 ? options.seed + options.cases : 0x7FFFFFFF;

    std::vector<cRun> runs;
    for (const cFuzzLoader& loader : FuzzLoaders()) {
        auto listed = [&](const std::vector<std::string>& list) {
            return std::find(list.begin(), list.end(), loader.name) != list.end();
        };
        if ((!options.only.empty() && !listed(options.only)) || listed(options.skip)) continue;
        cRun run;
        run.loader = &loader;
        run.next = options.seed;
        runs.push_back(run);
    }
    char each[64];
    if (timed)
        sprintf(each, "%.1f s each", budget / 1000.0);
    else
        sprintf(each, "%ld files each", options.cases);
    printf("fuzz: %zu loaders, %s, first seed %ld, %d at a time, %lu ms per file at most\n", runs.size(), each,
           options.seed, options.jobs, options.fileMs);
    fflush(stdout);

    size_t nextRun = 0;
    int active = 0;
    std::vector<DWORD> deadlines(runs.size());
    for (;;) {
        while (active < options.jobs && nextRun < runs.size()) {
            cRun& run = runs[nextRun];
            std::string mapName = "Local\\kitfuzz-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(nextRun);
            run.map = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(cFuzzStatus),
                                         mapName.c_str());
            run.status = run.map ? static_cast<cFuzzStatus*>(MapViewOfFile(run.map, FILE_MAP_ALL_ACCESS, 0, 0, 0)) : nullptr;
            deadlines[nextRun] = timed ? GetTickCount() + budget : 0xFFFFFFFFu;
            if (!run.status || !Start(run, options, to, timed ? deadlines[nextRun] : GetTickCount() + 0x7FFFFFFF, mapName)) {
                fprintf(stderr, "fuzz: cannot start the process for %s\n", run.loader->name);
                run.done = true;
            } else {
                ++active;
            }
            ++nextRun;
        }
        if (active == 0 && nextRun >= runs.size()) break;
        Sleep(20);
        for (size_t i = 0; i < nextRun; ++i) {
            cRun& run = runs[i];
            if (run.done || !run.process) continue;
            cFuzzStatus& status = *run.status;
            DWORD code = STILL_ACTIVE;
            GetExitCodeProcess(run.process, &code);
            bool hung = code == STILL_ACTIVE && status.running && GetTickCount() - status.started > options.fileMs;
            if (code == STILL_ACTIVE && !hung) continue;
            long seed = status.seed;
            bool restart = false;
            if (hung) {
                TerminateProcess(run.process, 1);
                WaitForSingleObject(run.process, INFINITE);
                ++run.hangs;
                run.faults.push_back("seed " + std::to_string(seed) + ": no answer within " +
                                     std::to_string(options.fileMs) + " ms");
                restart = true;
            } else if (code == kExitSetupFailed) {
                run.faults.push_back(std::string("set-up failed: ") + status.setup);
                ++run.crashes;
            } else if (code != 0) {
                ++run.crashes;
                char text[64];
                sprintf(text, "seed %ld: crashed (exit code 0x%08lX)", seed, code);
                run.faults.push_back(text);
                restart = status.running != 0;
            }
            status.running = 0;
            CloseHandle(run.process);
            run.process = nullptr;
            if (restart && seed + 1 < to && LONG(deadlines[i] - GetTickCount()) > 0) {
                ++status.cases;
                run.next = seed + 1;
                std::string mapName = "Local\\kitfuzz-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(i);
                if (Start(run, options, to, timed ? deadlines[i] : GetTickCount() + 0x7FFFFFFF, mapName)) continue;
            } else if (restart) {
                ++status.cases;
            }
            run.done = true;
            --active;
        }
    }

    printf("\n%-14s %8s %8s %8s %7s %6s %8s %10s %8s\n", "loader", "files", "loaded", "refused", "crashes", "hangs",
           "changed", "round-trip", "slowest");
    int faulty = 0;
    for (cRun& run : runs) {
        cFuzzStatus empty = {};
        cFuzzStatus& s = run.status ? *run.status : empty;
        printf("%-14s %8ld %8ld %8ld %7d %6d %8ld %10ld %6ld ms\n", run.loader->name, s.cases, s.loaded, s.refused,
               run.crashes, run.hangs, s.changed, s.roundTrip, s.slowestMs);
        for (LONG f = 0; f < s.faults && f < kFaultLines; ++f) run.faults.push_back(s.fault[f]);
        if (!run.faults.empty()) ++faulty;
    }
    for (cRun& run : runs)
        for (const std::string& fault : run.faults) printf("  %s %s\n", run.loader->name, fault.c_str());
    printf("fuzz: %d of %zu loaders with faults, %.1f s\n", faulty, runs.size(), (GetTickCount() - start) / 1000.0);
    for (cRun& run : runs) {
        if (run.status) UnmapViewOfFile(run.status);
        if (run.map) CloseHandle(run.map);
    }
    return faulty ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    SetDataVersion(kDataVersion);
    cOptions options;
    std::string child, map;
    long from = 0, to = 0;
    DWORD until = 0;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : "";
        if (arg == "--write" && i + 3 < argc) {
            const cFuzzLoader* loader = FindLoader(argv[i + 1]);
            long seed = atol(argv[i + 2]);
            std::vector<std::string> paths, goods;
            if (!loader || !GoodFiles(*loader, options.project, ".", paths, goods)) return 2;
            size_t which = size_t(seed) % paths.size();
            return WriteWhole(argv[i + 3], Mutate(goods[which], uint64_t(seed))) ? 0 : 2;
        }
        bool used = true;
        if (arg == "--project") options.project = value;
        else if (arg == "--seconds") options.seconds = atof(value);
        else if (arg == "--cases") options.cases = atol(value);
        else if (arg == "--seed") options.seed = atol(value);
        else if (arg == "--jobs") options.jobs = std::max(1, atoi(value));
        else if (arg == "--file-ms") options.fileMs = DWORD(atol(value));
        else if (arg == "--only") options.only = SplitList(value);
        else if (arg == "--skip") options.skip = SplitList(value);
        else if (arg == "--child") child = value;
        else if (arg == "--map") map = value;
        else if (arg == "--from") from = atol(value);
        else if (arg == "--to") to = atol(value);
        else if (arg == "--until") until = DWORD(strtoul(value, nullptr, 10));
        else used = false;
        if (!used) {
            fprintf(stderr, "fuzz: unknown argument %s\n", argv[i]);
            return 2;
        }
        ++i;
    }
    if (child.empty()) return RunAll(options);

    const cFuzzLoader* loader = FindLoader(child);
    HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, map.c_str());
    cFuzzStatus* status = mapping ? static_cast<cFuzzStatus*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0)) : nullptr;
    if (!loader || !status) return 2;
    int code = RunLoader(*loader, options, *status, from, to, until);
    UnmapViewOfFile(status);
    CloseHandle(mapping);
    return code;
}
