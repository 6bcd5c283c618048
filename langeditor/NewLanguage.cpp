// New language files.
#include "langeditor/NewLanguage.h"

#include "base/mError.h"
#include "base/mFunctions.h"
#include "base/mIni.h"

namespace {
constexpr const char* FILE_NAME_RESERVED = "\\/:*?\"<>|";

std::string TrimBlanks(const std::string& text)
{
    return TrimCharacters(text, " ");
}
} // namespace

std::string AbbrevProblem(const std::string& abbrev)
{
    // An empty one would name LNG_.INI, which the launcher cannot offer as a language.
    if (TrimBlanks(abbrev).empty()) return "Please enter the language abbreviation, for example DE.";
    for (unsigned char c : abbrev) {
        if (c < 32 || std::string(FILE_NAME_RESERVED).find(static_cast<char>(c)) != std::string::npos)
            return "The language abbreviation is part of a file name and cannot contain any of the characters "
                   "\\ / : * ? \" < > |.";
    }
    return "";
}

std::string NewLanguageFilePath(const std::string& translationDir, const std::string& abbrev)
{
    // Stripped after the extension is added: a blank at the end stays in front of ".INI".
    return translationDir + "\\LNG_" + UpperCase(TrimBlanks(abbrev + ".INI"));
}

void CreateLanguageFile(const std::string& path, const std::string& languageName, const std::string& author)
{
    PassErrors("NewLanguage.CreateLanguageFile", [&] {
        WriteToIni(path, "FileInfo", "LanguageName", TrimBlanks(languageName));
        WriteToIni(path, "FileInfo", "Author", TrimBlanks(author));
    });
}
