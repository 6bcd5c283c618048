// A launcher installed in a temporary folder as a player unpacks it (Lingobench in its tools
// folder), with the demo game beside it, and the launcher started in its own process on that install.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "acceptance/Driver.h"
#include "support/TestEnvironment.h"

class StagedInstall {
public:
    StagedInstall();

    // Folders and files, folders with a trailing backslash.
    std::string LauncherDir() const { return m_root.Path() + "Vekolaunch\\"; }
    std::string IniPath() const { return LauncherDir() + "Vekolaunch.ini"; }
    std::string GameDir() const { return m_root.Path() + "Vekora\\"; }
    std::string GamePath() const { return GameDir() + "vekora.exe"; }
    // Where the demo game writes how it was started.
    std::string StartRecordPath() const { return m_root.Path() + "start.txt"; }

    // Starts the launcher with its own folder as the working folder, as a shortcut does.
    std::unique_ptr<DrivenProgram> StartLauncher(const std::string& arguments = "") const;
    // Starts Lingobench from the install's tools folder.
    std::unique_ptr<DrivenProgram> StartLingobench() const;
    std::string LanguageFilePath(const std::string& fileName) const { return LauncherDir() + "config\\" + fileName; }
    // The demo game's record of its last start ("" when it did not run), and its removal.
    std::string TakeStartRecord() const;

    std::string Setting(const std::string& section, const std::string& key) const;
    void WriteSettings(const std::string& text) const { WriteTextFile(IniPath(), text); }
    // A settings file whose active standard profile starts the demo game, followed by moreLines.
    void WriteDemoProfileSettings(const std::string& moreLines = "") const
    {
        WriteSettings("[PROFILES]\r\nLASTACTIVEPROFILE=PROFILE_DEFAULT\r\n[PROFILE_DEFAULT]\r\nVEKOPATH=" + GamePath() +
                      "\r\n" + moreLines);
    }
    std::string ReadSettings() const { return ReadTextFile(IniPath()); }

private:
    TempFolder m_root;
};

// The game's record for a start with these parameters in the demo game's folder.
std::string ExpectedStartRecord(const std::string& parameters, const std::string& gameDir);
// The comments, section headers and entries of an INI file's text in file order, as the system's
// writer keeps them: blank lines left out, blanks around an entry's "=" removed.
std::vector<std::string> IniLines(const std::string& text);
// A value of a launcher's language file.
std::string LanguageText(const std::string& abbrev, const std::string& section, const std::string& id);
