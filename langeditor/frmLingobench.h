// frmLingobench: Lingobench's main window, the list of language files and the actions on it.
#pragma once

#include "base/DialogBase.h"

class frmLingobench : public DialogBase {
public:
    frmLingobench();
    // Checks the program's place (programDir, exeTitle: its file name without extension) and
    // lists the language files; false, after telling the user, when it is misplaced.
    bool InitDialog(const std::string& programDir, const std::string& exeTitle);

    const std::string& TranslationDir() const { return m_translationDir; }

protected:
    void OnCommand(int id, int code, HWND control) override;
    void OnOk() override {}
    // Escape does not end the program; the title bar's close and File > Quit do.
    void OnCancel() override {}
    void OnClose() override { mnuFile_Quit_Click(); }
    void OnDestroy() override { PostQuitMessage(0); }

private:
    // Lists the language files and selects the one of that name (any case), else the first.
    void FillLanguageList(const std::string& selectName = "");
    // The selected list entry, "" without one.
    std::string SelectedEntry() const;
    void cmdEdit_Click();
    void EditLanguageFile(const std::string& fileName);
    void cmdNew_Click();
    void cmdUpload_Click();
    void Command1_Click();
    void mnuHelp_Info_Click();
    void mnuFile_Quit_Click();

    std::string m_translationDir;
};
