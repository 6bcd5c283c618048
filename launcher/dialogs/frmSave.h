// frmSave: asks which of the changed profiles are written to the settings file.
#pragma once

#include "core/DialogBase.h"
#include "dialogs/ucProfiles.h"

class frmSave : public DialogBase {
public:
    frmSave() : DialogBase("frmSave") {}
    void InitDialog();

    ucProfiles& ucProfiles1() { return m_ucProfiles1; }

protected:
    void OnInit() override;
    void OnCommand(int id, int code, HWND control) override;

private:
    void TranslateDialog() const;
    static std::string TranslateDialogItem(const std::string& id);
    void Command1_Click();
    void Command2_Click();

    ucProfiles m_ucProfiles1;
};
