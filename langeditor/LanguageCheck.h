// The check of whole language files against the English file, for scripts and builds.
#pragma once

#include <string>
#include <vector>

#include "langeditor/EditedFile.h"

struct Finding {
    std::string File; // the file's name without its folder
    std::string Section;
    std::string ID;
    std::string Kind; // one of FINDING_KINDS
    std::string Message;
};

// "check": the editing window's warning for the text; "missing": an ID of the English file
// without a translation; "unknown": an ID the English file lacks; "access-key": a clash.
inline constexpr const char* FINDING_KINDS[] = {"check", "missing", "unknown", "access-key"};

struct FileCheck {
    std::vector<Finding> Findings;
    int IdsChecked = 0;
};
// Checks one file; the English file must be readable. An access-key clash between two texts
// that both fall back to English is the English file's finding, not this file's.
FileCheck CheckLanguageFile(const EditedFile& file);

// One line a script can split: file, section, ID, kind and message, separated by tabs.
std::string FindingLine(const Finding& finding);
// "3 files, 540 IDs checked, 2 findings: check 1, missing 0, unknown 1, access-key 0"
std::string SummaryLine(int files, int idsChecked, const std::vector<Finding>& findings);
