// The new-language window.
#include "langeditor/frmNewLanguage.h"

#include "base/SystemServices.h"
#include "base/mError.h"
#include "base/mFunctions.h"
#include "langeditor/NewLanguage.h"
#include "langeditor/frmNewLanguage_res.h"

void frmNewLanguage::InitDialog(const std::string& translationDir)
{
    m_translationDir = translationDir;
    m_languageFile.clear();
    m_openExisting = false;
}

bool frmNewLanguage::Accepts(int fieldId, const std::string& problem)
{
    if (problem.empty()) return true;
    Sys().MsgBox(Hwnd(), problem, MB_OK | MB_ICONEXCLAMATION);
    SetFocus(Item(fieldId));
    return false;
}

void frmNewLanguage::cmdOK_Click()
{
    ShowErrors("frmNewLanguage.cmdOK_Click", [&] {
        const std::string abbrev = GetItemText(IDC_NL_ABBREV);
        if (!Accepts(IDC_NL_ABBREV, AbbrevProblem(abbrev))) return;
        const std::string path = NewLanguageFilePath(m_translationDir, abbrev);
        // An existing file holds a translator's work: it is opened, or only its two names change.
        const bool exists = FileExists(path);
        if (exists) {
            const int answer = Sys().MsgBox(Hwnd(),
                                            "The language file '" + path + "' already exists.\r\n\r\n"
                                            "Do you want to open it instead? Choose No to replace only its language "
                                            "name and translator.",
                                            MB_YESNOCANCEL | MB_ICONQUESTION);
            if (answer == IDCANCEL) {
                SetFocus(Item(IDC_NL_ABBREV));
                return;
            }
            if (answer == IDYES) {
                m_languageFile = path;
                m_openExisting = true;
                EndModal();
                return;
            }
        }
        const std::string languageName = GetItemText(IDC_NL_LANGNAME);
        const std::string author = GetItemText(IDC_NL_USERNAME);
        if (!Accepts(IDC_NL_LANGNAME, LanguageNameProblem(languageName))) return;
        if (!Accepts(IDC_NL_USERNAME, AuthorProblem(author))) return;
        // A refused write is reported by the error display and keeps the window open.
        CreateLanguageFile(path, languageName, author);
        m_languageFile = path;
        Sys().MsgBox(Hwnd(),
                     exists ? "The language name and translator of '" + path + "' have been replaced."
                            : "The language file has been created at '" + path + "'",
                     MB_OK | MB_ICONINFORMATION);
        EndModal();
    });
}

void frmNewLanguage::Command1_Click()
{
    EndModal();
}
