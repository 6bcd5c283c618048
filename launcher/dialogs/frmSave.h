// frmSave: asks which of the changed profiles are written to the settings file.
#pragma once

#include "base/DialogBase.h"
#include "dialogs/frmSave_res.h"
#include "dialogs/ucProfiles.h"
#include "translation/TextBinding.h"

class frmSave : public DialogBase {
public:
    frmSave() : DialogBase("frmSave") {}
    // Lists the profiles offered, all selected.
    void InitDialog(const std::vector<std::shared_ptr<Profile>>& offered);

    ucProfiles& ucProfiles1() { return m_ucProfiles1; }
    // The controls whose texts the language file gives as they stand.
    static constexpr TextBinding TEXTS[] = {
        {IDC_SAVE_LISTTITLE, "SAVE_DIALOG", "LBL_LIST_TITLE"},
        {IDC_SAVE_INFO, "SAVE_DIALOG", "LBL_LIST_INFO"},
        {IDOK, "GLOBAL", "BTN_YES"},
        {IDCANCEL, "GLOBAL", "BTN_NO"},
    };

protected:
    void OnInit() override;
    // Yes and No are the window's OK and Cancel.
    void OnOk() override { Command1_Click(); }
    void OnCancel() override { Command2_Click(); }

private:
    void TranslateDialog() const;
    static std::string TranslateDialogItem(const std::string& id);
    void Command1_Click();
    void Command2_Click();

    ucProfiles m_ucProfiles1;
};
