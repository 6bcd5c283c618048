// Creating a language file with its [FileInfo] values.
#pragma once

#include <string>

// Why an abbreviation cannot name a language file, or "" when it can.
std::string AbbrevProblem(const std::string& abbrev);
// Why the language name or the translator's name cannot be stored, or "" when both can.
std::string LanguageNameProblem(const std::string& languageName);
std::string AuthorProblem(const std::string& author);
// translationDir\LNG_<abbreviation>.INI, the name stripped of blanks and in upper case.
std::string NewLanguageFilePath(const std::string& translationDir, const std::string& abbrev);
// Writes LanguageName and Author (stripped of blanks) where they differ from what the file
// holds, keeping whatever else an existing file holds; a write the system refuses raises an
// error naming the file.
void CreateLanguageFile(const std::string& path, const std::string& languageName,
                                      const std::string& author);
