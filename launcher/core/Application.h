// The launcher's root object: directories, settings file, options, profiles and the
// active profile, plus the shell actions of the menus.
#pragma once

#include <windows.h>
#include <memory>
#include <string>

#include "settings/Options.h"
#include "settings/cIni.h"
#include "profiles/Profiles.h"

class Application {
public:
    // The work directory is the launcher's own folder; tests may name another one.
    Application();
    explicit Application(const std::string& workDirectory);

    std::shared_ptr<Profile> ActiveProfile() const { return m_activeProfile; }
    void SetActiveProfile(const std::shared_ptr<Profile>& profile);
    const std::string& IniPath() const { return m_iniPath; }
    // Before the first write to a settings file that holds NUL bytes: the system's writer
    // rewrites such a file from what it could parse, so a copy of it is kept beside it.
    void KeepCopyOfDamagedSettingsFile();
    const std::string& GetWorkDirectory() const { return m_workDirectory; }
    ::Options& Options() { return m_options; }
    ::Profiles& Profiles() { return m_profiles; }

    bool LoadData();
    bool DataChanged() const;
    // The save window with the profiles offered.
    void SaveData(HWND owner, const std::vector<std::shared_ptr<Profile>>& offered);
    void SaveDataEx(const std::string& names);
    void SaveAppSettings();

    void ShowFAQ(HWND owner, const std::string& abbrev) const;
    static std::string GetFAQFileName(const std::string& abbrev) { return "FAQ_" + abbrev + ".txt"; }
    static void ShowVekolaunchWebpage(HWND owner);
    static void ContactAuthor(HWND owner);

    const std::string& GetLanguageDirectory() const { return m_languageDirectory; }
    const std::string& GetToolsDirectory() const { return m_toolsDirectory; }
    const std::string& GetDocDirectory() const { return m_docDirectory; }
    static std::string GetLanguageFileWithoutPath(const std::string& abbrev) { return "LNG_" + abbrev + ".ini"; }
    std::string GetLanguageFile(const std::string& abbrev) const;
    static std::string GetLanguageName(const std::string& languageFile);
    static std::string GetLanguageAbbrev(const std::string& fileName);

    // Writes a link file (see cCreateShortcut); raises 20008 when none was written.
    // The link shows the icon file's first icon, or the target's when there is none.
    static void CreateShortcut(const std::string& folder, const std::string& name, const std::string& target,
                               const std::string& arguments, const std::string& iconFile = "");

private:
    void WarnWhenNoLanguageFile() const;
    ::Options m_options;
    ::Profiles m_profiles;
    std::shared_ptr<Profile> m_activeProfile;
    cIni_Application m_ini;
    std::string m_workDirectory;
    std::string m_iniPath;
    bool m_settingsFileChecked = false;
    std::string m_languageDirectory;
    std::string m_docDirectory;
    std::string m_toolsDirectory;
    bool m_activeProfileChanged = false;
};

// The one application object, from start-up to shutdown.
extern std::unique_ptr<Application> g_cApp;
// Shutdown: releases the translation engine and the application object.
void ClosePublicObjects();
