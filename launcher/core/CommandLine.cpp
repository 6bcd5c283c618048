// Reading the launcher's command line.
#include "core/CommandLine.h"

#include "base/mFunctions.h"
#include "profiles/Profiles.h"

std::vector<std::string> SplitArguments(const std::string& commandLine)
{
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false;
    bool quoted = false;
    for (size_t i = 0; i < commandLine.size(); ++i) {
        const char c = commandLine[i];
        if (c == '"') {
            inArgument = true;
            if (quoted && i + 1 < commandLine.size() && commandLine[i + 1] == '"') {
                current += '"';
                ++i;
            } else {
                quoted = !quoted;
            }
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inArgument) arguments.push_back(current);
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument) arguments.push_back(current);
    return arguments;
}

std::string StartProfileArguments(const std::string& caption)
{
    std::string quoted;
    for (char c : caption) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return "/start \"" + quoted + "\"";
}

namespace {
bool IsSwitch(const std::string& argument, const char* name)
{
    return argument.size() > 1 && (argument[0] == '/' || argument[0] == '-') && LowerCase(argument.substr(1)) == name;
}
} // namespace

LauncherCommand ParseLauncherCommandLine(const std::string& commandLine)
{
    using Kind = LauncherCommand::Kind;
    const std::vector<std::string> arguments = SplitArguments(commandLine);
    LauncherCommand command;
    if (arguments.empty()) return command;
    const std::string& first = arguments[0];
    if (IsSwitch(first, "?")) {
        command.What = arguments.size() == 1 ? Kind::ShowUsage : Kind::Unknown;
        if (arguments.size() > 1) command.Argument = arguments[1];
    } else if (IsSwitch(first, "start")) {
        if (arguments.size() < 2 || TrimWhiteSpace(arguments[1]).empty()) {
            command.What = Kind::MissingName;
        } else if (arguments.size() > 2) {
            // A name with blanks that lost its quotes must not start another profile.
            command.What = Kind::Unknown;
            command.Argument = arguments[2];
        } else {
            command.What = Kind::StartProfile;
            command.ProfileName = arguments[1];
        }
    } else {
        command.What = Kind::Unknown;
        command.Argument = first;
    }
    return command;
}

std::shared_ptr<Profile> FindProfileByUserName(const Profiles& profiles, const std::string& name)
{
    const std::string lower = LowerCase(name);
    // A section name is unique; a caption may repeat one ("DEFAULT" of PROFILE_DEFAULT and of
    // profile_DEFAULT), so the section name goes first.
    for (const std::shared_ptr<Profile>& profile : profiles)
        if (LowerCase(profile->ProfileName()) == lower) return profile;
    for (const std::shared_ptr<Profile>& profile : profiles)
        if (LowerCase(profile->ProfileCaption()) == lower) return profile;
    return nullptr;
}
