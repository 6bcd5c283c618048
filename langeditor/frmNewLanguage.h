// frmNewLanguage: creates a language file with its [FileInfo] values.
#pragma once

#include "base/DialogBase.h"

class frmNewLanguage : public DialogBase {
public:
    frmNewLanguage() : DialogBase("frmNewLanguage") {}
    // The file is created in that directory.
    void InitDialog(const std::string& translationDir);

    // The file created or chosen, "" when the window was cancelled.
    const std::string& LanguageFile() const { return m_languageFile; }
    // The abbreviation named an existing file and the user chose to open it instead.
    bool OpenExisting() const { return m_openExisting; }

protected:
    void OnOk() override { cmdOK_Click(); }
    void OnCancel() override { Command1_Click(); }

private:
    void cmdOK_Click();
    void Command1_Click();
    // Tells the user what a field lacks and puts the focus there; false when it lacks something.
    bool Accepts(int fieldId, const std::string& problem);

    std::string m_translationDir;
    std::string m_languageFile;
    bool m_openExisting = false;
};
