// Building the word list from the English file, and what it tells of the translation.
#include "langeditor/WordList.h"

#include <windows.h>

#include "base/IniSections.h"
#include "base/mError.h"
#include "base/mFunctions.h"

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

// The value as a read of its key gives it: without surrounding blanks and tabs, and without
// one pair of enclosing quotes, which the profile read strips.
std::string ReadValue(const std::string& raw)
{
    std::string value = TrimCharacters(raw, " \t");
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        value = value.substr(1, value.size() - 2);
    return value;
}

std::optional<std::string> ReadEnglish(const EditedFile& file)
{
    try {
        return ReadWholeFile(file.EnglishPath());
    } catch (const AppError&) {
        return std::nullopt; // a missing or locked English file leaves nothing to list
    }
}

bool IsUntranslated(const std::vector<WordListEntry>& list, int index, TranslatedIds& translated)
{
    const WordListKey key = KeyOfEntry(list, index);
    return !key.ID.empty() && !translated.Has(key.Section, key.ID);
}

} // namespace

void ParseLanguageText(const std::string& text, const std::function<void(const std::string& section)>& onSection,
                       const std::function<void(const std::string& section, const std::string& id)>& onId)
{
    std::string section;
    for (const std::string& raw : SplitLines(text)) {
        if (raw.empty()) continue;
        const std::string line = Trim(raw);
        if (!line.empty() && line[0] == ';') continue;
        if (!line.empty() && line[0] == '[') {
            // A header without "]" takes the rest of the line as its name.
            section = line.substr(1, line.find(']', 1) - 1);
            onSection(section);
            continue;
        }
        onId(section, line.substr(0, line.find_first_of(" \t\r\n=")));
    }
}

bool TranslatedIds::Has(const std::string& section, const std::string& id)
{
    if (id.empty()) return false; // the profile read answers an empty key with nothing
    auto found = m_sections.find(LowerCase(section));
    if (found == m_sections.end()) found = m_sections.emplace(LowerCase(section), ReadSection(section)).first;
    return found->second.count(LowerCase(id)) > 0;
}

// Reading every value on its own would let the system parse the whole file again for each ID.
std::set<std::string> TranslatedIds::ReadSection(const std::string& section) const
{
    std::set<std::string> translated, seen;
    for (const std::string& entry : ReadIniSection(m_path, section)) {
        const size_t equals = entry.find('=');
        // The section read hands lines over as they stand; the key read trims key and value.
        const std::string key = LowerCase(TrimCharacters(entry.substr(0, equals), " \t"));
        // The first of two equal keys is the one a read finds.
        if (!seen.insert(key).second) continue;
        if (equals != std::string::npos && !TrimWhiteSpace(ReadValue(entry.substr(equals + 1)), TabIs::WhiteSpace).empty())
            translated.insert(key);
    }
    return translated;
}

std::optional<std::vector<WordListEntry>> BuildWordList(const EditedFile& file, bool onlyNotTranslated)
{
    const std::optional<std::string> english = ReadEnglish(file);
    if (!english) return std::nullopt;

    TranslatedIds translated(file.Path());
    std::vector<WordListEntry> list;
    bool firstLine = true;
    bool noListedId = false;
    int headerIndex = NO_ITEM; // IDs above the first header belong to no section
    ParseLanguageText(
        *english,
        [&](const std::string& section) {
            if (noListedId && !firstLine) list.push_back({"\t-", NO_ITEM});
            if (!firstLine) list.push_back({"", NO_ITEM});
            headerIndex = static_cast<int>(list.size());
            list.push_back({section, NO_ITEM});
            noListedId = true;
            firstLine = false;
        },
        [&](const std::string& section, const std::string& id) {
            if (!onlyNotTranslated || !translated.Has(section, id)) {
                list.push_back({"\t" + id, headerIndex});
                noListedId = false;
            }
            firstLine = false;
        });
    if (noListedId && !firstLine) list.push_back({"\t-", NO_ITEM});
    return list;
}

WordListKey KeyOfEntry(const std::vector<WordListEntry>& list, int index)
{
    if (index < 0 || static_cast<size_t>(index) >= list.size()) return {};
    const int header = list[static_cast<size_t>(index)].ItemNumber;
    if (header < 0 || static_cast<size_t>(header) >= list.size()) return {};
    return {list[static_cast<size_t>(header)].Text, TrimWhiteSpace(list[static_cast<size_t>(index)].Text, TabIs::WhiteSpace)};
}

int NextUntranslated(const std::vector<WordListEntry>& list, int from, const EditedFile& file)
{
    TranslatedIds translated(file.Path());
    const int count = static_cast<int>(list.size());
    if (from < 0 || from >= count) from = count - 1; // nothing on show: start at the top
    for (int step = 1; step <= count; ++step) {
        const int index = (from + step) % count;
        if (IsUntranslated(list, index, translated)) return index;
    }
    return -1;
}

std::optional<TranslationCount> CountTranslations(const EditedFile& file)
{
    const std::optional<std::string> english = ReadEnglish(file);
    if (!english) return std::nullopt;
    TranslatedIds translated(file.Path());
    TranslationCount count;
    ParseLanguageText(
        *english, [](const std::string&) {},
        [&](const std::string& section, const std::string& id) {
            if (id.empty()) return; // a line of blanks holds no text
            ++count.Ids;
            if (!translated.Has(section, id)) ++count.Untranslated;
        });
    return count;
}

int PercentTranslated(const TranslationCount& count)
{
    if (count.Ids == 0) return 100;
    return (count.Ids - count.Untranslated) * 100 / count.Ids;
}
