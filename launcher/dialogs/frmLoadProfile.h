// frmLoadProfile: picks the profile to work with when the remembered one does not exist.
#pragma once

#include <memory>

#include "base/DialogBase.h"
#include "dialogs/frmLoadProfile_res.h"
#include "dialogs/ucProfiles.h"
#include "translation/TextBinding.h"

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
    // The controls whose texts the language file gives as they stand (OK reads the same in
    // every language the launcher has).
    static constexpr TextBinding TEXTS[] = {
        {IDC_LP_LABEL1, "LOAD_PROFILE_DIALOG", "LBL_SELECT_PROFILE", "Please select a profile"},
        {IDC_LP_HELP, "LOAD_PROFILE_DIALOG", "BTN_HELP", "&Help"},
        {IDCANCEL, "GLOBAL", "BTN_CANCEL"},
    };
    // The window's title and texts of its own.
    static std::string TranslateDialogItem(const std::string& id, const std::string& english);

protected:
    void OnInit() override;
    void OnCommand(int id, int code, HWND control) override;
    void OnOk() override { cmdOk_Click(); }
    void OnCancel() override { cmdCancel_Click(); }

private:
    void TranslateDialog() const;
    void cmdOk_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();

    ucProfiles m_ucProfiles1;
    bool m_cancel = true;
};
