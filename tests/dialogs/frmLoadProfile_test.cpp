// The load-profile window: its fixed texts, the list of all profiles and what OK, Cancel and
// Help do.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "core/Application.h"
#include "dialogs/frmLoadProfile.h"
#include "dialogs/frmLoadProfile_res.h"
#include "support/BoundTexts.h"
#include "support/TestEnvironment.h"

class LoadProfileWindow : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        for (const char* name : {"profile_A", "profile_B"}) {
            auto p = g_cApp->Profiles().Add(name, name);
            p->SetProfileName(name);
            p->SetDataChanged(false);
        }
        m_dialog.Load();
        m_dialog.InitDialog();
    }
    HWND Dialog() const { return m_dialog.Hwnd(); }
    HWND List() const { return GetDlgItem(GetDlgItem(Dialog(), IDC_LP_PROFILES), ucProfiles::LISTVIEW_ID); }
    void MakeCurrent(int row) const
    {
        LVITEMA state = {};
        state.stateMask = state.state = LVIS_FOCUSED | LVIS_SELECTED;
        SendMessageA(List(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    }

    frmLoadProfile m_dialog;
};

TEST_F(LoadProfileWindow, TextsInEnglishAndGerman)
{
    const struct { const char* Language; const char* Caption; const char* Column; } cases[] = {
        {"EN", "Load Profile", "Profile"}, {"DE", "Profil laden", "Profil"}};
    for (const auto& c : cases) {
        g_cApp->Options().SetLanguage(c.Language);
        frmLoadProfile dialog;
        dialog.Load();
        dialog.InitDialog();
        HWND hwnd = dialog.Hwnd();
        EXPECT_EQ(WindowText(hwnd), c.Caption);
        ExpectBoundTexts(frmLoadProfile::TEXTS, g_cApp->GetLanguageFile(c.Language),
                         [&](int id) { return ItemText(hwnd, id); });
        EXPECT_EQ(ItemText(hwnd, IDOK), "Ok");
        char column[64] = {};
        LVCOLUMNA header = {};
        header.mask = LVCF_TEXT;
        header.pszText = column;
        header.cchTextMax = sizeof(column);
        SendMessageA(GetDlgItem(GetDlgItem(hwnd, IDC_LP_PROFILES), ucProfiles::LISTVIEW_ID), LVM_GETCOLUMNA, 0,
                     reinterpret_cast<LPARAM>(&header));
        EXPECT_STREQ(column, c.Column);
    }
}

TEST_F(LoadProfileWindow, ListsAllProfilesForOneChoice)
{
    EXPECT_EQ(SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_TRUE(GetWindowLongPtrA(List(), GWL_STYLE) & LVS_SINGLESEL);
    EXPECT_TRUE(m_dialog.Cancel());
    EXPECT_EQ(GetNextDlgTabItem(Dialog(), nullptr, FALSE), List()); // first tab stop: starts with the focus
}

TEST_F(LoadProfileWindow, OkGivesTheCurrentProfile)
{
    MakeCurrent(1);
    ClickButton(Dialog(), IDOK);
    EXPECT_FALSE(m_dialog.Cancel());
    EXPECT_EQ(m_dialog.SelectedProfile(), g_cApp->Profiles().Item("profile_B"));
}

TEST_F(LoadProfileWindow, CancelButtonAndTitleBarCloseCancel)
{
    ClickButton(Dialog(), IDCANCEL);
    EXPECT_TRUE(m_dialog.Cancel());
    SendMessageA(Dialog(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(m_dialog.Cancel());
    EXPECT_TRUE(IsWindow(Dialog())); // the caller unloads it
}

TEST_F(LoadProfileWindow, HelpExplainsWhatToDo)
{
    ClickButton(Dialog(), IDC_LP_HELP);
    ASSERT_EQ(m_sys->MessageBoxes.size(), 1u);
    EXPECT_EQ(m_sys->MessageBoxes[0].Text,
              "If you don't know what to do, select the Standard-Profile and then click on the ok-button.");
    EXPECT_EQ(m_sys->MessageBoxes[0].Type, static_cast<UINT>(MB_ICONINFORMATION | MB_OK));
    EXPECT_TRUE(m_dialog.Cancel());
}

TEST_F(LoadProfileWindow, ArrowKeysAndEnterChooseEscapeCancels)
{
    std::shared_ptr<Profile> chosen;
    EXPECT_TRUE(WhileModal([&] { chosen = g_cApp->Profiles().ShowLoadProfileDialog(); }, [](HWND dialog) {
        HWND list = GetDlgItem(GetDlgItem(dialog, IDC_LP_PROFILES), ucProfiles::LISTVIEW_ID);
        PostMessageA(list, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
    }));
    EXPECT_EQ(chosen, g_cApp->Profiles().Item("profile_B"));

    chosen = g_cApp->Profiles().Item("profile_A");
    EXPECT_TRUE(WhileModal([&] { chosen = g_cApp->Profiles().ShowLoadProfileDialog(); },
                           [](HWND dialog) {
                               HWND list = GetDlgItem(GetDlgItem(dialog, IDC_LP_PROFILES), ucProfiles::LISTVIEW_ID);
                               PostMessageA(list, WM_KEYDOWN, VK_ESCAPE, 0);
                           }));
    EXPECT_EQ(chosen, nullptr);
}
