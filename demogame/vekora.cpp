// Demo game: records its command line and working directory, then shows them.
// With VEKORA_RECORD set it writes the record to that file and exits at once (for tests);
// otherwise it writes last_run.txt beside itself and shows the record in a small window.
#include <windows.h>
#include <string>

#include "vekora_res.h"

namespace {

struct StartRecord {
    std::string Parameters;
    std::string Directory;
};

// The part of the command line after the program name and the blanks that follow it,
// exactly as the program received it.
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
    std::string buffer(MAX_PATH, '\0');
    DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length >= buffer.size()) {
        buffer.assign(length, '\0');
        length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    }
    buffer.resize(length < buffer.size() ? length : 0);
    return buffer;
}

std::string EnvironmentValue(const char* name)
{
    DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
    if (size == 0) return "";
    std::string value(size, '\0');
    DWORD length = GetEnvironmentVariableA(name, value.data(), size);
    value.resize(length < size ? length : 0);
    return value;
}

// Written under another name and then renamed, so that whoever waits for the record never
// reads it half-written.
void WriteRecord(const std::string& path, const std::string& text)
{
    const std::string partial = path + ".part";
    HANDLE h = CreateFileA(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    const bool complete = WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                          written == text.size();
    CloseHandle(h);
    if (!complete || !MoveFileExA(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) DeleteFileA(partial.c_str());
}

std::string OwnFolder()
{
    char buf[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, buf, MAX_PATH);
    std::string path = buf;
    return path.substr(0, path.find_last_of('\\') + 1);
}

INT_PTR CALLBACK DemoDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG: {
        const auto* record = reinterpret_cast<const StartRecord*>(lParam);
        SetDlgItemTextA(dialog, IDC_PARAMETERS, record->Parameters.empty() ? "(none)" : record->Parameters.c_str());
        SetDlgItemTextA(dialog, IDC_DIRECTORY, record->Directory.c_str());
        // Focus on the button rather than on a selected field.
        SetFocus(GetDlgItem(dialog, IDOK));
        return FALSE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    const StartRecord start{ParametersOf(GetCommandLineA()), CurrentDirectory()};
    const std::string record = "Parameters: " + start.Parameters + "\r\nDirectory: " + start.Directory + "\r\n";

    const std::string target = EnvironmentValue("VEKORA_RECORD");
    if (!target.empty()) {
        WriteRecord(target, record);
        return 0;
    }
    WriteRecord(OwnFolder() + "last_run.txt", record);
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_VEKORA_DEMO), nullptr, DemoDialogProc,
                    reinterpret_cast<LPARAM>(&start));
    return 0;
}
