// frmSave: asks which of the changed profiles are written to the settings file.
#pragma once

#include "base/DialogBase.h"
#include "dialogs/ucProfiles.h"
#include "translation/TextBinding.h"

class frmSave : public DialogBase {
public:
    frmSave() : DialogBase("frmSave") {}
    void InitDialog();

    ucProfiles& ucProfiles1() { return m_ucProfiles1; }
    // The controls whose texts the language file gives as they stand.
    static std::span<const TextBinding> TextBindings();

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
