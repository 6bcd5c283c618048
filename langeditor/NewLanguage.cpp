// New language files.
#include "langeditor/NewLanguage.h"

#include <utility>

#include "base/mError.h"
#include "base/mFunctions.h"
#include "base/mIni.h"

namespace {
constexpr const char* FILE_NAME_RESERVED = "\\/:*?\"<>|";
} // namespace

std::string AbbrevProblem(const std::string& abbrev)
{
    // An empty one would name LNG_.INI, which the launcher cannot offer as a language.
    if (Trim(abbrev).empty()) return "Please enter the language abbreviation, for example DE.";
    for (unsigned char c : abbrev) {
        if (c < 32 || std::string(FILE_NAME_RESERVED).find(static_cast<char>(c)) != std::string::npos)
            return "The language abbreviation is part of a file name and cannot contain any of the characters "
                   "\\ / : * ? \" < > |.";
    }
    return "";
}

std::string LanguageNameProblem(const std::string& languageName)
{
    // The launcher's Language menu shows this name; without one it shows the bare abbreviation.
    if (Trim(languageName).empty()) return "Please enter the language's own name, for example Deutsch.";
    return "";
}

std::string AuthorProblem(const std::string& author)
{
    if (Trim(author).empty()) return "Please enter your name: the language file names its translator.";
    return "";
}

std::string NewLanguageFilePath(const std::string& translationDir, const std::string& abbrev)
{
    // Stripped after the extension is added: a blank at the end stays in front of ".INI".
    return translationDir + "\\LNG_" + UpperCase(Trim(abbrev + ".INI"));
}

void CreateLanguageFile(const std::string& path, const std::string& languageName, const std::string& author)
{
    PassErrors("NewLanguage.CreateLanguageFile", [&] {
        // A value that stays as it is is not written: every write makes some systems rewrite the
        // whole file (Wine drops its blank lines).
        const bool exists = FileExists(path);
        const std::pair<const char*, std::string> values[] = {{"LanguageName", Trim(languageName)},
                                                              {"Author", Trim(author)}};
        for (const auto& [key, value] : values) {
            if (exists && ReadFromIni(path, "FileInfo", key, value + "\x01") == value) continue;
            WriteToIni(path, "FileInfo", key, value);
        }
    });
}
