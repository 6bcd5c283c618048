// Shared test helpers.
#include "support/TestEnvironment.h"

#include <atomic>
#include <set>
#include <vector>

#include "base/mFunctions.h"
#include "core/Application.h"
#include "translation/TextIds.h"
#include "translation/cTranslate.h"

std::string TestProgramDir()
{
    char buffer[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    std::string path = buffer;
    return path.substr(0, path.find_last_of('\\') + 1);
}

std::string DemoGamePath()
{
    return TestProgramDir() + "demo\\Vekora\\vekora.exe";
}

std::string ShippedConfigDir()
{
    return TestProgramDir() + "config\\";
}

TempFolder::TempFolder()
{
    static std::atomic<int> counter{0};
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    for (;;) {
        m_path = std::string(temp) + "vkl_" + std::to_string(GetCurrentProcessId()) + "_" +
                 std::to_string(GetTickCount()) + "_" + std::to_string(counter++) + "\\";
        if (CreateDirectoryA(m_path.c_str(), nullptr)) break;
    }
}

TempFolder::~TempFolder()
{
    RemoveFolderTree(m_path);
}

void RemoveFolderTree(const std::string& path)
{
    const std::string folder = SetTrailingBackslash(path, true);
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = data.cFileName;
            if (name == "." || name == "..") continue;
            const std::string full = folder + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveFolderTree(full);
            } else {
                SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(full.c_str());
            }
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

void WriteTextFile(const std::string& path, const std::string& text)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(h);
}

std::string ReadTextFile(const std::string& path)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "";
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(h, buffer, sizeof(buffer), &read, nullptr) && read > 0) text.append(buffer, read);
    CloseHandle(h);
    return text;
}

void AppFixture::SetUp()
{
    m_folder = std::make_unique<TempFolder>();
    CreateDirectoryA(ConfigDir().c_str(), nullptr);
    for (const char* name : {"LNG_EN.ini", "LNG_DE.ini"}) {
        CopyFileA((ShippedConfigDir() + name).c_str(), (ConfigDir() + name).c_str(), FALSE);
    }
    m_sys = std::make_unique<FakeSystemServices>();
    // Every text a window or message asks for must be one the language files are checked for.
    SetTextRequestObserver([this](const std::string& section, const std::string& id) {
        if (!IsListedTextId(section, id)) m_unlistedTextIds.push_back("[" + section + "] " + id);
    });
    RestartApplication();
}

void AppFixture::TearDown()
{
    SetTextRequestObserver(nullptr);
    if (!m_allowUnlistedTextIds) {
        for (const std::string& text : m_unlistedTextIds) {
            ADD_FAILURE() << "asked for a text that the text table (LanguageTextIds) lacks: " << text;
        }
    }
    g_cTranslate.reset();
    g_cApp.reset();
    m_sys.reset();
    m_folder.reset();
}

void AppFixture::RestartApplication()
{
    g_cApp = std::make_unique<Application>(m_folder->Path());
    g_cTranslate = std::make_unique<cTranslate>();
}

std::string AppFixture::IniPath() const
{
    return m_folder->Path() + "Vekolaunch.ini";
}

std::string AppFixture::ConfigDir() const
{
    return m_folder->Path() + "config\\";
}

void AppFixture::WriteIni(const std::string& text) const
{
    WriteTextFile(IniPath(), text);
}

std::string AppFixture::ReadIni() const
{
    return ReadTextFile(IniPath());
}

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
