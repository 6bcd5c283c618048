// Shared test helpers.
#include "support/TestEnvironment.h"

#include <vector>

#include "base/mFunctions.h"
#include "core/Application.h"
#include "support/TextIds.h"
#include "translation/cTranslate.h"

std::string TestProgramDir()
{
    char buffer[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    std::string path = buffer;
    return path.substr(0, path.find_last_of('\\') + 1);
}

std::string DemoGamePath()
{
    return TestProgramDir() + "demo\\Vekora\\vekora.exe";
}

std::string ShippedConfigDir()
{
    return TestProgramDir() + "config\\";
}

void AppFixture::SetUp()
{
    m_folder = std::make_unique<TempFolder>();
    CreateDirectoryA(ConfigDir().c_str(), nullptr);
    for (const char* name : {"LNG_EN.ini", "LNG_DE.ini"}) {
        CopyFileA((ShippedConfigDir() + name).c_str(), (ConfigDir() + name).c_str(), FALSE);
    }
    m_sys = std::make_unique<FakeSystemServices>();
    // Every text a window or message asks for must be one the language files are checked for.
    SetTextRequestObserver([this](const std::string& section, const std::string& id) {
        if (!IsListedTextId(section, id)) m_unlistedTextIds.push_back("[" + section + "] " + id);
    });
    RestartApplication();
}

void AppFixture::TearDown()
{
    SetTextRequestObserver(nullptr);
    if (!m_allowUnlistedTextIds) {
        for (const std::string& text : m_unlistedTextIds) {
            ADD_FAILURE() << "asked for a text that the text table (LanguageTextIds) lacks: " << text;
        }
    }
    g_cTranslate.reset();
    g_cApp.reset();
    m_sys.reset();
    m_folder.reset();
}

void AppFixture::RestartApplication()
{
    g_cApp = std::make_unique<Application>(m_folder->Path());
    g_cTranslate = std::make_unique<cTranslate>();
}

std::string AppFixture::IniPath() const
{
    return m_folder->Path() + "Vekolaunch.ini";
}

std::string AppFixture::ConfigDir() const
{
    return m_folder->Path() + "config\\";
}

void AppFixture::WriteIni(const std::string& text) const
{
    WriteTextFile(IniPath(), text);
}

std::string AppFixture::ReadIni() const
{
    return ReadTextFile(IniPath());
}
