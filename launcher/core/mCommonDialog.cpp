// The open-file dialog.
#include "core/mCommonDialog.h"

#include <commdlg.h>
#include <vector>

#include "LauncherErrors.h"
#include "base/SystemServices.h"
#include "base/mError.h"

namespace {
void ResetAfterNoChoice(OpenFileDialogArgs& args)
{
    args.FileName.clear();
    args.FileTitle.clear();
    args.Filter.clear();
    args.FilterIndex = -1;
    args.Flags = 0;
}

// The filter entry (description|pattern) with the given 1-based number, or "".
std::string FilterEntry(const std::string& filter, int index)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t bar = filter.find('|', start);
        parts.push_back(filter.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    size_t first = static_cast<size_t>(index - 1) * 2;
    if (index < 1 || first + 1 >= parts.size()) return "";
    return parts[first] + "|" + parts[first + 1];
}
} // namespace

std::string ShowOpenFileDialog(OpenFileDialogArgs& args)
{
    DWORD flags = 0;
    if (args.FileMustExist) flags |= OFN_FILEMUSTEXIST;
    if (args.AllowMultiSelect) flags |= OFN_ALLOWMULTISELECT | OFN_EXPLORER;
    if (args.ReadOnlyChecked) flags |= OFN_READONLY;
    if (args.HideReadOnly) flags |= OFN_HIDEREADONLY;

    std::string filter = args.Filter;
    for (char& c : filter)
        if (c == '|') c = '\0';
    filter.append(2, '\0');

    const size_t bufferSize = args.AllowMultiSelect ? 8192 : 260;
    std::vector<char> file(bufferSize, '\0');
    std::vector<char> title(bufferSize, '\0');
    args.FileName.copy(file.data(), bufferSize - 1);

    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = args.Owner;
    ofn.lpstrFilter = args.Filter.empty() ? nullptr : filter.c_str();
    // -1 is what a cancelled dialog handed back; the system reads it as "no entry chosen".
    ofn.nFilterIndex = args.FilterIndex > 0 ? static_cast<DWORD>(args.FilterIndex) : 0;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(bufferSize);
    ofn.lpstrFileTitle = title.data();
    ofn.nMaxFileTitle = static_cast<DWORD>(bufferSize);
    ofn.lpstrInitialDir = args.InitialDir.empty() ? nullptr : args.InitialDir.c_str();
    ofn.lpstrTitle = args.Title.empty() ? nullptr : args.Title.c_str();
    ofn.lpstrDefExt = args.DefaultExt.empty() ? nullptr : args.DefaultExt.c_str() + (args.DefaultExt[0] == '.');
    ofn.Flags = flags;

    if (Sys().RunOpenFileDialog(ofn)) {
        if (args.AllowMultiSelect) {
            size_t end = 0;
            while (end + 1 < bufferSize && !(file[end] == '\0' && file[end + 1] == '\0')) ++end;
            args.FileName.assign(file.data(), end);
        } else {
            args.FileName = file.data();
        }
        args.FileTitle = title.data();
        args.Flags = ofn.Flags;
        args.FilterIndex = static_cast<int>(ofn.nFilterIndex);
        args.Filter = FilterEntry(args.Filter, args.FilterIndex);
        args.ReadOnlyChecked = (ofn.Flags & OFN_READONLY) != 0;
        return args.FileName;
    }

    const DWORD error = Sys().CommonDialogError();
    ResetAfterNoChoice(args);
    if (error == 0) {
        if (args.RaiseOnCancel) RaisePlainError(ERR_CANCELED, "The action has been canceled");
        return "";
    }
    RaisePlainError(ERR_COMMON_DIALOG, "An error happened (ID: " + std::to_string(error) + ")");
}
