// The entries the main window offers from the file system: the scenarios and graphic paks of
// the game folder and the language files of the launcher.
#pragma once

#include <string>
#include <vector>

// The game's scenario folder: the game folder followed by "Scenarios\"; "" without a game path.
std::string GetScenarioPath(const std::string& vekoraPath);
// The folder that holds the graphic paks: the game folder; "" without a game path.
std::string GetDatenPakPath(const std::string& vekoraPath);

// "scenarios\" + name for every sub-folder of the scenario folder, in listing order.
std::vector<std::string> ListScenarios(const std::string& scenarioFolder);
// The names of the "*.pak" files directly in the game folder (folders left out).
std::vector<std::string> ListGraphicPaks(const std::string& gameFolder);

// One entry of the Language menu.
struct LanguageEntry {
    std::string Caption; // the language's name from its file
    std::string Tag;     // its abbreviation, as written in the file name
};
// Every language file of the folder whose abbreviation can be cut from its name.
std::vector<LanguageEntry> ListLanguages(const std::string& languageDirectory);
