// The shortcut wizard.
#include "shortcuts/frmCreateVekoraShortcut_New.h"

#include "LauncherErrors.h"
#include "base/ControlHost.h"
#include "base/ShellFunctions.h"
#include "base/SystemServices.h"
#include "base/mError.h"
#include "base/mFunctions.h"
#include "core/Application.h"
#include "core/CommandLine.h"
#include "core/Prompts.h"
#include "profiles/Profile.h"
#include "shortcuts/frmCreateVekoraShortcut_New_res.h"
#include "shortcuts/links/ShellFolders.h"
#include "shortcuts/links/cCreateShortcut.h"
#include "translation/cTranslate.h"

namespace {
constexpr int PAGE_COUNT = 7; // one more than there are pages: Next on the last one starts over
constexpr int WINDOW_HEIGHT = 5000;
constexpr int PAGE_LEFT = 240;
constexpr int NO_BROWSING = -1;

const char* const PAGE_TEMPLATES[] = {
    "frmCreateVekoraShortcut_New_Step1", "frmCreateVekoraShortcut_New_Step2", "frmCreateVekoraShortcut_New_Step3",
    "frmCreateVekoraShortcut_New_Step4", "frmCreateVekoraShortcut_New_Step5", "frmCreateVekoraShortcut_New_Step6",
};

int ScreenDpi()
{
    ScopedGetDC screen(nullptr);
    return GetDeviceCaps(screen, LOGPIXELSY);
}
// The shell's picture of an open folder, owned by the caller. Older shells (and Wine) have no
// stock icons; they still give a folder's icon by its attributes alone.
HICON LoadOpenFolderIcon()
{
    SHSTOCKICONINFO stock = {};
    stock.cbSize = sizeof(stock);
    if (SUCCEEDED(ShellDll::SHGetStockIconInfo(SIID_FOLDEROPEN, SHGSI_ICON | SHGSI_LARGEICON, &stock)) && stock.hIcon) {
        return stock.hIcon;
    }
    SHFILEINFOA info = {};
    const UINT flags = SHGFI_ICON | SHGFI_LARGEICON | SHGFI_OPENICON | SHGFI_USEFILEATTRIBUTES;
    if (ShellDll::SHGetFileInfoA("folder", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof(info), flags)) return info.hIcon;
    return nullptr;
}
} // namespace

void frmCreateVekoraShortcut_New::OnInit()
{
    ShowErrors("frmCreateVekoraShortcut_New.Form_Load", [&] {
        HWND hwnd = Hwnd();
        PlaceAtPlaceholder(m_ucWizard_TitleArea, hwnd, IDC_CS_TITLEAREA);
        PlaceAtPlaceholder(m_ucWizard_Nav, hwnd, IDC_CS_NAV);
        m_picStep.Create(hwnd, {std::begin(PAGE_TEMPLATES), std::end(PAGE_TEMPLATES)}, IDC_CS_PICSTEP0);
        const WPARAM font = reinterpret_cast<WPARAM>(WindowFont(hwnd));
        PlaceAtPlaceholder(m_txtDest, PageHwnd(0), IDC_CS_TXTDEST);
        SendMessageA(m_txtDest.Hwnd(), WM_SETFONT, font, FALSE);
        m_txtDest.SetAcceptFiles(true);
        PlaceAtPlaceholder(m_txtDestFolder, PageHwnd(3), IDC_CS_TXTDESTFOLDER);
        SendMessageA(m_txtDestFolder.Hwnd(), WM_SETFONT, font, FALSE);
        m_txtDestFolder.SetAcceptFolders(true);
        // As the window's design has them.
        CheckRadioButton(PageHwnd(1), IDC_CS_OPMODE0, IDC_CS_OPMODE2, IDC_CS_OPMODE1);
        CheckDlgButton(PageHwnd(5), IDC_CS_CKCREATEFURTHERSHORTCUT, BST_CHECKED);
        m_image = LoadOpenFolderIcon();
        if (m_image) SendMessageA(Control(IDC_CS_IMAGE1), STM_SETICON, reinterpret_cast<WPARAM>(m_image), 0);
    });
}

bool frmCreateVekoraShortcut_New::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result)
{
    if (msg != WM_SIZE) return false;
    DockControls();
    return true;
}

RECT frmCreateVekoraShortcut_New::PageArea() const
{
    RECT client;
    GetClientRect(Hwnd(), &client);
    const int dpi = ScreenDpi();
    const int left = TwipsToPixels(PAGE_LEFT, dpi);
    return {left, ucWizard_TitleArea::FixedHeight(dpi), client.right - left, client.bottom - ucWizard_Nav::FixedHeight(dpi)};
}

void frmCreateVekoraShortcut_New::DockControls()
{
    ShowErrors("frmCreateVekoraShortcut_New.Form_Resize", [&] {
        RECT client;
        GetClientRect(Hwnd(), &client);
        const int dpi = ScreenDpi();
        MoveWindow(m_ucWizard_TitleArea.Hwnd(), 0, 0, client.right, ucWizard_TitleArea::FixedHeight(dpi), TRUE);
        const int navHeight = ucWizard_Nav::FixedHeight(dpi);
        MoveWindow(m_ucWizard_Nav.Hwnd(), 0, client.bottom - navHeight, client.right, navHeight, TRUE);
        if (m_picStep.Shown() >= 0) m_picStep.Show(m_picStep.Shown(), PageArea(), GetSysColor(COLOR_BTNFACE));
    });
}

void frmCreateVekoraShortcut_New::OnDestroy()
{
    if (m_image) DestroyIcon(m_image);
    m_image = nullptr;
}

void frmCreateVekoraShortcut_New::InitDialog(const Profile& profile)
{
    PassErrors("frmCreateVekoraShortcut_New.InitDialog", [&] {
        m_ucWizard_Nav.SetPageCount(PAGE_COUNT);
        m_ucWizard_Nav.InitControl();
        TranslateDialog();
        m_profileCmdLine = profile.GetCmdLineParameters();
        m_profileCaption = profile.ProfileCaption();
        m_txtDest.SetText(profile.VekoraPath());
        SetDefaultLinkName();
        RECT window;
        GetWindowRect(Hwnd(), &window);
        SetWindowPos(Hwnd(), nullptr, 0, 0, window.right - window.left, TwipsToPixels(WINDOW_HEIGHT, ScreenDpi()),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        CheckRadioButton(PageHwnd(2), IDC_CS_OPDEST0, IDC_CS_OPDEST3, IDC_CS_OPDEST0);
        opDest_Click(0);
        if (!ExistsQuickLaunchFolder()) EnableWindow(Control(IDC_CS_OPDEST2), FALSE);
        SetControlText(IDC_CS_TXTSETTINGS, profile.GetSettingsListAsText());
    });
}

std::string frmCreateVekoraShortcut_New::TranslateDialogItem(const std::string& id)
{
    return PassErrors("frmCreateVekoraShortcut_New.TranslateDialogItem",
                      [&] { return g_cTranslate->TranslateEx("CREATE_SHORTCUT_DIALOG_NEW", id); });
}

void frmCreateVekoraShortcut_New::TranslateDialog()
{
    PassErrors("frmCreateVekoraShortcut_New.TranslateDialog", [&] {
        SetCaption(TranslateDialogItem("DIALOG_CAPTION"));
        ApplyTextBindings(TEXTS, [&](int id, const std::string& text) { SetControlText(id, text); });
        m_ucWizard_Nav.Translate();
    });
}

void frmCreateVekoraShortcut_New::SetDefaultLinkName()
{
    PassErrors("frmCreateVekoraShortcut_New.SetDefaultLinkName",
               [&] { SetControlText(IDC_CS_TXTLINKNAME, GetVekoraFile_VersionInfo(m_txtDest.Text())); });
}

void frmCreateVekoraShortcut_New::CreateShortcut()
{
    PassErrors("frmCreateVekoraShortcut_New.CreateShortcut", [&] {
        const std::string folder = m_txtDestFolder.Text();
        const std::string name = ControlText(IDC_CS_TXTLINKNAME);
        if (Checked(IDC_CS_OPMODE2)) {
            // The launcher reads the profile when the link is started, so later edits count.
            g_cApp->CreateShortcut(folder, name, g_cApp->GetWorkDirectory() + "Vekolaunch.exe",
                                   StartProfileArguments(m_profileCaption), m_txtDest.Text());
        } else {
            g_cApp->CreateShortcut(folder, name, m_txtDest.Text(), Checked(IDC_CS_OPMODE0) ? "" : m_profileCmdLine);
        }
        Sys().MsgBox(Hwnd(), TranslateDialogItem("MSG_SHORTCUT_CREATED"), MB_ICONINFORMATION | MB_OK);
    });
}

void frmCreateVekoraShortcut_New::OnCommand(int id, int code, HWND control)
{
    switch (id) {
    case IDC_CS_TXTDEST: if (code == UCPATH_CHANGE) txtDest_Change(); break;
    case IDC_CS_CMDSELLINKDESTFOLDER: if (code == BN_CLICKED) cmdSelLinkDestFolder_Click(); break;
    case IDC_CS_CMDSELFOLDER: if (code == BN_CLICKED) cmdSelFolder_Click(); break;
    case IDC_CS_OPDEST0: if (code == BN_CLICKED) opDest_Click(0); break;
    case IDC_CS_OPDEST1: if (code == BN_CLICKED) opDest_Click(1); break;
    case IDC_CS_OPDEST2: if (code == BN_CLICKED) opDest_Click(2); break;
    case IDC_CS_OPDEST3: if (code == BN_CLICKED) opDest_Click(3); break;
    case IDC_CS_CKCREATEFURTHERSHORTCUT: if (code == BN_CLICKED) ckCreateFurtherShortcut_Click(); break;
    default: break;
    }
}

LRESULT frmCreateVekoraShortcut_New::OnNotify(NMHDR* header)
{
    if (header->hwndFrom != m_ucWizard_Nav.Hwnd()) return 0;
    const int page = reinterpret_cast<NMWIZARDNAV*>(header)->PageNo;
    bool cancel = false;
    switch (header->code) {
    case WIZNAV_LEAVEPAGE:
        // The bar cannot take a failure back through its notification: it is reported here,
        // and the page stays.
        if (!ShowErrors("frmCreateVekoraShortcut_New.ucWizard_Nav_LeavePage", [&] { ucWizard_Nav_LeavePage(page, cancel); })) {
            cancel = true;
        }
        break;
    case WIZNAV_NEXTCLICKED: ucWizard_Nav_NextClicked(page, cancel); break;
    case WIZNAV_SHOWPAGE: ucWizard_Nav_ShowPage(page); break;
    case WIZNAV_CANCELCLICKED: ucWizard_Nav_CancelClicked(); break;
    default: break;
    }
    return cancel ? TRUE : FALSE;
}

void frmCreateVekoraShortcut_New::ucWizard_Nav_LeavePage(int intPageNo, bool& blnCancel)
{
    PassErrors("frmCreateVekoraShortcut_New.ucWizard_Nav_LeavePage", [&] {
        std::string message;
        if (intPageNo == 1) {
            const std::string target = m_txtDest.Text();
            if (TrimWhiteSpace(target).empty()) message = TranslateDialogItem("MSG_LINKDEST_FOLDER_MISSED");
            else if (!FileExists(target)) message = g_cTranslate->TranslateEx("ERROR_MESSAGES", "ERR_FileNotFound", target);
        } else if (intPageNo == 4) {
            const std::string folder = m_txtDestFolder.Text();
            if (TrimWhiteSpace(folder).empty()) message = TranslateDialogItem("MSG_SHORTCUT_FOLDER_MISSED");
            else if (!FolderExists(folder)) message = g_cTranslate->TranslateEx("ERROR_MESSAGES", "ERR_PathNotFound", folder);
        } else if (intPageNo == 5) {
            const std::string name = TrimWhiteSpace(ControlText(IDC_CS_TXTLINKNAME));
            message = name.empty() ? TranslateDialogItem("MSG_NAME_MISSED") : cCreateShortcut::LinkNameProblem(name);
        }
        if (message.empty()) return;
        Sys().MsgBox(Hwnd(), message, MB_OK);
        blnCancel = true;
    });
}

void frmCreateVekoraShortcut_New::ucWizard_Nav_NextClicked(int intNewPageNo, bool& blnCancel)
{
    ShowErrors("frmCreateVekoraShortcut_New.ucWizard_Nav_NextClicked", [&] {
        blnCancel = true;
        if (intNewPageNo == 6) {
            try {
                CreateShortcut();
            } catch (...) {
                // No link was written: the user kept the old one (nothing to say) or the shell
                // could not write it (its reason is the description).
                const AppError error = CurrentError();
                if (error.Number != ERR_CREATE_SHORTCUT) throw;
                if (!error.Description.empty()) Sys().MsgBox(Hwnd(), error.Description, MB_ICONINFORMATION | MB_OK);
                return;
            }
        }
        // The bar adds one to the page it is on afterwards: the next link starts on page 2,
        // with every field as it was.
        if (intNewPageNo == PAGE_COUNT) m_ucWizard_Nav.ShowPage(1);
        blnCancel = false;
    });
}

void frmCreateVekoraShortcut_New::ucWizard_Nav_ShowPage(int intNewPageNo)
{
    ShowErrors("frmCreateVekoraShortcut_New.ucWizard_Nav_ShowPage", [&] {
        m_picStep.Show(intNewPageNo - 1, PageArea(), GetSysColor(COLOR_BTNFACE));
        const std::string step = "STEP" + std::to_string(intNewPageNo);
        m_ucWizard_TitleArea.SetTexts(TranslateDialogItem("WIZARD_TITLE"), TranslateDialogItem(step + "_TEXT"),
                                      TranslateDialogItem(step + "_TASK"));
        m_ucWizard_Nav.Translate();
        if (intNewPageNo == 5) m_ucWizard_Nav.SetNextButtonCaption(TranslateDialogItem("BTN_CREATELINK"));
        if (intNewPageNo == 6) m_ucWizard_Nav.SetCancelButtonCaption(g_cTranslate->TranslateEx("GLOBAL", "BTN_CLOSE"));
    });
}

void frmCreateVekoraShortcut_New::ucWizard_Nav_CancelClicked()
{
    ShowErrors("frmCreateVekoraShortcut_New.ucWizard_Nav_CancelClicked", [&] { EndModal(); });
}

void frmCreateVekoraShortcut_New::cmdSelLinkDestFolder_Click()
{
    ShowErrors("frmCreateVekoraShortcut_New.cmdSelLinkDestFolder_Click", [&] {
        const std::string path = AskForVekoPath(Hwnd(), m_txtDest.Text());
        if (!path.empty()) m_txtDest.SetText(path);
    });
}

void frmCreateVekoraShortcut_New::cmdSelFolder_Click()
{
    ShowErrors("frmCreateVekoraShortcut_New.cmdSelFolder_Click", [&] {
        const std::string folder =
            BrowseForFolder(Hwnd(), g_cTranslate->TranslateEx("GLOBAL", "MSG_SELECT_FOLDER"), m_browseRoot);
        if (!folder.empty()) m_txtDestFolder.SetText(folder);
    });
}

void frmCreateVekoraShortcut_New::opDest_Click(int index)
{
    ShowErrors("frmCreateVekoraShortcut_New.opDest_Click", [&] {
        EnableWindow(Control(IDC_CS_CMDSELFOLDER), TRUE);
        m_txtDestFolder.SetEnabled(true);
        std::string folder;
        switch (index) {
        case 0: folder = GetDesktopFolder(); m_browseRoot = CSIDL_DESKTOP; break;
        case 1: folder = GetStartmenuFolder(); m_browseRoot = CSIDL_STARTMENU; break;
        case 2: folder = GetQuickLaunchFolder(); m_browseRoot = NO_BROWSING; break;
        default: folder = "c:\\"; m_browseRoot = CSIDL_DRIVES; break;
        }
        m_txtDestFolder.SetText(folder);
        // The quick-launch bar shows one folder only.
        if (m_browseRoot == NO_BROWSING) {
            EnableWindow(Control(IDC_CS_CMDSELFOLDER), FALSE);
            m_txtDestFolder.SetEnabled(false);
        }
    });
}

void frmCreateVekoraShortcut_New::txtDest_Change()
{
    ShowErrors("frmCreateVekoraShortcut_New.txtDest_Change", [&] { SetDefaultLinkName(); });
}

void frmCreateVekoraShortcut_New::ckCreateFurtherShortcut_Click()
{
    ShowErrors("frmCreateVekoraShortcut_New.ckCreateFurtherShortcut_Click",
               [&] { m_ucWizard_Nav.SetNextButtonEnabled(Checked(IDC_CS_CKCREATEFURTHERSHORTCUT)); });
}

bool frmCreateVekoraShortcut_New::Checked(int id) const
{
    return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void frmCreateVekoraShortcut_New::SetControlText(int id, const std::string& text) const
{
    SetWindowTextA(Control(id), text.c_str());
}

std::string frmCreateVekoraShortcut_New::ControlText(int id) const
{
    return WindowText(Control(id));
}
