// The options window.
#include "dialogs/frmOptions.h"

#include "base/ControlHost.h"
#include "base/mError.h"
#include "core/Application.h"
#include "dialogs/frmOptions_res.h"
#include "mMain.h"
#include "translation/cTranslate.h"

void frmOptions::OnInit()
{
    try {
        HWND hwnd = Hwnd();
        PlaceAtPlaceholder(m_txtEditorPath, hwnd, IDC_OPTIONS_TXTEDITORPATH);
        SendMessageA(m_txtEditorPath.Hwnd(), WM_SETFONT, SendMessageA(hwnd, WM_GETFONT, 0, 0), FALSE);
        // The path is chosen with the button or dropped on the field, never typed.
        m_txtEditorPath.SetLocked(true);
        m_txtEditorPath.SetBackColor(GetSysColor(COLOR_BTNFACE));
        m_txtEditorPath.SetAcceptFiles(true);
        PlaceAtPlaceholder(m_HLine1, hwnd, IDC_OPTIONS_HLINE1);
    } catch (...) {
        ShowError("frmOptions.Form_Load");
    }
}

void frmOptions::InitDialog()
{
    try {
        const Options& options = g_cApp->Options();
        m_txtEditorPath.SetText(options.EditorPath());
        SetChecked(IDC_OPTIONS_CKSAFETYPROMPT, options.ShowStartVekoraDialog());
        TranslateDialog();
    } catch (...) {
        PassError("frmOptions.InitDialog");
    }
}

void frmOptions::OnCommand(int id, int code, HWND control)
{
    switch (id) {
    case IDC_OPTIONS_CMDEDITORPATH: if (code == BN_CLICKED) cmdEditorPath_Click(); break;
    default: break;
    }
}

std::string frmOptions::TranslateDialogItem(const std::string& id)
{
    try {
        return g_cTranslate->TranslateEx("OPTIONS_DIALOG", id);
    } catch (...) {
        PassError("frmOptions.TranslateDialogItem");
    }
}

void frmOptions::TranslateDialog()
{
    try {
        SetCaption(TranslateDialogItem("DIALOG_CAPTION"));
        // The language files hold the label without its colon.
        SetItemText(IDC_OPTIONS_LBLEDITOR, TranslateDialogItem("LBL_EDITOR") + ":");
        SetItemText(IDC_OPTIONS_CKSAFETYPROMPT, TranslateDialogItem("CHK_SHOW_STARTVEKORADIALOG"));
        SetItemText(IDOK, g_cTranslate->TranslateEx("GLOBAL", "BTN_OK"));
        SetItemText(IDCANCEL, g_cTranslate->TranslateEx("GLOBAL", "BTN_CANCEL"));
    } catch (...) {
        PassError("frmOptions.TranslateDialog");
    }
}

void frmOptions::SaveSettings()
{
    try {
        Options& options = g_cApp->Options();
        options.SetEditorPath(m_txtEditorPath.Text());
        options.SetShowStartVekoraDialog(IsChecked(IDC_OPTIONS_CKSAFETYPROMPT));
    } catch (...) {
        PassError("frmOptions.SaveSettings");
    }
}

void frmOptions::cmdEditorPath_Click()
{
    try {
        const std::string path = AskForEditor(Hwnd(), m_txtEditorPath.Text());
        if (!path.empty()) m_txtEditorPath.SetText(path);
    } catch (...) {
        ShowError("frmOptions.cmdEditorPath_Click");
    }
}

void frmOptions::cmdOk_Click()
{
    try {
        SaveSettings();
        EndModal();
    } catch (...) {
        ShowError("frmOptions.cmdOk_Click");
    }
}

void frmOptions::cmdCancel_Click()
{
    EndModal();
}
