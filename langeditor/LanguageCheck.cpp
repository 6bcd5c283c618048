// The whole-file check: the editing window's rules for every text, the IDs of both files and
// the access keys of the launcher's scopes.
#include "langeditor/LanguageCheck.h"

#include <set>

#include "base/mError.h"
#include "base/mFunctions.h"
#include "langeditor/AccessKeys.h"
#include "langeditor/TranslationCheck.h"
#include "langeditor/WordList.h"

namespace {

std::string Key(const std::string& section, const std::string& id)
{
    return LowerCase(section) + "\n" + LowerCase(id);
}

// The file's own sections and IDs, as the word list would read them.
std::vector<TextRef> IdsOf(const std::string& path)
{
    std::vector<TextRef> ids;
    std::string text;
    try {
        text = ReadWholeFile(path);
    } catch (const AppError&) {
        return ids; // a missing file reads as empty, as in the editing window
    }
    ParseLanguageText(
        text, [](const std::string&) {},
        [&](const std::string& section, const std::string& id) {
            if (!id.empty()) ids.push_back({section, id});
        });
    return ids;
}

std::string WithoutLineBreaks(std::string text)
{
    text = TrimCharacters(text, "\r\n");
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

} // namespace

FileCheck CheckLanguageFile(const EditedFile& file)
{
    FileCheck result;
    const std::string name = ExtractFileName(file.Path());
    auto add = [&](const TextRef& text, const char* kind, const std::string& message) {
        result.Findings.push_back({name, text.Section, text.ID, kind, WithoutLineBreaks(message)});
    };

    std::set<std::string> english;
    for (const TextRef& id : IdsOf(file.EnglishPath())) {
        if (!english.insert(Key(id.Section, id.ID)).second) continue; // a second line of the same ID
        ++result.IdsChecked;
        const std::string translation = file.ReadTranslation(id.Section, id.ID);
        if (TrimWhiteSpace(translation, TabIs::WhiteSpace).empty()) {
            add(id, "missing", "The English file has this ID; this file has no text for it.");
            continue;
        }
        for (const std::string& warning : TranslationWarnings(file.ReadEnglishText(id.Section, id.ID), translation))
            add(id, "check", warning);
    }
    std::set<std::string> unknown;
    for (const TextRef& id : IdsOf(file.Path())) {
        if (english.count(Key(id.Section, id.ID)) || !unknown.insert(Key(id.Section, id.ID)).second) continue;
        add(id, "unknown", "The English file has no such ID; the launcher never shows this text.");
    }

    auto own = [&](const TextRef& text) {
        return file.IsEnglish() || !TrimWhiteSpace(file.ReadTranslation(text.Section, text.ID), TabIs::WhiteSpace).empty();
    };
    for (const KeyClash& clash : FindKeyClashes(LauncherKeyScopes(), [&](const TextRef& text) {
             return file.LauncherText(text.Section, text.ID);
         })) {
        if (own(clash.Text)) add(clash.Text, "access-key", ClashDescription(clash));
        else if (own(clash.Other)) add(clash.Other, "access-key", ClashDescription({clash.Key, clash.Other, clash.Text, clash.Scope}));
    }
    return result;
}

std::string FindingLine(const Finding& finding)
{
    return finding.File + "\t" + finding.Section + "\t" + finding.ID + "\t" + finding.Kind + "\t" + finding.Message;
}

std::string SummaryLine(int files, int idsChecked, const std::vector<Finding>& findings)
{
    std::string line = std::to_string(files) + (files == 1 ? " file, " : " files, ") + std::to_string(idsChecked) +
                       " IDs checked, " + std::to_string(findings.size()) +
                       (findings.size() == 1 ? " finding: " : " findings: ");
    bool first = true;
    for (const char* kind : FINDING_KINDS) {
        size_t count = 0;
        for (const Finding& finding : findings) count += finding.Kind == kind;
        line += (first ? "" : ", ") + std::string(kind) + " " + std::to_string(count);
        first = false;
    }
    return line;
}
