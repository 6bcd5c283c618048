// Checks that a translation keeps the marks and placeholders of its English text.
#pragma once

#include <string>

// The warning for one string that only one of the two texts holds; "" otherwise.
std::string CheckString(const std::string& english, const std::string& translation, const std::string& search);
// All warnings, in the order the strings are checked; "" when either text is empty.
std::string CheckTranslation(const std::string& english, const std::string& translation);
// A translation as the launcher's controls will show it.
std::string GetTestText(const std::string& translation);
