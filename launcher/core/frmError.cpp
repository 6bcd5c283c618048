// The error report window.
#include "core/frmError.h"

#include <commctrl.h>

#include "AppVersion.h"
#include "core/AppConstants.h"
#include "core/Application.h"
#include "core/SystemServices.h"
#include "core/frmError_res.h"
#include "core/mError.h"
#include "core/mFunctions.h"
#include "core/mMain.h"

namespace {
const int kPage1[] = {IDC_ERR_LABEL1, IDC_ERR_DESC, IDC_ERR_CONTACT, IDC_ERR_DETAILS};
const int kPage2[] = {IDC_ERR_NOTE, IDC_ERR_REPORT, IDC_ERR_COPY, IDC_ERR_MAIL};
} // namespace

void frmError::ShowReport(const std::string& description, const std::string& source, int32_t number)
{
    frmError dialog;
    dialog.Load(GetActiveWindow());
    dialog.InitDialog(description, source, number);
    dialog.ShowModal();
}

std::string frmError::BuildReport(const std::string& description, const std::string& source, int32_t number)
{
    std::string iniPath, vekoraVersion, vekoraPath;
    if (!g_cApp) {
        iniPath = vekoraVersion = vekoraPath = "(g_cApp not defined)";
    } else {
        iniPath = g_cApp->IniPath();
        if (!g_cApp->ActiveProfile()) {
            vekoraVersion = vekoraPath = "(g_cApp.ActiveProfile not defined)";
        } else {
            vekoraPath = g_cApp->ActiveProfile()->VekoraPath();
            vekoraVersion = GetVekoraFile_VersionInfo(vekoraPath);
        }
    }
    const std::string nl = "\r\n";
    return "Vekolaunch-Version: " + std::to_string(VEKOLAUNCH_VER_MAJOR) + "." + std::to_string(VEKOLAUNCH_VER_MINOR) +
           "." + std::to_string(VEKOLAUNCH_VER_REVISION) + nl + nl + "Description:" + nl + description + nl + nl +
           "Err.-Number: " + std::to_string(number) + " (" + std::to_string(GetErrorNumber(number)) + ")" + nl + nl +
           "Err.-Source: " + nl + source + nl + nl + "App-Path: " + GetAppPath() + nl + "Cur.Path: " + GetCurrentDir() +
           nl + "Ini.Path: " + iniPath + nl + nl + "Vekora-Version: " + vekoraVersion + nl + "Vekora-Path: " + vekoraPath;
}

void frmError::OnInit()
{
    HWND tabs = Item(IDC_ERR_TABSTRIP);
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>("General");
    SendMessageA(tabs, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    item.pszText = const_cast<char*>("Contact author");
    SendMessageA(tabs, TCM_INSERTITEMA, 1, reinterpret_cast<LPARAM>(&item));
}

void frmError::InitDialog(const std::string& description, const std::string& source, int32_t number)
{
    SetItemText(IDC_ERR_REPORT, BuildReport(description, source, number));
    SetItemText(IDC_ERR_NOTE, std::string("Please send an E-Mail with the following text to ") + VEKOLAUNCH_CONTACT_MAIL);
    SetItemText(IDC_ERR_DESC, description);
    // The page controls sit above the tab strip in the z-order so that they stay visible.
    for (int id : kPage1) SetWindowPos(Item(id), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    for (int id : kPage2) SetWindowPos(Item(id), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ActivatePage(1);
}

void frmError::ActivatePage(int page)
{
    m_activePage = page;
    for (int id : kPage1) ShowWindow(Item(id), page == 1 ? SW_SHOW : SW_HIDE);
    for (int id : kPage2) ShowWindow(Item(id), page == 2 ? SW_SHOW : SW_HIDE);
    SendDlgItemMessageA(Hwnd(), IDC_ERR_TABSTRIP, TCM_SETCURSEL, static_cast<WPARAM>(page - 1), 0);
}

void frmError::OnCommand(int id, int code, HWND control)
{
    switch (id) {
    case IDC_ERR_CONTACT: cmdContact_Click(); break;
    case IDC_ERR_DETAILS: cmdDetails_Click(); break;
    case IDC_ERR_COPY: cmdCopy_Click(); break;
    case IDC_ERR_MAIL: Command1_Click(); break;
    case IDC_ERR_CLOSE: cmdClose_Click(); break;
    case IDOK: cmdClose_Click(); break; // Enter
    }
}

LRESULT frmError::OnNotify(NMHDR* header)
{
    if (header->idFrom == IDC_ERR_TABSTRIP && header->code == TCN_SELCHANGE) TabStrip1_Click();
    return 0;
}

void frmError::TabStrip1_Click()
{
    try {
        ActivatePage(static_cast<int>(SendDlgItemMessageA(Hwnd(), IDC_ERR_TABSTRIP, TCM_GETCURSEL, 0, 0)) + 1);
    } catch (...) {
        ShowError("frmError.TabStrip1_Click");
    }
}

void frmError::cmdContact_Click()
{
    try {
        ActivatePage(2);
        SetFocus(Item(IDC_ERR_MAIL));
    } catch (...) {
        ShowError("frmError.cmdContact_Click");
    }
}

void frmError::cmdDetails_Click()
{
    try {
        ActivatePage(2);
        SetFocus(Item(IDC_ERR_MAIL));
    } catch (...) {
        ShowError("frmError.cmdDetails_Click");
    }
}

void frmError::cmdCopy_Click()
{
    try {
        Sys().SetClipboardText(Hwnd(), GetItemText(IDC_ERR_REPORT));
    } catch (...) {
        ShowError("frmError.cmdCopy_Click");
    }
}

void frmError::Command1_Click()
{
    try {
        Application::ContactAuthor(Hwnd());
    } catch (...) {
        ShowError("frmError.Command1_Click");
    }
}

void frmError::cmdClose_Click()
{
    try {
        Unload();
    } catch (...) {
        ShowError("frmError.cmdClose_Click");
    }
}
