// Demo game: records its command line and working directory, then shows them.
// With VEKORA_RECORD set it writes the record to that file and exits at once (for tests);
// otherwise it writes last_run.txt beside itself and opens a small window.
#include <windows.h>
#include <string>

namespace {

std::string g_report;

// The part of the command line after the program name, exactly as the program received it.
std::string ParametersOf(const char* cmdLine)
{
    const char* p = cmdLine;
    if (*p == '"') {
        ++p;
        while (*p && *p != '"') ++p;
        if (*p) ++p;
    } else {
        while (*p && *p != ' ' && *p != '\t') ++p;
    }
    while (*p == ' ' || *p == '\t') ++p;
    return p;
}

std::string CurrentDirectory()
{
    char buf[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, buf);
    return buf;
}

void WriteRecord(const std::string& path, const std::string& text)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(h);
}

std::string OwnFolder()
{
    char buf[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, buf, MAX_PATH);
    std::string path = buf;
    return path.substr(0, path.find_last_of('\\') + 1);
}

LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT rc;
        GetClientRect(hwnd, &rc);
        InflateRect(&rc, -12, -12);
        HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        DrawTextA(dc, g_report.c_str(), -1, &rc, DT_LEFT | DT_WORDBREAK);
        SelectObject(dc, old);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    const std::string parameters = ParametersOf(GetCommandLineA());
    const std::string record = "Parameters: " + parameters + "\r\nDirectory: " + CurrentDirectory() + "\r\n";

    char target[MAX_PATH] = {};
    if (GetEnvironmentVariableA("VEKORA_RECORD", target, MAX_PATH) > 0) {
        WriteRecord(target, record);
        return 0;
    }
    WriteRecord(OwnFolder() + "last_run.txt", record);

    g_report = "Vekora demo game\r\n\r\nThe launcher started the game with:\r\n\r\n" + record;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = WndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "VekoraDemo";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowA("VekoraDemo", "Vekora (demo)", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                              560, 260, nullptr, nullptr, instance, nullptr);
    ShowWindow(hwnd, show);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
