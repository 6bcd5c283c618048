// The start confirmation window.
#include "profiles/frmStartingVekora.h"

#include "core/Application.h"
#include "core/mError.h"
#include "profiles/Profile.h"
#include "profiles/frmStartingVekora_res.h"
#include "translation/cTranslate.h"

void frmStartingVekora::OnInit()
{
    m_hLine1.ReplaceControl(Hwnd(), IDC_SV_HLINE1);
    SendDlgItemMessageA(Hwnd(), IDC_SV_IMAGE1, STM_SETICON,
                        reinterpret_cast<WPARAM>(LoadIconA(nullptr, MAKEINTRESOURCEA(32516))), 0); // IDI_INFORMATION
}

void frmStartingVekora::InitDialog(const Profile& profile)
{
    try {
        SetItemText(IDC_SV_INFO, profile.GetCmdLineParameters());
        TranslateDialog();
        m_cancel = true;
    } catch (...) {
        PassError("frmStartingVekora.InitDialog");
    }
}

void frmStartingVekora::TranslateDialog() const
{
    try {
        SetCaption(TranslateDialogItem("DIALOG_CAPTION"));
        SetItemText(IDC_SV_OK, g_cTranslate->TranslateEx("GLOBAL", "BTN_OK", "", ""));
        SetItemText(IDC_SV_CANCEL, g_cTranslate->TranslateEx("GLOBAL", "BTN_CANCEL", "", ""));
        SetItemText(IDC_SV_CAPTION, TranslateDialogItem("LBL_DIALOG_INFO"));
        SetItemText(IDC_SV_WARNING, TranslateDialogItem("LBL_WARNING"));
        SetItemText(IDC_SV_DONTSHOW, TranslateDialogItem("CHK_DONT_SHOW_DIALOG"));
    } catch (...) {
        PassError("frmStartingVekora.TranslateDialog");
    }
}

std::string frmStartingVekora::TranslateDialogItem(const std::string& id, const std::string& p1)
{
    try {
        return g_cTranslate->TranslateEx("START_VEKORA_DIALOG", id, p1, "");
    } catch (...) {
        PassError("frmStartingVekora.TranslateDialogItem");
    }
}

void frmStartingVekora::OnCommand(int id, int code, HWND control)
{
    switch (id) {
    case IDC_SV_OK: cmdOk_Click(); break;
    case IDC_SV_CANCEL: cmdCancel_Click(); break;
    }
}

void frmStartingVekora::cmdOk_Click()
{
    try {
        g_cApp->Options().SetShowStartVekoraDialog(!IsChecked(IDC_SV_DONTSHOW));
        m_cancel = false;
        EndModal();
    } catch (...) {
        ShowError("frmStartingVekora.cmdOk_Click");
    }
}

void frmStartingVekora::cmdCancel_Click()
{
    EndModal();
}
