// frmStartingVekora: asks before the game starts and names the parameters it gets; can switch
// itself off for good.
#pragma once

#include "base/DialogBase.h"
#include "controls/HLine.h"
#include "dialogs/frmStartingVekora_res.h"
#include "translation/TextBinding.h"

class Profile;

class frmStartingVekora : public DialogBase {
public:
    frmStartingVekora() : DialogBase("frmStartingVekora") {}
    void InitDialog(const Profile& profile);
    // False only after OK.
    bool Cancel() const { return m_cancel; }
    // The controls whose texts the language file gives as they stand.
    static constexpr TextBinding TEXTS[] = {
        {IDC_SV_CAPTION, "START_VEKORA_DIALOG", "LBL_DIALOG_INFO"},
        {IDC_SV_WARNING, "START_VEKORA_DIALOG", "LBL_WARNING"},
        {IDC_SV_DONTSHOW, "START_VEKORA_DIALOG", "CHK_DONT_SHOW_DIALOG"},
        {IDOK, "GLOBAL", "BTN_OK"},
        {IDCANCEL, "GLOBAL", "BTN_CANCEL"},
    };

protected:
    void OnInit() override;
    void OnOk() override { cmdOk_Click(); }
    void OnCancel() override { cmdCancel_Click(); }

private:
    void FitInfoLabel();
    void TranslateDialog() const;
    static std::string TranslateDialogItem(const std::string& id, const std::string& p1 = "");
    void cmdOk_Click();
    void cmdCancel_Click();

    HLine m_hLine1;
    bool m_cancel = true;
};
