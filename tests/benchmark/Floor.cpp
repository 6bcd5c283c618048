// The floor the launcher's start-up is measured against: a program that opens one empty window
// of the given size (the launcher's main window's) and does nothing else until it is closed.
// Built a second time with FLOOR_WITH_LAUNCHER_IMPORTS: the same window from a program that
// loads what the launcher's start loads (its DLL imports, OLE, the common controls of its
// manifest), the part of the launcher's start that no code of its own can save.
// Usage: benchmark_floor.exe width height
#include <windows.h>
#ifdef FLOOR_WITH_LAUNCHER_IMPORTS
#include <commctrl.h>
#include <ole2.h>
#include <winver.h>
#endif

#include <cstdlib>

namespace {
LRESULT CALLBACK FloorProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
#ifdef FLOOR_WITH_LAUNCHER_IMPORTS
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    DWORD handle = 0;
    GetFileVersionInfoSizeA(__argv[0], &handle);
#endif
    const int width = __argc > 2 ? std::atoi(__argv[1]) : 640;
    const int height = __argc > 2 ? std::atoi(__argv[2]) : 480;
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = FloorProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "BenchmarkFloor";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "BenchmarkFloor", "Floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                  width, height, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
