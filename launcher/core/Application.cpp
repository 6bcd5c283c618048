// The application object.
#include "core/Application.h"

#include "LauncherErrors.h"
#include "base/SystemServices.h"
#include "base/mError.h"
#include "base/mFunctions.h"
#include "base/mIni.h"
#include "core/AppConstants.h"
#include "profiles/ProfileWindows.h"
#include "settings/LauncherContext.h"
#include "shell/ShellStart.h"
#include "shortcuts/links/cCreateShortcut.h"
#include "translation/cTranslate.h"

std::unique_ptr<Application> g_cApp;

namespace {
// The layers below reach the settings file, the options and the language files through this
// one context; it answers for whichever application object g_cApp holds at the time, and with
// none raises 91 as every use of a missing object does.
class ApplicationContext final : public LauncherContext {
public:
    const std::string& IniPath() const override { return App().IniPath(); }
    void PrepareSettingsWrite() override { App().KeepCopyOfDamagedSettingsFile(); }
    const ::Options& CurrentOptions() const override { return App().Options(); }
    std::string GetLanguageFile(const std::string& abbrev) const override { return App().GetLanguageFile(abbrev); }

private:
    static Application& App()
    {
        if (!g_cApp) RaiseRuntimeError(RTE_OBJECT_NOT_SET);
        return *g_cApp;
    }
};

ApplicationContext g_applicationContext;
} // namespace

void ClosePublicObjects()
{
    g_cTranslate.reset();
    g_cApp.reset();
}

Application::Application() : Application(GetAppPath()) {}

Application::Application(const std::string& workDirectory)
    : m_workDirectory(SetTrailingBackslash(workDirectory, true)),
      m_iniPath(m_workDirectory + "Vekolaunch.ini"),
      m_languageDirectory(m_workDirectory + "config\\"),
      m_docDirectory(m_workDirectory + "doc\\"),
      m_toolsDirectory(m_workDirectory + "tools\\")
{
    SetLauncherContext(&g_applicationContext);
}

void Application::SetActiveProfile(const std::shared_ptr<Profile>& profile)
{
    if (profile == m_activeProfile) return;
    m_activeProfile = profile;
    m_activeProfileChanged = true;
}

bool Application::LoadData()
{
    return PassErrors("Application.LoadData", [&] {
        bool result = true;
        m_options.LoadData();
        WarnWhenNoLanguageFile();
        m_profiles.LoadData();
        const std::string name = m_profiles.ReadFromIni_ActiveProfileName();
        if (m_profiles.DoesProfileExist(name)) {
            m_activeProfile = m_profiles.Item(name);
        } else {
            m_activeProfile = m_profiles.ShowLoadProfileDialog();
            if (!m_activeProfile) {
                result = false;
                Sys().MsgBox(nullptr,
                             g_cTranslate->TranslateWithFallback(
                                 "LOAD_PROFILE_DIALOG", "MSG_NO_PROFILE_LOADED",
                                 "You have to load a profile, if you want to use this application."),
                             MB_OK);
            }
        }
        return result;
    });
}

// Without any language file every text reads "<NO TEXT AVAILABLE>": say once, in English (there
// is nothing to translate it with), where the files were looked for. The launcher goes on.
void Application::WarnWhenNoLanguageFile() const
{
    if (HasSections(GetLanguageFile(m_options.Language())) || HasSections(GetLanguageFile("EN"))) return;
    Sys().MsgBox(nullptr,
                 "No language file could be read in the folder\r\n" + m_languageDirectory +
                     "\r\n\r\nThe launcher cannot show its texts until LNG_EN.ini is back in that folder.",
                 MB_OK | MB_ICONEXCLAMATION);
}

void Application::KeepCopyOfDamagedSettingsFile()
{
    if (m_settingsFileChecked) return;
    m_settingsFileChecked = true;
    std::string bytes;
    try {
        if (FileExists(m_iniPath)) bytes = ReadWholeFile(m_iniPath);
    } catch (...) {
        return; // unreadable: the write itself will say what is wrong
    }
    if (bytes.find('\0') == std::string::npos) return;
    const std::string copy = m_iniPath + ".bak";
    const bool copied = CopyFileA(m_iniPath.c_str(), copy.c_str(), FALSE) != 0;
    Sys().MsgBox(nullptr,
                 "The configuration file " + m_iniPath + " is damaged: it contains NUL characters, and writing to it "
                     "loses the text behind them.\r\n" +
                     (copied ? "A copy of the file as it was has been kept as " + copy + "."
                             : "A copy of it could not be kept as " + copy + "."),
                 MB_OK | MB_ICONEXCLAMATION);
}

bool Application::DataChanged() const
{
    return PassErrors("Application.DataChanged", [&] { return m_activeProfileChanged || m_profiles.DataChanged(); });
}

void Application::SaveData(HWND owner, const std::vector<std::shared_ptr<Profile>>& offered)
{
    ProfileWindowsInForce().ShowSaveDialog(owner, offered);
}

void Application::SaveDataEx(const std::string& names)
{
    m_profiles.SaveData(names);
}

void Application::SaveAppSettings()
{
    m_ini.Write_FileVersion();
    m_ini.Write_AppVersion();
    m_options.SaveData();
}

void Application::ShowFAQ(HWND owner, const std::string& abbrev) const
{
    PassErrors("Application.ShowFAQ", [&] {
        const std::string path = m_docDirectory + GetFAQFileName(abbrev);
        if (FileExists(path)) {
            OpenWithShell(owner, path, "", m_docDirectory);
        } else {
            Sys().MsgBox(owner, g_cTranslate->TranslateEx("ERROR_MESSAGES", "ERR_FileNotFound", path, ""), MB_OK);
        }
    });
}

void Application::ShowVekolaunchWebpage(HWND owner)
{
    PassErrors("Application.ShowVekolaunchWebpage", [&] { OpenWithShell(owner, VEKOLAUNCH_WEB_ADDRESS); });
}

void Application::ContactAuthor(HWND owner)
{
    PassErrors("Application.ContactAuthor", [&] {
        OpenWithShell(owner, std::string("mailto:") + VEKOLAUNCH_CONTACT_MAIL);
    });
}

std::string Application::GetLanguageFile(const std::string& abbrev) const
{
    return m_languageDirectory + GetLanguageFileWithoutPath(abbrev);
}

std::string Application::GetLanguageName(const std::string& languageFile)
{
    return PassErrors("Application.GetLanguageName", [&] {
        return ReadFromIni(languageFile, "FileInfo", "LanguageName", "");
    });
}

std::string Application::GetLanguageAbbrev(const std::string& fileName)
{
    return PassErrors("Application.GetLanguageAbbrev", [&] {
        if (fileName.size() >= 9) return fileName.substr(4, fileName.size() - 8);
        RaiseError(ERR_LANGUAGE_ABBREV, "Cannot extract language abbrev. from filename '" + fileName + "'");
    });
}

void Application::CreateShortcut(const std::string& folder, const std::string& name, const std::string& target,
                                 const std::string& arguments, const std::string& iconFile)
{
    PassErrors("Application.CreateShortcut", [&] {
        cCreateShortcut shortcut;
        shortcut.CreateShortcut(folder, name, target, arguments, iconFile);
    });
}
