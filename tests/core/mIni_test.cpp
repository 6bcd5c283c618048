// Value rules of the settings file over the real private-profile functions.
#include <gtest/gtest.h>

#include "core/mError.h"
#include "core/mIni.h"
#include "support/TestEnvironment.h"

class IniFile : public testing::Test {
protected:
    TempFolder folder;
    std::string file = folder.Path() + "test.ini";
};

TEST_F(IniFile, MissingFileSectionOrKeyGivesTheDefault)
{
    EXPECT_EQ(ReadFromIni(file, "S", "K", "dflt"), "dflt");
    WriteTextFile(file, "[S]\r\nOTHER=1\r\n");
    EXPECT_EQ(ReadFromIni(file, "S", "K", "dflt"), "dflt");
    EXPECT_EQ(ReadFromIni(file, "T", "OTHER", "dflt"), "dflt");
}
