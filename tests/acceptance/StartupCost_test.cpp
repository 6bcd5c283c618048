// What a start of the launcher costs: each step marked when the benchmark asks for it, and the
// libraries that only some actions need left unloaded until one of them is used.
#include "acceptance/StagedInstall.h"
#include "support/StartupMarks.h"
#include "support/TestHttpServer.h"

#include <psapi.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace {
std::vector<std::string> LoadedModules(DWORD pid)
{
    std::vector<std::string> names;
    const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process) return names;
    HMODULE modules[1024];
    DWORD needed = 0;
    if (EnumProcessModules(process, modules, sizeof(modules), &needed)) {
        for (DWORD i = 0; i < std::min<DWORD>(needed / sizeof(HMODULE), 1024); ++i) {
            char name[MAX_PATH] = {};
            GetModuleBaseNameA(process, modules[i], name, sizeof(name));
            std::string lower(name);
            std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
            names.push_back(lower);
        }
    }
    CloseHandle(process);
    return names;
}
} // namespace

TEST(StartupCost, StepsAreMarkedInOrderAndTheInternetDialogAndShellLibrariesStayUnloaded)
{
    StagedInstall install;
    install.WriteDemoProfileSettings();
    const std::string trace = install.LauncherDir() + "startup-trace.txt";
    std::unique_ptr<DrivenProgram> launcher;
    {
        const ScopedEnvironmentVariable traced{"VEKOLAUNCH_STARTUP_TRACE", trace};
        launcher = install.StartLauncher();
    }
    HWND main = launcher->WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ReadTextFile(trace).find("profiles=") != std::string::npos; }))
        << ReadTextFile(trace);

    std::vector<std::string> points;
    std::vector<double> times;
    for (const auto& [point, ms] : ReadStartupMarks(trace)) {
        points.push_back(point);
        times.push_back(ms);
    }
    ASSERT_FALSE(points.empty());
    EXPECT_EQ(points.front(), "entry");
    // The profiles the first screen does not show are read once the window waits for input.
    ASSERT_GT(points.size(), 5u) << "the steps between entry and idle";
    EXPECT_EQ(points[points.size() - 2], "idle");
    EXPECT_EQ(points.back(), "profiles");
    EXPECT_TRUE(std::is_sorted(times.begin(), times.end())) << ReadTextFile(trace);
    EXPECT_GE(times.front(), 0.0);

    const std::vector<std::string> modules = LoadedModules(launcher->Pid());
    ASSERT_NE(std::find(modules.begin(), modules.end(), "user32.dll"), modules.end()) << "the module list was read";
    for (const char* late : {"wininet.dll", "comdlg32.dll", "shell32.dll"}) {
        EXPECT_EQ(std::find(modules.begin(), modules.end(), late), modules.end()) << late << " was loaded at start-up";
    }

    Close(main);
    EXPECT_TRUE(launcher->AnswerMessageBoxesUntilExit(IDNO));
}
