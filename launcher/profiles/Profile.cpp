// A launch profile and the game's command line.
#include "profiles/Profile.h"

#include "LauncherErrors.h"
#include "base/SystemServices.h"
#include "base/mError.h"
#include "base/mFunctions.h"
#include "base/mIni.h"
#include "profiles/ProfileWindows.h"
#include "settings/LauncherContext.h"
#include "settings/Options.h"
#include "shell/ShellStart.h"
#include "translation/cTranslate.h"

void Profile::SetProfileName(const std::string& name)
{
    LoadIfPending(); // from the section of the old name
    m_profileName = name;
    m_ini.SetProfileName(name);
}

std::string Profile::ProfileCaption() const
{
    if (m_profileName.size() >= 8 && LowerCase(m_profileName.substr(0, 8)) == "profile_") return m_profileName.substr(8);
    return m_profileName;
}

void Profile::SetVekoraPath(const std::string& value) { Assign(m_vekoraPath, value); }
void Profile::SetLogMessages(bool value) { Assign(m_logMessages, value); }
void Profile::SetFreeplay(bool value) { Assign(m_freeplay, value); }
void Profile::SetUsePreDefinedResolution(bool value) { Assign(m_usePreDefinedResolution, value); }
void Profile::SetPreDefinedResolution(int16_t value) { Assign(m_preDefinedResolution, value); }
void Profile::SetResolutionWidth(int16_t value) { Assign(m_resolutionWidth, value); }
void Profile::SetResolutionHeight(int16_t value) { Assign(m_resolutionHeight, value); }
void Profile::SetRefresh(int16_t value) { Assign(m_refresh, value); }
void Profile::SetScenarioPath(const std::string& value) { Assign(m_scenarioPath, value); }
void Profile::SetGraphicPakPath(const std::string& value) { Assign(m_graphicPakPath, value); }
void Profile::SetProfileDescription(const std::string& value) { Assign(m_profileDescription, value); }

void ShowSettingsWarning(const std::string& problem, const std::string& remedy)
{
    Sys().MsgBox(nullptr,
                 "Warning:\r\n" + problem + "\r\n" + remedy + "\r\n\r\nWarning-ID: " +
                     std::to_string(ERR_RESOLUTION_WARNING),
                 MB_ICONERROR | MB_OK);
}

void Profile::LoadData()
{
    PassErrors("Profile.LoadData", [&] {
        m_loadPending = false; // once, also when the reading fails or a warning asks back
        const IniReadSnapshot snapshot; // the section read once for all its keys
        m_logMessages = m_ini.Read_LogMessages();
        m_freeplay = m_ini.Read_Freeplay();
        m_usePreDefinedResolution = m_ini.Read_UsePreDefinedResolution();
        m_preDefinedResolution = ReadIntegerKey(cIni_Profile::RESOLUTION, &cIni_Profile::Read_PreDefinedResolution);
        CorrectLoadedResolution();
        m_resolutionWidth = ReadIntegerKey(cIni_Profile::RES_WIDTH, &cIni_Profile::Read_ResolutionWidth);
        m_resolutionHeight = ReadIntegerKey(cIni_Profile::RES_HEIGHT, &cIni_Profile::Read_ResolutionHeight);
        m_scenarioPath = m_ini.Read_ScenarioPath();
        m_graphicPakPath = m_ini.Read_GraphicPakPath();
        m_refresh = ReadIntegerKey(cIni_Profile::REFRESH, &cIni_Profile::Read_Refresh);
        CorrectLoadedRefresh();
        m_vekoraPath = m_ini.Read_VekoraPath();
        m_profileDescription = m_ini.Read_ProfileDescription();
    });
}

int16_t Profile::ReadIntegerKey(const IniIntegerKey& key, int16_t (cIni_Profile::*reader)() const)
{
    try {
        return (m_ini.*reader)();
    } catch (const AppError& e) {
        if (e.Number != RTE_TYPE_MISMATCH && e.Number != RTE_OVERFLOW) throw;
    }
    ShowSettingsWarning("The configuration file contains the invalid value \"" + m_ini.Read_StoredText(key.Name) +
                            "\" for the key " + key.Name + " of the profile " + m_ini.Section() + ".",
                        "The value " + std::to_string(key.ReadDefault) + " will be used instead.");
    m_dataChanged = true;
    return key.ReadDefault;
}

// The main window can show only the predefined resolutions 1 to 5.
void Profile::CorrectLoadedResolution()
{
    if (m_preDefinedResolution >= 1 && m_preDefinedResolution <= LAST_PREDEFINED_RESOLUTION) return;
    ShowSettingsWarning("The configuration file contains the invalid Resolution-ID " +
                            std::to_string(m_preDefinedResolution) + ".",
                        "The resolution 1 (640 x 480 pixel) will be used instead.");
    SetPreDefinedResolution(1);
}

// The main window can show only the refresh modes 1 to 5, or none: 0 or less already means
// none, so only a number above the last mode needs correcting.
void Profile::CorrectLoadedRefresh()
{
    if (m_refresh <= LAST_REFRESH) return;
    ShowSettingsWarning("The configuration file contains the invalid Refresh-ID " + std::to_string(m_refresh) + ".",
                        "The refresh mode " + std::to_string(cIni_Profile::REFRESH.ReadDefault) +
                            " will be used instead.");
    SetRefresh(cIni_Profile::REFRESH.ReadDefault);
}

void Profile::SaveData()
{
    PassErrors("Profile.SaveData", [&] {
        LoadIfPending();
        m_ini.Write_LogMessages(m_logMessages);
        m_ini.Write_Freeplay(m_freeplay);
        m_ini.Write_UsePreDefinedResolution(m_usePreDefinedResolution);
        m_ini.Write_PreDefinedResolution(m_preDefinedResolution);
        m_ini.Write_ResolutionWidth(m_resolutionWidth);
        m_ini.Write_ResolutionHeight(m_resolutionHeight);
        m_ini.Write_ScenarioPath(m_scenarioPath);
        m_ini.Write_GraphicPakPath(m_graphicPakPath);
        m_ini.Write_Refresh(m_refresh);
        m_ini.Write_VekoraPath(m_vekoraPath);
        m_ini.Write_ProfileDescription(m_profileDescription);
        m_dataChanged = false;
    });
}

std::string Profile::GetCmdLineParameters() const
{
    LoadIfPending();
    std::string s;
    if (m_logMessages) s += " -log ";
    if (m_usePreDefinedResolution) {
        s += "-res " + std::to_string(m_preDefinedResolution) + " ";
    } else {
        s += "-screensize " + std::to_string(m_resolutionWidth) + "x" + std::to_string(m_resolutionHeight) + " ";
    }
    if (m_freeplay) s += "-freeplay ";
    if (m_refresh > 0) s += "-refresh " + std::to_string(m_refresh) + " ";
    if (!m_scenarioPath.empty()) s += "-scenario " + m_scenarioPath + " ";
    if (!m_graphicPakPath.empty()) s += "-graphicpack " + m_graphicPakPath;
    return Trim(s);
}

Profile::StartOutcome Profile::StartVekora(HWND owner)
{
    return PassErrors("Profile.StartVekora", [&] {
        LoadIfPending();
        if (!ShowStartVekoraDialog(owner)) return StartOutcome::Cancelled;
        return OpenWithShell(owner, m_vekoraPath, GetCmdLineParameters(), ExtractPath(m_vekoraPath))
                   ? StartOutcome::Started
                   : StartOutcome::Refused;
    });
}

bool Profile::ShowStartVekoraDialog(HWND owner)
{
    return PassErrors("Profile.ShowStartVekoraDialog", [&] {
        if (!Context().CurrentOptions().ShowStartVekoraDialog()) return true;
        return ProfileWindowsInForce().ShowStartVekoraDialog(owner, *this);
    });
}

std::string Profile::GetSettingsListAsText() const
{
    return PassErrors("Profile.GetSettingsListAsText", [&] {
        LoadIfPending();
        const cTranslate& t = *g_cTranslate;
        // One line per setting: its name from the language file, ": " and its value.
        const auto line = [&](const char* id, const char* english, const std::string& value) {
            return t.TranslateWithFallback("CREATE_SHORTCUT_DIALOG_NEW", id, english) + ": " + value;
        };
        const auto word = [&](const char* id, const char* english) {
            return t.TranslateWithFallback("CREATE_SHORTCUT_DIALOG_NEW", id, english);
        };
        std::string s = line("LBL_SUMMARY_FREEPLAY", "Freeplay", t.TranslateBool_YesNo(m_freeplay)) + "\r\n";
        s += line("LBL_SUMMARY_LOG", "Log messages", t.TranslateBool_YesNo(m_logMessages)) + "\r\n";
        s += line("LBL_SUMMARY_REFRESH", "Refresh", GetRefreshDescription(m_refresh)) + "\r\n";
        s += line("LBL_SUMMARY_GRAPHICPAK", "Graphic pak",
                  m_graphicPakPath.empty() ? word("LBL_SUMMARY_STANDARD_PAK", "standard graphic pak") : m_graphicPakPath) +
             "\r\n";
        s += line("LBL_SUMMARY_SCENARIO", "Scenario",
                  m_scenarioPath.empty() ? word("LBL_SUMMARY_NO_SCENARIO", "none") : m_scenarioPath) +
             "\r\n";
        s += line("LBL_SUMMARY_RESOLUTION", "Resolution",
                  m_usePreDefinedResolution ? GetStandardResolutionDescription(m_preDefinedResolution)
                                            : std::to_string(m_resolutionWidth) + " x " + std::to_string(m_resolutionHeight));
        return s;
    });
}

std::string Profile::GetStandardResolutionDescription(int number)
{
    return PassErrors("Profile.GetStandardResolutionDescription", [&] {
        return g_cTranslate->TranslateEx("MAIN_DIALOG", "LST_RESOLUTION_" + std::to_string(number), "", "");
    });
}

std::string Profile::GetRefreshDescription(int number)
{
    return PassErrors("Profile.GetRefreshDescription", [&] {
        return g_cTranslate->TranslateEx("MAIN_DIALOG", "LST_REFRESH_" + std::to_string(number), "", "");
    });
}
