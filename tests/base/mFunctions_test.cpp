// Path, file, trimming and shell routines, and the real system services behind them.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <functional>

#include "base/mError.h"
#include "base/mFunctions.h"
#include "support/TestEnvironment.h"

namespace {

struct TextCase {
    std::string Input;
    std::string Expected;
};

int ErrorNumberOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const AppError& e) {
        return e.Number;
    }
    return 0;
}

} // namespace

TEST(SetTrailingBackslash, AddsOrRemovesOneBackslash)
{
    const struct { std::string Path; bool Add; std::string Expected; } cases[] = {
        {"C:\\", true, "C:\\"},          {"C:\\x", true, "C:\\x\\"},   {"C:\\x\\", true, "C:\\x\\"},
        {"C:\\x\\", false, "C:\\x"},     {"C:\\x", false, "C:\\x"},    {"C:\\x\\\\", false, "C:\\x\\"},
        {"", true, ""},                  {"   ", true, "   "},         {"   ", false, "   "},
        {"\\", false, ""},               {"dir", true, "dir\\"},       {" x ", true, " x \\"},
    };
    for (const auto& c : cases) EXPECT_EQ(SetTrailingBackslash(c.Path, c.Add), c.Expected) << c.Path << " " << c.Add;
}

TEST(CutAtNull, EndsAtTheFirstZero)
{
    EXPECT_EQ(CutAtNull(std::string("abc\0def\0", 8)), "abc");
    EXPECT_EQ(CutAtNull(std::string("\0abc", 4)), "");
    EXPECT_EQ(CutAtNull("abc"), "abc");
    EXPECT_EQ(CutAtNull(""), "");
}

TEST(ExtractPath, UpToTheLastBackslash)
{
    const TextCase cases[] = {
        {"C:\\Games\\Vekora\\vekora.exe", "C:\\Games\\Vekora\\"},
        {"C:\\vekora.exe", "C:\\"},
        {"C:\\Games\\", "C:\\Games\\"},
        {"vekora.exe", ""},
        {"", ""},
        {"C:vekora.exe", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ExtractPath(c.Input), c.Expected) << c.Input;
}

TEST(FindLast, LastOccurrenceBeginningAtOrBeforeStart)
{
    EXPECT_EQ(FindLast("a\\b\\c", "\\"), 4);
    EXPECT_EQ(FindLast("a\\b\\c", "\\", 0), 4);
    EXPECT_EQ(FindLast("a\\b\\c", "\\", 4), 4);
    EXPECT_EQ(FindLast("a\\b\\c", "\\", 3), 2);
    EXPECT_EQ(FindLast("a\\b\\c", "\\", 1), 0);
    EXPECT_EQ(FindLast("abcabc", "bc"), 5);
    EXPECT_EQ(FindLast("abcabc", "bc", 4), 2);
    EXPECT_EQ(FindLast("abcabc", "bc", 100), 5);
    EXPECT_EQ(FindLast("abc", "x"), 0);
    EXPECT_EQ(FindLast("", "x"), 0);
    EXPECT_EQ(FindLast("ab", "abc"), 0);
    EXPECT_EQ(FindLast("abc", "ABC"), 0);
}

TEST(TrimWhiteSpace, BlankCrAndLfOnlyUnlessTheTabCountsToo)
{
    const std::string mixed = " \r\n\tvalue\t \r\n";
    EXPECT_EQ(TrimWhiteSpace(mixed), "\tvalue\t");
    EXPECT_EQ(TrimLeftWhiteSpace(mixed), "\tvalue\t \r\n");
    EXPECT_EQ(TrimRightWhiteSpace(mixed), " \r\n\tvalue\t");
    EXPECT_EQ(TrimWhiteSpace("\tx"), "\tx");
    EXPECT_EQ(TrimWhiteSpace("a b"), "a b");
    EXPECT_EQ(TrimWhiteSpace(" \r\n "), "");
    EXPECT_EQ(TrimLeftWhiteSpace(""), "");
    EXPECT_EQ(TrimRightWhiteSpace("\n"), "");
    EXPECT_EQ(TrimWhiteSpace("\t \r\n x\ty \n\t", TabIs::WhiteSpace), "x\ty");
    EXPECT_EQ(TrimWhiteSpace(" \t\r\n", TabIs::WhiteSpace), "");
}

class FileAndFolder : public testing::Test {
protected:
    TempFolder folder;
};

TEST_F(FileAndFolder, FilesAndFoldersAreToldApart)
{
    const std::string file = folder.Path() + "game.exe";
    const std::string sub = folder.Path() + "Scenarios";
    WriteTextFile(file, "x");
    ASSERT_TRUE(CreateDirectoryA(sub.c_str(), nullptr));

    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FolderExists(file));
    EXPECT_FALSE(FileExists(sub));
    EXPECT_FALSE(FileExists(sub + "\\"));
    EXPECT_TRUE(FolderExists(sub));
    EXPECT_TRUE(FolderExists(sub + "\\"));
    EXPECT_TRUE(FolderExists(folder.Path()));
    EXPECT_FALSE(FileExists(folder.Path() + "missing.exe"));
    for (const char* wildcard : {"*", "*.*", "?*"}) {
        EXPECT_FALSE(FileExists(folder.Path() + wildcard)) << wildcard;
        EXPECT_FALSE(FolderExists(folder.Path() + wildcard)) << wildcard;
    }
    EXPECT_FALSE(FolderExists(folder.Path() + "missing"));
    EXPECT_FALSE(FolderExists(folder.Path() + "missing\\"));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FolderExists(""));
}

TEST_F(FileAndFolder, HiddenAndSystemEntriesCount)
{
    const std::string file = folder.Path() + "hidden.txt";
    const std::string sub = folder.Path() + "hidden";
    WriteTextFile(file, "x");
    ASSERT_TRUE(CreateDirectoryA(sub.c_str(), nullptr));
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA(sub.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    EXPECT_TRUE(FileExists(file));
    EXPECT_TRUE(FolderExists(sub));
    EXPECT_TRUE(FolderExists(sub + "\\"));
    SetFileAttributesA(sub.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FileAndFolder, DriveRootAndWindowsFolder)
{
    const std::string windows = GetWindowsDir();
    char expected[MAX_PATH] = {};
    GetWindowsDirectoryA(expected, MAX_PATH);
    EXPECT_EQ(windows, expected);
    ASSERT_GT(windows.size(), 3u);
    EXPECT_NE(windows.back(), '\\');
    EXPECT_TRUE(FolderExists(windows));
    const std::string root = windows.substr(0, 3);
    EXPECT_TRUE(FolderExists(root));
    EXPECT_FALSE(FileExists(root));
}

TEST_F(FileAndFolder, CreateFolderPathMakesEveryMissingLevel)
{
    const std::string deep = folder.Path() + "Start Menu\\Programs\\Vekora\\";
    CreateFolderPath(deep);
    EXPECT_TRUE(FolderExists(folder.Path() + "Start Menu"));
    EXPECT_TRUE(FolderExists(folder.Path() + "Start Menu\\Programs"));
    EXPECT_TRUE(FolderExists(deep));

    // Existing levels, with or without the backslash, are left as they are.
    WriteTextFile(deep + "keep.txt", "x");
    CreateFolderPath(deep);
    CreateFolderPath(folder.Path() + "Start Menu");
    EXPECT_TRUE(FileExists(deep + "keep.txt"));

    CreateFolderPath(deep + "One\\Two\\");
    EXPECT_TRUE(FolderExists(deep + "One\\Two"));
}

TEST_F(FileAndFolder, CreateFolderPathRefusesWhatItCannotMake)
{
    // Without the closing backslash the last name is not a folder: refused, nothing made.
    EXPECT_EQ(ErrorNumberOf([&] { CreateFolderPath(folder.Path() + "new\\child"); }), RTE_PATH_ACCESS);
    EXPECT_FALSE(FolderExists(folder.Path() + "new"));

    WriteTextFile(folder.Path() + "file", "x");
    EXPECT_EQ(ErrorNumberOf([&] { CreateFolderPath(folder.Path() + "file\\child\\"); }), RTE_PATH_ACCESS);
    EXPECT_FALSE(FolderExists(folder.Path() + "file\\child"));
    EXPECT_EQ(ErrorNumberOf([] { CreateFolderPath(""); }), RTE_PATH_ACCESS);
}

TEST(ExecuteFile, SucceedsAboveThirtyTwo)
{
    FakeSystemServices sys;
    INT_PTR result = 0;
    sys.ShellResult = 33;
    EXPECT_TRUE(ExecuteFile(nullptr, "C:\\Games\\vekora.exe", "open", "-log", "C:\\Games\\", SW_SHOWNORMAL, &result));
    EXPECT_EQ(result, 33);
    sys.ShellResult = 32;
    EXPECT_FALSE(ExecuteFile(nullptr, "C:\\Games\\vekora.exe", "open", "", "", SW_SHOWNORMAL, &result));
    EXPECT_EQ(result, 32);
    sys.ShellResult = 2;
    EXPECT_FALSE(ExecuteFile(nullptr, "missing.exe", "open", "", "", SW_SHOWNORMAL));

    ASSERT_EQ(sys.ShellCalls.size(), 3u);
    const auto& first = sys.ShellCalls[0];
    EXPECT_EQ(first.Operation, "open");
    EXPECT_EQ(first.File, "C:\\Games\\vekora.exe");
    EXPECT_EQ(first.Parameters, "-log");
    EXPECT_EQ(first.Directory, "C:\\Games\\");
    EXPECT_EQ(first.Show, SW_SHOWNORMAL);
}

TEST(BrowseForFolder, ChosenPathCutAtZeroAndEmptyOnCancel)
{
    FakeSystemServices sys;
    sys.FolderAnswers.push_back(std::string("C:\\Games\\Vekora\0C:\\old", 22));
    EXPECT_EQ(BrowseForFolder(nullptr, "Choose the game folder", CSIDL_DRIVES), "C:\\Games\\Vekora");
    EXPECT_EQ(BrowseForFolder(nullptr, "Again", CSIDL_DRIVES), "");
    ASSERT_EQ(sys.FolderTitles.size(), 2u);
    EXPECT_EQ(sys.FolderTitles[0], "Choose the game folder");
}

// The real services, end to end.

TEST(Win32Services, ExecuteFileStartsTheGameWithParametersInItsDirectory)
{
    TempFolder folder;
    const std::string workDir = folder.Path() + "work dir\\";
    ASSERT_TRUE(CreateDirectoryA(workDir.c_str(), nullptr));
    const std::string parameterSets[] = {
        "-log -res 2 -scenario \"C:\\Games\\Scenarios\\Alpine Valley\" -refresh 1", ""};
    int run = 0;
    for (const std::string& parameters : parameterSets) {
        const std::string record = folder.Path() + "record" + std::to_string(++run) + ".txt";
        SetEnvironmentVariableA("VEKORA_RECORD", record.c_str());
        INT_PTR result = 0;
        const bool started = ExecuteFile(nullptr, DemoGamePath(), "open", parameters, workDir, SW_SHOWNORMAL, &result);
        SetEnvironmentVariableA("VEKORA_RECORD", nullptr);
        ASSERT_TRUE(started) << result;
        EXPECT_GT(result, 32);

        EXPECT_EQ(WaitForFileText(record),
                  "Parameters: " + parameters + "\r\nDirectory: " + SetTrailingBackslash(workDir, false) + "\r\n");
    }
}

TEST(Win32Services, ClipboardHoldsTheTextWithOrWithoutOwner)
{
    HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    const std::string texts[] = {"-log -res 2\r\nsecond line", "Vekolaunch \xE4\xF6\xFC"};
    for (HWND window : {owner, static_cast<HWND>(nullptr)}) {
        for (const std::string& text : texts) {
            ASSERT_TRUE(Sys().SetClipboardText(window, text));
            ASSERT_TRUE(OpenClipboard(nullptr));
            HANDLE data = GetClipboardData(CF_TEXT);
            std::string read;
            if (data) {
                if (const char* p = static_cast<const char*>(GlobalLock(data))) read = p;
                GlobalUnlock(data);
            }
            CloseClipboard();
            EXPECT_EQ(read, text) << (window ? "with owner" : "without owner");
        }
    }
    DestroyWindow(owner);
}

TEST(Win32Services, FolderBrowserCancelGivesNothing)
{
    std::string chosen = "unchanged";
    const bool shown = WhileModal([&] { chosen = BrowseForFolder(nullptr, "Choose a folder", CSIDL_WINDOWS); },
                                  [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_TRUE(shown);
    EXPECT_EQ(chosen, "");
}

TEST(Win32Services, FolderBrowserGivesTheChosenFileSystemFolder)
{
    std::string chosen;
    const bool shown = WhileModal([&] { chosen = BrowseForFolder(nullptr, "Choose a folder", CSIDL_WINDOWS); },
                                  [](HWND dialog) {
                                      // The user clicks the top folder of the tree, the root asked for.
                                      HWND tree = FindChildWindow(dialog, WC_TREEVIEWA, "");
                                      ASSERT_NE(tree, nullptr);
                                      auto root = reinterpret_cast<HTREEITEM>(
                                          SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
                                      SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(root));
                                      PostMessageA(dialog, WM_COMMAND, IDOK, 0);
                                  });
    EXPECT_TRUE(shown);
    EXPECT_EQ(chosen, GetWindowsDir());
}
