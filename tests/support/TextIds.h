// The sections and IDs of every language-file text the launcher asks for, in one table that
// the shipped language files are checked against.
#pragma once

#include <span>
#include <string>

struct TextId {
    const char* Section;
    const char* Id;
};

// Every entry the English language file must hold, grouped by section; numbered families
// (LST_RESOLUTION_0 to _5, STEP1_TEXT to STEP6_TASK, ...) are written out.
std::span<const TextId> LanguageTextIds();
// Whether the table holds that section and ID (names match without regard to case).
bool IsListedTextId(const std::string& section, const std::string& id);
