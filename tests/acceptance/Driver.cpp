// Driving another process's windows from outside.
#include "acceptance/Driver.h"

#include <commctrl.h>
#include <cstring>

#include "mainwindow/frmMain_res.h"
#include "support/WindowDriver.h"

namespace {
// What the system's message box calls its text control.
constexpr int MESSAGE_TEXT_ID = 0xFFFF;
// A busy machine may keep the driven program from answering for seconds; it is not hung then.
constexpr DWORD SEND_TIMEOUT_MS = EVENT_WAIT_MS;

std::string EnvironmentBlock(const std::vector<std::pair<std::string, std::string>>& extra)
{
    std::string block;
    char* current = GetEnvironmentStringsA();
    for (const char* p = current; *p; p += strlen(p) + 1) {
        const std::string entry = p;
        bool replaced = false;
        for (const auto& [name, value] : extra) {
            if (_strnicmp(entry.c_str(), (name + "=").c_str(), name.size() + 1) == 0) replaced = true;
        }
        if (!replaced) block += entry + '\0';
    }
    FreeEnvironmentStringsA(current);
    for (const auto& [name, value] : extra) block += name + "=" + value + '\0';
    return block + '\0';
}

LRESULT SendWithTimeout(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, msg, wParam, lParam, SMTO_NORMAL, SEND_TIMEOUT_MS, &result);
    return static_cast<LRESULT>(result);
}

// A block of memory inside the driven process, for messages whose data the system does not
// carry across processes (list views).
class RemoteMemory {
public:
    RemoteMemory(HWND window, size_t size) : m_size(size)
    {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        m_process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (m_process) m_address = VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteMemory()
    {
        if (m_address) VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
        if (m_process) CloseHandle(m_process);
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;
    char* Address() const { return static_cast<char*>(m_address); }
    bool Write(size_t offset, const void* data, size_t size) const
    {
        return m_address && WriteProcessMemory(m_process, Address() + offset, data, size, nullptr);
    }
    bool Read(size_t offset, void* data, size_t size) const
    {
        return m_address && ReadProcessMemory(m_process, Address() + offset, data, size, nullptr);
    }

private:
    HANDLE m_process = nullptr;
    void* m_address = nullptr;
    size_t m_size;
};
struct WindowsOfProcess {
    DWORD Pid;
    std::vector<HWND> Found;
};

BOOL CALLBACK CollectWindowsOf(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<WindowsOfProcess*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->Pid && IsWindowVisible(window)) search->Found.push_back(window);
    return TRUE;
}

struct ChildWithId {
    int Id;
    HWND Found;
};

BOOL CALLBACK FindChildWithId(HWND child, LPARAM data)
{
    auto* search = reinterpret_cast<ChildWithId*>(data);
    if (GetDlgCtrlID(child) != search->Id) return TRUE;
    search->Found = child;
    return FALSE;
}

struct ChildOfClass {
    const std::string& ClassName;
    const std::string& Text;
    HWND Found;
};

BOOL CALLBACK FindChildOfClass(HWND child, LPARAM data)
{
    auto* search = reinterpret_cast<ChildOfClass*>(data);
    if (_stricmp(ClassOf(child).c_str(), search->ClassName.c_str()) != 0) return TRUE;
    if (!search->Text.empty() && TextOf(child) != search->Text) return TRUE;
    search->Found = child;
    return FALSE;
}
} // namespace

DrivenProgram::DrivenProgram(const std::string& exePath, const std::string& workDir,
                             const std::vector<std::pair<std::string, std::string>>& environment,
                             const std::string& arguments)
{
    std::string commandLine = "\"" + exePath + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    std::string block = EnvironmentBlock(environment);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    // Nothing inherited: no handle of ours may keep the test's output open after we end.
    if (!CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, block.data(),
                        workDir.c_str(), &startup, &m_info)) {
        m_info = {};
    }
}

DrivenProgram::DrivenProgram(HWND window)
{
    GetWindowThreadProcessId(window, &m_info.dwProcessId);
    m_info.hProcess = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION, FALSE, m_info.dwProcessId);
}

DrivenProgram::~DrivenProgram()
{
    if (!m_info.hProcess) return;
    if (Running()) {
        TerminateProcess(m_info.hProcess, 1);
        WaitForSingleObject(m_info.hProcess, WINDOW_WAIT_MS);
    }
    if (m_info.hThread) CloseHandle(m_info.hThread);
    CloseHandle(m_info.hProcess);
}

bool DrivenProgram::Running() const
{
    return m_info.hProcess && WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

bool DrivenProgram::WaitForExit(DWORD ms, DWORD* exitCode) const
{
    if (!m_info.hProcess || WaitForSingleObject(m_info.hProcess, ms) != WAIT_OBJECT_0) return false;
    if (exitCode) GetExitCodeProcess(m_info.hProcess, exitCode);
    return true;
}

std::vector<HWND> DrivenProgram::Windows() const
{
    WindowsOfProcess search{Pid(), {}};
    EnumWindows(CollectWindowsOf, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

HWND DrivenProgram::WaitForWindow(const std::function<bool(HWND)>& match, DWORD ms) const
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : Windows()) {
                if (match(window)) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        ms);
    return found;
}

HWND DrivenProgram::WaitForWindowTitled(const std::string& title, DWORD ms) const
{
    return WaitForWindow([&](HWND w) { return TextOf(w) == title && !IsMessageBox(w); }, ms);
}

HWND DrivenProgram::WaitForMainWindow(DWORD ms) const
{
    return WaitForWindow([](HWND w) { return GetMenu(w) != nullptr; }, ms);
}

HWND DrivenProgram::WaitForMessageBox(DWORD ms) const
{
    return WaitForWindow(IsMessageBox, ms);
}

std::vector<std::string> DrivenProgram::AnswerMessageBoxesUntil(int button, const std::function<bool()>& done,
                                                               DWORD ms) const
{
    std::vector<std::string> texts;
    for (;;) {
        HWND box = nullptr;
        const bool ready = WaitUntil([&] {
            for (HWND window : Windows()) {
                if (IsMessageBox(window)) box = window;
            }
            return box != nullptr || done();
        }, ms);
        if (!ready || !box) return texts;
        texts.push_back(MessageBoxText(box));
        Command(box, button);
        WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); });
    }
}

bool DrivenProgram::AnswerMessageBoxesUntilExit(int button) const
{
    AnswerMessageBoxesUntil(button, [&] { return !Running(); });
    return !Running();
}

std::optional<std::string> DrivenProgram::AnswerMessageBox(int button, DWORD ms) const
{
    HWND box = WaitForMessageBox(ms);
    if (!box) return std::nullopt;
    std::string text = MessageBoxText(box);
    Command(box, button);
    WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); });
    return text;
}

std::string TextOf(HWND window)
{
    const LRESULT length = SendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied = SendWithTimeout(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied) < text.size() ? static_cast<size_t>(copied) : 0);
    return text;
}

std::string ClassOf(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

HWND Control(HWND window, int id)
{
    if (HWND direct = GetDlgItem(window, id)) return direct;
    // Controls on pages or inside user controls are grandchildren.
    ChildWithId search{id, nullptr};
    EnumChildWindows(window, FindChildWithId, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

HWND FindDescendant(HWND window, const std::string& className, const std::string& text)
{
    ChildOfClass search{className, text, nullptr};
    EnumChildWindows(window, FindChildOfClass, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

bool IsMessageBox(HWND window)
{
    return ClassOf(window) == "#32770" && GetDlgItem(window, MESSAGE_TEXT_ID) != nullptr;
}

HWND WaitForProgramWindow(const std::string& title, const std::string& programFolder, DWORD ms)
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindProgramWindow(title, programFolder)) != nullptr; }, ms);
    return found;
}

std::string MessageBoxText(HWND box)
{
    return TextOf(GetDlgItem(box, MESSAGE_TEXT_ID));
}

void Command(HWND window, int id)
{
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

bool CommandHandled(HWND window, int id)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0, SMTO_NORMAL, SEND_TIMEOUT_MS, &result) != 0;
}

bool CommandAndWaitClosed(HWND window, int id)
{
    Command(window, id);
    return WaitUntil([&] { return !IsWindow(window); });
}

void Click(HWND window, int controlId)
{
    HWND button = Control(window, controlId);
    PostMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void SetChecked(HWND window, int controlId, bool checked)
{
    HWND button = Control(window, controlId);
    SendWithTimeout(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    SendWithTimeout(GetParent(button), WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

bool IsChecked(HWND window, int controlId)
{
    return SendWithTimeout(Control(window, controlId), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Type(HWND window, int controlId, const std::string& text)
{
    HWND field = Control(window, controlId);
    // A combo box's text is its edit field's; the parent hears of it from the combo box.
    const bool combo = ClassOf(field) == "ComboBox";
    HWND target = combo ? FindDescendant(field, "Edit") : field;
    if (!target) target = field;
    SendWithTimeout(target, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendWithTimeout(GetParent(field), WM_COMMAND, MAKEWPARAM(controlId, combo ? CBN_EDITCHANGE : EN_CHANGE),
                    reinterpret_cast<LPARAM>(field));
}

void SelectListItem(HWND window, int controlId, int index)
{
    HWND list = Control(window, controlId);
    SendWithTimeout(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendWithTimeout(GetParent(list), WM_COMMAND, MAKEWPARAM(controlId, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

int SelectedListItem(HWND window, int controlId)
{
    return static_cast<int>(SendWithTimeout(Control(window, controlId), LB_GETCURSEL, 0, 0));
}

std::vector<std::string> ListBoxTexts(HWND list)
{
    std::vector<std::string> texts;
    const int count = static_cast<int>(SendWithTimeout(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        // The list belongs to another program: its text crosses over as wide characters.
        std::wstring wide(static_cast<size_t>(SendWithTimeout(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0)) + 1, L'\0');
        DWORD_PTR length = 0;
        SendMessageTimeoutW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide.data()), SMTO_NORMAL,
                            SEND_TIMEOUT_MS, &length);
        std::string text(wide.size() * 2, '\0');
        text.resize(static_cast<size_t>(WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(length), text.data(),
                                                            static_cast<int>(text.size()), nullptr, nullptr)));
        texts.push_back(text);
    }
    return texts;
}

std::string SelectComboItem(HWND window, int controlId, int index)
{
    HWND combo = Control(window, controlId);
    SendWithTimeout(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendWithTimeout(GetParent(combo), WM_COMMAND, MAKEWPARAM(controlId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    return TextOf(combo);
}

void Close(HWND window)
{
    PostMessageA(window, WM_CLOSE, 0, 0);
}

void SelectListViewRow(HWND listView, int row)
{
    RemoteMemory memory(listView, sizeof(LVITEMA));
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    if (memory.Write(0, &item, sizeof(item))) {
        SendWithTimeout(listView, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(memory.Address()));
    }
}

std::vector<std::string> ListViewColumn(HWND listView, int column)
{
    std::vector<std::string> texts;
    constexpr size_t TEXT_SIZE = 1024;
    RemoteMemory memory(listView, sizeof(LVITEMA) + TEXT_SIZE);
    const int count = static_cast<int>(SendWithTimeout(listView, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = memory.Address() + sizeof(LVITEMA);
        item.cchTextMax = TEXT_SIZE;
        if (!memory.Write(0, &item, sizeof(item))) break;
        const LRESULT length = SendWithTimeout(listView, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                                               reinterpret_cast<LPARAM>(memory.Address()));
        std::string text(static_cast<size_t>(length), '\0');
        if (length > 0) memory.Read(sizeof(LVITEMA), text.data(), text.size());
        texts.push_back(text);
    }
    return texts;
}



void VisitEveryTab(HWND main)
{
    constexpr int TABS = 5;
    for (int tab = TABS - 1; tab >= 0; --tab) {
        HWND button = Control(main, IDC_MAIN_TAB0 + tab);
        SendWithTimeout(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
        SendWithTimeout(button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    }
}
