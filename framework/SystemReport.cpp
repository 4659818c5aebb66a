#include "framework/SystemReport.h"

#include <windows.h>
#include <cpuid.h>
#include <x86intrin.h>

#include <cstdio>
#include <cstring>

#include "framework/ErrorLog.h"
#include "framework/Format.h"

namespace {

const double kBytesToMB = 9.5367431640625e-07;

const char* WindowsName(const OSVERSIONINFOA& v) {
    switch (v.dwPlatformId) {
    case 0:
        return "Windows 3.1";
    case 1:
        if (v.dwMinorVersion == 0) return "Windows 95";
        if (v.dwMinorVersion == 10) return "Windows 98";
        if (v.dwMinorVersion == 90) return "Windows Me";
        return "";
    case 2:
        if (v.dwMajorVersion == 3) return "Windows NT 3.51";
        if (v.dwMajorVersion == 4) return "Windows NT 4.0";
        if (v.dwMajorVersion == 5) {
            if (v.dwMinorVersion == 0) return "Windows 2000";
            if (v.dwMinorVersion == 1) return "Windows XP";
            if (v.dwMinorVersion == 2) return "Windows XP Professional x64 Edition ?";
        }
        if (v.dwMajorVersion == 6 && v.dwMinorVersion == 0) return "Windows Vista";
        return "";
    default:
        return "";
    }
}

// Reads decimal digits up to the next '.' or the end; returns the position after the '.'.
const char* ReadNumber(const char* p, unsigned* value) {
    *value = 0;
    while (*p && *p != '.') {
        if (*p >= '0' && *p <= '9') *value = *value * 10 + static_cast<unsigned>(*p - '0');
        ++p;
    }
    return *p == '.' ? p + 1 : p;
}

}  // namespace

void GetOSName(char* out) {
    OSVERSIONINFOA v;
    memset(&v, 0, sizeof v);
    v.dwOSVersionInfoSize = sizeof v;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExA(&v);
#pragma GCC diagnostic pop
    FormatInto(out, 256, "%s %s PID %d Build %d", WindowsName(v), v.szCSDVersion,
               static_cast<int>(v.dwPlatformId), static_cast<int>(v.dwBuildNumber));
}

uint16_t ParseDirectXVersion(const char* text) {
    const char* p = strchr(text, '.');
    if (!p) return 0;
    unsigned major = 0, minor = 0;
    p = ReadNumber(p + 1, &major);
    ReadNumber(p, &minor);
    return static_cast<uint16_t>((major << 8) + minor);
}

uint16_t GetDirectXVersion() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\DirectX", 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS)
        return 0;
    char version[256] = "";
    DWORD size = sizeof version - 1;
    DWORD type = 0;
    RegQueryValueExA(key, "Version", nullptr, &type, reinterpret_cast<BYTE*>(version), &size);
    RegCloseKey(key);
    version[sizeof version - 1] = '\0';
    return ParseDirectXVersion(version);
}

double MeasureCpuClock() {
    LARGE_INTEGER t0, t1, t2, f;
    QueryPerformanceCounter(&t0);
    QueryPerformanceCounter(&t1);
    unsigned long long c0 = __rdtsc();
    DWORD start = GetTickCount();
    while (GetTickCount() - start < 1000) {
    }
    QueryPerformanceCounter(&t2);
    unsigned long long c1 = __rdtsc();
    QueryPerformanceFrequency(&f);
    double seconds = (static_cast<double>(t2.QuadPart - t1.QuadPart) - static_cast<double>(t1.QuadPart - t0.QuadPart)) /
                     static_cast<double>(f.QuadPart);
    if (seconds <= 0) return 0;
    return static_cast<double>(c1 - c0) / seconds;
}

void GetCpuInfo(cCpuInfo* info) {
    memset(info->brand, 0, sizeof info->brand);
    memset(info->vendor, 0, sizeof info->vendor);
    unsigned highest = __get_cpuid_max(0, nullptr);  // 0 also when CPUID is missing
    if (highest > 0) {
        unsigned a, b, c, d;
        __cpuid(0, a, b, c, d);
        memcpy(info->vendor, &b, 4);
        memcpy(info->vendor + 4, &d, 4);
        memcpy(info->vendor + 8, &c, 4);
        if (__get_cpuid_max(0x80000000, nullptr) >= 0x80000004) {
            unsigned* brand = reinterpret_cast<unsigned*>(info->brand);
            for (unsigned leaf = 0; leaf < 3; ++leaf) {
                __cpuid(0x80000002 + leaf, a, b, c, d);
                brand[leaf * 4 + 0] = a;
                brand[leaf * 4 + 1] = b;
                brand[leaf * 4 + 2] = c;
                brand[leaf * 4 + 3] = d;
            }
        }
    }
    info->clock = MeasureCpuClock();
}

uint32_t GetAvailMemory() {
    MEMORYSTATUS status;
    status.dwLength = sizeof status;
    GlobalMemoryStatus(&status);
    return SaturateToUint32(status.dwAvailPhys);
}

int32_t GetDiskFree(const char* root) {
    typedef BOOL(WINAPI * GetDiskFreeSpaceExAFn)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (!kernel) return 0;
    GetDiskFreeSpaceExAFn fn =
        reinterpret_cast<GetDiskFreeSpaceExAFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "GetDiskFreeSpaceExA")));
    if (!fn) return 0;
    ULARGE_INTEGER avail, total, freeBytes;
    if (!fn(root, &avail, &total, &freeBytes)) return 0;
    if (avail.QuadPart > 2147483647ULL) return 2147483647;
    return static_cast<int32_t>(avail.QuadPart);
}

int WriteSystemReport() {
    char os[256];
    GetOSName(os);
    if (!Report("OS : %s\n", os)) return 0;
    Report("DirectX : %x\n", GetDirectXVersion());
    cCpuInfo cpu;
    GetCpuInfo(&cpu);
    Report("CPU : %s %s %d\n", cpu.vendor, cpu.brand, static_cast<int>(cpu.clock * 0.000001));
    MEMORYSTATUS status;
    status.dwLength = sizeof status;
    GlobalMemoryStatus(&status);
    Report("Mem Total : %.3fMB\n", static_cast<double>(status.dwTotalPhys) * kBytesToMB);
    Report("Mem Free : %3.fMB\n", static_cast<double>(status.dwAvailPhys) * kBytesToMB);
    Report("Vir Total : %.3fMB\n", static_cast<double>(status.dwTotalVirtual) * kBytesToMB);
    Report("Vir Free : %3.fMB\n", static_cast<double>(status.dwAvailVirtual) * kBytesToMB);
    Report("HD Free : %3.fMB\n", static_cast<double>(GetDiskFree(nullptr)) * kBytesToMB);
    return 1;
}
