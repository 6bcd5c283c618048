// The word list: every section and ID of the English file, in its order.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "langeditor/EditedFile.h"

struct WordListEntry {
    std::string Text;
    // An ID's section header index in the list; -1 for headers, marks and separators.
    int ItemNumber;
    bool operator==(const WordListEntry&) const = default;
};

// Walks a language file's text as the word list reads it: comments and empty lines skipped, a
// header's name up to its "]", an ID up to its first blank, tab or "=" (an ID line of blanks
// has an empty ID).
void ParseLanguageText(const std::string& text, const std::function<void(const std::string& section)>& onSection,
                       const std::function<void(const std::string& section, const std::string& id)>& onId);

// Which IDs the edited file translates: the value a read of the ID gives, without its
// surrounding blanks, is not empty. Each section is read once.
class TranslatedIds {
public:
    explicit TranslatedIds(const std::string& path) : m_path(path) {}
    bool Has(const std::string& section, const std::string& id);

private:
    std::set<std::string> ReadSection(const std::string& section) const;

    std::string m_path;
    std::map<std::string, std::set<std::string>> m_sections;
};

// With onlyNotTranslated, IDs that the edited file translates are left out. Nothing when the
// English file cannot be read.
std::optional<std::vector<WordListEntry>> BuildWordList(const EditedFile& file, bool onlyNotTranslated);

struct WordListKey {
    std::string Section;
    std::string ID;
};
// Section and ID of a list entry; both empty for an entry that is no ID.
WordListKey KeyOfEntry(const std::vector<WordListEntry>& list, int index);

// The list entry of the next ID after from that the file does not translate, searching to the
// end and then from the top back to from itself; -1 when there is none.
int NextUntranslated(const std::vector<WordListEntry>& list, int from, const EditedFile& file);

struct TranslationCount {
    int Ids = 0;          // the English file's IDs, as the unfiltered word list lists them
    int Untranslated = 0; // those that "Hide translated items" keeps in the list
};
// Nothing when the English file cannot be read.
std::optional<TranslationCount> CountTranslations(const EditedFile& file);
// The share of translated IDs in whole percent, rounded down, so that 100 means every one.
int PercentTranslated(const TranslationCount& count);
