// The main window's texts in the chosen language, and the version line.
#include "mainwindow/frmMain.h"

#include "AppVersion.h"
#include "base/mError.h"
#include "core/Application.h"
#include "mMain.h"
#include "mainwindow/MainLayout.h"
#include "mainwindow/frmMain_res.h"
#include "profiles/Profile.h"
#include "translation/TextBinding.h"
#include "translation/cTranslate.h"

namespace {
// The tabs (by their IDs), the controls of the window and its pages, and the menu entries.
constexpr TextBinding TEXTS[] = {
    {IDC_MAIN_TAB0, "MAIN_DIALOG", "TAB_GAMESETTINGS"},
    {IDC_MAIN_TAB0 + 1, "MAIN_DIALOG", "TAB_SCENARIO"},
    {IDC_MAIN_TAB0 + 2, "MAIN_DIALOG", "TAB_DISPLAY"},
    {IDC_MAIN_TAB0 + 3, "MAIN_DIALOG", "TAB_REFRESH"},
    {IDC_MAIN_TAB0 + 4, "MAIN_DIALOG", "TAB_EXTRA"},
    {IDC_CKFREEPLAY, "MAIN_DIALOG", "CHK_FREEPLAY"},
    {IDC_LBLFREEPLAYMODE_DESC, "MAIN_DIALOG", "LBL_FREEPLAY_DESC"},
    {IDC_CKLOGMESSAGES, "MAIN_DIALOG", "CHK_LOG"},
    {IDC_LBLLOGMSG, "MAIN_DIALOG", "LBL_LOG_DESC"},
    {IDC_CMDLOGFILE, "MAIN_DIALOG", "BTN_DISPLAY_LOGFILE"},
    {IDC_CMDLOGFILE2, "MAIN_DIALOG", "BTN_DISPLAY_LOGFILE"}, // both log-file buttons say the same
    {IDC_LBLVEKOPATH, "MAIN_DIALOG", "LBL_VEKOPATH"},
    {IDC_LBLGRAPHICPAK, "MAIN_DIALOG", "LBL_GRAPHICPAK_LIST"},
    {IDC_LBLGRAPHICPAKINFO, "MAIN_DIALOG", "LBL_GRAPHICPAK_LIST_INFO"},
    {IDC_LBLSCENARIOS, "MAIN_DIALOG", "LBL_SCENARIO_LIST"},
    {IDC_LBLSCENARIOINFO, "MAIN_DIALOG", "LBL_SCENARIO_LIST_INFO"},
    {IDC_FRMRESOLUTION, "MAIN_DIALOG", "LBL_RESOLUTION_FRAME"},
    {IDC_LBLRESOLUTION_WARNING, "MAIN_DIALOG", "LBL_RESOLUTION_WARNING"},
    {IDC_OPRESOLUTION0, "MAIN_DIALOG", "OP_STANDARD_RESOLUTION"},
    {IDC_OPRESOLUTION1, "MAIN_DIALOG", "OP_USERDEFINED_RESOLUTION"},
    {IDC_LBLWIDTH_HEIGTH, "MAIN_DIALOG", "LBL_RESOLUTION_WIDTH_HEIGTH"},
    {IDC_FRMSCREENREFRESH, "MAIN_DIALOG", "LBL_SCREEN_REFRESH"},
    {IDC_FRMOPENLOGFILE, "MAIN_DIALOG", "LBL_LOGFILE_FRAME"},
    {IDC_FRMOPENVEKOFOLDER, "MAIN_DIALOG", "LBL_VEKOFOLDER_FRAME"},
    {IDC_LBLOPENLOGFILEDESC, "MAIN_DIALOG", "LBL_LOGFILE_FRAME_TEXT"},
    {IDC_LBLOPENVEKOFOLDER, "MAIN_DIALOG", "LBL_VEKOFOLDER_FRAME_TEXT"},
    {IDC_CMDOPENVEKODIR, "MAIN_DIALOG", "BTN_OPEN_VEKOFOLDER"},
    {IDC_CMDSTART, "MAIN_DIALOG", "BTN_START_VEKORA"},
    {IDM_FILE, "MAIN_DIALOG", "MNU_FILE"},
    {IDM_FILE_SAVE, "MAIN_DIALOG", "MNU_FILE_SAVE"},
    {IDM_FILE_QUIT, "MAIN_DIALOG", "MNU_FILE_QUIT"},
    {IDM_FILE_PROFILES, "MAIN_DIALOG", "MNU_PROFILES"},
    {IDM_PROFILE_NEW, "MAIN_DIALOG", "MNU_PROFILES_NEW"},
    {IDM_PROFILE_EDIT, "MAIN_DIALOG", "MNU_PROFILES_EDIT"},
    {IDM_EDIT, "MAIN_DIALOG", "MNU_EDIT"},
    {IDM_EDIT_COPYCMDLINE, "MAIN_DIALOG", "MNU_EDIT_COPYCMDLINE"},
    {IDM_EXTRA, "MAIN_DIALOG", "MNU_EXTRA"},
    {IDM_EXTRA_CREATESHORTCUT, "MAIN_DIALOG", "MNU_EXTRA_CREATESHORTCUT"},
    {IDM_OPTIONS_LANG, "MAIN_DIALOG", "MNU_EXTRA_LANGUAGE"},
    {IDM_EXTRA_OPTIONS, "MAIN_DIALOG", "MNU_EXTRA_OPTIONS"},
    {IDM_EXTRA_UPDATE, "MAIN_DIALOG", "MNU_EXTRA_INTERNETUPDATE"},
    {IDM_HELP_WEBPAGE, "MAIN_DIALOG", "MNU_HELP_HOMEPAGE"},
    {IDM_HELP_FEEDBACK, "MAIN_DIALOG", "MNU_HELP_FEEDBACK"},
    {IDM_HELP_ABOUT, "MAIN_DIALOG", "MNU_HELP_ABOUT"},
    {IDM_HELP_FAQ, "MAIN_DIALOG", "MNU_HELP_FAQ"},
    {IDM_EXTRA_ACCESSORIES, "MAIN_DIALOG", "MNU_ACCESSORIES"},
};

// Replaces the texts of a list's entries and keeps its selection.
void SetListTexts(HWND list, const std::vector<std::string>& texts)
{
    const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    for (size_t i = 0; i < texts.size(); ++i) {
        SendMessageA(list, LB_DELETESTRING, i, 0);
        SendMessageA(list, LB_INSERTSTRING, i, reinterpret_cast<LPARAM>(texts[i].c_str()));
    }
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}
} // namespace

std::span<const TextBinding> frmMain::TextBindings()
{
    return TEXTS;
}

void frmMain::SetBoundText(int id, const std::string& text)
{
    if (id >= IDC_MAIN_TAB0 && id < IDC_MAIN_TAB0 + TAB_COUNT) m_pages.SetCaption(id - IDC_MAIN_TAB0, text);
    else if (id >= IDM_FILE && id <= IDM_HELP_ABOUT) m_menu.SetText(id, text); // the menu bar's own IDs
    else SetControlText(id, text);
}

std::string frmMain::TranslateDialogItem(const std::string& id) const
{
    return PassErrors("frmMain.TranslateDialogItem", [&] { return g_cTranslate->TranslateEx("MAIN_DIALOG", id); });
}

void frmMain::TranslateDialog()
{
    PassErrors("frmMain.TranslateDialog", [&] {
        ApplyTextBindings(TEXTS, [&](int id, const std::string& text) { SetBoundText(id, text); });
        m_pages.LayoutTabs();

        std::vector<std::string> entries;
        for (int i = 1; i <= MAIN_LIST_ENTRIES; ++i) entries.push_back(TranslateDialogItem(std::string("LST_RESOLUTION_") + std::to_string(i)));
        SetListTexts(Control(IDC_LSTRESOLUTION), entries);
        entries.clear();
        for (int i = 1; i <= MAIN_LIST_ENTRIES; ++i) entries.push_back(TranslateDialogItem(std::string("LST_REFRESH_") + std::to_string(i)));
        SetListTexts(Control(IDC_LSTREFRESH), entries);
        const bool english = g_cApp->Options().Language() == "EN";
        m_menu.SetText(IDM_HELP_FAQ_EN, TranslateDialogItem(english ? "MNU_HELP_FAQ" : "MNU_HELP_FAQ_EN"));

        UpdateVersionLabels();
        HideFAQMenu();
    });
}

void frmMain::UpdateVersionLabels()
{
    PassErrors("frmMain.UpdateVersionLabels", [&] {
        const std::shared_ptr<Profile> active = g_cApp->ActiveProfile();
        const std::string game = GetVekoraFile_VersionInfo(active ? active->VekoraPath() : "");
        std::string text = "Vekolaunch ";
        text += std::to_string(VEKOLAUNCH_VER_MAJOR) + "." + std::to_string(VEKOLAUNCH_VER_MINOR) + "." +
                std::to_string(VEKOLAUNCH_VER_REVISION);
        text += " ";
        text += g_cTranslate->TranslateEx("GLOBAL", "WITH");
        text += " " + game;
        SetItemText(IDC_LBLVERSION, text);
    });
}
