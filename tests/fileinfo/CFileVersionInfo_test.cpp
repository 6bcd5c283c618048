// Version resources of the sample binaries, the launcher itself and the demo game.
#include <gtest/gtest.h>

#include <windows.h>
#include <cstring>

#include "fileinfo/CFileVersionInfo.h"
#include "support/TestEnvironment.h"

namespace {

std::string Sample(const std::string& name)
{
    return TestProgramDir() + "version_samples\\" + name + ".exe";
}

std::string SystemLanguageName(DWORD languageId)
{
    char name[256] = {};
    DWORD length = VerLanguageNameA(languageId, name, sizeof(name));
    return std::string(name, strnlen(name, length < sizeof(name) ? length : sizeof(name)));
}

CFileVersionInfo InfoOf(const std::string& path)
{
    CFileVersionInfo info;
    info.SetFullPathName(path);
    return info;
}

void ExpectAllStringsEmpty(const CFileVersionInfo& info)
{
    for (int i = 0; i < CFileVersionInfo::STRING_COUNT; ++i)
        EXPECT_EQ(info.PredefinedValue(i), "") << "string " << i;
}

} // namespace

TEST(VersionDisplayForm, PartsAreSignedAndPadded)
{
    EXPECT_EQ(FormatVersion(MAKELONG(2, 1), MAKELONG(24, 0)), "1.02.0024");
    EXPECT_EQ(FormatVersion(MAKELONG(2, 1), MAKELONG(4, 3)), "1.02.0304");
    EXPECT_EQ(FormatVersion(MAKELONG(0, 0), MAKELONG(24, 0)), "0.00.0024");
    EXPECT_EQ(FormatVersion(MAKELONG(34, 12), MAKELONG(78, 56)), "12.34.5678");
    // A high part of 32768 or more is negative, so the lower half's low part takes four digits.
    EXPECT_EQ(FormatVersion(MAKELONG(65535, 40000), MAKELONG(5, 32768)), "-25536.-01.0005");
    EXPECT_EQ(FormatVersion(MAKELONG(2, 1), MAKELONG(65534, 1)), "1.02.01-02");
    EXPECT_EQ(FormatStructureVersion(0x00010000), "1.0");
    EXPECT_EQ(FormatStructureVersion(0xFFFF8000), "-1.-32768");
    EXPECT_EQ(VersionPartText(7, 4), "0007");
    EXPECT_EQ(VersionPartText(0xFFFB, 4), "-0005");
    EXPECT_EQ(VersionPartText(32767), "32767");
}

TEST(VersionWords, FlagsInOrderWithoutOuterBlanks)
{
    EXPECT_EQ(FileFlagsText(0), "");
    EXPECT_EQ(FileFlagsText(0x03), "Debug PreRel");
    EXPECT_EQ(FileFlagsText(0x3F), "Debug PreRel Patched Private Info Special");
    EXPECT_EQ(FileFlagsText(0x24), "Patched Special");
    EXPECT_EQ(FileFlagsText(0x40), "");
}

TEST(VersionWords, OperatingSystemByWholeValue)
{
    EXPECT_EQ(FileOSText(0x10001), "DOS-Win16");
    EXPECT_EQ(FileOSText(0x10004), "DOS-Win32");
    EXPECT_EQ(FileOSText(0x20002), "OS/2-16 PM-16");
    EXPECT_EQ(FileOSText(0x30003), "OS/2-16 PM-32");
    EXPECT_EQ(FileOSText(0x40004), "NT-Win32");
    EXPECT_EQ(FileOSText(0x40000), "Unknown");
    EXPECT_EQ(FileOSText(0x4), "Unknown");
}

TEST(VersionWords, TypesAndSubtypes)
{
    const char* types[] = {"Unknown", "Application", "DLL", "Driver", "Font", "VxD", "Unknown", "Lib", "Unknown"};
    for (unsigned long type = 0; type <= 8; ++type) EXPECT_EQ(FileTypeText(type), types[type]) << type;
    EXPECT_EQ(FileSubTypeText(3, 0), "Unknown");
    EXPECT_EQ(FileSubTypeText(3, 1), "Printer drv");
    EXPECT_EQ(FileSubTypeText(3, 8), "Installable");
    EXPECT_EQ(FileSubTypeText(3, 9), "Sound drv");
    EXPECT_EQ(FileSubTypeText(3, 10), "Comm drv");
    EXPECT_EQ(FileSubTypeText(3, 11), "");
    EXPECT_EQ(FileSubTypeText(4, 0), "");
    EXPECT_EQ(FileSubTypeText(4, 1), "Raster Font");
    EXPECT_EQ(FileSubTypeText(4, 2), "Vector Font");
    EXPECT_EQ(FileSubTypeText(4, 3), "TrueType Font");
    EXPECT_EQ(FileSubTypeText(4, 4), "");
    EXPECT_EQ(FileSubTypeText(1, 9), "");
}

TEST(CFileVersionInfo, FullResourceGivesEveryString)
{
    CFileVersionInfo info = InfoOf(Sample("ver_1_2_0_24"));
    ASSERT_TRUE(info.Available());
    EXPECT_EQ(info.FullPathName(), Sample("ver_1_2_0_24"));
    EXPECT_EQ(info.VerFile(), "1.02.0024");
    EXPECT_EQ(info.VerProduct(), "1.02.0024");
    EXPECT_EQ(info.VerStructure(), "1.0");
    // The mask of this sample hides PreRel; the words come from the unmasked flags.
    EXPECT_EQ(info.FileFlags(), "Debug PreRel");
    EXPECT_EQ(info.FileOS(), "NT-Win32");
    EXPECT_EQ(info.FileType(), "Application");
    EXPECT_EQ(info.FileSubType(), "");

    const std::string english = SystemLanguageName(0x409);
    EXPECT_NE(english, "");
    EXPECT_EQ(info.Language(), english);
    EXPECT_EQ(info.Comments(), "Sample comments");
    EXPECT_EQ(info.CompanyName(), "Sample Company");
    EXPECT_EQ(info.FileDescription(), "Sample description");
    EXPECT_EQ(info.FileVersion(), "1.2.0.24");
    EXPECT_EQ(info.InternalName(), "sample");
    EXPECT_EQ(info.LegalCopyright(), "Copyright sample");
    EXPECT_EQ(info.LegalTrademarks(), "TM sample");
    EXPECT_EQ(info.OriginalFilename(), "ver_1_2_0_24.exe");
    EXPECT_EQ(info.ProductName(), "Sample Product");
    EXPECT_EQ(info.ProductVersion(), "1.2 beta");
    EXPECT_EQ(info.PrivateBuild(), "private");
    EXPECT_EQ(info.SpecialBuild(), "special");

    const char* names[] = {"Language",         "Comments",        "Company Name",    "File Description",
                           "File Version",     "Internal Name",   "Legal Copyright", "Legal Trademarks",
                           "Original Filename", "Product Name",   "Product Version", "Private Build",
                           "Special Build",    "LegalTrademarks1", "LegalTrademarks2"};
    const std::string values[] = {english,      "Sample comments", "Sample Company", "Sample description",
                                  "1.2.0.24",   "sample",          "Copyright sample", "TM sample",
                                  "ver_1_2_0_24.exe", "Sample Product", "1.2 beta", "private",
                                  "special",    "TM one",          "TM two"};
    for (int i = 0; i < CFileVersionInfo::STRING_COUNT; ++i) {
        EXPECT_EQ(info.PredefinedName(i), names[i]) << i;
        EXPECT_EQ(info.PredefinedValue(i), values[i]) << i;
    }
    EXPECT_EQ(info.PredefinedName(15), "");
    EXPECT_EQ(info.PredefinedValue(15), "");
    EXPECT_EQ(info.PredefinedName(-1), "");
    EXPECT_EQ(info.PredefinedValue(-1), "");
}

TEST(CFileVersionInfo, DriverWithNegativeProductParts)
{
    CFileVersionInfo info = InfoOf(Sample("ver_1_2_3_4"));
    ASSERT_TRUE(info.Available());
    EXPECT_EQ(info.VerFile(), "1.02.0304");
    EXPECT_EQ(info.VerProduct(), "-25536.-01.0005");
    EXPECT_EQ(info.FileFlags(), "");
    EXPECT_EQ(info.FileOS(), "DOS-Win32");
    EXPECT_EQ(info.FileType(), "Driver");
    EXPECT_EQ(info.FileSubType(), "Sound drv");
    EXPECT_EQ(info.CompanyName(), "Driver Company");
    EXPECT_EQ(info.ProductVersion(), "1.2.3.4");
    EXPECT_EQ(info.Comments(), "");
}

TEST(CFileVersionInfo, EnglishStringsFoundForAnotherLanguagesTable)
{
    CFileVersionInfo info = InfoOf(Sample("ver_german_table"));
    ASSERT_TRUE(info.Available());
    EXPECT_EQ(info.Language(), SystemLanguageName(0x407));
    EXPECT_NE(info.Language(), SystemLanguageName(0x409));
    EXPECT_EQ(info.CompanyName(), "English Only Company");
    EXPECT_EQ(info.ProductName(), "English Only Product");
    EXPECT_EQ(info.ProductVersion(), "2.0");
    EXPECT_EQ(info.FileType(), "DLL");
}

TEST(CFileVersionInfo, EnglishStringsWithoutCompanyNameStayHidden)
{
    CFileVersionInfo info = InfoOf(Sample("ver_german_no_company"));
    ASSERT_TRUE(info.Available());
    EXPECT_EQ(info.Language(), SystemLanguageName(0x407));
    EXPECT_EQ(info.ProductName(), "");
    EXPECT_EQ(info.ProductVersion(), "");
    EXPECT_EQ(info.FileType(), "Font");
    EXPECT_EQ(info.FileSubType(), "TrueType Font");
}

TEST(CFileVersionInfo, NoTranslationTableGivesNumbersOnly)
{
    CFileVersionInfo info = InfoOf(Sample("ver_no_translation"));
    ASSERT_TRUE(info.Available());
    EXPECT_EQ(info.VerFile(), "5.06.0708");
    EXPECT_EQ(info.VerProduct(), "5.06.0708");
    EXPECT_EQ(info.FileOS(), "NT-Win32");
    EXPECT_EQ(info.FileType(), "Application");
    ExpectAllStringsEmpty(info);
}

TEST(CFileVersionInfo, FileWithoutResourceOrMissingFile)
{
    CFileVersionInfo none = InfoOf(Sample("ver_none"));
    EXPECT_FALSE(none.Available());
    EXPECT_EQ(none.FullPathName(), Sample("ver_none"));
    EXPECT_EQ(none.VerFile(), "");
    EXPECT_EQ(none.VerProduct(), "");
    EXPECT_EQ(none.VerStructure(), "");
    EXPECT_EQ(none.FileFlags(), "");
    EXPECT_EQ(none.FileOS(), "");
    EXPECT_EQ(none.FileType(), "");
    ExpectAllStringsEmpty(none);

    TempFolder folder;
    CFileVersionInfo missing = InfoOf(folder.Path() + "missing.exe");
    EXPECT_FALSE(missing.Available());
    EXPECT_EQ(missing.FullPathName(), folder.Path() + "missing.exe");
    EXPECT_EQ(missing.VerFile(), "");
    ExpectAllStringsEmpty(missing);

    CFileVersionInfo empty = InfoOf("");
    EXPECT_FALSE(empty.Available());
    EXPECT_EQ(empty.FullPathName(), "");
}

TEST(CFileVersionInfo, RelativePathIsResolved)
{
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA((TestProgramDir() + "version_samples").c_str()));
    CFileVersionInfo info = InfoOf("..\\version_samples\\.\\ver_1_2_3_4.exe");
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(info.FullPathName(), Sample("ver_1_2_3_4"));
    EXPECT_EQ(info.VerFile(), "1.02.0304");
}

TEST(CFileVersionInfo, UnusablePathOrFileWithoutResourceChangesNothing)
{
    CFileVersionInfo info = InfoOf(Sample("ver_1_2_3_4"));
    info.SetFullPathName("");
    EXPECT_EQ(info.FullPathName(), Sample("ver_1_2_3_4"));
    EXPECT_TRUE(info.Available());

    info.SetFullPathName(Sample("ver_none"));
    EXPECT_EQ(info.FullPathName(), Sample("ver_none"));
    EXPECT_TRUE(info.Available());
    EXPECT_EQ(info.VerFile(), "1.02.0304");
    EXPECT_EQ(info.FileSubType(), "Sound drv");
    EXPECT_EQ(info.CompanyName(), "Driver Company");

    info.Refresh();
    EXPECT_EQ(info.VerFile(), "1.02.0304");
}

TEST(CFileVersionInfo, AnotherResourceReplacesEveryValue)
{
    // Nothing of the first file may stay behind when the second has a resource of its own.
    CFileVersionInfo info = InfoOf(Sample("ver_1_2_3_4"));
    info.SetFullPathName(Sample("ver_no_translation"));
    EXPECT_EQ(info.VerFile(), "5.06.0708");
    EXPECT_EQ(info.FileType(), "Application");
    EXPECT_EQ(info.FileSubType(), "");
    ExpectAllStringsEmpty(info);
}

TEST(CFileVersionInfo, LauncherItself)
{
    CFileVersionInfo info = InfoOf(TestProgramDir() + "Vekolaunch.exe");
    ASSERT_TRUE(info.Available());
    EXPECT_EQ(info.VerFile(), "0.00.0024");
    EXPECT_EQ(info.VerProduct(), "0.00.0024");
    EXPECT_EQ(info.ProductName(), "Vekolaunch");
    EXPECT_EQ(info.FileType(), "Application");
    EXPECT_EQ(info.Language(), SystemLanguageName(0x409));
}

TEST(CFileVersionInfo, DemoGame)
{
    CFileVersionInfo info = InfoOf(DemoGamePath());
    ASSERT_TRUE(info.Available());
    EXPECT_EQ(info.ProductName(), "Vekora");
    EXPECT_EQ(info.ProductVersion(), "3.1 Demo");
    EXPECT_EQ(info.VerFile(), "3.01.0007");
    EXPECT_EQ(info.OriginalFilename(), "vekora.exe");
}
