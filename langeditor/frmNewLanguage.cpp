// The new-language window.
#include "langeditor/frmNewLanguage.h"

#include "base/SystemServices.h"
#include "base/mError.h"
#include "langeditor/NewLanguage.h"
#include "langeditor/frmNewLanguage_res.h"

void frmNewLanguage::InitDialog(const std::string& translationDir)
{
    m_translationDir = translationDir;
}

void frmNewLanguage::cmdOK_Click()
{
    ShowErrors("frmNewLanguage.cmdOK_Click", [&] {
        const std::string abbrev = GetItemText(IDC_NL_ABBREV);
        const std::string problem = AbbrevProblem(abbrev);
        if (!problem.empty()) {
            Sys().MsgBox(Hwnd(), problem, MB_OK | MB_ICONEXCLAMATION);
            SetFocus(Item(IDC_NL_ABBREV));
            return;
        }
        const std::string path = NewLanguageFilePath(m_translationDir, abbrev);
        // A refused write is reported by the error display and keeps the window open.
        CreateLanguageFile(path, GetItemText(IDC_NL_LANGNAME), GetItemText(IDC_NL_USERNAME));
        Sys().MsgBox(Hwnd(), "The language file has been created at '" + path + "'", MB_OK | MB_ICONINFORMATION);
        EndModal();
    });
}

void frmNewLanguage::Command1_Click()
{
    EndModal();
}
