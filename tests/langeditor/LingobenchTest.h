// A launcher install in a temporary folder (tools beside config, an English and a German
// language file) and the system services replaced by a double, for Lingobench's window tests.
#pragma once

#include <gtest/gtest.h>

#include "support/FakeSystemServices.h"
#include "support/TestFiles.h"
#include "support/WindowDriver.h"

constexpr const char* TEST_ENGLISH =
    "; the reference\r\n[FileInfo]\r\nLanguageName=English\r\n[MAIN_DIALOG]\r\nBTN_OPEN=&Open\r\n"
    "MSG_TWO_LINES=First line\\nsecond line\r\nLBL_NAME=Name\r\n[GLOBAL]\r\nBTN_OK=OK\r\n";
constexpr const char* TEST_GERMAN = "[FileInfo]\r\nLanguageName=Deutsch\r\n[MAIN_DIALOG]\r\nBTN_OPEN=&\xD6" "ffnen\r\n";

class LingobenchTest : public testing::Test {
protected:
    void SetUp() override
    {
        // A main window of an earlier test asked the program to end when it went; here that
        // request would end every modal loop at once.
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
        CreateDirectoryA(ToolsDir().c_str(), nullptr);
        CreateDirectoryA(ConfigDir().c_str(), nullptr);
        WriteTextFile(LanguageFile("LNG_EN.INI"), TEST_ENGLISH);
        WriteTextFile(LanguageFile("LNG_DE.INI"), TEST_GERMAN);
    }
    std::string ToolsDir() const { return m_folder.Path() + "tools"; }
    // The translation directory, without a trailing backslash as Lingobench keeps it.
    std::string ConfigDir() const { return m_folder.Path() + "config"; }
    std::string LanguageFile(const std::string& name) const { return ConfigDir() + "\\" + name; }
    std::vector<std::string> BoxTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : m_sys.MessageBoxes) texts.push_back(box.Text);
        return texts;
    }

    TempFolder m_folder;
    FakeSystemServices m_sys;
};
