// Section accessors of the settings file.
#include "settings/cIni.h"

#include "AppVersion.h"
#include "base/mError.h"
#include "base/mIni.h"
#include "settings/LauncherContext.h"

namespace {
const std::string& IniFile()
{
    return Context().IniPath();
}

const std::string& IniFileForWriting()
{
    LauncherContext& context = Context();
    context.PrepareSettingsWrite();
    return context.IniPath();
}
} // namespace

std::string cIniSection::ReadFromIni(const std::string& key, const std::string& defaultValue) const
{
    return ::ReadFromIni(IniFile(), m_section, key, defaultValue);
}

void cIniSection::WriteToIni(const std::string& key, const std::string& value) const
{
    ::WriteToIni(IniFileForWriting(), m_section, key, value);
}

bool cIniSection::ReadBoolFromIni(const std::string& key, bool defaultValue) const
{
    return ::ReadBoolFromIni(IniFile(), m_section, key, defaultValue);
}

void cIniSection::WriteBoolToIni(const std::string& key, bool value) const
{
    ::WriteBoolToIni(IniFileForWriting(), m_section, key, value);
}

int16_t cIniSection::ReadIntegerFromIni(const std::string& key, int16_t defaultValue) const
{
    return ::ReadIntegerFromIni(IniFile(), m_section, key, defaultValue);
}

void cIniSection::WriteIntegerToIni(const std::string& key, int16_t value) const
{
    ::WriteIntegerToIni(IniFileForWriting(), m_section, key, value);
}

void cIni_Application::Write_AppVersion() const
{
    WriteToIni("APPVERSION", VEKOLAUNCH_VER_TEXT);
}
