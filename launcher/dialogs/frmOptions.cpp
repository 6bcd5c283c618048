// The options window.
#include "dialogs/frmOptions.h"

#include "base/ControlHost.h"
#include "base/mError.h"
#include "core/Application.h"
#include "core/Prompts.h"
#include "dialogs/frmOptions_res.h"
#include "translation/cTranslate.h"

void frmOptions::OnInit()
{
    ShowErrors("frmOptions.Form_Load", [&] {
        HWND hwnd = Hwnd();
        PlaceAtPlaceholder(m_txtEditorPath, hwnd, IDC_OPTIONS_TXTEDITORPATH);
        SendMessageA(m_txtEditorPath.Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(WindowFont(hwnd)), FALSE);
        // The path is chosen with the button or dropped on the field, never typed.
        m_txtEditorPath.SetLocked(true);
        m_txtEditorPath.SetBackColor(GetSysColor(COLOR_BTNFACE));
        m_txtEditorPath.SetAcceptFiles(true);
        PlaceAtPlaceholder(m_HLine1, hwnd, IDC_OPTIONS_HLINE1);
    });
}

void frmOptions::InitDialog()
{
    PassErrors("frmOptions.InitDialog", [&] {
        const Options& options = g_cApp->Options();
        m_txtEditorPath.SetText(options.EditorPath());
        SetChecked(IDC_OPTIONS_CKSAFETYPROMPT, options.ShowStartVekoraDialog());
        SetChecked(IDC_OPTIONS_CKCHECKFORUPDATES, options.CheckForUpdates());
        TranslateDialog();
    });
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
    return PassErrors("frmOptions.TranslateDialogItem", [&] {
        return g_cTranslate->TranslateEx("OPTIONS_DIALOG", id);
    });
}

void frmOptions::TranslateDialog()
{
    PassErrors("frmOptions.TranslateDialog", [&] {
        SetCaption(TranslateDialogItem("DIALOG_CAPTION"));
        // The language files hold the label without its colon.
        SetItemText(IDC_OPTIONS_LBLEDITOR, TranslateDialogItem("LBL_EDITOR") + ":");
        ApplyTextBindings(TEXTS, [&](int id, const std::string& text) { SetItemText(id, text); });
    });
}

void frmOptions::SaveSettings()
{
    PassErrors("frmOptions.SaveSettings", [&] {
        Options& options = g_cApp->Options();
        options.SetEditorPath(m_txtEditorPath.Text());
        options.SetShowStartVekoraDialog(IsChecked(IDC_OPTIONS_CKSAFETYPROMPT));
        options.SetCheckForUpdates(IsChecked(IDC_OPTIONS_CKCHECKFORUPDATES));
    });
}

void frmOptions::cmdEditorPath_Click()
{
    ShowErrors("frmOptions.cmdEditorPath_Click", [&] {
        const std::string path = AskForEditor(Hwnd(), m_txtEditorPath.Text());
        if (!path.empty()) m_txtEditorPath.SetText(path);
    });
}

void frmOptions::cmdOk_Click()
{
    ShowErrors("frmOptions.cmdOk_Click", [&] {
        SaveSettings();
        EndModal();
    });
}

void frmOptions::cmdCancel_Click()
{
    EndModal();
}
