// Helpers every launcher test program shares: a prepared application object, the location of
// the demo game, and the folder, file and window helpers of any test.
#pragma once

#include <windows.h>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/ControlHost.h"
#include "base/mError.h"
#include "support/FakeSystemServices.h"
#include "support/TestFiles.h"
#include "support/WindowDriver.h"

// Folder of the running test program, with a trailing backslash.
std::string TestProgramDir();
// The demo game built beside the tests.
std::string DemoGamePath();
// The language files built beside the tests.
std::string ShippedConfigDir();

// A launcher work folder in a temporary place with the shipped language files, the global
// application and translation objects over it, and the system services replaced by a double.
class AppFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Recreates g_cApp (a fresh start on the same folder).
    void RestartApplication();
    std::string IniPath() const;
    std::string ConfigDir() const;
    void WriteIni(const std::string& text) const;
    std::string ReadIni() const;

    // For tests that ask for texts of their own making: without it, asking for a section or
    // ID that the launcher's text table lacks fails the test.
    void AllowUnlistedTextIds() { m_allowUnlistedTextIds = true; }

    std::unique_ptr<TempFolder> m_folder;
    std::unique_ptr<FakeSystemServices> m_sys;

private:
    bool m_allowUnlistedTextIds = false;
    std::vector<std::string> m_unlistedTextIds;
};
