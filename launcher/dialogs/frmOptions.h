// frmOptions: the program options that belong to no profile (text editor, start confirmation).
#pragma once

#include <string>

#include "base/DialogBase.h"
#include "controls/HLine.h"
#include "controls/ucPath.h"
#include "dialogs/frmOptions_res.h"
#include "translation/TextBinding.h"

class frmOptions : public DialogBase {
public:
    frmOptions() : DialogBase("frmOptions") {}
    // Fills the controls from the application's options.
    void InitDialog();

    ucPath& EditorPathField() { return m_txtEditorPath; }
    // The controls whose texts the language file gives as they stand.
    static constexpr TextBinding TEXTS[] = {
        {IDC_OPTIONS_CKSAFETYPROMPT, "OPTIONS_DIALOG", "CHK_SHOW_STARTVEKORADIALOG"},
        {IDC_OPTIONS_CKCHECKFORUPDATES, "OPTIONS_DIALOG", "CHK_CHECK_FOR_UPDATES"},
        {IDOK, "GLOBAL", "BTN_OK"},
        {IDCANCEL, "GLOBAL", "BTN_CANCEL"},
    };

protected:
    void OnInit() override;
    void OnCommand(int id, int code, HWND control) override;
    void OnOk() override { cmdOk_Click(); }
    void OnCancel() override { cmdCancel_Click(); }

private:
    void TranslateDialog();
    static std::string TranslateDialogItem(const std::string& id);
    void SaveSettings();
    void cmdEditorPath_Click();
    void cmdOk_Click();
    void cmdCancel_Click();

    ucPath m_txtEditorPath;
    HLine m_HLine1;
};
