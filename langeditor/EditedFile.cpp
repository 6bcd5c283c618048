// Reading and storing translations with the line-break conversion.
#include "langeditor/EditedFile.h"

#include <utility>

#include "base/mError.h"
#include "base/mFunctions.h"
#include "base/mIni.h"
#include "base/mVB6.h"

std::string ShownText(const std::string& stored)
{
    return ReplaceText(stored, "\\n", "\r\n");
}

std::string StoredText(const std::string& shown)
{
    return EncodeLineBreaks(TrimWhiteSpace(shown, TabIs::WhiteSpace));
}

EditedFile::EditedFile(std::string path, std::string englishPath)
    : m_path(std::move(path)), m_englishPath(std::move(englishPath))
{
}

bool EditedFile::IsEnglish() const
{
    constexpr size_t NAME_LENGTH = 10; // "LNG_EN.INI"
    if (m_path.size() < NAME_LENGTH) return false;
    return UpperCase(m_path.substr(m_path.size() - NAME_LENGTH)) == "LNG_EN.INI";
}

std::string EditedFile::ReadTranslation(const std::string& section, const std::string& id) const
{
    return ShownText(ReadFromIni(m_path, section, id, ""));
}

std::string EditedFile::ReadEnglishText(const std::string& section, const std::string& id) const
{
    return ShownText(ReadFromIni(m_englishPath, section, id, ""));
}

std::string EditedFile::LauncherText(const std::string& section, const std::string& id) const
{
    const std::string translation = ReadTranslation(section, id);
    return TrimWhiteSpace(translation, TabIs::WhiteSpace).empty() ? ReadEnglishText(section, id) : translation;
}

void EditedFile::SaveTranslation(const std::string& section, const std::string& id, const std::string& shown) const
{
    PassErrors("EditedFile.SaveTranslation", [&] { WriteToIni(m_path, section, id, StoredText(shown)); });
}
