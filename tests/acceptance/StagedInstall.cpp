// Staging an install of the built programs.
#include "acceptance/StagedInstall.h"

#include <filesystem>

namespace {
void CopyTree(const std::string& from, const std::string& to)
{
    std::filesystem::copy(from, to, std::filesystem::copy_options::recursive);
}
} // namespace

StagedInstall::StagedInstall()
{
    const std::string bin = TestProgramDir();
    std::filesystem::create_directories(LauncherDir() + "tools");
    std::filesystem::copy_file(bin + "Vekolaunch.exe", LauncherDir() + "Vekolaunch.exe");
    std::filesystem::copy_file(bin + "Lingobench.exe", LauncherDir() + "tools\\Lingobench.exe");
    CopyTree(bin + "config", LauncherDir() + "config");
    CopyTree(bin + "doc", LauncherDir() + "doc");
    CopyTree(bin + "demo\\Vekora", GameDir());
}

std::unique_ptr<DrivenProgram> StagedInstall::StartLauncher(const std::string& arguments) const
{
    return std::make_unique<DrivenProgram>(LauncherDir() + "Vekolaunch.exe", LauncherDir(),
                                           std::vector<std::pair<std::string, std::string>>{
                                               {"VEKORA_RECORD", StartRecordPath()}},
                                           arguments);
}

std::unique_ptr<DrivenProgram> StagedInstall::StartLingobench() const
{
    return std::make_unique<DrivenProgram>(LauncherDir() + "tools\\Lingobench.exe", LauncherDir() + "tools");
}

std::string StagedInstall::TakeStartRecord() const
{
    if (GetFileAttributesA(StartRecordPath().c_str()) == INVALID_FILE_ATTRIBUTES) return "";
    const std::string record = ReadTextFile(StartRecordPath());
    // Only a record that was read may go: one removed unread would be a start never seen.
    if (!record.empty()) DeleteFileA(StartRecordPath().c_str());
    return record;
}

std::string StagedInstall::Setting(const std::string& section, const std::string& key) const
{
    char value[4096] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "<missing>", value, sizeof(value), IniPath().c_str());
    return value;
}

std::string ExpectedStartRecord(const std::string& parameters, const std::string& gameDir)
{
    std::string directory = gameDir;
    if (directory.size() > 3 && directory.back() == '\\') directory.pop_back();
    return "Parameters: " + parameters + "\r\nDirectory: " + directory + "\r\n";
}

std::vector<std::string> IniLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        const auto trim = [](const std::string& part) {
            const size_t first = part.find_first_not_of(" \t");
            return first == std::string::npos ? "" : part.substr(first, part.find_last_not_of(" \t") - first + 1);
        };
        std::string line = trim(text.substr(start, end - start));
        start = end + 1;
        if (line.empty()) continue;
        const size_t equals = line.find('=');
        if (line[0] != ';' && line[0] != '[' && equals != std::string::npos) {
            line = trim(line.substr(0, equals)) + "=" + trim(line.substr(equals + 1));
        }
        lines.push_back(line);
    }
    return lines;
}

std::string LanguageText(const std::string& abbrev, const std::string& section, const std::string& id)
{
    char value[4096] = {};
    const std::string file = TestProgramDir() + "config\\LNG_" + abbrev + ".ini";
    GetPrivateProfileStringA(section.c_str(), id.c_str(), "", value, sizeof(value), file.c_str());
    return value;
}
