// Where Lingobench may run and which language files it offers.
#pragma once

#include <optional>
#include <string>
#include <vector>

// The launcher's config directory (no trailing backslash) for a program in programDir, or
// nothing when programDir is not the launcher's tools directory.
std::optional<std::string> TranslationDirectoryFor(const std::string& programDir);
// What the user is told before a misplaced program closes.
std::string WrongLocationMessage(const std::string& exeTitle, const std::string& programDir);
std::string EnglishFilePath(const std::string& translationDir);
// The language files of the directory in the order the file system lists them; directories
// named like language files are left out.
std::vector<std::string> ListLanguageFiles(const std::string& translationDir);
