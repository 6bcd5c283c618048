// frmLoadProfile: picks the profile to work with when the remembered one does not exist.
#pragma once

#include <memory>

#include "base/DialogBase.h"
#include "dialogs/ucProfiles.h"

class Profile;

class frmLoadProfile : public DialogBase {
public:
    frmLoadProfile() : DialogBase("frmLoadProfile") {}
    void InitDialog();
    // False only after OK.
    bool Cancel() const { return m_cancel; }
    // The profile of the current row; nothing without one.
    std::shared_ptr<Profile> SelectedProfile() const;

    ucProfiles& ucProfiles1() { return m_ucProfiles1; }

protected:
    void OnInit() override;
    void OnCommand(int id, int code, HWND control) override;
    void OnOk() override { cmdOk_Click(); }
    void OnCancel() override { cmdCancel_Click(); }

private:
    void cmdOk_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();

    ucProfiles m_ucProfiles1;
    bool m_cancel = true;
};
