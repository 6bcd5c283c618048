// frmNewLanguage: creates a language file with its [FileInfo] values.
#pragma once

#include "base/DialogBase.h"

class frmNewLanguage : public DialogBase {
public:
    frmNewLanguage() : DialogBase("frmNewLanguage") {}
    // The file is created in that directory.
    void InitDialog(const std::string& translationDir);

protected:
    void OnOk() override { cmdOK_Click(); }
    void OnCancel() override { Command1_Click(); }

private:
    void cmdOK_Click();
    void Command1_Click();

    std::string m_translationDir;
};
