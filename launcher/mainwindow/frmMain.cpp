// The launcher's main window.
#include "mainwindow/frmMain.h"

#include "core/Application.h"
#include "core/mError.h"
#include "core/mMain.h"
#include "mainwindow/frmMain_res.h"

void frmMain::InitDialog() {}

void frmMain::LoadData(const std::shared_ptr<Profile>& profile)
{
    try {
        m_profile = profile;
        SetItemText(IDC_MAIN_PROFILE, "Active profile: " + profile->ProfileCaption());
        SetItemText(IDC_MAIN_CMDLINE, "Command line: " + profile->GetCmdLineParameters());
    } catch (...) {
        PassError("frmMain.LoadData");
    }
}

void frmMain::OnClose()
{
    Form_Unload();
    Unload();
}

void frmMain::Form_Unload()
{
    try {
        if (!g_cApp) return;
        g_cApp->SaveAppSettings();
        g_cApp->Profiles().SaveWhichProfileIsActive();
        ClosePublicObjects();
    } catch (...) {
        ShowError("frmMain.Form_Unload");
        ClosePublicObjects();
    }
}

void frmMain::OnDestroy()
{
    PostQuitMessage(0);
}
