// A language file edited against the English reference file.
#pragma once

#include <string>

// A stored value as a text box shows it: every backslash-n becomes CR LF.
std::string ShownText(const std::string& stored);
// A text box's text as it is stored: without surrounding white space, each line break
// (CR LF, or a lone CR or LF that a paste may bring) as backslash-n, so that it stays one line.
std::string StoredText(const std::string& shown);

class EditedFile {
public:
    EditedFile(std::string path, std::string englishPath);

    const std::string& Path() const { return m_path; }
    const std::string& EnglishPath() const { return m_englishPath; }
    // The edited file is the English reference itself.
    bool IsEnglish() const;

    std::string ReadTranslation(const std::string& section, const std::string& id) const;
    std::string ReadEnglishText(const std::string& section, const std::string& id) const;
    // What the launcher shows for the ID: the translation, or the English text where the
    // translation is empty or blank.
    std::string LauncherText(const std::string& section, const std::string& id) const;
    // Stores a translation box's text; a write the system refuses raises an error naming the file.
    void SaveTranslation(const std::string& section, const std::string& id,
                                       const std::string& shown) const;

private:
    std::string m_path;
    std::string m_englishPath;
};
