// A scriptable stand-in for the system-services seam: records every call and answers
// message boxes and dialogs from a script.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "base/SystemServices.h"

class FakeSystemServices : public SystemServices {
public:
    struct MessageBoxCall { std::string Text; UINT Type; };
    struct ShellCall { std::string Operation, File, Parameters, Directory; int Show; };
    struct ErrorReport { std::string Description, Source; int32_t Number; };
    struct OpenFileCall {
        std::string InitialFile, Filter, Title, DefExt; // Filter with "|" after every part
        DWORD Flags;
        std::string InitialDir;
        DWORD FilterIndex;
        HWND Owner;
    };

    FakeSystemServices();
    ~FakeSystemServices() override;

    // Answers for the next message boxes, in order; without one a box answers IDOK.
    std::deque<int> MessageBoxAnswers;
    // The next open-file dialogs: a path chooses it, nullopt cancels.
    std::deque<std::optional<std::string>> OpenFileAnswers;
    DWORD OpenFileErrorCode = 0; // reported by CommonDialogError after a cancel
    std::deque<std::string> FolderAnswers;
    INT_PTR ShellResult = 42;

    std::vector<MessageBoxCall> MessageBoxes;
    std::vector<ShellCall> ShellCalls;
    std::vector<ErrorReport> ErrorReports;
    std::vector<OpenFileCall> OpenFileCalls;
    std::vector<std::string> FolderTitles;
    std::vector<int> FolderRoots;
    std::vector<std::string> ClipboardTexts;

    int MsgBox(HWND owner, const std::string& text, UINT type) override;
    bool RunOpenFileDialog(OPENFILENAMEA& ofn) override;
    DWORD CommonDialogError() override { return OpenFileErrorCode; }
    std::string BrowseForFolder(HWND owner, const std::string& title, int rootFolder) override;
    INT_PTR ShellExecuteFile(HWND owner, const std::string& operation, const std::string& file,
                         const std::string& parameters, const std::string& directory, int show) override;
    bool SetClipboardText(HWND owner, const std::string& text) override;
    void ShowErrorReport(const std::string& description, const std::string& source, int32_t number) override;

private:
    SystemServices* m_previous;
};
