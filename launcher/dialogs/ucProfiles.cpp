// The profile list control.
#include "dialogs/ucProfiles.h"

#include <commctrl.h>

#include "base/ControlHost.h"
#include "base/mError.h"
#include "core/Application.h"
#include "profiles/Profile.h"
#include "translation/cTranslate.h"

LRESULT ucProfiles::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_SIZE: UserControl_Resize(); return 0;
    case WM_SETFOCUS: if (m_listView) SetFocus(m_listView); return 0;
    default: return DefaultProc(msg, wParam, lParam);
    }
}

void ucProfiles::OnCreate()
{
    RECT client;
    GetClientRect(m_hwnd, &client);
    m_listView = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL,
                                 0, 0, client.right, client.bottom, m_hwnd,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(LISTVIEW_ID)), GetModuleHandleA(nullptr),
                                 nullptr);
    SendMessageA(m_listView, WM_SETFONT, reinterpret_cast<WPARAM>(WindowFont(GetParent(m_hwnd))), FALSE);
    SendMessageA(m_listView, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
}

void ucProfiles::UserControl_Resize()
{
    ShowErrors("ucProfiles.UserControl_Resize", [&] {
        RECT client;
        GetClientRect(m_hwnd, &client);
        MoveWindow(m_listView, 0, 0, client.right, client.bottom, TRUE);
    });
}

void ucProfiles::InitControl(bool blnOnlyModifiedProfiles)
{
    PassErrors("ucProfiles.InitControl", [&] {
        std::vector<std::shared_ptr<Profile>> profiles;
        for (const auto& profile : g_cApp->Profiles()) {
            if (!blnOnlyModifiedProfiles || profile->DataChanged()) profiles.push_back(profile);
        }
        FillProfileList(profiles);
    });
}

void ucProfiles::InitControl(const std::vector<std::shared_ptr<Profile>>& profiles)
{
    PassErrors("ucProfiles.InitControl", [&] { FillProfileList(profiles); });
}

void ucProfiles::FillProfileList(const std::vector<std::shared_ptr<Profile>>& profiles)
{
    PassErrors("ucProfiles.FillProfileList", [&] {
        SendMessageA(m_listView, LVM_DELETEALLITEMS, 0, 0);
        m_keys.clear();
        // The caption column takes a third of the width, the description the rest.
        RECT client;
        GetClientRect(m_listView, &client);
        const int width = client.right - GetSystemMetrics(SM_CXVSCROLL);
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = width / 3;
        std::string caption = g_cTranslate->TranslateWithFallback("GLOBAL", "LST_COLUMN_PROFILE", "Profile");
        column.pszText = caption.data();
        SendMessageA(m_listView, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
        column.cx = width - width / 3;
        caption = g_cTranslate->TranslateWithFallback("GLOBAL", "LST_COLUMN_DESCRIPTION", "Description");
        column.pszText = caption.data();
        SendMessageA(m_listView, LVM_INSERTCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
        for (const auto& profile : profiles) AddRow(*profile);
        // The first row is current, so that OK right away picks a profile.
        if (!m_keys.empty()) {
            LVITEMA state = {};
            state.stateMask = state.state = LVIS_FOCUSED | LVIS_SELECTED;
            SendMessageA(m_listView, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
        }
    });
}

void ucProfiles::AddRow(const Profile& profile)
{
    const std::string caption = profile.ProfileCaption();
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(m_keys.size());
    item.pszText = const_cast<char*>(caption.c_str());
    const int row = static_cast<int>(SendMessageA(m_listView, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0) RaiseRuntimeError(RTE_OUT_OF_MEMORY);
    m_keys.push_back(profile.ProfileName());
    LVITEMA sub = {};
    sub.iSubItem = 1;
    sub.pszText = const_cast<char*>(profile.ProfileDescription().c_str());
    SendMessageA(m_listView, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&sub));
}

std::shared_ptr<Profile> ucProfiles::SelectedProfile() const
{
    return PassErrors("ucProfiles.SelectedProfile", [&]() -> std::shared_ptr<Profile> {
        const int row =
            static_cast<int>(SendMessageA(m_listView, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
        if (row < 0 || row >= static_cast<int>(m_keys.size()) || m_keys[row].empty()) return nullptr;
        return g_cApp->Profiles().Item(m_keys[row]);
    });
}

void ucProfiles::SetMultiSelect(bool blnMultiSelect)
{
    PassErrors("ucProfiles.MultiSelect", [&] {
        LONG_PTR style = GetWindowLongPtrA(m_listView, GWL_STYLE);
        style = blnMultiSelect ? (style & ~LVS_SINGLESEL) : (style | LVS_SINGLESEL);
        SetWindowLongPtrA(m_listView, GWL_STYLE, style);
    });
}

std::string ucProfiles::GetSelectedItems() const
{
    return PassErrors("ucProfiles.GetSelectedItems", [&] {
        std::string list;
        for (int row = 0; row < static_cast<int>(m_keys.size()); ++row) {
            if (SendMessageA(m_listView, LVM_GETITEMSTATE, row, LVIS_SELECTED) & LVIS_SELECTED) {
                list += m_keys[row] + ";";
            }
        }
        return list;
    });
}

void ucProfiles::SelectAllProfiles()
{
    PassErrors("ucProfiles.SelectAllProfiles", [&] {
        LVITEMA state = {};
        state.stateMask = state.state = LVIS_SELECTED;
        // Row -1 means every row.
        SendMessageA(m_listView, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    });
}
