// New language files.
#include "langeditor/NewLanguage.h"

#include "langeditor/mFunctions.h"
#include "langeditor/mIni.h"

namespace {
constexpr const char* FILE_NAME_RESERVED = "\\/:*?\"<>|";
}

std::string AbbrevProblem(const std::string& abbrev)
{
    // An empty one would name LNG_.INI, which the launcher cannot offer as a language.
    if (lingo::TrimBlanks(abbrev).empty()) return "Please enter the language abbreviation, for example DE.";
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
    return translationDir + "\\LNG_" + lingo::UpperCase(lingo::TrimBlanks(abbrev + ".INI"));
}

bool CreateLanguageFile(const std::string& path, const std::string& languageName, const std::string& author)
{
    return lingo::WriteToIni(path, "FileInfo", "LanguageName", lingo::TrimBlanks(languageName)) &&
           lingo::WriteToIni(path, "FileInfo", "Author", lingo::TrimBlanks(author));
}
