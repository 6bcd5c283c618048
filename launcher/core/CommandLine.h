// The launcher's command line: what the user asked for, read from the arguments' text.
#pragma once

#include <memory>
#include <string>
#include <vector>

struct LauncherCommand {
    enum class Kind {
        OpenWindow,   // no arguments: the main window as always
        StartProfile, // /start NAME
        ShowUsage,    // /?
        MissingName,  // /start without a name
        Unknown,      // a switch or argument the launcher does not know (in Argument)
    };
    Kind What = Kind::OpenWindow;
    std::string ProfileName; // for StartProfile
    std::string Argument;    // for Unknown
};

// The arguments as the system's start-up code splits them: blanks separate, double quotes
// group (and are dropped), two quotes inside quotes stand for one.
std::vector<std::string> SplitArguments(const std::string& commandLine);
// The arguments that start the profile of that caption: /start "NAME", quotes in it doubled.
std::string StartProfileArguments(const std::string& caption);
// Switches start with "/" or "-" and match in any case.
LauncherCommand ParseLauncherCommandLine(const std::string& commandLine);

class Profile;
class Profiles;
// The profile a user names: its caption as the Profiles menu shows it or its section name, in
// any case; nothing when no profile has that name.
std::shared_ptr<Profile> FindProfileByUserName(const Profiles& profiles, const std::string& name);
