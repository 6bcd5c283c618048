// The scriptable system-services double.
#include "support/FakeSystemServices.h"

#include <cstring>

FakeSystemServices::FakeSystemServices() : m_previous(SetSystemServices(this)) {}

FakeSystemServices::~FakeSystemServices()
{
    SetSystemServices(m_previous);
}

int FakeSystemServices::MsgBox(HWND, const std::string& text, UINT type)
{
    MessageBoxes.push_back({text, type});
    if (MessageBoxAnswers.empty()) return IDOK;
    int answer = MessageBoxAnswers.front();
    MessageBoxAnswers.pop_front();
    return answer;
}

bool FakeSystemServices::RunOpenFileDialog(OPENFILENAMEA& ofn)
{
    std::string filter;
    for (const char* p = ofn.lpstrFilter; p && *p; p += strlen(p) + 1) filter += std::string(p) + "|";
    OpenFileCalls.push_back({ofn.lpstrFile, filter, ofn.lpstrTitle ? ofn.lpstrTitle : "",
                             ofn.lpstrDefExt ? ofn.lpstrDefExt : "", ofn.Flags,
                             ofn.lpstrInitialDir ? ofn.lpstrInitialDir : "", ofn.nFilterIndex, ofn.hwndOwner});
    std::optional<std::string> answer;
    if (!OpenFileAnswers.empty()) {
        answer = OpenFileAnswers.front();
        OpenFileAnswers.pop_front();
    }
    if (!answer) return false;
    strncpy(ofn.lpstrFile, answer->c_str(), ofn.nMaxFile - 1);
    if (ofn.lpstrFileTitle) {
        std::string title = answer->substr(answer->find_last_of('\\') + 1);
        strncpy(ofn.lpstrFileTitle, title.c_str(), ofn.nMaxFileTitle - 1);
    }
    return true;
}

std::string FakeSystemServices::BrowseForFolder(HWND, const std::string& title, int rootFolder)
{
    FolderTitles.push_back(title);
    FolderRoots.push_back(rootFolder);
    if (FolderAnswers.empty()) return "";
    std::string answer = FolderAnswers.front();
    FolderAnswers.pop_front();
    return answer;
}

INT_PTR FakeSystemServices::ShellExecuteFile(HWND, const std::string& operation, const std::string& file,
                                         const std::string& parameters, const std::string& directory, int show)
{
    ShellCalls.push_back({operation, file, parameters, directory, show});
    return ShellResult;
}

bool FakeSystemServices::SetClipboardText(HWND, const std::string& text)
{
    ClipboardTexts.push_back(text);
    return true;
}

void FakeSystemServices::ShowErrorReport(const std::string& description, const std::string& source, int32_t number)
{
    ErrorReports.push_back({description, source, number});
}
