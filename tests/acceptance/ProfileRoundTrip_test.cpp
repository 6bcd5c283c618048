// A player's own profile: made, set, saved, left and taken up again, and kept over a restart;
// two launchers on one settings file each keep theirs.
#include "acceptance/StagedInstall.h"
#include "dialogs/frmEditProfile_res.h"
#include "dialogs/frmSave_res.h"
#include "mainwindow/frmMain_res.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
struct MainValues {
    bool Freeplay, Log, UserResolution;
    std::string Width, Height, Scenario, GraphicPak;
    int Refresh;
    bool operator==(const MainValues&) const = default;
};

MainValues ReadValues(HWND main)
{
    VisitEveryTab(main);
    return {IsChecked(main, IDC_CKFREEPLAY), IsChecked(main, IDC_CKLOGMESSAGES), IsChecked(main, IDC_OPRESOLUTION1),
            TextOf(Control(main, IDC_TXTRES_WIDTH)), TextOf(Control(main, IDC_TXTRES_HEIGHT)),
            TextOf(Control(main, IDC_TXTSCENARIO)), TextOf(Control(main, IDC_TXTGRAPHICPACK)),
            SelectedListItem(main, IDC_LSTREFRESH)};
}

std::ostream& operator<<(std::ostream& out, const MainValues& v)
{
    return out << "freeplay " << v.Freeplay << ", log " << v.Log << ", own resolution " << v.UserResolution << " "
               << v.Width << "x" << v.Height << ", scenario '" << v.Scenario << "', pak '" << v.GraphicPak
               << "', refresh " << v.Refresh;
}

// File > New profile: the name and description typed, and the game the launcher asks for.
bool NewProfile(const DrivenProgram& launcher, HWND main, const std::string& name, const std::string& description,
                const std::string& game)
{
    Command(main, IDM_PROFILE_NEW);
    HWND edit = launcher.WaitForWindow([](HWND w) { return Control(w, IDC_EP_NAME) != nullptr; });
    if (!edit) return false;
    Type(edit, IDC_EP_NAME, name);
    Type(edit, IDC_EP_DESCRIPTION, description);
    Click(edit, IDOK);
    // A new profile has no game of its own yet.
    HWND ask = launcher.WaitForWindowTitled(LanguageText("EN", "SELECT_VEKORAFOLDER_DIALOG", "DIALOG_CAPTION"));
    if (!ask) return false;
    Type(ask, FILE_NAME_FIELD, game);
    Click(ask, IDOK);
    return WaitUntil([&] { return !IsWindow(ask) && !IsWindow(edit); });
}

// Whether every line of part stands in whole, in the same order.
bool InOrder(const std::vector<std::string>& part, const std::vector<std::string>& whole)
{
    size_t at = 0;
    for (const std::string& line : whole) {
        if (at < part.size() && line == part[at]) ++at;
    }
    return at == part.size();
}

// The save window's Yes; the profiles it offered.
bool IsSaveWindow(HWND window)
{
    return Control(window, IDC_SAVE_PROFILES) != nullptr;
}

std::vector<std::string> AnswerSaveWindow(const DrivenProgram& launcher)
{
    HWND save = launcher.WaitForWindow(IsSaveWindow);
    if (!save) return {"(no save window)"};
    const std::vector<std::string> offered = ListViewColumn(FindDescendant(save, "SysListView32"));
    CommandAndWaitClosed(save, IDOK);
    return offered;
}
} // namespace

TEST(ProfileRoundTrip, NewProfileKeepsEveryValueOverSwitchesAndRestart)
{
    StagedInstall install;
    install.WriteDemoProfileSettings();
    MainValues set;
    std::vector<std::string> saved;
    {
        auto launcher = install.StartLauncher();
        HWND main = launcher->WaitForMainWindow();
        ASSERT_NE(main, nullptr);
        const MainValues standard = ReadValues(main);

        ASSERT_TRUE(NewProfile(*launcher, main, "Winter, long run", "Harbour in winter", install.GamePath()));

        SetChecked(main, IDC_CKFREEPLAY, true);
        SetChecked(main, IDC_CKLOGMESSAGES, true);
        SetChecked(main, IDC_OPRESOLUTION1, true);
        SetChecked(main, IDC_OPRESOLUTION0, false);
        Type(main, IDC_TXTRES_WIDTH, "1024");
        Type(main, IDC_TXTRES_HEIGHT, "768");
        SelectComboItem(main, IDC_TXTSCENARIO, 1);
        SelectComboItem(main, IDC_TXTGRAPHICPACK, 1);
        SelectListItem(main, IDC_LSTREFRESH, 2);
        set = ReadValues(main);
        ASSERT_FALSE(set == standard);

        Command(main, IDM_FILE_SAVE);
        ASSERT_EQ(AnswerSaveWindow(*launcher).size(), 1u);
        // All but the active profile's name, which closing writes.
        for (const std::string& line : IniLines(install.ReadSettings()))
            if (line.rfind("LASTACTIVEPROFILE=", 0) != 0) saved.push_back(line);

        Command(main, IDM_PROFILE_LIST_FIRST);
        EXPECT_TRUE(WaitUntil([&] { return ReadValues(main) == standard; })) << ReadValues(main);
        Command(main, IDM_PROFILE_LIST_FIRST + 1);
        EXPECT_TRUE(WaitUntil([&] { return ReadValues(main) == set; })) << ReadValues(main);
        // Profiles only shown have nothing to save: no question, and the active one is remembered.
        Close(main);
        EXPECT_EQ(launcher->AnswerMessageBoxesUntil(IDYES, [&] { return !launcher->Running(); }),
                  std::vector<std::string>{});
        ASSERT_TRUE(launcher->WaitForExit());
    }
    EXPECT_TRUE(InOrder(saved, IniLines(install.ReadSettings()))) << install.ReadSettings();
    EXPECT_EQ(install.Setting("PROFILES", "LASTACTIVEPROFILE"), "profile_Winter, long run");
    EXPECT_EQ(install.Setting("profile_Winter, long run", "DESCRIPTION"), "Harbour in winter");
    auto again = install.StartLauncher();
    HWND main = again->WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return ReadValues(main) == set; })) << ReadValues(main);
    Close(main);
    EXPECT_TRUE(again->WaitForExit());
}

// A new profile left without a game (its prompt cancelled) can be left for another one, and at
// closing it is named while the other profile's change is still saved; the file keeps
// everything else.
TEST(ProfileRoundTrip, AProfileWithoutAGameCostsTheOthersNoChange)
{
    StagedInstall install;
    install.WriteDemoProfileSettings("FREEPLAY=0\r\n; the player's own note\r\n[MYTOOL]\r\nCOLOUR=blue\r\n");
    std::vector<std::string> expected = IniLines(install.ReadSettings());
    for (std::string& line : expected) {
        if (line == "FREEPLAY=0") line = "FREEPLAY=1";
    }
    auto launcher = install.StartLauncher();
    HWND main = launcher->WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    SetChecked(main, IDC_CKFREEPLAY, true);

    Command(main, IDM_PROFILE_NEW);
    HWND edit = launcher->WaitForWindow([](HWND w) { return Control(w, IDC_EP_NAME) != nullptr; });
    ASSERT_NE(edit, nullptr);
    Type(edit, IDC_EP_NAME, "Later");
    Type(edit, IDC_EP_DESCRIPTION, "no game yet");
    Click(edit, IDOK);
    HWND ask = launcher->WaitForWindowTitled(LanguageText("EN", "SELECT_VEKORAFOLDER_DIALOG", "DIALOG_CAPTION"));
    ASSERT_NE(ask, nullptr);
    Click(ask, IDCANCEL);
    EXPECT_TRUE(launcher->AnswerMessageBox(IDOK)) << "the launcher says the game is missing";

    Command(main, IDM_PROFILE_LIST_FIRST);
    // The standard profile shows its ticked free play again, and no message refuses the switch.
    EXPECT_EQ(launcher->AnswerMessageBoxesUntil(IDOK, [&] { return IsChecked(main, IDC_CKFREEPLAY); }),
              std::vector<std::string>{});

    Close(main);
    const std::optional<std::string> named = launcher->AnswerMessageBox(IDOK);
    ASSERT_TRUE(named);
    EXPECT_NE(named->find("'Later'"), std::string::npos) << *named;
    EXPECT_TRUE(launcher->AnswerMessageBox(IDYES));
    EXPECT_EQ(AnswerSaveWindow(*launcher), std::vector<std::string>{"DEFAULT"});
    ASSERT_TRUE(launcher->WaitForExit());
    const std::vector<std::string> after = IniLines(install.ReadSettings());
    EXPECT_TRUE(InOrder(expected, after)) << install.ReadSettings();
    EXPECT_EQ(std::count(after.begin(), after.end(), "[profile_Later]"), 0);
}

// A second launcher runs beside the first on the same file: each keeps its own new profile, and
// neither close loses the other's profile or a line of anyone else's.
TEST(ProfileRoundTrip, TwoLaunchersClosingOneAfterTheOtherKeepBothProfiles)
{
    StagedInstall install;
    install.WriteDemoProfileSettings("; kept by hand\r\n[MYTOOL]\r\nCOLOUR=blue\r\n");
    auto first = install.StartLauncher();
    HWND firstMain = first->WaitForMainWindow();
    ASSERT_NE(firstMain, nullptr);
    auto second = install.StartLauncher();
    HWND secondMain = second->WaitForMainWindow();
    ASSERT_NE(secondMain, nullptr) << "a second launcher does not start";
    ASSERT_TRUE(NewProfile(*first, firstMain, "North", "first", install.GamePath()));
    ASSERT_TRUE(NewProfile(*second, secondMain, "South", "second", install.GamePath()));
    const std::pair<DrivenProgram*, HWND> both[] = {{first.get(), firstMain}, {second.get(), secondMain}};
    for (auto [launcher, main] : both) {
        Command(main, IDM_FILE_SAVE);
        EXPECT_EQ(AnswerSaveWindow(*launcher).size(), 1u);
    }
    for (auto [launcher, main] : both) {
        Close(main);
        launcher->AnswerMessageBoxesUntilExit(IDNO);
        ASSERT_TRUE(launcher->WaitForExit());
    }
    EXPECT_EQ(install.Setting("profile_North", "DESCRIPTION"), "first");
    EXPECT_EQ(install.Setting("profile_South", "DESCRIPTION"), "second");
    EXPECT_EQ(install.Setting("PROFILES", "LASTACTIVEPROFILE"), "profile_South");
    const std::string text = install.ReadSettings();
    for (const char* line : {"; kept by hand", "[MYTOOL]", "COLOUR=blue", "[PROFILE_DEFAULT]"}) {
        EXPECT_NE(text.find(line), std::string::npos) << "lost: " << line;
    }
}
