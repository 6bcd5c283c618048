// Creating a language file with its [FileInfo] values.
#pragma once

#include <string>

// Why an abbreviation cannot name a language file, or "" when it can.
std::string AbbrevProblem(const std::string& abbrev);
// translationDir\LNG_<abbreviation>.INI, the name stripped of blanks and in upper case.
std::string NewLanguageFilePath(const std::string& translationDir, const std::string& abbrev);
// Writes LanguageName and Author (stripped of blanks), keeping whatever else an existing file
// holds; a write the system refuses raises an error naming the file.
void CreateLanguageFile(const std::string& path, const std::string& languageName,
                                      const std::string& author);
