// Temporary folders, files and raised errors: what a test of any program needs.
#pragma once

#include <windows.h>
#include <string>

#include <gtest/gtest.h>

#include "base/mError.h"
#include "support/Waiting.h"

// Makes the run's own temporary folder, named by the test scripts in VEKOLAUNCH_TEST_TEMP, the
// temporary folder of this program and of every program it starts: what a killed run leaves
// there goes with the next run instead of piling up in the shared one.
void UseRunTemporaryFolder();

// A fresh folder below the temporary folder, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    // The folder with a trailing backslash.
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

void WriteTextFile(const std::string& path, const std::string& text);
std::string ReadTextFile(const std::string& path);
void RemoveFolderTree(const std::string& path);
// The text of a file that another program writes in one piece (under another name, then renamed),
// once it is there; "" when it does not come within the time.
std::string WaitForFileText(const std::string& path, DWORD ms = EVENT_WAIT_MS);

// The error a call raises; fails the test when it raises none.
template <typename F>
AppError ErrorOf(F call)
{
    try {
        call();
    } catch (...) {
        return CurrentError();
    }
    ADD_FAILURE() << "no error raised";
    return AppError(0, "");
}
