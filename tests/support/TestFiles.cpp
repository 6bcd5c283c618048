// Temporary folders and whole-file reads and writes for tests.
#include "support/TestFiles.h"

#include <atomic>

#include "base/mFunctions.h"
#include "support/WindowDriver.h"

void UseRunTemporaryFolder()
{
    char folder[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("VEKOLAUNCH_TEST_TEMP", folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    SetEnvironmentVariableA("TEMP", folder);
    SetEnvironmentVariableA("TMP", folder);
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
    try {
        return ReadWholeFile(path);
    } catch (...) {
        return ""; // a file that is not there reads as empty
    }
}

std::string WaitForFileText(const std::string& path, DWORD ms)
{
    WaitUntil([&] { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }, ms);
    return ReadTextFile(path);
}
