// Location check and the list of language files.
#include "langeditor/LangLocation.h"

#include <windows.h>

#include "base/ScopedWin.h"

namespace {
constexpr const char* TOOLS_DIR = "tools";
constexpr size_t TOOLS_LENGTH = 5;
} // namespace

std::optional<std::string> TranslationDirectoryFor(const std::string& programDir)
{
    // Only the name's end counts, so a "mytools" beside a "myconfig" works as well.
    if (programDir.size() < TOOLS_LENGTH) return std::nullopt;
    const std::string tail = programDir.substr(programDir.size() - TOOLS_LENGTH);
    if (lstrcmpiA(tail.c_str(), TOOLS_DIR) != 0) return std::nullopt;
    return programDir.substr(0, programDir.size() - TOOLS_LENGTH) + "config";
}

std::string WrongLocationMessage(const std::string& exeTitle, const std::string& programDir)
{
    return "The application '" + exeTitle + ".exe" + "' must be in the 'tools' directory of Vekolaunch." +
           "\r\nThe file is in the directory '" + programDir + "'\r\n\r\nLingobench will be closed now.";
}

std::string EnglishFilePath(const std::string& translationDir)
{
    return translationDir + "\\LNG_EN.INI";
}

std::vector<std::string> ListLanguageFiles(const std::string& translationDir)
{
    std::vector<std::string> files;
    WIN32_FIND_DATAA data;
    ScopedFindHandle find(FindFirstFileA((translationDir + "\\LNG*.INI").c_str(), &data));
    if (!find.IsValid()) return files;
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue; // also "." and ".."
        files.push_back(data.cFileName);
    } while (FindNextFileA(find.Get(), &data));
    return files;
}
