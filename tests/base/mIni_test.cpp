// Value rules of the settings file over the real private-profile functions.
#include <gtest/gtest.h>

#include "base/mError.h"
#include "base/mIni.h"
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

TEST_F(IniFile, TextValuesAsThePrivateProfileReadReturnsThem)
{
    WriteTextFile(file, "[Options]\r\nEditorPath=c:\\x\r\nQUOTED=\"a b\"\r\nTWICE=\"\"x\"\"\r\nBLANKS=  v w  \r\n"
                        "\r\n");
    EXPECT_EQ(ReadFromIni(file, "OPTIONS", "EDITORPATH", ""), "c:\\x"); // names match without regard to case
    EXPECT_EQ(ReadFromIni(file, "options", "editorpath", ""), "c:\\x");
    EXPECT_EQ(ReadFromIni(file, "Options", "QUOTED", ""), "a b");
    EXPECT_EQ(ReadFromIni(file, "Options", "TWICE", ""), "\"x\""); // one pair of quotes only
    EXPECT_EQ(ReadFromIni(file, "Options", "BLANKS", ""), "v w");
}

TEST_F(IniFile, LongValuesAndDefaultsAreReadWhole)
{
    for (size_t length : {254u, 255u, 259u, 511u, 4000u}) {
        const std::string path = "C:\\" + std::string(length - 3, 'p');
        WriteTextFile(file, "[S]\r\nVEKOPATH=" + path + "\r\n");
        EXPECT_EQ(ReadFromIni(file, "S", "VEKOPATH", ""), path) << length;
        EXPECT_EQ(ReadFromIni(file, "S", "MISSING", path), path) << length;
    }
}

TEST_F(IniFile, BooleanRule)
{
    WriteTextFile(file, "[P]\r\nBLANKS= 1 \r\nONE=1\r\nZERO=0\r\nYES=yes\r\nTRUE=true\r\nMINUS=-1\r\nEMPTY=\r\n");
    EXPECT_TRUE(ReadBoolFromIni(file, "P", "BLANKS", false));
    EXPECT_TRUE(ReadBoolFromIni(file, "P", "ONE", false));
    for (const char* key : {"ZERO", "YES", "TRUE", "MINUS"}) EXPECT_FALSE(ReadBoolFromIni(file, "P", key, true)) << key;
    EXPECT_TRUE(ReadBoolFromIni(file, "P", "EMPTY", true));
    EXPECT_FALSE(ReadBoolFromIni(file, "P", "EMPTY", false));
    EXPECT_TRUE(ReadBoolFromIni(file, "P", "MISSING", true));
    EXPECT_FALSE(ReadBoolFromIni(file, "P", "MISSING", false));

    WriteBoolToIni(file, "P", "W1", true);
    WriteBoolToIni(file, "P", "W0", false);
    EXPECT_EQ(ReadFromIni(file, "P", "W1", ""), "1");
    EXPECT_EQ(ReadFromIni(file, "P", "W0", ""), "0");
}

TEST_F(IniFile, IntegerRule)
{
    WriteTextFile(file, "[P]\r\nMIN=-32768\r\nMAX=32767\r\nBLANKS= 12 \r\nEMPTY=\r\nTEXT=abc\r\n"
                        "HIGH=32768\r\nLOW=-32769\r\n");
    EXPECT_EQ(ReadIntegerFromIni(file, "P", "MIN", 0), -32768);
    EXPECT_EQ(ReadIntegerFromIni(file, "P", "MAX", 0), 32767);
    EXPECT_EQ(ReadIntegerFromIni(file, "P", "BLANKS", 0), 12);
    EXPECT_EQ(ReadIntegerFromIni(file, "P", "MISSING", -7), -7);
    EXPECT_EQ(ReadIntegerFromIni(file + ".none", "P", "MIN", 480), 480);

    EXPECT_EQ(ErrorOf([&] { ReadIntegerFromIni(file, "P", "EMPTY", 1); }).Number, RTE_TYPE_MISMATCH);
    EXPECT_EQ(ErrorOf([&] { ReadIntegerFromIni(file, "P", "TEXT", 1); }).Number, RTE_TYPE_MISMATCH);
    EXPECT_EQ(ErrorOf([&] { ReadIntegerFromIni(file, "P", "HIGH", 1); }).Number, RTE_OVERFLOW);
    EXPECT_EQ(ErrorOf([&] { ReadIntegerFromIni(file, "P", "LOW", 1); }).Number, RTE_OVERFLOW);

    WriteIntegerToIni(file, "P", "W", -120);
    EXPECT_EQ(ReadFromIni(file, "P", "W", ""), "-120");
}

TEST_F(IniFile, WriteReplacesInPlaceAndAppendsNewKeysAndSections)
{
    WriteTextFile(file, "; kept comment\r\n[A]\r\nK1=1\r\n; inner comment\r\nK2=2\r\n[B]\r\nK3=3\r\n");
    WriteToIni(file, "a", "k1", "new");
    WriteToIni(file, "A", "K9", "nine");
    WriteToIni(file, "C", "K4", "four");
    EXPECT_EQ(ReadTextFile(file), "; kept comment\r\n[A]\r\nK1=new\r\n; inner comment\r\nK2=2\r\nK9=nine\r\n"
                                  "[B]\r\nK3=3\r\n[C]\r\nK4=four\r\n");
}

TEST_F(IniFile, MissingFileIsCreated)
{
    WriteToIni(file, "S", "K", "v");
    EXPECT_EQ(ReadTextFile(file), "[S]\r\nK=v\r\n");
}

TEST_F(IniFile, FailedWriteRaisesAnErrorNamingTheFile)
{
    const std::string inMissingFolder = folder.Path() + "gone\\Vekolaunch.ini";
    AppError e = ErrorOf([&] { WriteToIni(inMissingFolder, "S", "K", "v"); });
    EXPECT_EQ(e.Number, OBJECT_ERROR_BASE | ERR_INI_WRITE_FAILED);
    EXPECT_EQ(GetErrorNumber(e.Number), 3);
    EXPECT_NE(e.Description.find("'" + inMissingFolder + "'"), std::string::npos) << e.Description;

    // A folder standing where the file should be.
    ASSERT_TRUE(CreateDirectoryA(file.c_str(), nullptr));
    e = ErrorOf([&] { WriteBoolToIni(file, "S", "K", true); });
    EXPECT_EQ(e.Number, OBJECT_ERROR_BASE | ERR_INI_WRITE_FAILED);
    EXPECT_NE(e.Description.find(file), std::string::npos) << e.Description;
}

TEST_F(IniFile, LineBreaksInAValueAreStoredAsBackslashN)
{
    WriteTextFile(file, "[profile_a]\r\nDESCRIPTION=old\r\n");
    WriteToIni(file, "profile_a", "DESCRIPTION", "x\r\n[profile_evil]\r\nVEKOPATH=c:\\evil.exe");
    WriteToIni(file, "profile_a", "LF", "a\nb");
    WriteToIni(file, "profile_a", "CR", "a\rb");
    EXPECT_EQ(ReadTextFile(file), "[profile_a]\r\nDESCRIPTION=x\\n[profile_evil]\\nVEKOPATH=c:\\evil.exe\r\n"
                                  "LF=a\\nb\r\nCR=a\\nb\r\n");
    EXPECT_EQ(ReadFromIni(file, "profile_evil", "VEKOPATH", "none"), "none");
    char names[256] = {};
    GetPrivateProfileSectionNamesA(names, sizeof(names), file.c_str());
    EXPECT_STREQ(names, "profile_a"); // the only section
}

TEST_F(IniFile, LineBreakInSectionOrKeyIsAnInvalidValue)
{
    WriteTextFile(file, "[S]\r\nK=v\r\n");
    for (auto [section, key] : {std::pair{"S\r\n[evil]", "K"}, std::pair{"S", "K\n[evil]"}}) {
        AppError e = ErrorOf([&] { WriteToIni(file, section, key, "v"); });
        EXPECT_EQ(e.Number, OBJECT_ERROR_BASE | ERR_INI_WRITE);
        EXPECT_EQ(e.Description, "Invalid value");
    }
    EXPECT_EQ(ReadTextFile(file), "[S]\r\nK=v\r\n");
}

TEST(IniValueRules, EncodeLineBreaks)
{
    EXPECT_EQ(EncodeLineBreaks(""), "");
    EXPECT_EQ(EncodeLineBreaks("a\r\n\r\nb\n\rc"), "a\\n\\nb\\n\\nc");
    EXPECT_EQ(EncodeLineBreaks("no break \\n"), "no break \\n");
}

// Reads inside a snapshot give what the system's reads give, for plain and unusual lines and
// files alike, and a write inside it is read back at once.
TEST_F(IniFile, SnapshotReadsAsTheSystemDoes)
{
    const char* const reads[][2] = {{"S", "PLAIN"},  {"s", "plain"}, {"S", "QUOTED"}, {"S", "EMPTY"},
                                    {"S", "NOEQUALS"}, {"S", "TWICE"}, {"S", "; comment"}, {"S", "TAB"},
                                    {"S", "HIGH"},   {"T", "K"},     {"T", "MISSING"}, {"U", "K"},
                                    {"", "TOP"},     {" S ", "PLAIN"}, {"S", "K"}};
    for (const std::string& text :
         {std::string("TOP=1\r\n[S]\r\nPLAIN = v w \r\nQUOTED=\"a b\"\r\nEMPTY=\r\nNOEQUALS\r\nTWICE=1\r\nTWICE=2\r\n"
                      "  ; comment=x\r\n\tTAB=\tt\r\nHIGH=\xE4\xF6\r\n[s]\r\nPLAIN=second\r\n[T]\r\nK=t\r\n"),
          std::string("\xEF\xBB\xBF[S]\r\nK=v\r\n"), std::string("[S\r\nK=v\r\n"), std::string("[S]x]\r\nK=v\r\n"),
          std::string("[S]\rK=v\r\n")}) {
        WriteTextFile(file, text);
        std::vector<std::string> system;
        for (const auto& read : reads) system.push_back(ReadFromIni(file, read[0], read[1], "dflt"));
        const IniReadSnapshot snapshot;
        for (size_t i = 0; i < std::size(reads); ++i)
            EXPECT_EQ(ReadFromIni(file, reads[i][0], reads[i][1], "dflt"), system[i]) 
                << reads[i][0] << "/" << reads[i][1] << " in " << text;
    }
    const IniReadSnapshot snapshot;
    EXPECT_EQ(ReadFromIni(file, "T", "K", "none"), "none");
    WriteToIni(file, "T", "K", "new");
    EXPECT_EQ(ReadFromIni(file, "T", "K", ""), "new");
}
