// The error report window.
#include "dialogs/frmError.h"

#include <commctrl.h>
#include <iterator>

#include "AppVersion.h"
#include "base/ScopedWin.h"
#include "base/SystemServices.h"
#include "base/mError.h"
#include "base/mFunctions.h"
#include "core/AppConstants.h"
#include "core/Application.h"
#include "dialogs/frmError_res.h"
#include "mMain.h"

namespace {
const int kPage1[] = {IDC_ERR_ICON, IDC_ERR_LABEL1, IDC_ERR_DESC, IDC_ERR_CONTACT, IDC_ERR_DETAILS};
const int kPage2[] = {IDC_ERR_NOTE, IDC_ERR_REPORT, IDC_ERR_COPY, IDC_ERR_MAIL};

// Where both pages sit in the window's client area, in twips.
constexpr int PAGE_LEFT_TWIPS = 300;
constexpr int PAGE_TOP_TWIPS = 600;

POINT PageOrigin(HWND hwnd)
{
    ScopedGetDC dc(hwnd);
    return {TwipsToPixels(PAGE_LEFT_TWIPS, GetDeviceCaps(dc, LOGPIXELSX)),
            TwipsToPixels(PAGE_TOP_TWIPS, GetDeviceCaps(dc, LOGPIXELSY))};
}

void ShowControls(HWND dialog, const int* ids, size_t count, bool show)
{
    for (size_t i = 0; i < count; ++i) ShowWindow(GetDlgItem(dialog, ids[i]), show ? SW_SHOW : SW_HIDE);
}
} // namespace

void frmError::ShowReport(const std::string& description, const std::string& source, int32_t number)
{
    frmError dialog;
    dialog.Load(GetActiveWindow());
    dialog.InitDialog(description, source, number);
    dialog.ShowModal();
    dialog.Unload();
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
    std::string report;
    report += "Vekolaunch-Version: " + std::to_string(VEKOLAUNCH_VER_MAJOR) + "." +
              std::to_string(VEKOLAUNCH_VER_MINOR) + "." + std::to_string(VEKOLAUNCH_VER_REVISION) + nl;
    report += nl;
    report += "Description:" + nl;
    report += description + nl;
    report += nl;
    report += "Err.-Number: " + std::to_string(number) + " (" + std::to_string(GetErrorNumber(number)) + ")" + nl;
    report += nl;
    report += "Err.-Source: " + nl;
    report += source + nl;
    report += nl;
    report += "App-Path: " + GetAppPath() + nl;
    report += "Cur.Path: " + GetCurrentDir() + nl;
    report += "Ini.Path: " + iniPath + nl;
    report += nl;
    report += "Vekora-Version: " + vekoraVersion + nl;
    report += "Vekora-Path: " + vekoraPath;
    return report;
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
    SendDlgItemMessageA(Hwnd(), IDC_ERR_ICON, STM_SETICON,
                        reinterpret_cast<WPARAM>(LoadIconA(nullptr, IDI_ERROR)), 0);
}

void frmError::InitDialog(const std::string& description, const std::string& source, int32_t number)
{
    SetItemText(IDC_ERR_REPORT, BuildReport(description, source, number));
    SetItemText(IDC_ERR_NOTE,
                std::string("Please send an E-Mail with the following text to ") + VEKOLAUNCH_CONTACT_MAIL);
    SetItemText(IDC_ERR_DESC, description);
    PlacePages();
    ActivatePage(1);
}

// The template lays out each page from its own top left corner; both pages move to the
// page origin together.
void frmError::PlacePages()
{
    if (m_pagesPlaced) return;
    m_pagesPlaced = true;
    const POINT origin = PageOrigin(Hwnd());
    auto move = [&](int id) {
        HWND control = Item(id);
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&rect), 2);
        SetWindowPos(control, nullptr, rect.left + origin.x, rect.top + origin.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
    for (int id : kPage1) move(id);
    for (int id : kPage2) move(id);
}

void frmError::ActivatePage(int page)
{
    m_activePage = page;
    ShowControls(Hwnd(), kPage1, std::size(kPage1), page == 1);
    ShowControls(Hwnd(), kPage2, std::size(kPage2), page == 2);
    SelectTab(page);
}

// Selecting a tab from code sends no notification; the caller activates the page itself.
void frmError::SelectTab(int page)
{
    SendDlgItemMessageA(Hwnd(), IDC_ERR_TABSTRIP, TCM_SETCURSEL, static_cast<WPARAM>(page - 1), 0);
}

void frmError::OnCommand(int id, int code, HWND control)
{
    switch (id) {
    case IDC_ERR_CONTACT: cmdContact_Click(); break;
    case IDC_ERR_DETAILS: cmdDetails_Click(); break;
    case IDC_ERR_COPY: cmdCopy_Click(); break;
    case IDC_ERR_MAIL: Command1_Click(); break;
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
        SendMessageA(Hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_ERR_MAIL)), TRUE);
    } catch (...) {
        ShowError("frmError.cmdContact_Click");
    }
}

void frmError::cmdDetails_Click()
{
    try {
        ActivatePage(2);
        SendMessageA(Hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_ERR_MAIL)), TRUE);
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
    EndModal();
}
