// Drives a program in another process through its windows only: finds its top-level windows
// and their controls by class, text and ID, clicks, types, chooses menu commands, answers
// message boxes and reads list views, menus and texts. Every wait polls with a limit.
#pragma once

#include <windows.h>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "support/WindowDriver.h"

inline constexpr DWORD WINDOW_WAIT_MS = EVENT_WAIT_MS;

// A program started in its own process; ended by force if it is still running at the end.
class DrivenProgram {
public:
    // The arguments follow the quoted program path on the command line as they stand.
    DrivenProgram(const std::string& exePath, const std::string& workDir,
                  const std::vector<std::pair<std::string, std::string>>& environment = {},
                  const std::string& arguments = "");
    // A program that another one started (through the shell): taken over by one of its windows.
    explicit DrivenProgram(HWND window);
    ~DrivenProgram();
    DrivenProgram(const DrivenProgram&) = delete;
    DrivenProgram& operator=(const DrivenProgram&) = delete;

    DWORD Pid() const { return m_info.dwProcessId; }
    bool Running() const;
    // True when the process ended within the time; its exit code in exitCode.
    bool WaitForExit(DWORD ms = WINDOW_WAIT_MS, DWORD* exitCode = nullptr) const;

    // The program's visible top-level windows, newest first as the system lists them.
    std::vector<HWND> Windows() const;
    // Polls until a visible top-level window of the program matches; nullptr after the time.
    HWND WaitForWindow(const std::function<bool(HWND)>& match, DWORD ms = WINDOW_WAIT_MS) const;
    HWND WaitForWindowTitled(const std::string& title, DWORD ms = WINDOW_WAIT_MS) const;
    // The window with a menu bar: the launcher's main window.
    HWND WaitForMainWindow(DWORD ms = WINDOW_WAIT_MS) const;
    // A message box (a dialog with the system's message text control).
    HWND WaitForMessageBox(DWORD ms = WINDOW_WAIT_MS) const;
    // Answers the program's message boxes with the button until what the test waits for next
    // holds (a window of the program, its end); their texts. No guess of how long a quiet
    // spell proves that no more boxes come.
    std::vector<std::string> AnswerMessageBoxesUntil(int button, const std::function<bool()>& done,
                                                     DWORD ms = WINDOW_WAIT_MS) const;
    // Answers message boxes until the program has ended (a close question, say); whether it did.
    bool AnswerMessageBoxesUntilExit(int button) const;
    // Answers the next message box with the button; its text, nothing when none came.
    std::optional<std::string> AnswerMessageBox(int button, DWORD ms = WINDOW_WAIT_MS) const;

private:
    PROCESS_INFORMATION m_info = {};
};

std::string TextOf(HWND window);
std::string ClassOf(HWND window);
HWND Control(HWND window, int id);
// The first descendant of the given class (and text, when not empty).
HWND FindDescendant(HWND window, const std::string& className, const std::string& text = "");
bool IsMessageBox(HWND window);
// Polls for a visible top-level window with this title of another program that lies in the
// folder (the test's own install); nullptr after the time.
HWND WaitForProgramWindow(const std::string& title, const std::string& programFolder, DWORD ms = WINDOW_WAIT_MS);
std::string MessageBoxText(HWND box);

// The file name field of the system's open-file dialog.
inline constexpr int FILE_NAME_FIELD = 1148;

// Posted, not sent: a command that opens a modal window must not hold the driver.
void Command(HWND window, int id);
// Sent: returns once the program has handled the command (false when it did not answer in
// time). Only for commands that open no modal window.
bool CommandHandled(HWND window, int id);
// Posts the command and waits until the window is gone; false when it stays.
bool CommandAndWaitClosed(HWND window, int id);
void Click(HWND window, int controlId);
void SetChecked(HWND window, int controlId, bool checked);
bool IsChecked(HWND window, int controlId);
// Replaces a control's text and tells its parent, as typing does.
void Type(HWND window, int controlId, const std::string& text);
// Selects a list box entry and tells the parent.
void SelectListItem(HWND window, int controlId, int index);
int SelectedListItem(HWND window, int controlId);
// Texts of a list box's entries.
std::vector<std::string> ListBoxTexts(HWND list);
// Selects a combo box entry and tells the parent; the entry's text.
std::string SelectComboItem(HWND window, int controlId, int index);
// Closes a window as its close box does.
void Close(HWND window);
// Clicks each of the launcher main window's tabs, the last first, and comes back to the first,
// as a user looks at every page: the window creates a page when it is first shown.
void VisitEveryTab(HWND main);

// Selects and focuses one row of a list view, as a click on it does.
void SelectListViewRow(HWND listView, int row);
// Texts of a list view's rows (first column, or the given one) in the program's own memory.
std::vector<std::string> ListViewColumn(HWND listView, int column = 0);

