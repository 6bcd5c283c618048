// Accessors that map the settings file's keys to object properties. Each works on one
// section of the launcher context's settings file, read again at every call.
#pragma once

#include <cstdint>
#include <string>

// Key reads and writes on one section of the settings file.
class cIniSection {
public:
    explicit cIniSection(std::string section) : m_section(std::move(section)) {}
    const std::string& Section() const { return m_section; }

protected:
    void SetSection(const std::string& section) { m_section = section; }
    std::string ReadFromIni(const std::string& key, const std::string& defaultValue) const;
    void WriteToIni(const std::string& key, const std::string& value) const;
    bool ReadBoolFromIni(const std::string& key, bool defaultValue) const;
    void WriteBoolToIni(const std::string& key, bool value) const;
    int16_t ReadIntegerFromIni(const std::string& key, int16_t defaultValue) const;
    void WriteIntegerToIni(const std::string& key, int16_t value) const;

private:
    std::string m_section;
};

class cIni_Profiles : public cIniSection {
public:
    cIni_Profiles() : cIniSection("PROFILES") {}
    std::string Read_ActiveProfileName() const { return ReadFromIni("LASTACTIVEPROFILE", "PROFILE_DEFAULT"); }
    void Write_ActiveProfileName(const std::string& name) const { WriteToIni("LASTACTIVEPROFILE", name); }
};

class cIni_Options : public cIniSection {
public:
    cIni_Options() : cIniSection("OPTIONS") {}
    std::string Read_EditorPath() const { return ReadFromIni("EDITORPATH", ""); }
    void Write_EditorPath(const std::string& path) const { WriteToIni("EDITORPATH", path); }
    std::string Read_Language() const { return ReadFromIni("LANGUAGE", "EN"); }
    void Write_Language(const std::string& language) const { WriteToIni("LANGUAGE", language); }
    bool Read_ShowStartVekoraDialog() const { return ReadBoolFromIni("STARTVEKORADIALOG", true); }
    void Write_ShowStartVekoraDialog(bool show) const { WriteBoolToIni("STARTVEKORADIALOG", show); }
    bool Read_CheckForUpdates() const { return ReadBoolFromIni("CHECKFORUPDATES", false); }
    void Write_CheckForUpdates(bool check) const { WriteBoolToIni("CHECKFORUPDATES", check); }
    std::string Read_SkippedUpdate() const { return ReadFromIni("SKIPPEDUPDATE", ""); }
    void Write_SkippedUpdate(const std::string& update) const { WriteToIni("SKIPPEDUPDATE", update); }
};

class cIni_Application : public cIniSection {
public:
    cIni_Application() : cIniSection("APPLICATION") {}
    std::string Read_FileVersion() const { return ReadFromIni("FILEVERSION", "1"); }
    void Write_FileVersion() const { WriteToIni("FILEVERSION", "1.1"); }
    std::string Read_AppVersion() const { return ReadFromIni("APPVERSION", "1"); }
    // The running launcher's version as major.minor.revision.
    void Write_AppVersion() const;
};

// An integer key of a profile section and the value a missing key reads as.
struct IniIntegerKey {
    const char* Name;
    int16_t ReadDefault;
};

class cIni_Profile : public cIniSection {
public:
    static constexpr IniIntegerKey RESOLUTION{"RESOLUTION", 1};
    static constexpr IniIntegerKey RES_WIDTH{"RES_WIDTH", 640};
    static constexpr IniIntegerKey RES_HEIGHT{"RES_HEIGHT", 480};
    static constexpr IniIntegerKey REFRESH{"REFRESH", 1};

    cIni_Profile() : cIniSection("") {}
    void SetProfileName(const std::string& section) { SetSection(section); }
    // The text stored under a key as it is, for reports about values that cannot be read.
    std::string Read_StoredText(const char* key) const { return ReadFromIni(key, ""); }

    bool Read_LogMessages() const { return ReadBoolFromIni("LOGMESSAGES", true); }
    void Write_LogMessages(bool value) const { WriteBoolToIni("LOGMESSAGES", value); }
    bool Read_Freeplay() const { return ReadBoolFromIni("FREEPLAY", true); }
    void Write_Freeplay(bool value) const { WriteBoolToIni("FREEPLAY", value); }
    bool Read_UsePreDefinedResolution() const { return ReadBoolFromIni("USESTANDARDRESOLUTION", true); }
    void Write_UsePreDefinedResolution(bool value) const { WriteBoolToIni("USESTANDARDRESOLUTION", value); }
    int16_t Read_PreDefinedResolution() const { return ReadIntegerKey(RESOLUTION); }
    void Write_PreDefinedResolution(int16_t value) const { WriteIntegerToIni(RESOLUTION.Name, value); }
    int16_t Read_ResolutionWidth() const { return ReadIntegerKey(RES_WIDTH); }
    void Write_ResolutionWidth(int16_t value) const { WriteIntegerToIni(RES_WIDTH.Name, value); }
    int16_t Read_ResolutionHeight() const { return ReadIntegerKey(RES_HEIGHT); }
    void Write_ResolutionHeight(int16_t value) const { WriteIntegerToIni(RES_HEIGHT.Name, value); }
    std::string Read_ScenarioPath() const { return ReadFromIni("SCENARIO", ""); }
    void Write_ScenarioPath(const std::string& value) const { WriteToIni("SCENARIO", value); }
    std::string Read_GraphicPakPath() const { return ReadFromIni("GRAPICPAK", ""); }
    void Write_GraphicPakPath(const std::string& value) const { WriteToIni("GRAPICPAK", value); }
    int16_t Read_Refresh() const { return ReadIntegerKey(REFRESH); }
    void Write_Refresh(int16_t value) const { WriteIntegerToIni(REFRESH.Name, value); }
    std::string Read_VekoraPath() const { return ReadFromIni("VEKOPATH", ""); }
    void Write_VekoraPath(const std::string& value) const { WriteToIni("VEKOPATH", value); }
    std::string Read_ProfileDescription() const { return ReadFromIni("DESCRIPTION", ""); }
    void Write_ProfileDescription(const std::string& value) const { WriteToIni("DESCRIPTION", value); }

private:
    int16_t ReadIntegerKey(const IniIntegerKey& key) const { return ReadIntegerFromIni(key.Name, key.ReadDefault); }
};
