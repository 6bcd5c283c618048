// Lingobench's main window.
#include "langeditor/frmLingobench.h"

#include "base/ProgramIcon.h"
#include "base/SystemServices.h"
#include "base/mError.h"
#include "base/mFunctions.h"
#include "langeditor/LangLocation.h"
#include "langeditor/WordList.h"
#include "langeditor/frmEditLang.h"
#include "langeditor/frmInfo.h"
#include "langeditor/frmLingobench_res.h"
#include "langeditor/frmNewLanguage.h"
#include "langeditor/frmUpload.h"

namespace {
std::string GetListText(HWND list, int index)
{
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) return "";
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

// An entry shows the file's name and, behind a tab, how much of it is translated.
std::string ListEntry(const std::string& translationDir, const std::string& name)
{
    const std::optional<TranslationCount> count =
        CountTranslations(EditedFile(translationDir + "\\" + name, EnglishFilePath(translationDir)));
    return count ? name + "\t" + std::to_string(PercentTranslated(*count)) + "%" : name;
}

std::string FileOfEntry(const std::string& entry)
{
    return entry.substr(0, entry.find('\t'));
}
} // namespace

frmLingobench::frmLingobench() : DialogBase("frmLingobench")
{
    RegisterProgramDialogClass(FRMLINGOBENCH_CLASS, IDI_LINGOBENCH);
}

bool frmLingobench::InitDialog(const std::string& programDir, const std::string& exeTitle)
{
    return PassErrors("frmLingobench.Form_Load", [&] {
        const std::optional<std::string> translationDir = TranslationDirectoryFor(programDir);
        if (!translationDir) {
            Sys().MsgBox(nullptr, WrongLocationMessage(exeTitle, programDir), MB_OK | MB_ICONEXCLAMATION);
            return false;
        }
        m_translationDir = *translationDir;
        const int tabStop = 104; // dialog units: the share translated stands right of the longest name
        SendMessageA(Item(IDC_LB_LANG), LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
        FillLanguageList();
        return true;
    });
}

void frmLingobench::OnCommand(int id, int code, HWND control)
{
    switch (id) {
    case IDC_LB_EDIT: cmdEdit_Click(); break;
    case IDC_LB_NEW: cmdNew_Click(); break;
    case IDC_LB_UPLOAD: cmdUpload_Click(); break;
    case IDC_LB_HELP: Command1_Click(); break;
    case IDM_LB_FILE_QUIT: mnuFile_Quit_Click(); break;
    case IDM_LB_EDIT_NEW: cmdNew_Click(); break;
    case IDM_LB_EDIT_EDIT: cmdEdit_Click(); break;
    case IDM_LB_HELP_HELP: Command1_Click(); break;
    case IDM_LB_HELP_INFO: mnuHelp_Info_Click(); break;
    }
}

void frmLingobench::FillLanguageList(const std::string& selectName)
{
    PassErrors("frmLingobench.FillLanguageList", [&] {
        HWND list = Item(IDC_LB_LANG);
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        int selected = 0;
        for (const std::string& name : ListLanguageFiles(m_translationDir)) {
            const LRESULT index =
                SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ListEntry(m_translationDir, name).c_str()));
            // The file system names files without regard to case.
            if (index >= 0 && LowerCase(name) == LowerCase(selectName)) selected = static_cast<int>(index);
        }
        const bool any = SendMessageA(list, LB_GETCOUNT, 0, 0) > 0;
        if (any) SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
        // Without a file, Edit would name the directory itself.
        EnableWindow(Item(IDC_LB_EDIT), any);
        EnableMenuItem(GetMenu(Hwnd()), IDM_LB_EDIT_EDIT, MF_BYCOMMAND | (any ? MF_ENABLED : MF_GRAYED));
    });
}

std::string frmLingobench::SelectedEntry() const
{
    HWND list = Item(IDC_LB_LANG);
    const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? "" : FileOfEntry(GetListText(list, static_cast<int>(selected)));
}

void frmLingobench::cmdEdit_Click()
{
    ShowErrors("frmLingobench.cmdEdit_Click", [&] {
        const std::string entry = SelectedEntry();
        if (!entry.empty()) EditLanguageFile(entry);
    });
}

void frmLingobench::EditLanguageFile(const std::string& fileName)
{
    PassErrors("frmLingobench.EditLanguageFile", [&] {
        frmEditLang edit;
        edit.Load(Hwnd());
        if (edit.InitDialog(m_translationDir + "\\" + fileName)) edit.ShowModal();
        edit.Unload();
        // The translator goes on with the file worked on.
        FillLanguageList(fileName);
    });
}

void frmLingobench::cmdNew_Click()
{
    ShowErrors("frmLingobench.cmdNew_Click", [&] {
        frmNewLanguage dialog;
        dialog.Load(Hwnd());
        dialog.InitDialog(m_translationDir);
        dialog.ShowModal();
        const std::string file = dialog.LanguageFile();
        const bool open = dialog.OpenExisting();
        dialog.Unload();
        // A cancelled window leaves the list as it was.
        const std::string fileName = file.empty() ? SelectedEntry() : ExtractFileName(file);
        FillLanguageList(fileName);
        // Opened under the name the file system gives it, as Edit does.
        if (open) EditLanguageFile(SelectedEntry());
    });
}

void frmLingobench::cmdUpload_Click()
{
    ShowErrors("frmLingobench.cmdUpload_Click", [&] {
        frmUpload dialog;
        dialog.Load(Hwnd());
        dialog.InitDialog(m_translationDir);
        dialog.ShowModal();
        dialog.Unload();
    });
}

void frmLingobench::Command1_Click()
{
    Sys().MsgBox(Hwnd(),
                 "Click on 'New language' to create a new language file. The file will be created in '" +
                     m_translationDir + "'.",
                 MB_OK);
}

void frmLingobench::mnuHelp_Info_Click()
{
    ShowErrors("frmLingobench.mnuHelp_Info_Click", [&] {
        frmInfo info;
        info.Load(Hwnd());
        info.ShowModal();
        info.Unload();
    });
}

void frmLingobench::mnuFile_Quit_Click()
{
    Unload();
}
