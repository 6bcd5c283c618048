// Times the launcher from outside on a staged install, beside a floor program that opens one
// empty window of the launcher's size: start-up until the main window is shown and idle with
// settings files of 1, 100 and 1,000 profiles, the peak working set, and the main window's
// switch from one language to another; beside them a floor with the launcher's DLL imports and
// manifest, and where the time of a 1-profile start goes (the launcher's own marks). Prints one
// "name=value" line per median.
// Usage: benchmark_startup.exe <launcher folder> <floor exe> <imports floor exe> <game exe> <runs>
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "mainwindow/frmMain_res.h"
#include "support/StartupMarks.h"

namespace {

constexpr DWORD WAIT_MS = 120000; // a bound only: 10,000 profiles take seconds
const int PROFILE_COUNTS[] = {1, 100, 1000};
std::vector<double> g_roundTrips;

using Clock = std::chrono::steady_clock;
double MsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

bool WriteTextFile(const std::string& path, const std::string& text)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size();
    // Dated an hour back, as a settings file is that the launcher saved when it last closed:
    // Wine does not trust its parsed copy of a file written in the last moments and parses the
    // whole file again for every read, which a player's start never meets.
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER earlier = {{now.dwLowDateTime, now.dwHighDateTime}};
    earlier.QuadPart -= 3600ULL * 10000000ULL;
    const FILETIME written_at = {earlier.LowPart, earlier.HighPart};
    SetFileTime(h, nullptr, nullptr, &written_at);
    CloseHandle(h);
    return ok;
}

// A settings file that starts the launcher without a question: the last active profile is
// one of the file's, its game path exists, and the start confirmation is never reached.
std::string SettingsFile(int profiles, const std::string& gamePath)
{
    std::string text = "[APPLICATION]\r\nFILEVERSION=1.1\r\nAPPVERSION=0.0.24\r\n"
                       "[OPTIONS]\r\nLANGUAGE=EN\r\nSTARTVEKORADIALOG=0\r\n"
                       "[PROFILES]\r\nLASTACTIVEPROFILE=PROFILE_" + std::to_string(profiles / 2) + "\r\n";
    for (int i = 0; i < profiles; ++i) {
        text += "[PROFILE_" + std::to_string(i) + "]\r\nVEKOPATH=" + gamePath +
                "\r\nDESCRIPTION=Profile number " + std::to_string(i) +
                "\r\nLOGMESSAGES=1\r\nFREEPLAY=0\r\nUSESTANDARDRESOLUTION=1\r\nRESOLUTION=2\r\n"
                "RES_WIDTH=1024\r\nRES_HEIGHT=768\r\nREFRESH=1\r\nSCENARIO=\r\nGRAPICPAK=\r\n";
    }
    return text;
}

struct Search {
    DWORD Pid;
    bool NeedsMenu;
    HWND Found;
};

BOOL CALLBACK FindShown(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<Search*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->Pid || !IsWindowVisible(window) || (search->NeedsMenu && !GetMenu(window))) return TRUE;
    search->Found = window;
    return FALSE;
}

// One start: the time from CreateProcess until the window is visible and the program waits
// for input, its peak working set then, and the program still running with that window.
struct Start {
    PROCESS_INFORMATION Info = {};
    HWND Window = nullptr;
    double Ms = 0;
    double PeakMiB = 0;

    Start(const std::string& commandLine, const std::string& workDir, bool needsMenu)
    {
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        std::string line = commandLine;
        const auto begin = Clock::now();
        if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, workDir.c_str(), &startup, &Info)) {
            std::fprintf(stderr, "cannot start %s (error %lu)\n", commandLine.c_str(), GetLastError());
            std::exit(2);
        }
        Search search = {Info.dwProcessId, needsMenu, nullptr};
        while (!search.Found && MsSince(begin) < WAIT_MS) {
            EnumWindows(FindShown, reinterpret_cast<LPARAM>(&search));
            if (!search.Found) Sleep(1);
        }
        if (!search.Found || WaitForInputIdle(Info.hProcess, WAIT_MS) != 0) {
            std::fprintf(stderr, "%s showed no window and became idle within %lu ms\n", commandLine.c_str(), WAIT_MS);
            TerminateProcess(Info.hProcess, 1);
            std::exit(2);
        }
        Ms = MsSince(begin);
        Window = search.Found;
        PROCESS_MEMORY_COUNTERS memory = {};
        memory.cb = sizeof(memory);
        if (GetProcessMemoryInfo(Info.hProcess, &memory, sizeof(memory)))
            PeakMiB = static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0);
    }
    ~Start()
    {
        // Ended, not closed: closing may write the settings file or ask about unsaved changes.
        TerminateProcess(Info.hProcess, 0);
        WaitForSingleObject(Info.hProcess, WAIT_MS);
        CloseHandle(Info.hThread);
        CloseHandle(Info.hProcess);
    }
};

// The time of a mark once the launcher has written it (it goes on after it is idle), or 0.
double WaitForMark(const std::string& traceFile, const std::string& point)
{
    const auto begin = Clock::now();
    do {
        for (const auto& [name, ms] : ReadStartupMarks(traceFile))
            if (name == point) return ms;
        Sleep(5);
    } while (MsSince(begin) < WAIT_MS);
    return 0;
}

std::string WindowText(HWND window)
{
    char text[512] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, WAIT_MS, nullptr);
    return text;
}

// Chooses Language menu entries one after another, each a full re-translation of the main
// window; the time of each choice that changed the start button's text.
std::vector<double> LanguageSwitches(HWND main, int count)
{
    std::vector<double> times;
    HWND button = GetDlgItem(main, IDC_CMDSTART);
    for (int i = 0; static_cast<int>(times.size()) < count && i < count * 4; ++i) {
        // The window first repaints what the previous switch changed: the time is the switch's alone.
        Sleep(300);
        const std::string before = WindowText(button);
        // What a message to the other process costs by itself, on a loaded machine a good part.
        DWORD_PTR result = 0;
        auto begin = Clock::now();
        SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, WAIT_MS, &result);
        const double roundTrip = MsSince(begin);
        begin = Clock::now();
        SendMessageTimeoutA(main, WM_COMMAND, MAKEWPARAM(IDM_LANG_ITEM_FIRST + i % 2, 0), 0, SMTO_ABORTIFHUNG, WAIT_MS, &result);
        const double ms = MsSince(begin);
        if (WindowText(button) != before) {
            times.push_back(ms);
            g_roundTrips.push_back(roundTrip);
        }
    }
    return times;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 6) {
        std::fprintf(stderr, "usage: %s <launcher folder> <floor exe> <imports floor exe> <game exe> <runs>\n", argv[0]);
        return 2;
    }
    std::string folder = argv[1];
    if (folder.back() != '\\') folder += '\\';
    const std::string launcher = "\"" + folder + "Vekolaunch.exe\"";
    const std::string floorExe = argv[2];
    const std::string importsFloorExe = argv[3];
    const std::string game = argv[4];
    const int runs = std::max(1, std::atoi(argv[5]));
    const std::string settings = folder + "Vekolaunch.ini";

    // A first start warms the caches and gives the floor the main window's size.
    if (!WriteTextFile(settings, SettingsFile(1, game))) {
        std::fprintf(stderr, "cannot write %s\n", settings.c_str());
        return 2;
    }
    RECT rect = {};
    {
        Start first(launcher, folder, true);
        GetWindowRect(first.Window, &rect);
    }
    const std::string size = " " + std::to_string(rect.right - rect.left) + " " + std::to_string(rect.bottom - rect.top);
    const std::string floorLine = "\"" + floorExe + "\"" + size;
    const std::string importsFloorLine = "\"" + importsFloorExe + "\"" + size;
    { Start warm(floorLine, folder, false); }
    { Start warm(importsFloorLine, folder, false); }

    std::vector<double> floorMs, floorPeak, launcherPeak, importsFloorMs;
    std::vector<std::vector<double>> launcherMs(std::size(PROFILE_COUNTS));
    std::vector<double> switches;
    for (int run = 0; run < runs; ++run) {
        {
            Start floor(floorLine, folder, false);
            floorMs.push_back(floor.Ms);
            floorPeak.push_back(floor.PeakMiB);
        }
        {
            Start floor(importsFloorLine, folder, false);
            importsFloorMs.push_back(floor.Ms);
        }
        for (size_t p = 0; p < std::size(PROFILE_COUNTS); ++p) {
            WriteTextFile(settings, SettingsFile(PROFILE_COUNTS[p], game));
            Start start(launcher, folder, true);
            launcherMs[p].push_back(start.Ms);
            if (p == 0) {
                launcherPeak.push_back(start.PeakMiB);
                const auto times = LanguageSwitches(start.Window, 3);
                switches.insert(switches.end(), times.begin(), times.end());
            }
        }
    }

    // Ten thousand profiles once, for the cost per profile: no target, but nothing quadratic.
    WriteTextFile(settings, SettingsFile(10000, game));
    double tenThousandMs = 0;
    {
        Start start(launcher, folder, true);
        tenThousandMs = start.Ms;
    }

    // Traced starts apart from the timed ones: writing the marks costs time of its own.
    const std::string traceFile = folder + "startup-trace.txt";
    std::map<std::string, std::vector<double>> marks;
    std::vector<std::string> order;
    std::vector<double> tracedMs;
    WriteTextFile(settings, SettingsFile(1, game));
    SetEnvironmentVariableA("VEKOLAUNCH_STARTUP_TRACE", traceFile.c_str());
    for (int run = 0; run < runs; ++run) {
        DeleteFileA(traceFile.c_str());
        {
            Start start(launcher, folder, true);
            tracedMs.push_back(start.Ms);
            WaitForMark(traceFile, "profiles"); // the last mark
        }
        for (const auto& [point, ms] : ReadStartupMarks(traceFile)) {
            if (marks.find(point) == marks.end()) order.push_back(point);
            marks[point].push_back(ms);
        }
    }
    // With 1,000 profiles the window waits for input before the profiles it does not show are
    // read: when the last of them is.
    double allRead1000Ms = 0;
    WriteTextFile(settings, SettingsFile(1000, game));
    DeleteFileA(traceFile.c_str());
    {
        Start start(launcher, folder, true);
        allRead1000Ms = WaitForMark(traceFile, "profiles");
    }
    SetEnvironmentVariableA("VEKOLAUNCH_STARTUP_TRACE", nullptr);
    DeleteFileA(traceFile.c_str());
    DeleteFileA(settings.c_str());

    std::printf("runs=%d\n", runs);
    std::printf("window=%ldx%ld\n", rect.right - rect.left, rect.bottom - rect.top);
    std::printf("floor_ms=%.1f\n", Median(floorMs));
    std::printf("imports_floor_ms=%.1f\n", Median(importsFloorMs));
    for (size_t p = 0; p < std::size(PROFILE_COUNTS); ++p)
        std::printf("startup_%d_ms=%.1f\n", PROFILE_COUNTS[p], Median(launcherMs[p]));
    std::printf("startup_10000_ms=%.1f\n", tenThousandMs);
    std::printf("floor_peak_mib=%.1f\n", Median(floorPeak));
    std::printf("launcher_peak_mib=%.1f\n", Median(launcherPeak));
    std::printf("switches=%zu\n", switches.size());
    std::printf("switch_ms=%.1f\n", Median(switches));
    std::printf("round_trip_ms=%.1f\n", Median(g_roundTrips));
    for (const std::string& point : order) std::printf("mark_%s_ms=%.1f\n", point.c_str(), Median(marks[point]));
    std::printf("marks=");
    for (const std::string& point : order) std::printf("%s ", point.c_str());
    std::printf("\n");
    std::printf("traced_ms=%.1f\n", Median(tracedMs));
    std::printf("all_read_1000_ms=%.1f\n", allRead1000Ms);
    return 0;
}
