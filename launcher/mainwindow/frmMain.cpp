// The main window: creation and set-up, layout of its children, tab switching, command routing
// and closing.
#include "mainwindow/frmMain.h"

#include <commctrl.h>

#include "base/ControlHost.h"
#include "base/ProgramIcon.h"
#include "base/ScopedWin.h"
#include "base/SystemServices.h"
#include "base/mError.h"
#include "core/Application.h"
#include "mainwindow/MainLayout.h"
#include "mainwindow/frmMain_res.h"
#include "profiles/Profile.h"
#include "translation/cTranslate.h"

// The width and height fields: the key filter and the click that selects the user-defined
// resolution, which an edit box does not report to its parent.
LRESULT CALLBACK ResolutionFieldProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR refData)
{
    auto* form = reinterpret_cast<frmMain*>(refData);
    const int controlId = GetDlgCtrlID(hwnd);
    switch (msg) {
    case WM_CHAR: {
        int keyAscii = static_cast<int>(wParam);
        if (controlId == IDC_TXTRES_WIDTH) form->txtRes_Width_KeyPress(keyAscii);
        else form->txtRes_Height_KeyPress(keyAscii);
        if (keyAscii == 0) return 0;
        return DefSubclassProc(hwnd, msg, static_cast<WPARAM>(keyAscii), lParam);
    }
    case WM_LBUTTONDOWN:
        if (controlId == IDC_TXTRES_WIDTH) form->txtRes_Width_Click();
        else form->txtRes_Height_Click();
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, ResolutionFieldProc, id);
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

frmMain::frmMain() : DialogBase("frmMain"), m_menu(CreateMainMenu())
{
    RegisterProgramDialogClass(FRMMAIN_CLASS, IDI_VEKOLAUNCH);
}

frmMain::~frmMain()
{
    if (m_hMenu.Get() && Hwnd()) SetMenu(Hwnd(), nullptr);
}

void frmMain::OnInit()
{
    ShowErrors("frmMain.Form_Load", [&] {
        {
            ScopedGetDC screen(nullptr);
            m_dpi = GetDeviceCaps(screen, LOGPIXELSX);
        }
        const int width = TwipsToPixels(MAIN_WINDOW_WIDTH_TWIPS, m_dpi);
        const int height = TwipsToPixels(MAIN_WINDOW_HEIGHT_TWIPS, m_dpi);
        RECT work = {};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        SetWindowPos(Hwnd(), nullptr, work.left + (work.right - work.left - width) / 2,
                     work.top + (work.bottom - work.top - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        FillMenuAsShown();
        CreateChildControls();
    });
}

void frmMain::CreateChildControls()
{
    HWND hwnd = Hwnd();
    const int textHeight = FontLineHeight(hwnd);
    RECT client = {};
    GetClientRect(hwnd, &client);
    RECT button = {};
    GetWindowRect(Item(IDC_CMDSTART), &button);
    const MainWindowLayout layout =
        ComputeMainWindowLayout(SIZE{client.right, client.bottom}, m_dpi, TabHeightForText(textHeight),
                                SIZE{button.right - button.left, button.bottom - button.top}, textHeight);

    MoveWindow(Item(IDC_CMDSTART), layout.StartButton.left, layout.StartButton.top,
               layout.StartButton.right - layout.StartButton.left, layout.StartButton.bottom - layout.StartButton.top,
               FALSE);
    MoveWindow(Item(IDC_LBLVERSION), layout.VersionLabel.left, layout.VersionLabel.top,
               layout.VersionLabel.right - layout.VersionLabel.left,
               layout.VersionLabel.bottom - layout.VersionLabel.top, FALSE);

    // The first page is what the window opens on; the others are created when first shown.
    m_pages.Create(hwnd,
                   {{"Game settings", "frmMainPage0"},
                    {"Scenario", "frmMainPage1"},
                    {"Display", "frmMainPage2"},
                    {"Refresh", "frmMainPage3"},
                    {"Extra", "frmMainPage4"}},
                   PageSetPlace{POINT{layout.TabLeft, layout.TabTop}, layout.TabHeight, layout.Area, m_dpi,
                                IDC_MAIN_TAB0, IDC_MAIN_TABAREA, IDC_MAIN_PAGE0},
                   PageCreation::WhenFirstShown);
    CreatePage(0);
}

void frmMain::CreatePage(int index)
{
    m_pages.CreatePage(index);
    // The path field and the preview take the places their placeholders hold in the pages; a
    // set-up that failed before its control was placed is done again on the next showing.
    if (index == 0 && !m_txtVekoraPath.Hwnd()) {
        m_txtVekoraPath.RegisterDropTargetWhenIdle(); // not needed for the first paint
        PlaceAtPlaceholder(m_txtVekoraPath, Page(0).Hwnd(), IDC_TXTVEKORAPATH);
        m_txtVekoraPath.SetBackColor(RGB(224, 224, 224));
        m_txtVekoraPath.SetAcceptFiles(true);
        SendMessageA(m_txtVekoraPath.Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(WindowFont(Hwnd())), FALSE);
    } else if (index == TAB_DISPLAY && !m_UserControl11.Hwnd()) {
        if (!m_UserControl11.HasPicture()) m_UserControl11.SetPicture(CreateGameScreenPicture());
        PlaceAtPlaceholder(m_UserControl11, Page(TAB_DISPLAY).Hwnd(), IDC_USERCONTROL11);
        for (int id : {IDC_TXTRES_WIDTH, IDC_TXTRES_HEIGHT}) {
            SendMessageA(Control(id), EM_LIMITTEXT, 10, 0);
            SetWindowSubclass(Control(id), ResolutionFieldProc, 1, reinterpret_cast<DWORD_PTR>(this));
        }
        // Until now the preview had no size to draw the selection in.
        ShowPreviewForSelection();
    }
}

void frmMain::InitDialog()
{
    PassErrors("frmMain.InitDialog", [&] {
        for (int id : {IDC_LSTRESOLUTION, IDC_LSTREFRESH}) m_pages.SetEntries(id, std::vector<std::string>(MAIN_LIST_ENTRIES, "-"));
        {
            const MenuRebuildBatch oneRebuild(*this);
            InitLanguageList();
            TranslateDialog();
            FillProfileList();
            RefreshAccessoriesMenu();
        }
        ucTab1_Click(0);
    });
}

HWND frmMain::Control(int id) const
{
    if (HWND own = Item(id)) return own;
    return m_pages.FindControl(id);
}

int frmMain::ActiveTab() const
{
    return m_pages.ActiveTab();
}

std::string frmMain::ControlText(int id) const
{
    if (HWND own = Item(id)) return WindowText(own);
    return m_pages.Text(id);
}

void frmMain::SetControlText(int id, const std::string& text)
{
    if (HWND own = Item(id)) SetWindowTextA(own, text.c_str());
    else m_pages.SetText(id, text);
}

bool frmMain::IsControlChecked(int id) const
{
    return m_pages.IsChecked(id);
}

int frmMain::ListIndex(int id) const
{
    return m_pages.Selection(id);
}

void frmMain::SetListIndex(int id, int index)
{
    m_pages.SetSelection(id, index);
}

void frmMain::ucTab1_Click(int index)
{
    ShowErrors("frmMain.ucTab1_Click", [&] {
        CreatePage(index);
        m_pages.Activate(index);
    });
}

bool frmMain::OnPreTranslateMessage(const MSG& msg)
{
    if (m_unloaded || msg.message != WM_KEYDOWN || (msg.hwnd != Hwnd() && !IsChild(Hwnd(), msg.hwnd))) return false;
    const int page = PageForKey(ActiveTab(), TAB_COUNT, static_cast<UINT>(msg.wParam), GetKeyState(VK_CONTROL) < 0,
                                GetKeyState(VK_SHIFT) < 0);
    if (page < 0) return false;
    ucTab1_Click(page);
    // The control that had the focus went with its page.
    SetFocus(Tab(page).Hwnd());
    return true;
}

void frmMain::OnCommand(int id, int code, HWND control)
{
    if (m_unloaded) return;
    if (const int tab = m_pages.ClickedTab(id, code); tab >= 0) return ucTab1_Click(tab);
    if (id >= IDM_PROFILE_LIST_FIRST && id <= IDM_PROFILE_LIST_LAST) return mnuProfile_List_Click(id - IDM_PROFILE_LIST_FIRST);
    if (id >= IDM_LANG_ITEM_FIRST && id <= IDM_LANG_ITEM_LAST) return mnuOptions_Lang_Item_Click(id - IDM_LANG_ITEM_FIRST);
    switch (id) {
    case IDC_CMDSTART: if (code == BN_CLICKED) cmdStart_Click(); break;
    case IDC_CMDSELECTVEKOPATH: if (code == BN_CLICKED) cmdSelectVekoPath_Click(); break;
    case IDC_CMDLOGFILE: if (code == BN_CLICKED) cmdLogfile_Click(); break;
    case IDC_CMDLOGFILE2: if (code == BN_CLICKED) cmdLogfile2_Click(); break;
    case IDC_CMDOPENVEKODIR: if (code == BN_CLICKED) cmdOpenVekoDir_Click(); break;
    case IDC_LSTRESOLUTION: if (code == LBN_SELCHANGE) lstResolution_Click(); break;
    case IDC_TXTRES_WIDTH: if (code == EN_KILLFOCUS && FocusStaysInProgram()) txtRes_Width_LostFocus(); break;
    case IDC_TXTRES_HEIGHT: if (code == EN_KILLFOCUS && FocusStaysInProgram()) txtRes_Height_LostFocus(); break;
    case IDM_FILE_SAVE: mnuFile_Save_Click(); break;
    case IDM_PROFILE_NEW: mnuProfile_New_Click(); break;
    case IDM_PROFILE_EDIT: mnuProfile_Edit_Click(); break;
    case IDM_PROFILE_DUPLICATE: mnuProfile_Duplicate_Click(); break;
    case IDM_PROFILE_RENAME: mnuProfile_Rename_Click(); break;
    case IDM_PROFILE_DELETE: mnuProfile_Delete_Click(); break;
    case IDM_FILE_QUIT: mnuFile_Quit_Click(); break;
    case IDM_EDIT_COPYCMDLINE: mnuEditCopy_CmdLine_Click(); break;
    case IDM_EXTRA_ACCESSORIES_LINGOBENCH: mnuExtra_Accessories_Lingobench_Click(); break;
    case IDM_EXTRA_CREATESHORTCUT: mnuExtra_CreateShortcut_Click(); break;
    case IDM_EXTRA_OPTIONS: mnuExtra_Options_Click(); break;
    case IDM_EXTRA_UPDATE: mnuExtra_Update_Click(); break;
    case IDM_HELP_ABOUT: mnuHelp_About_Click(); break;
    case IDM_HELP_WEBPAGE: mnuHelp_Webpage_Click(); break;
    case IDM_HELP_FAQ: mnuHelp_FAQ_Click(); break;
    case IDM_HELP_FAQ_EN: mnuHelp_FAQ_EN_Click(); break;
    case IDM_HELP_FEEDBACK: mnuFile_SendFeedback_Click(); break;
    default: break;
    }
}

void frmMain::OnClose()
{
    if (m_unloaded) return;
    if (Form_QueryUnload()) return; // cancelled: the window stays open
    Form_Unload();
    Unload();
}

// Windows ending the session closes the launcher as the user would: the question about unsaved
// changes while the system still waits for the answer, the settings when the end is certain.
bool frmMain::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result)
{
    switch (msg) {
    case WM_QUERYENDSESSION:
        SetWindowLongPtrA(Hwnd(), DWLP_MSGRESULT, m_unloaded || !Form_QueryUnload() ? TRUE : FALSE);
        result = TRUE;
        return true;
    case WM_ENDSESSION:
        if (wParam && !m_unloaded) {
            Form_Unload();
            Unload();
        }
        result = TRUE;
        return true;
    default:
        return false;
    }
}

// A field loses the focus also when the user switches to another program; only a move to
// another window of the launcher means the input is done.
bool frmMain::FocusStaysInProgram()
{
    return GetFocus() != nullptr;
}

void frmMain::mnuFile_Quit_Click()
{
    OnClose();
}

bool frmMain::Form_QueryUnload()
{
    bool cancel = false;
    const bool asked = ShowErrors("frmMain.Form_QueryUnload", [&] {
        // A switch of profiles alone is no question: the active profile is remembered anyway.
        const SaveOffer offer = ProfilesToSave();
        if (!offer.Profiles.empty()) {
            const int answer = Sys().MsgBox(Hwnd(), TranslateDialogItem("MSG_SaveChangesQuestion"), MB_YESNOCANCEL);
            if (answer == IDCANCEL) cancel = true;
            if (answer == IDYES) g_cApp->SaveData(Hwnd(), offer.Profiles);
        } else if (offer.SomeCannotBeSaved) {
            cancel = Sys().MsgBox(Hwnd(), TranslateDialogItem("MSG_QuitVekolaunchQuestion"), MB_YESNO) != IDYES;
        }
    });
    // After a failure the user decides whether the launcher still closes.
    if (!asked) cancel = Sys().MsgBox(Hwnd(), TranslateDialogItem("MSG_QuitVekolaunchQuestion"), MB_YESNO) != IDYES;
    return cancel;
}

void frmMain::Form_Unload()
{
    m_unloaded = true;
    if (!g_cApp) return;
    // The public objects go also when the settings could not be saved.
    ShowErrors("frmMain.Form_Unload", [&] {
        g_cApp->SaveAppSettings();
        g_cApp->Profiles().SaveWhichProfileIsActive(g_cApp->ActiveProfile().get());
    });
    ClosePublicObjects();
}

void frmMain::OnDestroy()
{
    m_hMenu.Release(); // destroyed with the window
    // With the main window gone the program ends.
    PostQuitMessage(0);
}
