// Start-up marks for the benchmark.
#include "base/StartupTrace.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

uint64_t FileTimeTicks(const FILETIME& time)
{
    return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

struct Trace {
    std::string File;
    uint64_t CreatedTicks = 0; // 100 ns units
};

const Trace& TheTrace()
{
    static const Trace trace = [] {
        Trace t;
        char file[MAX_PATH] = {};
        const DWORD length = GetEnvironmentVariableA("VEKOLAUNCH_STARTUP_TRACE", file, sizeof(file));
        if (length == 0 || length >= sizeof(file)) return t;
        FILETIME created, exited, kernel, user;
        if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return t;
        t.File = file;
        t.CreatedTicks = FileTimeTicks(created);
        return t;
    }();
    return trace;
}

} // namespace

bool IsStartupTraced()
{
    return !TheTrace().File.empty();
}

void MarkStartup(const char* point)
{
    const Trace& trace = TheTrace();
    if (trace.File.empty()) return;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    char line[128];
    const int length = std::snprintf(line, sizeof(line), "%s=%.1f\r\n", point,
                                     static_cast<double>(FileTimeTicks(now) - trace.CreatedTicks) / 10000.0);
    const HANDLE file = CreateFileA(trace.File.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(length), &written, nullptr);
    CloseHandle(file);
}
