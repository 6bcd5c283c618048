// Finding and driving the windows a test opens.
#include "support/WindowDriver.h"

#include <set>
#include <vector>

#include "base/ControlHost.h"

namespace {
struct ModalWatch {
    std::set<HWND> before;
    std::function<void(HWND)> onShown;
    bool seen = false;
    bool busy = false;
};
ModalWatch* g_watch = nullptr;

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lParam)
{
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> ThreadWindows()
{
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

void CALLBACK WatchTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (!g_watch || g_watch->seen || g_watch->busy) return;
    for (HWND hwnd : ThreadWindows()) {
        if (g_watch->before.count(hwnd) || !IsWindowVisible(hwnd)) continue;
        g_watch->seen = true;
        g_watch->busy = true;
        g_watch->onShown(hwnd);
        g_watch->busy = false;
        return;
    }
}
} // namespace

bool WhileModal(const std::function<void()>& action, const std::function<void(HWND)>& onShown)
{
    ModalWatch watch;
    for (HWND hwnd : ThreadWindows()) watch.before.insert(hwnd);
    watch.onShown = onShown;
    ModalWatch* outer = g_watch;
    g_watch = &watch;
    UINT_PTR timer = SetTimer(nullptr, 0, 30, WatchTimer);
    action();
    KillTimer(nullptr, timer);
    g_watch = outer;
    return watch.seen;
}

HWND FindVisibleWindow(const std::string& captionPart)
{
    for (HWND hwnd : ThreadWindows()) {
        if (IsWindowVisible(hwnd) && WindowText(hwnd).find(captionPart) != std::string::npos) return hwnd;
    }
    return nullptr;
}

namespace {
struct ProgramWindowSearch {
    std::string caption, folder;
    HWND found = nullptr;
};

std::string ProgramPathOf(HWND window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process) return "";
    char path[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    const bool ok = QueryFullProcessImageNameA(process, 0, path, &size);
    CloseHandle(process);
    return ok ? std::string(path, size) : "";
}

BOOL CALLBACK MatchProgramWindow(HWND hwnd, LPARAM lParam)
{
    auto& search = *reinterpret_cast<ProgramWindowSearch*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    if (processId == GetCurrentProcessId() || !IsWindowVisible(hwnd) || WindowText(hwnd) != search.caption) return TRUE;
    const std::string path = ProgramPathOf(hwnd);
    if (path.size() < search.folder.size() ||
        CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, path.c_str(), static_cast<int>(search.folder.size()),
                       search.folder.c_str(), static_cast<int>(search.folder.size())) != CSTR_EQUAL) {
        return TRUE;
    }
    search.found = hwnd;
    return FALSE;
}
} // namespace

HWND FindProgramWindow(const std::string& caption, const std::string& programFolder)
{
    ProgramWindowSearch search{caption, programFolder};
    EnumWindows(MatchProgramWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

namespace {
struct ChildSearch {
    std::string className, textPart;
    HWND found = nullptr;
};

BOOL CALLBACK MatchChild(HWND hwnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<ChildSearch*>(lParam);
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof(name));
    if (lstrcmpiA(name, search->className.c_str()) == 0 &&
        WindowText(hwnd).find(search->textPart) != std::string::npos) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}
} // namespace

HWND FindChildWindow(HWND parent, const std::string& className, const std::string& textPart)
{
    ChildSearch search{className, textPart};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindControl(HWND window, int id)
{
    if (HWND own = GetDlgItem(window, id)) return own;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (HWND inner = FindControl(child, id)) return inner;
    }
    return nullptr;
}

std::string ItemText(HWND dialog, int id)
{
    return WindowText(FindControl(dialog, id));
}

void ClickButton(HWND dialog, int id)
{
    SendMessageA(FindControl(dialog, id), BM_CLICK, 0, 0);
}

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool WaitUntil(const std::function<bool()>& condition, DWORD ms)
{
    const ULONGLONG end = GetTickCount64() + ms;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= end) return false;
        PumpMessages();
        Sleep(20);
    }
}

HWND FocusIn(HWND window)
{
    WaitUntil([&] {
        if (GetFocus()) return true;
        SetForegroundWindow(window);
        SetActiveWindow(window);
        return false;
    });
    return GetFocus();
}
