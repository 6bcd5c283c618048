// A launch profile and the game's command line.
#include "profiles/Profile.h"

#include "core/Application.h"
#include "core/SystemServices.h"
#include "core/mError.h"
#include "core/mFunctions.h"
#include "profiles/frmStartingVekora.h"
#include "translation/cTranslate.h"

void Profile::SetProfileName(const std::string& name)
{
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

void Profile::LoadData()
{
    try {
        m_logMessages = m_ini.Read_LogMessages();
        m_freeplay = m_ini.Read_Freeplay();
        m_usePreDefinedResolution = m_ini.Read_UsePreDefinedResolution();
        m_preDefinedResolution = m_ini.Read_PreDefinedResolution();
        if (m_preDefinedResolution < 1) {
            Sys().MsgBox(nullptr,
                         "Warning:\r\nThe configuration file contains the invalid Resolution-ID " +
                             std::to_string(m_preDefinedResolution) +
                             ".\r\nThe resolution 1 (640 x 480 pixel) will be used instead.\r\n\r\nWarning-ID: " +
                             std::to_string(ERR_RESOLUTION_WARNING),
                         MB_ICONERROR | MB_OK);
            SetPreDefinedResolution(1);
        }
        m_resolutionWidth = m_ini.Read_ResolutionWidth();
        m_resolutionHeight = m_ini.Read_ResolutionHeight();
        m_scenarioPath = m_ini.Read_ScenarioPath();
        m_graphicPakPath = m_ini.Read_GraphicPakPath();
        m_refresh = m_ini.Read_Refresh();
        m_vekoraPath = m_ini.Read_VekoraPath();
        m_profileDescription = m_ini.Read_ProfileDescription();
    } catch (...) {
        PassError("Profile.LoadData");
    }
}

void Profile::SaveData()
{
    try {
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
    } catch (...) {
        PassError("Profile.SaveData");
    }
}

std::string Profile::GetCmdLineParameters() const
{
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
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

void Profile::StartVekora(HWND owner)
{
    try {
        if (!ShowStartVekoraDialog(owner)) return;
        ExecuteFile(owner, m_vekoraPath, "open", GetCmdLineParameters(), ExtractPath(m_vekoraPath), SW_SHOWNORMAL);
    } catch (...) {
        PassError("Profile.StartVekora");
    }
}

bool Profile::ShowStartVekoraDialog(HWND owner)
{
    try {
        if (!g_cApp->Options().ShowStartVekoraDialog()) return true;
        frmStartingVekora dialog;
        dialog.Load(owner);
        dialog.InitDialog(*this);
        dialog.ShowModal();
        return !dialog.Cancel();
    } catch (...) {
        PassError("Profile.ShowStartVekoraDialog");
    }
}

std::string Profile::GetSettingsListAsText() const
{
    try {
        const cTranslate& t = *g_cTranslate;
        std::string s = "Freeplay: " + t.TranslateBool_YesNo(m_freeplay) + "\r\n";
        s += "Log messages: " + t.TranslateBool_YesNo(m_logMessages) + "\r\n";
        s += "Refresh: " + GetRefreshDescription(m_refresh) + "\r\n";
        s += m_graphicPakPath.empty() ? "Graphic pak: standard graphic pak\r\n" : "Graphic pak: " + m_graphicPakPath + "\r\n";
        s += m_scenarioPath.empty() ? "Scenario: none\r\n" : "Scenario: " + m_scenarioPath + "\r\n";
        if (m_usePreDefinedResolution) {
            s += "Resolution: " + GetStandardResolutionDescription(m_preDefinedResolution);
        } else {
            s += "Resolution: " + std::to_string(m_resolutionWidth) + " x " + std::to_string(m_resolutionHeight);
        }
        return s;
    } catch (...) {
        PassError("Profile.GetSettingsListAsText");
    }
}

std::string Profile::GetStandardResolutionDescription(int number)
{
    try {
        return g_cTranslate->TranslateEx("MAIN_DIALOG", "LST_RESOLUTION_" + std::to_string(number), "", "");
    } catch (...) {
        PassError("Profile.GetStandardResolutionDescription");
    }
}

std::string Profile::GetRefreshDescription(int number)
{
    try {
        return g_cTranslate->TranslateEx("MAIN_DIALOG", "LST_REFRESH_" + std::to_string(number), "", "");
    } catch (...) {
        PassError("Profile.GetRefreshDescription");
    }
}
