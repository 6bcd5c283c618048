// Section accessors of the settings file.
#include "core/cIni.h"

#include "AppVersion.h"
#include "base/mError.h"
#include "base/mIni.h"
#include "core/Application.h"

namespace {
const std::string& IniFile()
{
    // Without the application object (before start-up or after shutdown) there is no settings
    // file: an error the caller can report, not a crash.
    if (!g_cApp) RaiseRuntimeError(RTE_OBJECT_NOT_SET);
    return g_cApp->IniPath();
}

const std::string& IniFileForWriting()
{
    const std::string& file = IniFile();
    g_cApp->KeepCopyOfDamagedSettingsFile();
    return file;
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
    WriteToIni("APPVERSION", std::to_string(VEKOLAUNCH_VER_MAJOR) + "." + std::to_string(VEKOLAUNCH_VER_MINOR) + "." +
                                 std::to_string(VEKOLAUNCH_VER_REVISION));
}
