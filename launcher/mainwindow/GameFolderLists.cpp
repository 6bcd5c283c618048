// Scenario, graphic-pak and language lists from directory listings.
#include "mainwindow/GameFolderLists.h"

#include <windows.h>
#include <functional>

#include "LauncherErrors.h"
#include "base/ScopedWin.h"
#include "base/mError.h"
#include "core/Application.h"
#include "mainwindow/MainWindowRules.h"

namespace {
// Calls visit for every entry the pattern lists, "." and ".." left out.
void ForEachEntry(const std::string& pattern, const std::function<void(const WIN32_FIND_DATAA&)>& visit)
{
    WIN32_FIND_DATAA data;
    ScopedFindHandle find(FindFirstFileA(pattern.c_str(), &data));
    if (!find.IsValid()) return;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        visit(data);
    } while (FindNextFileA(find.Get(), &data));
}

bool IsFolder(const WIN32_FIND_DATAA& data)
{
    return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
} // namespace

std::string GetScenarioPath(const std::string& vekoraPath)
{
    const std::string folder = GameFolderOf(vekoraPath);
    return folder.empty() ? "" : folder + "Scenarios\\";
}

std::string GetDatenPakPath(const std::string& vekoraPath)
{
    return GameFolderOf(vekoraPath);
}

std::vector<std::string> ListScenarios(const std::string& scenarioFolder)
{
    std::vector<std::string> entries;
    // Without a game folder a relative pattern would list the launcher's own folder.
    if (scenarioFolder.empty()) return entries;
    ForEachEntry(scenarioFolder + "*", [&](const WIN32_FIND_DATAA& data) {
        if (IsFolder(data)) entries.push_back(std::string("scenarios\\") + data.cFileName);
    });
    return entries;
}

std::vector<std::string> ListGraphicPaks(const std::string& gameFolder)
{
    std::vector<std::string> entries;
    if (gameFolder.empty()) return entries;
    ForEachEntry(gameFolder + "*.pak", [&](const WIN32_FIND_DATAA& data) {
        if (!IsFolder(data)) entries.push_back(data.cFileName);
    });
    return entries;
}

std::vector<LanguageEntry> ListLanguages(const std::string& languageDirectory)
{
    std::vector<LanguageEntry> entries;
    const std::string pattern = Application::GetLanguageFileWithoutPath("*");
    ForEachEntry(languageDirectory + pattern, [&](const WIN32_FIND_DATAA& data) {
        if (IsFolder(data)) return;
        const std::string name = data.cFileName;
        std::string abbrev;
        try {
            abbrev = Application::GetLanguageAbbrev(name);
        } catch (const AppError& e) {
            // A file such as "LNG_.ini" names no language; the menu simply leaves it out.
            if (GetErrorNumber(e.Number) != ERR_LANGUAGE_ABBREV) throw;
            return;
        }
        if (abbrev.empty()) return;
        entries.push_back({Application::GetLanguageName(languageDirectory + name), abbrev});
    });
    return entries;
}
