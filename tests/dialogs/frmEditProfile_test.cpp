// The profile window in both modes: texts, input checks, what OK and Cancel do to the profile.
#include <gtest/gtest.h>

#include "core/Application.h"
#include "dialogs/frmEditProfile.h"
#include "dialogs/frmEditProfile_res.h"
#include "profiles/Profile.h"
#include "support/BoundTexts.h"
#include "support/TestEnvironment.h"
#include "translation/cTranslate.h"

class EditProfileWindow : public AppFixture {
protected:
    void Open(int16_t mode)
    {
        m_dialog.Load();
        m_dialog.InitDialog(mode, m_profile);
    }
    HWND Dialog() const { return m_dialog.Hwnd(); }
    void Type(int id, const std::string& text) const { SetDlgItemTextA(Dialog(), id, text.c_str()); }
    static std::string Text(const char* id) { return g_cTranslate->TranslateEx("EDIT_PROFILE_DIALOG", id); }

    Profile m_profile;
    frmEditProfile m_dialog;
};

TEST_F(EditProfileWindow, NewModeInEnglishAndGerman)
{
    std::vector<std::string> captions;
    for (const char* language : {"EN", "DE"}) {
        g_cApp->Options().SetLanguage(language);
        frmEditProfile dialog;
        dialog.Load();
        dialog.InitDialog(frmEditProfile::MODE_NEW, m_profile);
        HWND hwnd = dialog.Hwnd();
        captions.push_back(WindowText(hwnd));
        EXPECT_EQ(WindowText(hwnd), Text("DIALOG_CAPTION1"));
        ExpectBoundTexts(frmEditProfile::TEXTS, g_cApp->GetLanguageFile(language),
                         [&](int id) { return ItemText(hwnd, id); });
        EXPECT_EQ(ItemText(hwnd, IDC_EP_NAME), "");
        EXPECT_EQ(ItemText(hwnd, IDC_EP_DESCRIPTION), "");
        EXPECT_FALSE(GetWindowLongPtrA(GetDlgItem(hwnd, IDC_EP_NAME), GWL_STYLE) & ES_READONLY);
        EXPECT_EQ(WindowText(hwnd).find(NO_TEXT_AVAILABLE), std::string::npos);
    }
    EXPECT_NE(captions[0], captions[1]);
}

TEST_F(EditProfileWindow, NewModeOkNamesAndDescribesTheProfile)
{
    Open(frmEditProfile::MODE_NEW);
    EXPECT_TRUE(m_dialog.Cancel());
    Type(IDC_EP_NAME, "Winter");
    Type(IDC_EP_DESCRIPTION, "Snow & ice");
    ClickButton(Dialog(), IDOK);
    EXPECT_FALSE(m_dialog.Cancel());
    EXPECT_EQ(m_profile.ProfileName(), "profile_Winter");
    EXPECT_EQ(m_profile.ProfileCaption(), "Winter");
    EXPECT_EQ(m_profile.ProfileDescription(), "Snow & ice");
    EXPECT_TRUE(m_sys->MessageBoxes.empty());
}

TEST_F(EditProfileWindow, BothFieldsEmptyReportsOnlyTheName)
{
    Open(frmEditProfile::MODE_NEW);
    ClickButton(Dialog(), IDOK);
    ASSERT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_EQ(m_sys->MessageBoxes[0].Text, Text("MSG_PROFILE_NAME_MISSED"));
    EXPECT_EQ(m_sys->MessageBoxes[0].Type, static_cast<UINT>(MB_OK));
    EXPECT_TRUE(m_dialog.Cancel());
    EXPECT_TRUE(IsWindow(Dialog())); // stays open
    Type(IDC_EP_NAME, "Winter");
    ClickButton(Dialog(), IDOK);
    ASSERT_EQ(m_sys->MessageBoxes.size(), 2u);
    EXPECT_EQ(m_sys->MessageBoxes[1].Text, Text("MSG_PROFILE_DESCRIPTION_MISSED"));
    EXPECT_EQ(m_profile.ProfileName(), ""); // nothing taken
}

TEST_F(EditProfileWindow, NamesThatCannotBeSavedAndLoadedAreRefused)
{
    Open(frmEditProfile::MODE_NEW);
    Type(IDC_EP_DESCRIPTION, "d");
    for (const char* name : {"a;b", "[x", "x]", "   "}) {
        m_sys->MessageBoxes.clear();
        Type(IDC_EP_NAME, name);
        ClickButton(Dialog(), IDOK);
        ASSERT_EQ(m_sys->MessageBoxes.size(), 1u) << name;
        EXPECT_EQ(m_sys->MessageBoxes[0].Text,
                  g_cTranslate->TranslateEx("ERROR_MESSAGES", "ERR_ProfileNameInvalid", name));
        EXPECT_NE(m_sys->MessageBoxes[0].Text.find(name), std::string::npos);
        EXPECT_TRUE(m_dialog.Cancel());
        EXPECT_EQ(m_profile.ProfileName(), "");
    }
    EXPECT_EQ(g_cTranslate->TranslateEx("ERROR_MESSAGES", "ERR_ProfileNameInvalid").find(NO_TEXT_AVAILABLE),
              std::string::npos);
    Type(IDC_EP_NAME, "a,b = c");
    ClickButton(Dialog(), IDOK);
    EXPECT_FALSE(m_dialog.Cancel());
    EXPECT_EQ(m_profile.ProfileName(), "profile_a,b = c");
}

TEST_F(EditProfileWindow, EditModeShowsTheProfileAndLocksTheName)
{
    m_profile.SetProfileName("PROFILE_DEFAULT");
    m_profile.SetProfileDescription("The standard");
    m_profile.SetDataChanged(false);
    Open(frmEditProfile::MODE_EDIT);
    EXPECT_EQ(WindowText(Dialog()), Text("DIALOG_CAPTION2"));
    EXPECT_EQ(ItemText(Dialog(), IDC_EP_NAME), "DEFAULT");
    EXPECT_EQ(ItemText(Dialog(), IDC_EP_DESCRIPTION), "The standard");
    EXPECT_TRUE(GetWindowLongPtrA(GetDlgItem(Dialog(), IDC_EP_NAME), GWL_STYLE) & ES_READONLY);
    Type(IDC_EP_DESCRIPTION, "");
    ClickButton(Dialog(), IDOK);
    ASSERT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_EQ(m_sys->MessageBoxes[0].Text, Text("MSG_PROFILE_DESCRIPTION_MISSED"));
    EXPECT_TRUE(m_dialog.Cancel());
    Type(IDC_EP_DESCRIPTION, "Mine now");
    ClickButton(Dialog(), IDOK);
    EXPECT_FALSE(m_dialog.Cancel());
    EXPECT_EQ(m_profile.ProfileName(), "PROFILE_DEFAULT"); // unchanged, in its own spelling
    EXPECT_EQ(m_profile.ProfileDescription(), "Mine now");
    EXPECT_TRUE(m_profile.DataChanged());
}

TEST_F(EditProfileWindow, AnyOtherModeIsEditMode)
{
    m_profile.SetProfileName("profile_X");
    Open(7);
    EXPECT_EQ(WindowText(Dialog()), Text("DIALOG_CAPTION2"));
    EXPECT_EQ(ItemText(Dialog(), IDC_EP_NAME), "X");
}

TEST_F(EditProfileWindow, CancelAndTitleBarCloseLeaveTheProfileAlone)
{
    m_profile.SetProfileName("profile_X");
    m_profile.SetProfileDescription("old");
    bool shown = WhileModal([&] {
        Open(frmEditProfile::MODE_EDIT);
        m_dialog.ShowModal();
    }, [&](HWND dialog) {
        EXPECT_EQ(FocusIn(dialog), GetDlgItem(dialog, IDC_EP_DESCRIPTION)); // the field that can change
        SetDlgItemTextA(dialog, IDC_EP_DESCRIPTION, "new");
        ClickButton(dialog, IDCANCEL);
    });
    EXPECT_TRUE(shown);
    EXPECT_TRUE(m_dialog.Cancel());
    EXPECT_FALSE(IsWindowVisible(Dialog()));
    EXPECT_EQ(m_profile.ProfileDescription(), "old");

    frmEditProfile second;
    shown = WhileModal([&] {
        second.Load();
        second.InitDialog(frmEditProfile::MODE_NEW, m_profile);
        second.ShowModal();
    }, [](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_EP_NAME, "N");
        SetDlgItemTextA(dialog, IDC_EP_DESCRIPTION, "D");
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    });
    EXPECT_TRUE(shown);
    EXPECT_TRUE(second.Cancel());
    EXPECT_EQ(m_profile.ProfileName(), "profile_X");
}

TEST(ProfileNameRule, WhatSurvivesTheSettingsFile)
{
    EXPECT_TRUE(frmEditProfile::IsValidProfileName("Winter"));
    EXPECT_TRUE(frmEditProfile::IsValidProfileName(" a b "));
    EXPECT_TRUE(frmEditProfile::IsValidProfileName("a,b=c"));
    EXPECT_FALSE(frmEditProfile::IsValidProfileName(""));
    EXPECT_FALSE(frmEditProfile::IsValidProfileName(" \t "));
    EXPECT_FALSE(frmEditProfile::IsValidProfileName("a;b"));
    EXPECT_FALSE(frmEditProfile::IsValidProfileName("[a"));
    EXPECT_FALSE(frmEditProfile::IsValidProfileName("a]"));
    EXPECT_EQ(frmEditProfile::TakenName(" a b \t "), " a b");
}

TEST_F(EditProfileWindow, EnterTakesTheInputEscapeCancels)
{
    bool shown = WhileModal([&] {
        Open(frmEditProfile::MODE_NEW);
        m_dialog.ShowModal();
    }, [](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_EP_NAME, "Keys");
        SetDlgItemTextA(dialog, IDC_EP_DESCRIPTION, "typed");
        PostMessageA(GetDlgItem(dialog, IDC_EP_DESCRIPTION), WM_KEYDOWN, VK_RETURN, 0);
    });
    EXPECT_TRUE(shown);
    EXPECT_FALSE(m_dialog.Cancel());
    EXPECT_EQ(m_profile.ProfileName(), "profile_Keys");

    frmEditProfile second;
    shown = WhileModal([&] {
        second.Load();
        second.InitDialog(frmEditProfile::MODE_EDIT, m_profile);
        second.ShowModal();
    }, [](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_EP_DESCRIPTION, "changed");
        PostMessageA(GetDlgItem(dialog, IDC_EP_DESCRIPTION), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_TRUE(shown);
    EXPECT_TRUE(second.Cancel());
    EXPECT_EQ(m_profile.ProfileDescription(), "typed");
}

TEST_F(EditProfileWindow, AccessKeysOfTheLabelsLeadToTheirFields)
{
    Open(frmEditProfile::MODE_NEW);
    // The dialog manager moves an access key of a label on to the next tab stop.
    EXPECT_EQ(GetNextDlgTabItem(Dialog(), GetDlgItem(Dialog(), IDC_EP_LBLNAME), FALSE),
              GetDlgItem(Dialog(), IDC_EP_NAME));
    EXPECT_EQ(GetNextDlgTabItem(Dialog(), GetDlgItem(Dialog(), IDC_EP_LBLDESC), FALSE),
              GetDlgItem(Dialog(), IDC_EP_DESCRIPTION));
}

// After a message the next keystrokes land in the field it is about, with the input kept.
TEST_F(EditProfileWindow, AfterAMessageTheFocusIsOnTheFieldItIsAbout)
{
    const struct {
        const char* Name;
        const char* Description;
        int Field;
    } cases[] = {{"Winter", "", IDC_EP_DESCRIPTION}, {"", "Snow", IDC_EP_NAME}, {"a;b", "Snow", IDC_EP_NAME}};
    for (const auto& c : cases) {
        frmEditProfile dialog;
        const bool shown = WhileModal([&] {
            dialog.Load();
            dialog.InitDialog(frmEditProfile::MODE_NEW, m_profile);
            dialog.ShowModal();
        }, [&](HWND hwnd) {
            SetDlgItemTextA(hwnd, IDC_EP_NAME, c.Name);
            SetDlgItemTextA(hwnd, IDC_EP_DESCRIPTION, c.Description);
            SendMessageA(hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(hwnd, IDOK)), TRUE);
            ClickButton(hwnd, IDOK);
            EXPECT_TRUE(IsWindowVisible(hwnd)) << c.Name;
            EXPECT_EQ(GetFocus(), GetDlgItem(hwnd, c.Field)) << c.Name;
            EXPECT_EQ(ItemText(hwnd, IDC_EP_NAME), c.Name);
            EXPECT_EQ(ItemText(hwnd, IDC_EP_DESCRIPTION), c.Description);
            ClickButton(hwnd, IDCANCEL);
        });
        EXPECT_TRUE(shown);
    }
}

// Rename asks only for the name: the description is shown, locked, and the profile itself is
// left alone (the collection renames it); a duplicate's copy is named and described.
TEST_F(EditProfileWindow, RenameGivesTheNewNameAndDuplicateNamesTheCopy)
{
    m_profile.SetProfileName("profile_Winter");
    m_profile.SetProfileDescription("Snow");
    Open(frmEditProfile::MODE_RENAME);
    EXPECT_EQ(WindowText(Dialog()), Text("DIALOG_CAPTION4"));
    EXPECT_EQ(ItemText(Dialog(), IDC_EP_NAME), "Winter");
    EXPECT_TRUE(GetWindowLongPtrA(GetDlgItem(Dialog(), IDC_EP_DESCRIPTION), GWL_STYLE) & ES_READONLY);
    Type(IDC_EP_NAME, "Frost ");
    ClickButton(Dialog(), IDOK);
    EXPECT_FALSE(m_dialog.Cancel());
    EXPECT_EQ(m_dialog.NewProfileName(), "profile_Frost");
    EXPECT_EQ(m_profile.ProfileName(), "profile_Winter");

    frmEditProfile duplicate;
    duplicate.Load();
    duplicate.InitDialog(frmEditProfile::MODE_DUPLICATE, m_profile);
    EXPECT_EQ(WindowText(duplicate.Hwnd()), Text("DIALOG_CAPTION3"));
    EXPECT_EQ(ItemText(duplicate.Hwnd(), IDC_EP_DESCRIPTION), "Snow");
    SetDlgItemTextA(duplicate.Hwnd(), IDC_EP_NAME, "Winter 2");
    ClickButton(duplicate.Hwnd(), IDOK);
    EXPECT_EQ(m_profile.ProfileName(), "profile_Winter 2");
    EXPECT_TRUE(m_sys->MessageBoxes.empty());
}
