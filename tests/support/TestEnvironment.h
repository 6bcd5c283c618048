// Helpers every test program shares: temporary folders, files, a prepared application
// object and the location of the demo game.
#pragma once

#include <windows.h>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/ControlHost.h"
#include "base/mError.h"
#include "support/FakeSystemServices.h"

// Folder of the running test program, with a trailing backslash.
std::string TestProgramDir();
// The demo game built beside the tests.
std::string DemoGamePath();
// The language files built beside the tests.
std::string ShippedConfigDir();

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

// A launcher work folder in a temporary place with the shipped language files, the global
// application and translation objects over it, and the system services replaced by a double.
class AppFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Recreates g_cApp (a fresh start on the same folder).
    void RestartApplication();
    std::string IniPath() const;
    std::string ConfigDir() const;
    void WriteIni(const std::string& text) const;
    std::string ReadIni() const;

    // For tests that ask for texts of their own making: without it, asking for a section or
    // ID that the launcher's text table lacks fails the test.
    void AllowUnlistedTextIds() { m_allowUnlistedTextIds = true; }

    std::unique_ptr<TempFolder> m_folder;
    std::unique_ptr<FakeSystemServices> m_sys;

private:
    bool m_allowUnlistedTextIds = false;
    std::vector<std::string> m_unlistedTextIds;
};

// Runs action; the first time a new top-level window of this thread is shown while it
// runs (a modal dialog or message box), onShown gets it. Returns whether one was seen.
bool WhileModal(const std::function<void()>& action, const std::function<void(HWND)>& onShown);
// A visible top-level window of this thread whose caption contains the text, or nullptr.
HWND FindVisibleWindow(const std::string& captionPart);
// The first child window (at any depth) of that class whose text contains the text, or nullptr;
// "" matches any text.
HWND FindChildWindow(HWND parent, const std::string& className, const std::string& textPart);
// The control with that ID among a window's children and their children (a dialog's pages),
// or nullptr.
HWND FindControl(HWND window, int id);
// The text of the control of a dialog (or of one of its pages) with that ID.
std::string ItemText(HWND dialog, int id);
// Sends a click to a button of a dialog or of one of its pages.
void ClickButton(HWND dialog, int id);
// Handles all messages waiting in this thread's queue.
void PumpMessages();

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
