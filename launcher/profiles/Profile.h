// One named launch profile: the game's settings, its section in the settings file and the
// game's command line.
#pragma once

#include <windows.h>
#include <cstdint>
#include <string>

#include "settings/cIni.h"

class Profile {
public:
    const std::string& ProfileName() const { return m_profileName; }
    void SetProfileName(const std::string& name);
    // The name shown to the user: ProfileName without a leading "profile_" (any case).
    std::string ProfileCaption() const;

    const std::string& VekoraPath() const { LoadIfPending(); return m_vekoraPath; }
    void SetVekoraPath(const std::string& value);
    bool LogMessages() const { LoadIfPending(); return m_logMessages; }
    void SetLogMessages(bool value);
    bool Freeplay() const { LoadIfPending(); return m_freeplay; }
    void SetFreeplay(bool value);
    bool UsePreDefinedResolution() const { LoadIfPending(); return m_usePreDefinedResolution; }
    void SetUsePreDefinedResolution(bool value);
    int16_t PreDefinedResolution() const { LoadIfPending(); return m_preDefinedResolution; }
    void SetPreDefinedResolution(int16_t value);
    int16_t ResolutionWidth() const { LoadIfPending(); return m_resolutionWidth; }
    void SetResolutionWidth(int16_t value);
    int16_t ResolutionHeight() const { LoadIfPending(); return m_resolutionHeight; }
    void SetResolutionHeight(int16_t value);
    int16_t Refresh() const { LoadIfPending(); return m_refresh; }
    void SetRefresh(int16_t value);
    const std::string& ScenarioPath() const { LoadIfPending(); return m_scenarioPath; }
    void SetScenarioPath(const std::string& value);
    const std::string& GraphicPakPath() const { LoadIfPending(); return m_graphicPakPath; }
    void SetGraphicPakPath(const std::string& value);
    const std::string& ProfileDescription() const { LoadIfPending(); return m_profileDescription; }
    void SetProfileDescription(const std::string& value);
    bool DataChanged() const { LoadIfPending(); return m_dataChanged; }
    void SetDataChanged(bool value)
    {
        LoadIfPending();
        m_dataChanged = value;
    }

    void LoadData();
    // The section is read when the profile's data is first asked for, or by LoadIfPending:
    // a start with many profiles reads only the active one's before the window shows.
    void LoadDataWhenNeeded() { m_loadPending = true; }
    bool IsLoadPending() const { return m_loadPending; }
    // Reads the section now if it has not been read yet. Part of every data access, so that
    // no caller can see or write a value that was never loaded.
    void LoadIfPending() const
    {
        if (m_loadPending) const_cast<Profile*>(this)->LoadData(); // profiles are never made const
    }
    void SaveData();
    std::string GetCmdLineParameters() const;
    enum class StartOutcome { Started, Cancelled, Refused };
    // Refused: the system could not start the game (the user has been told why).
    StartOutcome StartVekora(HWND owner);
    std::string GetSettingsListAsText() const;

    static std::string GetStandardResolutionDescription(int number);
    static std::string GetRefreshDescription(int number);

    // The predefined resolutions and refresh modes the game offers (and the main window lists).
    static constexpr int16_t LAST_PREDEFINED_RESOLUTION = 5;
    static constexpr int16_t LAST_REFRESH = 5;

private:
    bool ShowStartVekoraDialog(HWND owner);
    // An integer key that cannot be converted gives its read default, a warning and a changed
    // profile, so that the next save repairs the file instead of the launcher refusing to start.
    int16_t ReadIntegerKey(const IniIntegerKey& key, int16_t (cIni_Profile::*reader)() const);
    void CorrectLoadedResolution();
    void CorrectLoadedRefresh();
    template <typename T>
    void Assign(T& field, const T& value)
    {
        LoadIfPending(); // a value set before the loading would be overwritten by it
        if (field == value) return;
        field = value;
        m_dataChanged = true;
    }

    cIni_Profile m_ini;
    std::string m_profileName;
    std::string m_vekoraPath;
    bool m_logMessages = true;
    bool m_freeplay = false;
    bool m_usePreDefinedResolution = true;
    int16_t m_preDefinedResolution = 2;
    int16_t m_resolutionWidth = 640;
    int16_t m_resolutionHeight = 480;
    int16_t m_refresh = 1;
    std::string m_scenarioPath;
    std::string m_graphicPakPath;
    std::string m_profileDescription;
    bool m_dataChanged = false;
    bool m_loadPending = false;
};

// A warning about a value of the settings file that loading corrected; all such warnings share
// one layout and one warning ID.
void ShowSettingsWarning(const std::string& problem, const std::string& remedy);
