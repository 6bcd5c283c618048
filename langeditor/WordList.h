// The word list: every section and ID of the English file, in its order.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "langeditor/EditedFile.h"

struct WordListEntry {
    std::string Text;
    // An ID's section header index in the list; -1 for headers, marks and separators.
    int ItemNumber;
    bool operator==(const WordListEntry&) const = default;
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
