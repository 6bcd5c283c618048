// Link files as the wizard writes them, read back through the shell's link object.
#include <gtest/gtest.h>

#include "core/Application.h"
#include "base/mFunctions.h"
#include "ShellLinkReader.h"
#include "shortcuts/links/cCreateShortcut.h"
#include "support/TestEnvironment.h"

using ShortcutFiles = AppFixture;

TEST(ShortcutName, GetsTheLinkExtensionOnce)
{
    struct Case { const char* name; const char* expected; };
    const Case cases[] = {
        {"Vekora 3.1", "C:\\Links\\Vekora 3.1.lnk"},
        {"  Vekora  ", "C:\\Links\\Vekora.lnk"},
        {"Vekora.LNK", "C:\\Links\\Vekora.LNK"},
        {"x.lnk", "C:\\Links\\x.lnk"},
        {"lnk", "C:\\Links\\lnk.lnk"},
        {".ln", "C:\\Links\\.ln.lnk"},
        {"Vekora.lnk.txt", "C:\\Links\\Vekora.lnk.txt.lnk"},
    };
    for (const Case& c : cases) EXPECT_EQ(cCreateShortcut::GetShortcutFolder("C:\\Links\\", c.name), c.expected) << c.name;
}

TEST_F(ShortcutFiles, WrittenLinksReadBackThroughTheShell)
{
    struct Case {
        std::string folder, name, target, arguments;
        std::string file, workDir;
    };
    const std::string root = m_folder->Path();
    const Case cases[] = {
        // Standard mode: no arguments; a missing folder chain is created.
        {root + "a\\b\\c", "Vekora 3.1", "C:\\Games\\Vekora\\vekora.exe", "", root + "a\\b\\c\\Vekora 3.1.lnk",
         "C:\\Games\\Vekora\\"},
        // Profile mode: the command line as arguments; a folder with its backslash gets no second one.
        {" " + root + " ", " Profile.LNK ", "C:\\Games\\Vekora\\vekora.exe", "-log -res 3 -freeplay",
         root + "Profile.LNK", "C:\\Games\\Vekora\\"},
        // A target without a folder has no working directory.
        {root, "Plain", "vekora.exe", "", root + "Plain.lnk", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        Application::CreateShortcut(c.folder, c.name, c.target, c.arguments);
        const LinkFields link = ReadShellLink(c.file);
        ASSERT_TRUE(link.Loaded);
        // The shell makes a bare file name absolute; the name stays.
        EXPECT_TRUE(link.Path.ends_with(c.target)) << link.Path;
        EXPECT_EQ(link.Arguments, c.arguments);
        EXPECT_EQ(link.WorkingDirectory, c.workDir);
        EXPECT_EQ(link.Description, "ShellLink Sample");
        EXPECT_EQ(link.ShowCmd, SW_SHOW);
    }
    EXPECT_TRUE(m_sys->MessageBoxes.empty());
}

TEST_F(ShortcutFiles, ReplacingAnExistingLinkIsAskedFirst)
{
    const std::string file = m_folder->Path() + "Vekora.lnk";
    Application::CreateShortcut(m_folder->Path(), "Vekora", "C:\\Games\\vekora.exe", "-log");

    m_sys->MessageBoxAnswers = {IDNO};
    const std::string before = ReadTextFile(file);
    const AppError kept = ErrorOf([&] { Application::CreateShortcut(m_folder->Path(), "Vekora", "C:\\Other\\vekora.exe", ""); });
    EXPECT_EQ(kept.Number, 20008);
    EXPECT_EQ(kept.Description, "");
    EXPECT_EQ(kept.Source, "Application.CreateShortcut\r\ncCreateShortcut.CreateShortcut\r\ncCreateShortcut.CreateShortcut2\r\n");
    EXPECT_EQ(ReadTextFile(file), before);
    ASSERT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_EQ(m_sys->MessageBoxes[0].Text, "The shortcut '" + file + "' already exists.\r\nDo you want to replace it?");
    EXPECT_EQ(m_sys->MessageBoxes[0].Type, UINT(MB_YESNO | MB_ICONQUESTION));

    m_sys->MessageBoxAnswers = {IDYES};
    Application::CreateShortcut(m_folder->Path(), "Vekora", "C:\\Other\\vekora.exe", "");
    const LinkFields link = ReadShellLink(file);
    EXPECT_EQ(link.Path, "C:\\Other\\vekora.exe");
    EXPECT_EQ(link.Arguments, "");
    EXPECT_EQ(m_sys->MessageBoxes.size(), 2u);
}

TEST_F(ShortcutFiles, ALinkTheShellCannotWriteIsReportedNotClaimed)
{
    // The folder is not made here, so the shell's save has nowhere to write.
    const std::string file = m_folder->Path() + "missing\\Vekora.lnk";
    cCreateShortcut shortcut;
    const AppError e = ErrorOf([&] { shortcut.CreateShortcut2(file, "C:\\Games\\vekora.exe", ""); });
    EXPECT_EQ(e.Number, 20008);
    EXPECT_EQ(e.Description.rfind("The shortcut could not be written:\r\n" + file + "\r\n", 0), 0u) << e.Description;
    EXPECT_FALSE(FileExists(file));
}

TEST_F(ShortcutFiles, NoTargetWritesNothing)
{
    const AppError e = ErrorOf([&] { Application::CreateShortcut(m_folder->Path(), "Vekora", "", ""); });
    EXPECT_EQ(e.Number, 20008);
    EXPECT_EQ(e.Description, "");
    EXPECT_FALSE(FileExists(m_folder->Path() + "Vekora.lnk"));
}

// A character the system refuses in a file name is named; a name the system would cut to
// nothing is refused; dots and blanks inside a name are fine.
TEST_F(ShortcutFiles, NamesThatMakeNoLinkFileAreRefusedWithTheReason)
{
    const struct {
        const char* name;
        std::string problem;
    } cases[] = {
        {"Vek?ra", "The name of the shortcut must not contain the character ?."},
        {"..", "The name of the shortcut must contain more than dots and blanks."},
        {"..Vekora 3.1", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(cCreateShortcut::LinkNameProblem(c.name), c.problem) << c.name;
    for (char bad : std::string("\\/:*\"<>|")) {
        EXPECT_NE(cCreateShortcut::LinkNameProblem(std::string("Vek") + bad + "ra"), "") << bad;
    }
}

// A name that reaches out of the folder or is only dots writes nothing anywhere.
TEST_F(ShortcutFiles, ARefusedNameWritesNothing)
{
    const std::string folder = m_folder->Path() + "Links\\";
    for (const char* name : {"..\\Outside", "*", ". ."}) {
        const AppError e = ErrorOf([&] { Application::CreateShortcut(folder, name, DemoGamePath(), ""); });
        EXPECT_EQ(e.Number, 20008) << name;
        EXPECT_EQ(e.Description, cCreateShortcut::LinkNameProblem(name)) << name;
    }
    EXPECT_FALSE(FileExists(m_folder->Path() + "Outside.lnk"));
    EXPECT_FALSE(FolderExists(folder)) << "refused before anything was made";
}
