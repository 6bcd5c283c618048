// ucProfiles: the list of launch profiles (internal name as the row's key, caption and
// description as columns) in a report-view list view that fills the control.
#pragma once

#include <windows.h>
#include <memory>
#include <string>
#include <vector>

#include "base/BaseWindow.h"

class Profile;

class ucProfiles : public BaseWindow<ucProfiles> {
public:
    static constexpr int LISTVIEW_ID = 3901;

    static const char* ClassName() { return "VekolaunchProfileList"; }

    // WS_EX_CONTROLPARENT lets the dialog's keyboard handling reach the list inside.
    bool Create(HWND parent, int id, const RECT& rect)
    {
        return BaseWindow::Create(parent, id, rect, WS_CHILD | WS_VISIBLE, WS_EX_CONTROLPARENT);
    }

    // Sets the list up and fills it with all profiles, or only the changed ones. Once per control.
    void InitControl(bool blnOnlyModifiedProfiles);
    // The same with the profiles given, in their order.
    void InitControl(const std::vector<std::shared_ptr<Profile>>& profiles);
    // The profile of the current (focused) row; nothing without one.
    std::shared_ptr<Profile> SelectedProfile() const;
    void SetMultiSelect(bool blnMultiSelect);
    // The key of every selected row followed by ";", in row order; "" without a selection.
    std::string GetSelectedItems() const;
    void SelectAllProfiles();

    HWND ListView1() const { return m_listView; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void FillProfileList(const std::vector<std::shared_ptr<Profile>>& profiles);
    void AddRow(const Profile& profile);
    void UserControl_Resize();
    void OnCreate();

    HWND m_listView = nullptr;
    std::vector<std::string> m_keys; // row i's key; the list never sorts
};
