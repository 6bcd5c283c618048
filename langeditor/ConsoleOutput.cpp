// Finding the console or the redirected output of a windowed program.
#include "langeditor/ConsoleOutput.h"

#include <vector>

ConsoleOutput::ConsoleOutput()
{
    HANDLE standard = GetStdHandle(STD_OUTPUT_HANDLE);
    if (standard && standard != INVALID_HANDLE_VALUE && GetFileType(standard) != FILE_TYPE_UNKNOWN) {
        m_out = standard;
        return;
    }
    // A windowed program gets no console of its own; it may borrow the one it was started from.
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    m_console.Reset(CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr));
    if (m_console.IsValid()) m_out = m_console.Get();
}

void ConsoleOutput::WriteLine(const std::string& text) const
{
    if (!m_out) return;
    const std::string line = text + "\r\n";
    DWORD mode = 0, written = 0;
    if (GetConsoleMode(m_out, &mode)) {
        // A console shows its own code page: hand it the characters, not the bytes.
        const int length = MultiByteToWideChar(CP_ACP, 0, line.data(), static_cast<int>(line.size()), nullptr, 0);
        std::vector<wchar_t> wide(static_cast<size_t>(length));
        MultiByteToWideChar(CP_ACP, 0, line.data(), static_cast<int>(line.size()), wide.data(), length);
        WriteConsoleW(m_out, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    WriteFile(m_out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}
