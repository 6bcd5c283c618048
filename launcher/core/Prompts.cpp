// The launcher's program-file questions and the installed game's name.
#include "core/Prompts.h"

#include "base/mError.h"
#include "base/mFunctions.h"
#include "core/mCommonDialog.h"
#include "fileinfo/CFileVersionInfo.h"
#include "translation/cTranslate.h"

namespace {
std::string AskForExecutable(HWND owner, const std::string& initialName, const std::string& titleSection)
{
    OpenFileDialogArgs args;
    // Owned by the window that asks, so that it takes no input, and asks nothing twice, meanwhile.
    args.Owner = owner;
    args.FileName = initialName;
    args.Filter = g_cTranslate->TranslateEx("GLOBAL", "FILETYPEDESC_EXE", "", "") + " (*.exe)|*.exe";
    args.FilterIndex = 1;
    args.Title = g_cTranslate->TranslateEx(titleSection, "DIALOG_CAPTION", "", "");
    args.DefaultExt = ".exe";
    args.FileMustExist = true;
    args.HideReadOnly = true;
    args.RaiseOnCancel = false;
    return ShowOpenFileDialog(args);
}

// The name last read from a game file, kept while the file stays as it was: the main window
// shows it after its texts and again after the profile at every start, and each reading maps
// the whole file anew.
struct GameNameRead {
    std::string Path;
    WIN32_FILE_ATTRIBUTE_DATA Stamp = {};
    std::string Name;
};
GameNameRead g_lastGameName;

bool SameStamp(const WIN32_FILE_ATTRIBUTE_DATA& a, const WIN32_FILE_ATTRIBUTE_DATA& b)
{
    return CompareFileTime(&a.ftLastWriteTime, &b.ftLastWriteTime) == 0 && a.nFileSizeHigh == b.nFileSizeHigh &&
           a.nFileSizeLow == b.nFileSizeLow;
}

std::string ReadGameName(const std::string& vekoraPath)
{
    CFileVersionInfo info;
    info.SetFullPathName(vekoraPath);
    if (info.Available()) {
        const std::string text = info.ProductName() + " " + info.ProductVersion();
        // A resource whose strings cannot be read names nothing; a lone blank is no name.
        if (!TrimWhiteSpace(text).empty()) return text;
    }
    return "Vekora";
}
} // namespace

std::string AskForVekoPath(HWND owner, const std::string& currentPath)
{
    return PassErrors("mPrompts.AskForVekoPath", [&] {
        const std::string initial = FileExists(currentPath) ? currentPath : "vekora.exe";
        return AskForExecutable(owner, initial, "SELECT_VEKORAFOLDER_DIALOG");
    });
}

std::string AskForEditor(HWND owner, const std::string& currentPath)
{
    return PassErrors("mPrompts.AskForEditor", [&] {
        const std::string initial =
            FileExists(currentPath) ? currentPath : SetTrailingBackslash(GetWindowsDir(), true) + "write.exe";
        return AskForExecutable(owner, initial, "SELECT_TEXTEDITOR_DIALOG");
    });
}

std::string GetVekoraFile_VersionInfo(const std::string& vekoraPath)
{
    return PassErrors("mPrompts.GetVekoraFile_VersionInfo", [&]() -> std::string {
        if (vekoraPath.empty()) return "Vekora";
        WIN32_FILE_ATTRIBUTE_DATA stamp = {};
        if (!GetFileAttributesExA(vekoraPath.c_str(), GetFileExInfoStandard, &stamp)) return ReadGameName(vekoraPath);
        if (g_lastGameName.Path != vekoraPath || !SameStamp(g_lastGameName.Stamp, stamp))
            g_lastGameName = {vekoraPath, stamp, ReadGameName(vekoraPath)};
        return g_lastGameName.Name;
    });
}
