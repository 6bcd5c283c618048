// The shortcut wizard driven through its pages with messages, as a user clicks through it.
#include <gtest/gtest.h>
#include <shlobj.h>

#include "LnkInfo.h"
#include "ShellLinkReader.h"
#include "base/mFunctions.h"
#include "core/Application.h"
#include "profiles/Profile.h"
#include "shortcuts/frmCreateVekoraShortcut_New.h"
#include "shortcuts/frmCreateVekoraShortcut_New_res.h"
#include "shortcuts/links/ShellFolders.h"
#include "support/TestEnvironment.h"

namespace {
class ShortcutWizard : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        m_profile.SetVekoraPath(DemoGamePath());
        m_profile.SetLogMessages(true);
        m_profile.SetFreeplay(true);
        m_profile.SetRefresh(2);
    }
    void TearDown() override
    {
        m_wizard.reset();
        AppFixture::TearDown();
    }

    void Open()
    {
        m_wizard = std::make_unique<frmCreateVekoraShortcut_New>();
        m_wizard->Load();
        m_wizard->InitDialog(m_profile);
    }
    frmCreateVekoraShortcut_New& Wizard() { return *m_wizard; }
    int Page() { return m_wizard->Nav().CurPageNo(); }
    HWND Ctl(int id) { return m_wizard->Control(id); }
    void Click(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }
    void Click(int id) { Click(Ctl(id)); }
    void Next() { Click(m_wizard->Nav().NextButton()); }
    void Back() { Click(m_wizard->Nav().BackButton()); }
    // Typing into a field replaces its text as WM_SETTEXT does.
    static void Type(HWND field, const std::string& text) { SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())); }
    void TypeFolder(const std::string& folder) { Type(m_wizard->DestFolderField().TextBox(), folder); }
    // Pages 1 to 3 as they open, then "Other" with this folder.
    void GoToPage4(const std::string& folder)
    {
        Next();
        Next();
        Click(IDC_CS_OPDEST3);
        Next();
        TypeFolder(folder);
    }
    std::vector<std::string> BoxTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : m_sys->MessageBoxes) texts.push_back(box.Text);
        return texts;
    }

    Profile m_profile;
    std::unique_ptr<frmCreateVekoraShortcut_New> m_wizard;
};
} // namespace

TEST_F(ShortcutWizard, AllSixPagesWriteTheProfilesLink)
{
    Open();
    const std::string folder = m_folder->Path();
    EXPECT_EQ(Page(), 1);
    EXPECT_EQ(Wizard().TitleArea().StepDesc(), "Step 1 of 6: the program");
    EXPECT_EQ(Wizard().DestField().Text(), DemoGamePath());
    Next();
    EXPECT_EQ(Page(), 2);
    EXPECT_EQ(WindowText(Ctl(IDC_CS_TXTSETTINGS)).rfind("Freeplay: Yes\r\nLog messages: Yes\r\n", 0), 0u);
    Next();
    Click(IDC_CS_OPDEST3);
    Next();
    EXPECT_EQ(Wizard().DestFolderField().Text(), "c:\\");
    CreateDirectoryA((folder + "Links").c_str(), nullptr);
    TypeFolder(folder + "Links");
    Next();
    EXPECT_EQ(Page(), 5);
    // The name comes from the game's version resource.
    EXPECT_EQ(WindowText(Ctl(IDC_CS_TXTLINKNAME)), "Vekora 3.1 Demo");
    EXPECT_EQ(Wizard().Nav().NextButtonCaption(), "&Create");
    Next();
    EXPECT_EQ(Page(), 6);
    EXPECT_EQ(Wizard().Nav().CancelButtonCaption(), "&Close");
    ASSERT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_EQ(m_sys->MessageBoxes[0].Text, "The shortcut has been created.");
    EXPECT_EQ(m_sys->MessageBoxes[0].Type, UINT(MB_ICONINFORMATION | MB_OK));

    const std::string link = folder + "Links\\Vekora 3.1 Demo.lnk";
    const std::string report = LnkinfoReport(link);
    ASSERT_NE(report, "") << "lnkinfo could not be run on " << link;
    EXPECT_EQ(ReportLine(report, "Local path"), DemoGamePath());
    EXPECT_EQ(ReportLine(report, "Working directory"), ExtractPath(DemoGamePath()));
    EXPECT_EQ(ReportLine(report, "Command line arguments"), m_profile.GetCmdLineParameters());
    EXPECT_EQ(ReportLine(report, "Description"), "ShellLink Sample");
    EXPECT_EQ(ReadShellLink(link).ShowCmd, SW_SHOW);

    // Close ends the modal loop; the caller unloads.
    PostMessageA(Wizard().Nav().CancelButton(), BM_CLICK, 0, 0);
    Wizard().ShowModal();
    EXPECT_FALSE(IsWindowVisible(Wizard().Hwnd()));
}

TEST_F(ShortcutWizard, PageChecksKeepThePage)
{
    const std::string missingFolder = m_folder->Path() + "nowhere";
    struct Case {
        const char* what;
        std::function<void()> prepare;
        bool back;
        int page;
        std::string message;
    };
    const Case cases[] = {
        {"blank target", [this] { Type(Wizard().DestField().TextBox(), "   "); }, false, 1,
         "Please choose the program that the shortcut starts."},
        {"missing target", [this] { Type(Wizard().DestField().TextBox(), "C:\\nowhere\\vekora.exe"); }, false, 1,
         "The following file or folder could not be found:\r\nC:\\nowhere\\vekora.exe"},
        {"empty folder, also on Back", [this] { GoToPage4(""); }, true, 4, "Please choose the folder for the shortcut."},
        {"missing folder", [&] { GoToPage4(missingFolder); }, false, 4,
         "The following path does not exist:\r\n" + missingFolder},
        {"blank name",
         [this] {
             GoToPage4(m_folder->Path());
             Next();
             Type(Ctl(IDC_CS_TXTLINKNAME), "  ");
         },
         false, 5, "Please enter a name for the shortcut."},
    };
    std::vector<Case> all(std::begin(cases), std::end(cases));
    // The page refuses what the link file's name check refuses (the names themselves are the
    // check's own test).
    const struct {
        const char* name;
        std::string message;
    } names[] = {
        {"..\\..\\Up", "The name of the shortcut must not contain the character \\."},
        {" . . ", "The name of the shortcut must contain more than dots and blanks."},
    };
    for (const auto& n : names) {
        all.push_back({n.name,
                       [this, name = std::string(n.name)] {
                           GoToPage4(m_folder->Path());
                           Next();
                           Type(Ctl(IDC_CS_TXTLINKNAME), name);
                       },
                       false, 5, n.message});
    }
    for (const Case& c : all) {
        SCOPED_TRACE(c.what);
        Open();
        c.prepare();
        m_sys->MessageBoxes.clear();
        c.back ? Back() : Next();
        EXPECT_EQ(Page(), c.page);
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{c.message});
        if (!m_sys->MessageBoxes.empty()) {
            EXPECT_EQ(m_sys->MessageBoxes[0].Type, UINT(MB_OK));
        }
    }
    WIN32_FIND_DATAA found;
    const HANDLE links = FindFirstFileA((m_folder->Path() + "*.lnk").c_str(), &found);
    EXPECT_EQ(links, INVALID_HANDLE_VALUE) << "no link was written";
    if (links != INVALID_HANDLE_VALUE) FindClose(links);
}

// Back through its access key leaves the focus in the hidden page's field: it goes to the
// shown page's checked option, which keeps the user's choice and the folder it gave.
TEST_F(ShortcutWizard, FocusFromAHiddenPageGoesToTheCheckedOption)
{
    Open();
    GoToPage4(m_folder->Path());
    SetFocus(Wizard().DestFolderField().TextBox());
    HWND back = Wizard().Nav().BackButton();
    SendMessageA(GetParent(back), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(back), BN_CLICKED), reinterpret_cast<LPARAM>(back));
    ASSERT_EQ(Page(), 3);
    EXPECT_EQ(GetFocus(), Ctl(IDC_CS_OPDEST3));
    EXPECT_EQ(SendMessageA(Ctl(IDC_CS_OPDEST3), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(Ctl(IDC_CS_OPDEST0), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(Wizard().DestFolderField().Text(), m_folder->Path());
}

TEST_F(ShortcutWizard, NoToReplacingStaysOnTheNamePageSilently)
{
    Application::CreateShortcut(m_folder->Path(), "Vekora 3.1 Demo", "C:\\old\\vekora.exe", "");
    Open();
    GoToPage4(m_folder->Path());
    Next();
    m_sys->MessageBoxAnswers = {IDNO};
    Next();
    EXPECT_EQ(Page(), 5);
    ASSERT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_EQ(m_sys->MessageBoxes[0].Type, UINT(MB_YESNO | MB_ICONQUESTION));
    EXPECT_TRUE(m_sys->ErrorReports.empty());
    EXPECT_EQ(ReadShellLink(m_folder->Path() + "Vekora 3.1 Demo.lnk").Path, "C:\\old\\vekora.exe");
}

TEST_F(ShortcutWizard, ALinkTheShellCannotWriteIsExplainedOnTheNamePage)
{
    Open();
    GoToPage4(m_folder->Path());
    Next();
    // A folder where the link file would go: the shell cannot write the link over it.
    CreateDirectoryA((m_folder->Path() + "Vekora Demo.lnk").c_str(), nullptr);
    Type(Ctl(IDC_CS_TXTLINKNAME), "Vekora Demo");
    Next();
    EXPECT_EQ(Page(), 5);
    ASSERT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_EQ(m_sys->MessageBoxes[0].Text.rfind("The shortcut could not be written:\r\n" + m_folder->Path() + "Vekora Demo.lnk", 0), 0u)
        << m_sys->MessageBoxes[0].Text;
    EXPECT_EQ(m_sys->MessageBoxes[0].Type, UINT(MB_ICONINFORMATION | MB_OK));
}

TEST_F(ShortcutWizard, FurtherShortcutStartsOverOnPage2WithEveryField)
{
    Open();
    GoToPage4(m_folder->Path());
    Next();
    Type(Ctl(IDC_CS_TXTLINKNAME), "First");
    Next();
    ASSERT_EQ(Page(), 6);
    Click(IDC_CS_CKCREATEFURTHERSHORTCUT);
    EXPECT_FALSE(Wizard().Nav().NextButtonEnabled());
    Click(IDC_CS_CKCREATEFURTHERSHORTCUT);
    Next();
    EXPECT_EQ(Page(), 2);
    EXPECT_EQ(Wizard().ShownPanel(), 1);
    EXPECT_EQ(Wizard().Nav().CancelButtonCaption(), "Cancel");
    EXPECT_EQ(Wizard().DestField().Text(), DemoGamePath());
    EXPECT_EQ(SendMessageA(Ctl(IDC_CS_OPDEST3), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(Wizard().DestFolderField().Text(), m_folder->Path());
    EXPECT_EQ(WindowText(Ctl(IDC_CS_TXTLINKNAME)), "First");

    // The second link: standard settings, so no arguments.
    Click(IDC_CS_OPMODE0);
    Next();
    Next();
    Next();
    Type(Ctl(IDC_CS_TXTLINKNAME), "Second");
    Next();
    EXPECT_EQ(Page(), 6);
    EXPECT_EQ(ReadShellLink(m_folder->Path() + "First.lnk").Arguments, m_profile.GetCmdLineParameters());
    const LinkFields second = ReadShellLink(m_folder->Path() + "Second.lnk");
    EXPECT_TRUE(second.Loaded);
    EXPECT_EQ(second.Arguments, "");
}

TEST_F(ShortcutWizard, DestinationsGiveTheirFolderAndBrowseRoot)
{
    struct Case { int option; std::string folder; int root; };
    const Case cases[] = {
        {IDC_CS_OPDEST1, GetStartmenuFolder(), CSIDL_STARTMENU},
        {IDC_CS_OPDEST3, "c:\\", CSIDL_DRIVES},
        {IDC_CS_OPDEST0, GetDesktopFolder(), CSIDL_DESKTOP},
    };
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        Click(c.option);
        EXPECT_EQ(Wizard().DestFolderField().Text(), c.folder);
        m_sys->FolderAnswers = {m_folder->Path()};
        Click(IDC_CS_CMDSELFOLDER);
        EXPECT_EQ(m_sys->FolderRoots.back(), c.root);
        EXPECT_EQ(Wizard().DestFolderField().Text(), m_folder->Path());
    }
    EXPECT_EQ(m_sys->FolderTitles.back(), "Please select a folder.");
}

TEST_F(ShortcutWizard, QuickLaunchIsLockedToItsFolderAndOffOnlyWithout)
{
    const std::string quickLaunch = GetQuickLaunchFolder();
    const bool existed = FolderExists(quickLaunch);
    if (existed) RemoveDirectoryA(quickLaunch.c_str());
    ASSERT_FALSE(FolderExists(quickLaunch)) << "a quick-launch folder with files in it";
    Open();
    EXPECT_FALSE(IsWindowEnabled(Ctl(IDC_CS_OPDEST2)));
    EXPECT_EQ(Wizard().DestFolderField().Text(), GetDesktopFolder());

    CreateFolderPath(quickLaunch + "\\");
    Open();
    ASSERT_TRUE(IsWindowEnabled(Ctl(IDC_CS_OPDEST2)));
    Click(IDC_CS_OPDEST2);
    EXPECT_EQ(Wizard().DestFolderField().Text(), quickLaunch);
    EXPECT_FALSE(Wizard().DestFolderField().Enabled());
    EXPECT_FALSE(IsWindowEnabled(Ctl(IDC_CS_CMDSELFOLDER)));
    Click(IDC_CS_OPDEST1);
    EXPECT_EQ(Wizard().DestFolderField().Text(), GetStartmenuFolder());
    EXPECT_TRUE(Wizard().DestFolderField().Enabled());
    EXPECT_TRUE(IsWindowEnabled(Ctl(IDC_CS_CMDSELFOLDER)));
    if (!existed) RemoveDirectoryA(quickLaunch.c_str());
}
