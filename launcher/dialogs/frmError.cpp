// The error report window.
#include "dialogs/frmError.h"

#include <commctrl.h>

#include "AppVersion.h"
#include "base/ControlHost.h"
#include "base/ScopedWin.h"
#include "base/SystemServices.h"
#include "base/mError.h"
#include "base/mFunctions.h"
#include "core/AppConstants.h"
#include "core/Application.h"
#include "core/Prompts.h"
#include "dialogs/frmError_res.h"
#include "translation/cTranslate.h"

namespace {
// Where both pages sit in the window's client area, in twips.
constexpr int PAGE_LEFT_TWIPS = 300;
constexpr int PAGE_TOP_TWIPS = 600;

POINT PageOrigin(HWND hwnd)
{
    ScopedGetDC dc(hwnd);
    return {TwipsToPixels(PAGE_LEFT_TWIPS, GetDeviceCaps(dc, LOGPIXELSX)),
            TwipsToPixels(PAGE_TOP_TWIPS, GetDeviceCaps(dc, LOGPIXELSY))};
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
    report += "Vekolaunch-Version: " VEKOLAUNCH_VER_TEXT + nl;
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
    std::string caption = TranslateDialogItem({0, "ERROR_DIALOG", "TAB_GENERAL", "General"});
    item.pszText = caption.data();
    SendMessageA(tabs, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    caption = TranslateDialogItem({0, "ERROR_DIALOG", "TAB_CONTACT_AUTHOR", "Contact author"});
    item.pszText = caption.data();
    SendMessageA(tabs, TCM_INSERTITEMA, 1, reinterpret_cast<LPARAM>(&item));
    m_pages.Create(Hwnd(), {"frmErrorPage0", "frmErrorPage1"}, IDC_ERR_PAGE0);
    // Both pages lie at the page origin inside the tab strip, above it and in the tab order
    // before the close button.
    const POINT origin = PageOrigin(Hwnd());
    for (int i = m_pages.Count() - 1; i >= 0; --i) {
        SetWindowPos(m_pages.Page(i).Hwnd(), HWND_TOP, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    }
    SendMessageA(Control(IDC_ERR_ICON), STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(nullptr, IDI_ERROR)), 0);
    TranslateDialog();
}

std::string frmError::TranslateDialogItem(const TextBinding& text, const std::string& p1)
{
    // The report of a failure must not fail in turn: any trouble with the language files
    // leaves the English text.
    const std::string english = FillInText(text.English, p1, "");
    if (!g_cTranslate || !g_cApp) return english;
    try {
        return g_cTranslate->TranslateWithFallback(text.Section, text.TextId, text.English, p1);
    } catch (...) {
        return english;
    }
}

void frmError::TranslateDialog()
{
    SetCaption(TranslateDialogItem({0, "ERROR_DIALOG", "DIALOG_CAPTION", "Error"}));
    for (const TextBinding& text : TEXTS) SetWindowTextA(Control(text.ControlId), TranslateDialogItem(text).c_str());
}

HWND frmError::Control(int id) const
{
    if (HWND own = Item(id)) return own;
    return m_pages.FindControl(id);
}

void frmError::InitDialog(const std::string& description, const std::string& source, int32_t number)
{
    SetWindowTextA(Control(IDC_ERR_REPORT), BuildReport(description, source, number).c_str());
    SetWindowTextA(Control(IDC_ERR_NOTE),
                   TranslateDialogItem({IDC_ERR_NOTE, "ERROR_DIALOG", "LBL_SEND_MAIL",
                                        "Please send an E-Mail with the following text to %P1%"},
                                       VEKOLAUNCH_CONTACT_MAIL)
                       .c_str());
    SetWindowTextA(Control(IDC_ERR_DESC), description.c_str());
    ActivatePage(1);
}

void frmError::ActivatePage(int page)
{
    m_activePage = page;
    m_pages.Show(page - 1, RectInParent(m_pages.Page(page - 1).Hwnd(), Hwnd()), GetSysColor(COLOR_BTNFACE));
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
    ShowErrors("frmError.TabStrip1_Click", [&] {
        ActivatePage(static_cast<int>(SendDlgItemMessageA(Hwnd(), IDC_ERR_TABSTRIP, TCM_GETCURSEL, 0, 0)) + 1);
    });
}

void frmError::cmdContact_Click()
{
    ShowErrors("frmError.cmdContact_Click", [&] {
        ActivatePage(2);
        SendMessageA(Hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(IDC_ERR_MAIL)), TRUE);
    });
}

void frmError::cmdDetails_Click()
{
    ShowErrors("frmError.cmdDetails_Click", [&] {
        ActivatePage(2);
        SendMessageA(Hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(IDC_ERR_MAIL)), TRUE);
    });
}

void frmError::cmdCopy_Click()
{
    ShowErrors("frmError.cmdCopy_Click", [&] { Sys().SetClipboardText(Hwnd(), WindowText(Control(IDC_ERR_REPORT))); });
}

void frmError::Command1_Click()
{
    ShowErrors("frmError.Command1_Click", [&] { Application::ContactAuthor(Hwnd()); });
}

void frmError::cmdClose_Click()
{
    EndModal();
}
