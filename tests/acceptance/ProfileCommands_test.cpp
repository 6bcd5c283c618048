// Duplicating, renaming and deleting profiles in the running launcher, checked in the settings
// file entry by entry: the file holds every other line as it was, and never half a change.
#include "acceptance/StagedInstall.h"
#include "dialogs/frmEditProfile_res.h"
#include "mainwindow/frmMain_res.h"

#include <gtest/gtest.h>

namespace {
// A settings file's sections with their lines, in order, as the private-profile writer keeps
// them: blank lines left out, no blanks around "=".
using Sections = std::vector<std::pair<std::string, std::vector<std::string>>>;

Sections Entries(const std::string& text)
{
    Sections sections{{"", {}}};
    for (const std::string& line : IniLines(text)) {
        if (line[0] == '[') sections.push_back({line.substr(1, line.find(']') - 1), {}});
        else sections.back().second.push_back(line);
    }
    return sections;
}

std::vector<std::string>& Section(Sections& sections, const std::string& name)
{
    for (auto& section : sections)
        if (section.first == name) return section.second;
    static std::vector<std::string> none;
    ADD_FAILURE() << "no section " << name;
    return none;
}

void RemoveSection(Sections& sections, const std::string& name)
{
    std::erase_if(sections, [&](const auto& section) { return section.first == name; });
}

std::string Text(const Sections& sections)
{
    std::string text;
    for (const auto& [name, lines] : sections) {
        if (!name.empty()) text += "[" + name + "]\n";
        for (const std::string& line : lines) text += line + "\n";
    }
    return text;
}

// Comments and keys the launcher does not know, around and inside its profiles.
std::string PlayersFile(const StagedInstall& install)
{
    const std::string game = install.GamePath();
    return "; my launcher settings\r\n\r\n[PROFILES]\r\nLASTACTIVEPROFILE = profile_Winter\r\n\r\n[profile_Summer]\r\n"
           "VEKOPATH=" + game + "\r\nUSESTANDARDRESOLUTION=0\r\nRES_WIDTH=1024\r\nRES_HEIGHT=768\r\nDESCRIPTION=Sun\r\n"
           "; summer is short\r\n[profile_Winter]\r\nVEKOPATH=" + game + "\r\nFREEPLAY=0\r\nDESCRIPTION=Snow\r\n"
           "MYTOOL_COLOUR=white\r\n[MYTOOL]\r\nCOLOUR = blue\r\n[OPTIONS]\r\nLANGUAGE=EN\r\nSTARTVEKORADIALOG=0\r\n";
}

// The one message box the command shows, answered; its text ("" when none came).
std::string AnswerMessageBox(const DrivenProgram& launcher, int button)
{
    HWND box = launcher.WaitForMessageBox();
    if (!box) return "";
    const std::string text = MessageBoxText(box);
    Command(box, button);
    WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); });
    return text;
}

HWND WaitForProfileWindow(const DrivenProgram& launcher)
{
    return launcher.WaitForWindow([](HWND w) { return Control(w, IDC_EP_NAME) != nullptr; });
}
} // namespace

// Rename: a taken name keeps the window and the input; the new name moves the stored section
// whole, LASTACTIVEPROFILE follows, and the unsaved input stays unsaved with the profile.
TEST(ProfileCommands, RenameMovesTheStoredSectionAndKeepsTheInput)
{
    StagedInstall install;
    install.WriteSettings(PlayersFile(install));
    Sections expected = Entries(install.ReadSettings());
    auto launcher = install.StartLauncher();
    HWND main = launcher->WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    SetChecked(main, IDC_CKFREEPLAY, true); // not saved

    Command(main, IDM_PROFILE_RENAME);
    HWND edit = WaitForProfileWindow(*launcher);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(TextOf(Control(edit, IDC_EP_NAME)), "Winter");
    EXPECT_EQ(TextOf(edit), LanguageText("EN", "EDIT_PROFILE_DIALOG", "DIALOG_CAPTION4"));
    Type(edit, IDC_EP_NAME, "summer");
    Click(edit, IDOK);
    const std::string refused = AnswerMessageBox(*launcher, IDOK);
    EXPECT_NE(refused.find("'summer'"), std::string::npos) << refused;
    EXPECT_TRUE(IsWindowVisible(edit)) << "a taken name closed the window";
    EXPECT_EQ(TextOf(Control(edit, IDC_EP_NAME)), "summer");
    Type(edit, IDC_EP_NAME, "Frost");
    Click(edit, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(edit); }));

    // In the file at once, before anything is saved.
    const std::vector<std::string> winter = Section(expected, "profile_Winter");
    RemoveSection(expected, "profile_Winter");
    expected.push_back({"profile_Frost", winter});
    Section(expected, "PROFILES") = {"LASTACTIVEPROFILE=profile_Frost"};
    // The window closes before the file is changed.
    WaitUntil([&] { return Text(Entries(install.ReadSettings())) == Text(expected); });
    EXPECT_EQ(Text(Entries(install.ReadSettings())), Text(expected));
    EXPECT_TRUE(IsChecked(main, IDC_CKFREEPLAY)) << "the unsaved input is lost";

    Close(main);
    ASSERT_EQ(launcher->AnswerMessageBoxesUntil(IDNO, [&] { return !launcher->Running(); }).size(), 1u)
        << "the unsaved input is not asked about";
    ASSERT_TRUE(launcher->WaitForExit());
    EXPECT_EQ(install.Setting("PROFILES", "LASTACTIVEPROFILE"), "profile_Frost");
    EXPECT_EQ(install.Setting("profile_Frost", "FREEPLAY"), "0");
}

// Delete asks first in the user's language, naming the profile; No keeps everything, Yes takes
// the section out of the file and shows the first remaining profile.
TEST(ProfileCommands, DeleteAsksThenRemovesTheSectionAndShowsTheFirstProfile)
{
    for (const char* language : {"EN", "DE"}) {
        StagedInstall install;
        std::string file = PlayersFile(install);
        file.replace(file.find("LANGUAGE=EN"), 11, std::string("LANGUAGE=") + language);
        install.WriteSettings(file);
        const std::string before = install.ReadSettings();
        Sections expected = Entries(before);
        auto launcher = install.StartLauncher();
        HWND main = launcher->WaitForMainWindow();
        ASSERT_NE(main, nullptr);

        const std::string question = LanguageText(language, "MAIN_DIALOG", "MSG_DeleteProfileQuestion");
        const std::string opening = question.substr(0, question.find("%P1%"));
        for (int answer : {IDNO, IDYES}) {
            Command(main, IDM_PROFILE_DELETE);
            const std::string asked = AnswerMessageBox(*launcher, answer);
            EXPECT_EQ(asked.rfind(opening + "Winter'", 0), 0u) << language << ": " << asked;
            if (answer == IDNO) {
                EXPECT_EQ(install.ReadSettings(), before) << language;
            }
        }
        RemoveSection(expected, "profile_Winter");
        Section(expected, "PROFILES") = {"LASTACTIVEPROFILE=profile_Summer"};
        WaitUntil([&] { return Text(Entries(install.ReadSettings())) == Text(expected); });
        EXPECT_EQ(Text(Entries(install.ReadSettings())), Text(expected)) << language;
        VisitEveryTab(main);
        EXPECT_TRUE(WaitUntil([&] { return TextOf(Control(main, IDC_TXTRES_WIDTH)) == "1024"; }))
            << "the first remaining profile is not shown";
        Close(main);
        ASSERT_TRUE(launcher->AnswerMessageBoxesUntilExit(IDNO));
    }
}

// Duplicate: the copy gets every value of the original, unsaved input included, becomes the
// active profile and reaches the file through the save window like a new one.
TEST(ProfileCommands, DuplicateCopiesEveryValueAndIsSavedLikeANewProfile)
{
    StagedInstall install;
    install.WriteSettings(PlayersFile(install));
    const std::string before = install.ReadSettings();
    auto launcher = install.StartLauncher();
    HWND main = launcher->WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    SetChecked(main, IDC_CKFREEPLAY, true);

    Command(main, IDM_PROFILE_DUPLICATE);
    HWND edit = WaitForProfileWindow(*launcher);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(TextOf(Control(edit, IDC_EP_DESCRIPTION)), "Snow");
    Type(edit, IDC_EP_NAME, "Winter copy");
    Click(edit, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(edit); }));
    EXPECT_EQ(install.ReadSettings(), before) << "a duplicate is written only when it is saved";
    EXPECT_TRUE(IsChecked(main, IDC_CKFREEPLAY));

    Close(main);
    const std::string saveTitle = LanguageText("EN", "SAVE_DIALOG", "DIALOG_CAPTION");
    ASSERT_EQ(launcher->AnswerMessageBoxesUntil(IDYES, [&] { return launcher->WaitForWindowTitled(saveTitle, 0) != nullptr; })
                  .size(),
              1u);
    HWND save = launcher->WaitForWindowTitled(saveTitle);
    ASSERT_NE(save, nullptr);
    Click(save, IDOK);
    ASSERT_TRUE(launcher->WaitForExit());
    for (const char* section : {"profile_Winter", "profile_Winter copy"}) {
        EXPECT_EQ(install.Setting(section, "FREEPLAY"), "1") << section;
        EXPECT_EQ(install.Setting(section, "DESCRIPTION"), "Snow") << section;
        EXPECT_EQ(install.Setting(section, "VEKOPATH"), install.GamePath()) << section;
    }
    EXPECT_EQ(install.Setting("PROFILES", "LASTACTIVEPROFILE"), "profile_Winter copy");
    EXPECT_EQ(install.Setting("profile_Winter", "MYTOOL_COLOUR"), "white");
}
