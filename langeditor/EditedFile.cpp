// Reading and storing translations with the line-break conversion.
#include "langeditor/EditedFile.h"

#include <utility>

#include "langeditor/mFunctions.h"
#include "langeditor/mIni.h"

std::string ShownText(const std::string& stored)
{
    return lingo::ReplaceText(stored, "\\n", "\r\n");
}

std::string StoredText(const std::string& shown)
{
    const std::string text = lingo::TrimWhiteSpace(shown);
    std::string stored;
    stored.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            stored += "\\n";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            stored += text[i];
        }
    }
    return stored;
}

EditedFile::EditedFile(std::string path, std::string englishPath)
    : m_path(std::move(path)), m_englishPath(std::move(englishPath))
{
}

bool EditedFile::IsEnglish() const
{
    constexpr size_t NAME_LENGTH = 10; // "LNG_EN.INI"
    if (m_path.size() < NAME_LENGTH) return false;
    return lingo::UpperCase(m_path.substr(m_path.size() - NAME_LENGTH)) == "LNG_EN.INI";
}

std::string EditedFile::ReadTranslation(const std::string& section, const std::string& id) const
{
    return ShownText(lingo::ReadFromIni(m_path, section, id, ""));
}

std::string EditedFile::ReadEnglishText(const std::string& section, const std::string& id) const
{
    return ShownText(lingo::ReadFromIni(m_englishPath, section, id, ""));
}

bool EditedFile::SaveTranslation(const std::string& section, const std::string& id, const std::string& shown) const
{
    return lingo::WriteToIni(m_path, section, id, StoredText(shown));
}
