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

std::vector<std::string> TranslationWarnings(const std::string& english, const std::string& translation)
{
    std::vector<std::string> warnings;
    if (english.empty() || translation.empty()) return warnings;
    std::vector<std::string> searched = {"&", "?", "...", LINE_BREAK, ":"};
    for (int n = 1; n <= PLACEHOLDER_COUNT; ++n) searched.push_back("%P" + std::to_string(n) + "%");
    for (const std::string& search : searched) {
        std::string warning = CheckString(english, translation, search);
        if (!warning.empty()) warnings.push_back(std::move(warning));
    }
    return warnings;
}

std::string CheckTranslation(const std::string& english, const std::string& translation)
{
    std::string text;
    for (const std::string& warning : TranslationWarnings(english, translation)) text += warning;
    return text;
}

std::string GetTestText(const std::string& translation)
{
    return ReplaceText(ReplaceText(translation, "\\n", "\r\n"), "%P1%", "Parameter1");
}
