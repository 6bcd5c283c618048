// The profile list control: rows, keys, selection list and the current profile.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "core/Application.h"
#include "dialogs/ucProfiles.h"
#include "support/TestEnvironment.h"

namespace {
std::string CellText(HWND list, int row, int column)
{
    char buffer[260] = {};
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = sizeof(buffer);
    SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return buffer;
}

void SetSelected(HWND list, int row, bool selected)
{
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED;
    state.state = selected ? LVIS_SELECTED : 0;
    SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
}
} // namespace

class ProfileList : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        RECT rect = {10, 10, 410, 210};
        m_host = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 500, 300, nullptr, nullptr, nullptr, nullptr);
        ASSERT_TRUE(m_control.Create(m_host, 77, rect));
    }
    void TearDown() override
    {
        DestroyWindow(m_host);
        AppFixture::TearDown();
    }

    void AddProfile(const std::string& name, const std::string& description, bool changed)
    {
        auto p = g_cApp->Profiles().Add(name, name);
        p->SetProfileName(name);
        p->SetProfileDescription(description);
        p->SetDataChanged(changed);
    }
    HWND List() const { return m_control.ListView1(); }
    int Rows() const { return static_cast<int>(SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0)); }

    HWND m_host = nullptr;
    ucProfiles m_control;
};

TEST_F(ProfileList, RowsShowCaptionAndDescriptionInCollectionOrder)
{
    AddProfile("profile_Zeta", "last letter", false);
    AddProfile("PROFILE_DEFAULT", "the standard", false);
    AddProfile("odd", "no prefix", false);
    m_control.InitControl(false);
    ASSERT_EQ(Rows(), 3);
    EXPECT_EQ(CellText(List(), 0, 0), "Zeta");
    EXPECT_EQ(CellText(List(), 0, 1), "last letter");
    EXPECT_EQ(CellText(List(), 1, 0), "DEFAULT");
    EXPECT_EQ(CellText(List(), 2, 0), "odd"); // listed under its full name
    EXPECT_TRUE(GetWindowLongPtrA(List(), GWL_STYLE) & LVS_REPORT);
    char header[32] = {};
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT;
    column.pszText = header;
    column.cchTextMax = sizeof(header);
    SendMessageA(List(), LVM_GETCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    EXPECT_STREQ(header, "Profile");
    SendMessageA(List(), LVM_GETCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
    EXPECT_STREQ(header, "Description");
}

TEST_F(ProfileList, OnlyChangedProfilesWhenAsked)
{
    AddProfile("profile_A", "a", false);
    AddProfile("profile_B", "b", true);
    m_control.InitControl(true);
    ASSERT_EQ(Rows(), 1);
    EXPECT_EQ(CellText(List(), 0, 0), "B");
}

TEST_F(ProfileList, SelectionListHoldsTheKeysInRowOrder)
{
    AddProfile("profile_A", "a", true);
    AddProfile("profile_B", "b", true);
    AddProfile("profile_C", "c", true);
    m_control.InitControl(true);
    m_control.SetMultiSelect(true);
    EXPECT_FALSE(GetWindowLongPtrA(List(), GWL_STYLE) & LVS_SINGLESEL);
    m_control.SelectAllProfiles();
    EXPECT_EQ(m_control.GetSelectedItems(), "profile_A;profile_B;profile_C;");
    SetSelected(List(), 1, false);
    EXPECT_EQ(m_control.GetSelectedItems(), "profile_A;profile_C;");
    for (int row = 0; row < 3; ++row) SetSelected(List(), row, false);
    EXPECT_EQ(m_control.GetSelectedItems(), ""); // not ";"
}

TEST_F(ProfileList, CurrentRowGivesTheProfile)
{
    AddProfile("profile_A", "a", false);
    AddProfile("profile_B", "b", false);
    m_control.InitControl(false);
    m_control.SetMultiSelect(false);
    EXPECT_TRUE(GetWindowLongPtrA(List(), GWL_STYLE) & LVS_SINGLESEL);
    // The first row is current right after filling.
    EXPECT_EQ(m_control.SelectedProfile(), g_cApp->Profiles().Item("profile_A"));
    SetFocus(List());
    SendMessageA(List(), WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(List(), WM_KEYUP, VK_DOWN, 0);
    EXPECT_EQ(m_control.SelectedProfile(), g_cApp->Profiles().Item("profile_B"));
    EXPECT_EQ(m_control.GetSelectedItems(), "profile_B;");
}

TEST_F(ProfileList, EmptyListHasNoProfile)
{
    m_control.InitControl(true);
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(m_control.SelectedProfile(), nullptr);
    EXPECT_EQ(m_control.GetSelectedItems(), "");
}

TEST_F(ProfileList, ListFillsTheControl)
{
    MoveWindow(m_control.Hwnd(), 0, 0, 300, 120, TRUE);
    RECT rect;
    GetWindowRect(List(), &rect);
    EXPECT_EQ(rect.right - rect.left, 300);
    EXPECT_EQ(rect.bottom - rect.top, 120);
}
