// Building the word list from the English file.
#include "langeditor/WordList.h"

#include <windows.h>

#include <map>
#include <set>

#include "base/mError.h"
#include "base/mFunctions.h"
#include "langeditor/mFunctions.h"

namespace {

// The file's lines; CR LF, a lone LF and a lone CR each end a line.
std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return lines;
}

constexpr int NO_ITEM = -1;

// What a single read of the value would give is empty: nothing, or only a pair of quotes,
// which the profile read strips.
bool IsEmptyValue(const std::string& value)
{
    return value.empty() || (value.size() == 2 && (value[0] == '"' || value[0] == '\'') && value[1] == value[0]);
}

// The translated IDs of the edited file, read once per section: reading every value on its
// own lets the system parse the whole file again for each ID.
class TranslatedIds {
public:
    explicit TranslatedIds(const std::string& path) : m_path(path) {}

    bool Has(const std::string& section, const std::string& id)
    {
        if (id.empty()) return false; // the profile read answers an empty key with nothing
        auto found = m_sections.find(LowerCase(section));
        if (found == m_sections.end()) found = m_sections.emplace(LowerCase(section), ReadSection(section)).first;
        return found->second.count(LowerCase(id)) > 0;
    }

private:
    std::set<std::string> ReadSection(const std::string& section) const
    {
        std::string buffer(32768, '\0');
        DWORD length = 0;
        for (;;) {
            length = GetPrivateProfileSectionA(section.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()),
                                               m_path.c_str());
            if (length + 2 < buffer.size()) break;
            buffer.resize(buffer.size() * 2); // the section did not fit
        }
        std::set<std::string> translated, seen;
        for (size_t pos = 0; pos < length;) {
            const std::string entry = buffer.c_str() + pos;
            pos += entry.size() + 1;
            const size_t equals = entry.find('=');
            const std::string key = LowerCase(entry.substr(0, equals));
            // The first of two equal keys is the one a read finds.
            if (!seen.insert(key).second) continue;
            if (equals != std::string::npos && !IsEmptyValue(entry.substr(equals + 1))) translated.insert(key);
        }
        return translated;
    }

    std::string m_path;
    std::map<std::string, std::set<std::string>> m_sections;
};

} // namespace

std::optional<std::vector<WordListEntry>> BuildWordList(const EditedFile& file, bool onlyNotTranslated)
{
    std::string english;
    try {
        english = ReadWholeFile(file.EnglishPath());
    } catch (const AppError&) {
        return std::nullopt; // a missing or locked English file leaves nothing to list
    }

    TranslatedIds translated(file.Path());
    std::vector<WordListEntry> list;
    bool firstLine = true;
    bool noListedId = false;
    std::string section;
    int headerIndex = NO_ITEM; // IDs above the first header belong to no section
    for (const std::string& raw : SplitLines(english)) {
        if (raw.empty()) continue;
        const std::string line = TrimCharacters(raw, " ");
        if (!line.empty() && line[0] == ';') continue;
        if (!line.empty() && line[0] == '[') {
            if (noListedId && !firstLine) list.push_back({"\t-", NO_ITEM});
            if (!firstLine) list.push_back({"", NO_ITEM});
            // A header without "]" takes the rest of the line as its name.
            section = line.substr(1, line.find(']', 1) - 1);
            headerIndex = static_cast<int>(list.size());
            list.push_back({section, NO_ITEM});
            noListedId = true;
            firstLine = false;
            continue;
        }
        const std::string id = line.substr(0, line.find_first_of(" \t\r\n="));
        if (!onlyNotTranslated || !translated.Has(section, id)) {
            list.push_back({"\t" + id, headerIndex});
            noListedId = false;
        }
        firstLine = false;
    }
    if (noListedId && !firstLine) list.push_back({"\t-", NO_ITEM});
    return list;
}

WordListKey KeyOfEntry(const std::vector<WordListEntry>& list, int index)
{
    if (index < 0 || static_cast<size_t>(index) >= list.size()) return {};
    const int header = list[static_cast<size_t>(index)].ItemNumber;
    if (header < 0 || static_cast<size_t>(header) >= list.size()) return {};
    return {list[static_cast<size_t>(header)].Text, lingo::TrimWhiteSpace(list[static_cast<size_t>(index)].Text)};
}
