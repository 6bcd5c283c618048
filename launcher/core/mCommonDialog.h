// The system open-file dialog with the launcher's cancel and error rules.
#pragma once

#include <windows.h>
#include <string>

struct OpenFileDialogArgs {
    std::string FileName;        // in: initial name; out: chosen path (all names with multiple selection)
    std::string FileTitle;       // out
    bool FileMustExist = false;
    bool AllowMultiSelect = false;
    bool ReadOnlyChecked = false; // in/out
    bool HideReadOnly = false;
    std::string Filter;          // "desc|pattern|desc|pattern"; out: the chosen entry
    int FilterIndex = 1;         // in/out, 1-based
    std::string InitialDir;
    std::string Title;
    std::string DefaultExt;
    HWND Owner = nullptr;
    DWORD Flags = 0;             // out
    bool RaiseOnCancel = false;
};

// Shows the dialog; returns the chosen path, "" on cancel. Cancel raises 20004 when asked to,
// a dialog failure always raises 20005.
std::string ShowOpenFileDialog(OpenFileDialogArgs& args);
