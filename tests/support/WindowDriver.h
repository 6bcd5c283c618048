// Driving the windows of the test's own thread: modal dialogs and message boxes, controls.
#pragma once

#include <windows.h>
#include <functional>
#include <string>

#include "base/ControlHost.h"
#include "support/Waiting.h"

// Runs action; the first time a new top-level window of this thread is shown while it
// runs (a modal dialog or message box), onShown gets it. Returns whether one was seen.
bool WhileModal(const std::function<void()>& action, const std::function<void(HWND)>& onShown);
// A visible top-level window of this thread whose caption contains the text, or nullptr.
HWND FindVisibleWindow(const std::string& captionPart);
// A visible top-level window of another process with exactly that caption whose program lies in
// the folder, or nullptr. Tests that run side by side share one desktop: each finds the program
// it started in its own folder, not the other test's.
HWND FindProgramWindow(const std::string& caption, const std::string& programFolder);
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

// The control with the keyboard focus in this thread's window. Tests run side by side on one
// desktop, and another program's window coming to the front takes the focus from this thread;
// a window keeps which control had it and gives it back when it is activated again.
HWND FocusIn(HWND window);
