// The executable prompts and the installed game's version text.
#include <windows.h>
#include <commdlg.h>

#include <gtest/gtest.h>

#include "base/mFunctions.h"
#include "core/Prompts.h"
#include "support/TestEnvironment.h"
#include "translation/cTranslate.h"

class ExecutablePrompts : public AppFixture {
protected:
    std::string ExeFilter() const
    {
        return g_cTranslate->TranslateEx("GLOBAL", "FILETYPEDESC_EXE") + " (*.exe)|*.exe|";
    }
    void ExpectDialogSettings(const FakeSystemServices::OpenFileCall& call, const std::string& titleSection)
    {
        EXPECT_EQ(call.Filter, ExeFilter());
        EXPECT_EQ(call.FilterIndex, 1u);
        EXPECT_EQ(call.Title, g_cTranslate->TranslateEx(titleSection, "DIALOG_CAPTION"));
        EXPECT_EQ(call.DefExt, "exe");
        EXPECT_EQ(call.InitialDir, "");
        EXPECT_EQ(call.Flags & (OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT),
                  static_cast<DWORD>(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY));
    }
};

TEST_F(ExecutablePrompts, VekoPathProposesVekoraExeUnlessTheCurrentFileExists)
{
    const std::string existing = DemoGamePath();
    const std::string folder = ExtractPath(existing);
    for (const std::string& current : {std::string(""), folder, SetTrailingBackslash(folder, false),
                                       folder + "missing.exe", existing}) {
        m_sys->OpenFileCalls.clear();
        EXPECT_EQ(AskForVekoPath(nullptr, current), ""); // cancelled
        ASSERT_EQ(m_sys->OpenFileCalls.size(), 1u);
        EXPECT_EQ(m_sys->OpenFileCalls[0].InitialFile, current == existing ? existing : "vekora.exe") << current;
        ExpectDialogSettings(m_sys->OpenFileCalls[0], "SELECT_VEKORAFOLDER_DIALOG");
    }
    EXPECT_TRUE(m_sys->MessageBoxes.empty()); // a cancel is no error
}

TEST_F(ExecutablePrompts, VekoPathReturnsTheChosenFile)
{
    m_sys->OpenFileAnswers.push_back(std::string("D:\\Games\\Vekora\\vekora.exe"));
    EXPECT_EQ(AskForVekoPath(nullptr, ""), "D:\\Games\\Vekora\\vekora.exe");
}

TEST_F(ExecutablePrompts, EditorProposesWriteInTheWindowsFolder)
{
    m_sys->OpenFileAnswers.push_back(std::string("C:\\Tools\\ed.exe"));
    EXPECT_EQ(AskForEditor(nullptr, ""), "C:\\Tools\\ed.exe");
    EXPECT_EQ(AskForEditor(nullptr, DemoGamePath()), "");
    ASSERT_EQ(m_sys->OpenFileCalls.size(), 2u);
    EXPECT_EQ(m_sys->OpenFileCalls[0].InitialFile, SetTrailingBackslash(GetWindowsDir(), true) + "write.exe");
    EXPECT_EQ(m_sys->OpenFileCalls[0].InitialFile.find("\\\\"), std::string::npos);
    EXPECT_EQ(m_sys->OpenFileCalls[1].InitialFile, DemoGamePath());
    ExpectDialogSettings(m_sys->OpenFileCalls[0], "SELECT_TEXTEDITOR_DIALOG");
}

TEST(VekoraVersionText, NamesTheInstalledGame)
{
    EXPECT_EQ(GetVekoraFile_VersionInfo(""), "Vekora");
    EXPECT_EQ(GetVekoraFile_VersionInfo(TestProgramDir() + "version_samples\\ver_none.exe"), "Vekora");
    EXPECT_EQ(GetVekoraFile_VersionInfo(DemoGamePath()), "Vekora 3.1 Demo");
    // A version resource without readable strings (no translation table) shows the plain name,
    // not a lone blank.
    EXPECT_EQ(GetVekoraFile_VersionInfo(TestProgramDir() + "version_samples\\ver_no_translation.exe"), "Vekora");
}

TEST(VekoraVersionText, AGameFileReplacedInPlaceIsReadAgain)
{
    const TempFolder folder;
    const std::string game = folder.Path() + "vekora.exe";
    ASSERT_TRUE(CopyFileA(DemoGamePath().c_str(), game.c_str(), FALSE));
    EXPECT_EQ(GetVekoraFile_VersionInfo(game), "Vekora 3.1 Demo");
    ASSERT_TRUE(CopyFileA((TestProgramDir() + "version_samples\\ver_none.exe").c_str(), game.c_str(), FALSE));
    EXPECT_EQ(GetVekoraFile_VersionInfo(game), "Vekora");
}
