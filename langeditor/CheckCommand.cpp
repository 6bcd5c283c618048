// The command line's switches, the files they name and the check's output.
#include "langeditor/CheckCommand.h"

#include <windows.h>

#include <algorithm>
#include <optional>

#include "base/ScopedWin.h"
#include "base/mFunctions.h"
#include "langeditor/EditedFile.h"
#include "langeditor/LangLocation.h"
#include "langeditor/LanguageCheck.h"
#include "langeditor/NewLanguage.h"

namespace {

constexpr const char* USAGE[] = {
    "Lingobench.exe /check [ABBR ...] [/report FILE]",
    "  Checks the language files LNG_ABBR.ini (all of them without ABBR) of the config folder beside",
    "  Lingobench's tools folder against LNG_EN.ini: the editing window's checks, IDs missing from a",
    "  file or unknown to LNG_EN.ini, and access keys used twice in one window or menu.",
    "  One line per finding (file, section, ID, kind, message, separated by tabs), then a summary.",
    "  /report FILE  writes the same lines to FILE as well.",
    "  Exit code: 0 nothing found, 1 findings, 2 bad input.",
};

struct CheckRequest {
    bool Usage = false;
    std::vector<std::string> Abbreviations;
    std::string ReportPath;
};

// The switch's name in lower case, or nothing for an argument that is no switch.
std::optional<std::string> SwitchName(const std::string& arg)
{
    if (arg.size() < 2 || (arg[0] != '/' && arg[0] != '-')) return std::nullopt;
    return LowerCase(arg.substr(1));
}

// The request, or the message that says what is wrong with the arguments.
std::optional<CheckRequest> ParseArguments(const std::vector<std::string>& args, std::string& error)
{
    CheckRequest request;
    bool check = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::optional<std::string> name = SwitchName(args[i]);
        if (!name) {
            request.Abbreviations.push_back(args[i]);
        } else if (*name == "?") {
            request.Usage = true;
        } else if (*name == "check") {
            check = true;
        } else if (*name == "report") {
            if (i + 1 >= args.size() || SwitchName(args[i + 1])) {
                error = "The switch " + args[i] + " needs the name of the report file after it.";
                return std::nullopt;
            }
            request.ReportPath = args[++i];
        } else {
            error = "Unknown switch '" + args[i] + "'. Lingobench.exe /? shows the command line.";
            return std::nullopt;
        }
    }
    if (!check && !request.Usage) {
        error = "Lingobench takes /check or /? on its command line, not '" + args.front() + "'.";
        return std::nullopt;
    }
    return request;
}

// The files to check, in name order; an abbreviation without its file is an error.
std::optional<std::vector<std::string>> FilesToCheck(const CheckRequest& request, const std::string& configDir,
                                                     std::string& error)
{
    std::vector<std::string> names;
    if (request.Abbreviations.empty()) names = ListLanguageFiles(configDir);
    for (const std::string& abbreviation : request.Abbreviations) {
        const std::string name = "LNG_" + abbreviation + ".ini";
        WIN32_FIND_DATAA found;
        // The new-language window's rule: a wildcard or separator never reaches the file search.
        ScopedFindHandle find(AbbrevProblem(abbreviation).empty() ? FindFirstFileA((configDir + "\\" + name).c_str(), &found)
                                                           : INVALID_HANDLE_VALUE);
        if (!find.IsValid() || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            error = "There is no language file for the abbreviation '" + abbreviation + "': '" + configDir + "\\" +
                    name + "' does not exist.";
            return std::nullopt;
        }
        names.push_back(found.cFileName); // the name as the file system writes it
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return lstrcmpiA(a.c_str(), b.c_str()) < 0;
    });
    names.erase(std::unique(names.begin(), names.end(),
                            [](const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }),
                names.end());
    std::vector<std::string> paths;
    for (const std::string& name : names) paths.push_back(configDir + "\\" + name);
    return paths;
}

// 0, or the system's error when the report cannot be written.
DWORD WriteReport(const std::string& path, const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    ScopedHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) return GetLastError();
    DWORD written = 0;
    if (!WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr)) return GetLastError();
    return written == text.size() ? 0 : ERROR_DISK_FULL;
}

} // namespace

int RunCommandLine(const std::vector<std::string>& args, const std::string& programDir,
                   const std::function<void(const std::string&)>& writeLine)
{
    std::string error;
    const std::optional<CheckRequest> request = ParseArguments(args, error);
    if (!request) {
        writeLine(error);
        return CHECK_BAD_INPUT;
    }
    if (request->Usage) {
        for (const char* line : USAGE) writeLine(line);
        return CHECK_CLEAN;
    }
    const std::optional<std::string> configDir = TranslationDirectoryFor(programDir);
    if (!configDir) {
        writeLine("Lingobench is not in the 'tools' folder of Vekolaunch, so there is no config folder to check: it "
                  "is in '" + programDir + "'.");
        return CHECK_BAD_INPUT;
    }
    const std::string englishPath = EnglishFilePath(*configDir);
    if (!FileExists(englishPath)) {
        writeLine("The English language file '" + englishPath + "' does not exist; every check compares with it.");
        return CHECK_BAD_INPUT;
    }
    const std::optional<std::vector<std::string>> files = FilesToCheck(*request, *configDir, error);
    if (!files) {
        writeLine(error);
        return CHECK_BAD_INPUT;
    }

    std::vector<std::string> lines;
    std::vector<Finding> findings;
    int ids = 0;
    for (const std::string& path : *files) {
        const FileCheck check = CheckLanguageFile(EditedFile(path, englishPath));
        ids += check.IdsChecked;
        for (const Finding& finding : check.Findings) {
            lines.push_back(FindingLine(finding));
            writeLine(lines.back());
            findings.push_back(finding);
        }
    }
    lines.push_back(SummaryLine(static_cast<int>(files->size()), ids, findings));
    writeLine(lines.back());
    if (!request->ReportPath.empty()) {
        if (const DWORD failure = WriteReport(request->ReportPath, lines); failure != 0) {
            writeLine("The report file '" + request->ReportPath + "' cannot be written (system error " +
                      std::to_string(failure) + ").");
            return CHECK_BAD_INPUT;
        }
    }
    return findings.empty() ? CHECK_CLEAN : CHECK_FINDINGS;
}
