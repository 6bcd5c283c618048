// The save window: which profiles it lists and selects, and what Yes and No write.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "base/mIni.h"
#include "core/Application.h"
#include "dialogs/frmSave.h"
#include "dialogs/frmSave_res.h"
#include "support/BoundTexts.h"
#include "support/TestEnvironment.h"
#include "translation/cTranslate.h"

class SaveWindow : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        WriteIni("[profile_A]\r\nDESCRIPTION=a\r\n[profile_B]\r\nDESCRIPTION=b\r\n[profile_C]\r\nDESCRIPTION=c\r\n"
                 "[PROFILES]\r\nLASTACTIVEPROFILE=profile_A\r\n");
        ASSERT_TRUE(g_cApp->LoadData());
    }
    std::shared_ptr<Profile> Item(const char* name) { return g_cApp->Profiles().Item(name); }
    static HWND List(HWND dialog) { return GetDlgItem(GetDlgItem(dialog, IDC_SAVE_PROFILES), ucProfiles::LISTVIEW_ID); }
    static std::string Text(const char* id) { return g_cTranslate->TranslateEx("SAVE_DIALOG", id); }

    // The changed profiles, as the main window offers them.
    static std::vector<std::shared_ptr<Profile>> Changed()
    {
        std::vector<std::shared_ptr<Profile>> changed;
        for (const auto& profile : g_cApp->Profiles())
            if (profile->DataChanged()) changed.push_back(profile);
        return changed;
    }
    // Opens the window the way the application does and hands it to answer.
    bool RunSave(const std::function<void(HWND)>& answer)
    {
        return WhileModal([] { g_cApp->SaveData(nullptr, Changed()); }, answer);
    }
};

TEST_F(SaveWindow, TextsInEnglishAndGerman)
{
    std::vector<std::string> captions;
    for (const char* language : {"EN", "DE"}) {
        g_cApp->Options().SetLanguage(language);
        frmSave dialog;
        dialog.Load();
        dialog.InitDialog(Changed());
        HWND hwnd = dialog.Hwnd();
        captions.push_back(WindowText(hwnd));
        EXPECT_EQ(WindowText(hwnd), Text("DIALOG_CAPTION"));
        ExpectBoundTexts(frmSave::TEXTS, g_cApp->GetLanguageFile(language),
                         [&](int id) { return ItemText(hwnd, id); });
    }
    EXPECT_NE(captions[0], captions[1]);
}

TEST_F(SaveWindow, ListsTheOfferedProfilesAllSelected)
{
    Item("profile_A")->SetProfileDescription("a2");
    Item("profile_C")->SetProfileDescription("c2");
    frmSave dialog;
    dialog.Load();
    dialog.InitDialog(Changed());
    EXPECT_EQ(SendMessageA(List(dialog.Hwnd()), LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(dialog.ucProfiles1().GetSelectedItems(), "profile_A;profile_C;");
}

TEST_F(SaveWindow, YesWritesOnlyTheSelectedProfiles)
{
    Item("profile_A")->SetProfileDescription("a2");
    Item("profile_C")->SetProfileDescription("c2");
    EXPECT_TRUE(RunSave([](HWND dialog) {
        LVITEMA state = {};
        state.stateMask = LVIS_SELECTED;
        SendMessageA(List(dialog), LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state)); // deselect C
        ClickButton(dialog, IDOK);
    }));
    EXPECT_EQ(ReadFromIni(IniPath(), "profile_A", "DESCRIPTION", ""), "a2");
    EXPECT_EQ(ReadFromIni(IniPath(), "profile_C", "DESCRIPTION", ""), "c");
    EXPECT_FALSE(Item("profile_A")->DataChanged());
    EXPECT_TRUE(Item("profile_C")->DataChanged());
}

TEST_F(SaveWindow, NoAndTitleBarCloseWriteNothing)
{
    Item("profile_B")->SetProfileDescription("b2");
    const std::string before = ReadIni();
    EXPECT_TRUE(RunSave([](HWND dialog) { ClickButton(dialog, IDCANCEL); }));
    EXPECT_TRUE(RunSave([](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); }));
    EXPECT_EQ(ReadIni(), before);
    EXPECT_TRUE(Item("profile_B")->DataChanged());
}

TEST_F(SaveWindow, EscapeWritesNothingEnterSaves)
{
    Item("profile_B")->SetProfileDescription("b2");
    const std::string before = ReadIni();
    EXPECT_TRUE(RunSave([](HWND dialog) { PostMessageA(List(dialog), WM_KEYDOWN, VK_ESCAPE, 0); }));
    EXPECT_EQ(ReadIni(), before);
    EXPECT_TRUE(RunSave([](HWND dialog) {
        PostMessageA(List(dialog), WM_KEYDOWN, VK_RETURN, 0); // Yes is the default button
    }));
    EXPECT_EQ(ReadFromIni(IniPath(), "profile_B", "DESCRIPTION", ""), "b2");
}

TEST_F(SaveWindow, AccessKeyOfTheTitleLeadsToTheList)
{
    frmSave dialog;
    dialog.Load();
    dialog.InitDialog(Changed());
    HWND hwnd = dialog.Hwnd();
    // The dialog manager moves an access key of a label on to the next tab stop.
    EXPECT_EQ(GetNextDlgTabItem(hwnd, GetDlgItem(hwnd, IDC_SAVE_LISTTITLE), FALSE), List(hwnd));
    EXPECT_EQ(GetNextDlgTabItem(hwnd, nullptr, FALSE), List(hwnd)); // first tab stop, so it starts with the focus
}
