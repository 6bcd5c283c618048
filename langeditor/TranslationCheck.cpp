// Warning texts of the translation check.
#include "langeditor/TranslationCheck.h"

#include "base/mVB6.h"

namespace {
constexpr const char* LINE_BREAK = "\r\n";
constexpr int PLACEHOLDER_COUNT = 20;
} // namespace

std::string CheckString(const std::string& english, const std::string& translation, const std::string& search)
{
    const std::string what = search == LINE_BREAK ? "a linebreak" : "the string '" + search + "'";
    const bool inEnglish = english.find(search) != std::string::npos;
    const bool inTranslation = translation.find(search) != std::string::npos;
    if (inEnglish && !inTranslation) return "Your translation doesn't include " + what + ".\r\n\r\n";
    // "orginal" stays as translators have always read it.
    if (inTranslation && !inEnglish)
        return "Your translation includes " + what + "." + "The orginal english text doesn't include " + what +
               ".\r\n\r\n";
    return "";
}

std::string CheckTranslation(const std::string& english, const std::string& translation)
{
    if (english.empty() || translation.empty()) return "";
    std::string warnings;
    for (const char* mark : {"&", "?", "...", LINE_BREAK, ":"}) warnings += CheckString(english, translation, mark);
    for (int n = 1; n <= PLACEHOLDER_COUNT; ++n) {
        warnings += CheckString(english, translation, "%P" + std::to_string(n) + "%");
    }
    return warnings;
}

std::string GetTestText(const std::string& translation)
{
    return ReplaceText(ReplaceText(translation, "\\n", "\r\n"), "%P1%", "Parameter1");
}
