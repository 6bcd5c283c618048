// Checks that a translation keeps the marks and placeholders of its English text.
#pragma once

#include <string>
#include <vector>

// The warning for one string that only one of the two texts holds; "" otherwise.
std::string CheckString(const std::string& english, const std::string& translation, const std::string& search);
// Each warning on its own, in the order the strings are checked; none when either text is empty.
std::vector<std::string> TranslationWarnings(const std::string& english, const std::string& translation);
// All warnings in one text, as the editing window shows them.
std::string CheckTranslation(const std::string& english, const std::string& translation);
// A translation as the launcher's controls will show it.
std::string GetTestText(const std::string& translation);
