// File information on real files and the size and date formats.
#include <gtest/gtest.h>

#include <windows.h>

#include "base/ScopedWin.h"
#include "fileinfo/CFileInfo.h"
#include "support/TestEnvironment.h"

namespace {

constexpr LCID ENGLISH = MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT);
constexpr LCID GERMAN = MAKELCID(MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), SORT_DEFAULT);

SYSTEMTIME Time(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second)
{
    SYSTEMTIME time = {};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    time.wHour = hour;
    time.wMinute = minute;
    time.wSecond = second;
    return time;
}

void ExpectSameTime(const SYSTEMTIME& actual, const SYSTEMTIME& expected)
{
    EXPECT_EQ(actual.wYear, expected.wYear);
    EXPECT_EQ(actual.wMonth, expected.wMonth);
    EXPECT_EQ(actual.wDay, expected.wDay);
    EXPECT_EQ(actual.wHour, expected.wHour);
    EXPECT_EQ(actual.wMinute, expected.wMinute);
    EXPECT_EQ(actual.wSecond, expected.wSecond);
}

class CFileInfoTest : public testing::Test {
protected:
    TempFolder m_folder;
};

} // namespace

TEST(FormatFileSize, UnitsAndDecimalsChangeAtTheThresholds)
{
    const struct { uint64_t Size; const char* Text; } cases[] = {
        {0, "0 bytes"},
        {1023, "1,023 bytes"},
        {1024, "1.00KB (1,024 bytes)"},
        {1536, "1.50KB (1,536 bytes)"},
        {10 * 1024, "10.0KB (10,240 bytes)"},
        {100 * 1024 - 1, "100.0KB (102,399 bytes)"},
        {100 * 1024, "100KB (102,400 bytes)"},
        {1000 * 1024, "0.98MB (1,024,000 bytes)"},
        {10000 * 1024, "9.8MB (10,240,000 bytes)"},
        {100000 * 1024, "98MB (102,400,000 bytes)"},
        {1000000 * 1024, "0.95GB (1,024,000,000 bytes)"},
        {2147483647, "2.00GB (2,147,483,647 bytes)"},
        {2147483648u, "2.00GB (2,147,483,648 bytes)"},
        {5ull << 30, "5.00GB (5,368,709,120 bytes)"},
        {(1ull << 32) + 5, "4.00GB (4,294,967,301 bytes)"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatFileSize(c.Size, ENGLISH), c.Text) << c.Size;
}

TEST(CompressedSizeAnswer, AFailedQueryIsNoSize)
{
    EXPECT_EQ(CompressedSizeAnswer(INVALID_FILE_SIZE, 0, ERROR_FILE_NOT_FOUND), std::nullopt);
    EXPECT_EQ(CompressedSizeAnswer(INVALID_FILE_SIZE, 0, NO_ERROR), 0xFFFFFFFFull) << "a size with all low bits set";
    EXPECT_EQ(CompressedSizeAnswer(5, 1, NO_ERROR), (1ull << 32) + 5);
}

TEST(FormatFileSize, SeparatorsComeFromTheLocale)
{
    EXPECT_EQ(FormatFileSize(1536, GERMAN), "1,50KB (1.536 bytes)");
    EXPECT_EQ(FormatFileSize(2000000, GERMAN), "1,91MB (2.000.000 bytes)");
}

TEST(FormatFileDate, LongDateBlankLongTime)
{
    EXPECT_EQ(FormatFileDate(Time(2020, 5, 17, 13, 45, 10), ENGLISH), "Sunday, May 17, 2020 1:45:10 PM");
}

TEST_F(CFileInfoTest, NamesSizeAndFolderAsTheFileSystemSpellsThem)
{
    const std::string path = m_folder.Path() + "Report.Final.txt";
    WriteTextFile(path, std::string(1536, 'x'));
    CFileInfo info;
    // Asked for in other case, the folder and the name come back as they are stored.
    std::string asked = path;
    CharUpperBuffA(asked.data(), static_cast<DWORD>(asked.size()));
    info.SetFullPathName(asked);
    ASSERT_TRUE(info.FileExists());
    EXPECT_TRUE(info.PathExists());
    EXPECT_EQ(info.FileName(), "Report.Final.txt");
    EXPECT_EQ(info.FileExtension(), "txt");
    EXPECT_EQ(info.FilePath(), m_folder.Path());
    EXPECT_EQ(info.FileSize(), 1536u);
    EXPECT_EQ(info.FileSizeHigh(), 0u);
    EXPECT_EQ(info.TotalFileSize(), 1536u);
    EXPECT_TRUE(info.TotalCompressedFileSize().has_value());
    EXPECT_FALSE(info.ShortName().empty());
    EXPECT_EQ(info.ShortPath(), info.ShortPathName().substr(0, info.ShortPathName().find_last_of('\\') + 1));
}

// A file of 5 GB (a sparse one: nothing is written) has both halves of its size read.
TEST_F(CFileInfoTest, SizesOfTwoGigabytesAndMoreKeepBothHalves)
{
    const std::string path = m_folder.Path() + "large.pak";
    {
        ScopedHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(file.IsValid());
        LARGE_INTEGER end;
        end.QuadPart = 5ll << 30;
        ASSERT_TRUE(SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN) && SetEndOfFile(file.Get()));
    }
    CFileInfo info;
    info.SetFullPathName(path);
    EXPECT_EQ(info.FileSizeHigh(), 1u);
    EXPECT_EQ(info.FileSize(), 1u << 30);
    EXPECT_EQ(info.TotalFileSize(), 5ull << 30);
    EXPECT_EQ(FormatFileSize(info.TotalFileSize(), ENGLISH), "5.00GB (5,368,709,120 bytes)");
    DeleteFileA(path.c_str());
}

TEST_F(CFileInfoTest, NameWithoutExtensionIsOfTypeFile)
{
    const std::string path = m_folder.Path() + "README";
    WriteTextFile(path, "read me");
    CFileInfo info;
    info.SetFullPathName(path);
    EXPECT_EQ(info.FileExtension(), "");
    EXPECT_EQ(info.ShortName(), "README");
    EXPECT_EQ(info.TypeName(), "File");
}

TEST_F(CFileInfoTest, WrittenTimeIsOnTheFile)
{
    const std::string path = m_folder.Path() + "dated.txt";
    WriteTextFile(path, "x");
    CFileInfo info;
    info.SetFullPathName(path);
    const SYSTEMTIME written = Time(2019, 11, 3, 8, 30, 42);
    info.SetModifyTime(written);
    ExpectSameTime(info.ModifyTime(), written);
    CFileInfo fresh;
    fresh.SetFullPathName(path);
    ExpectSameTime(fresh.ModifyTime(), written);
}

TEST_F(CFileInfoTest, AttributeSetAndCleared)
{
    const std::string path = m_folder.Path() + "flags.txt";
    WriteTextFile(path, "x");
    CFileInfo info;
    info.SetFullPathName(path);
    info.SetAttrReadOnly(true);
    EXPECT_TRUE(info.attrReadOnly());
    EXPECT_TRUE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY);
    info.SetAttrTemporary(true);
    EXPECT_FALSE(info.attrTemporary());
    info.SetAttrReadOnly(false);
    EXPECT_FALSE(info.attrReadOnly());
    EXPECT_FALSE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY);
}

TEST_F(CFileInfoTest, VanishedFileKeepsItsLastValues)
{
    const std::string path = m_folder.Path() + "gone.txt";
    WriteTextFile(path, "12345");
    CFileInfo info;
    info.SetFullPathName(path);
    DeleteFileA(path.c_str());
    info.Refresh();
    EXPECT_FALSE(info.FileExists());
    EXPECT_TRUE(info.PathExists());
    EXPECT_EQ(info.FileName(), "gone.txt");
    EXPECT_EQ(info.FileSize(), 5u);
}
