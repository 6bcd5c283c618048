// The main window's texts in the chosen language, and the version line.
#include "mainwindow/frmMain.h"

#include "AppVersion.h"
#include "base/mError.h"
#include "core/Application.h"
#include "mMain.h"
#include "mainwindow/MainLayout.h"
#include "mainwindow/frmMain_res.h"
#include "profiles/Profile.h"
#include "translation/cTranslate.h"

namespace {
struct TextBinding {
    int Id;
    const char* TextId;
};

// Tab texts, in the order of the tabs.
constexpr const char* TAB_TEXT_IDS[frmMain::TAB_COUNT] = {"TAB_GAMESETTINGS", "TAB_SCENARIO", "TAB_DISPLAY",
                                                          "TAB_REFRESH", "TAB_EXTRA"};

constexpr TextBinding PAGE_TEXTS[] = {
    {IDC_CKFREEPLAY, "CHK_FREEPLAY"},
    {IDC_LBLFREEPLAYMODE_DESC, "LBL_FREEPLAY_DESC"},
    {IDC_CKLOGMESSAGES, "CHK_LOG"},
    {IDC_LBLLOGMSG, "LBL_LOG_DESC"},
    {IDC_CMDLOGFILE, "BTN_DISPLAY_LOGFILE"},
    {IDC_CMDLOGFILE2, "BTN_DISPLAY_LOGFILE"}, // both log-file buttons say the same
    {IDC_LBLVEKOPATH, "LBL_VEKOPATH"},
    {IDC_LBLGRAPHICPAK, "LBL_GRAPHICPAK_LIST"},
    {IDC_LBLGRAPHICPAKINFO, "LBL_GRAPHICPAK_LIST_INFO"},
    {IDC_LBLSCENARIOS, "LBL_SCENARIO_LIST"},
    {IDC_LBLSCENARIOINFO, "LBL_SCENARIO_LIST_INFO"},
    {IDC_FRMRESOLUTION, "LBL_RESOLUTION_FRAME"},
    {IDC_LBLRESOLUTION_WARNING, "LBL_RESOLUTION_WARNING"},
    {IDC_OPRESOLUTION0, "OP_STANDARD_RESOLUTION"},
    {IDC_OPRESOLUTION1, "OP_USERDEFINED_RESOLUTION"},
    {IDC_LBLWIDTH_HEIGTH, "LBL_RESOLUTION_WIDTH_HEIGTH"},
};

constexpr TextBinding LATER_PAGE_TEXTS[] = {
    {IDC_FRMOPENLOGFILE, "LBL_LOGFILE_FRAME"},
    {IDC_FRMOPENVEKOFOLDER, "LBL_VEKOFOLDER_FRAME"},
    {IDC_LBLOPENLOGFILEDESC, "LBL_LOGFILE_FRAME_TEXT"},
    {IDC_LBLOPENVEKOFOLDER, "LBL_VEKOFOLDER_FRAME_TEXT"},
    {IDC_CMDOPENVEKODIR, "BTN_OPEN_VEKOFOLDER"},
    {IDC_CMDSTART, "BTN_START_VEKORA"},
};

constexpr TextBinding MENU_TEXTS[] = {
    {IDM_FILE, "MNU_FILE"},
    {IDM_FILE_SAVE, "MNU_FILE_SAVE"},
    {IDM_FILE_QUIT, "MNU_FILE_QUIT"},
    {IDM_FILE_PROFILES, "MNU_PROFILES"},
    {IDM_PROFILE_NEW, "MNU_PROFILES_NEW"},
    {IDM_PROFILE_EDIT, "MNU_PROFILES_EDIT"},
    {IDM_EDIT, "MNU_EDIT"},
    {IDM_EDIT_COPYCMDLINE, "MNU_EDIT_COPYCMDLINE"},
    {IDM_EXTRA, "MNU_EXTRA"},
    {IDM_EXTRA_CREATESHORTCUT, "MNU_EXTRA_CREATESHORTCUT"},
    {IDM_OPTIONS_LANG, "MNU_EXTRA_LANGUAGE"},
    {IDM_EXTRA_OPTIONS, "MNU_EXTRA_OPTIONS"},
    {IDM_EXTRA_UPDATE, "MNU_EXTRA_INTERNETUPDATE"},
    {IDM_HELP_WEBPAGE, "MNU_HELP_HOMEPAGE"},
    {IDM_HELP_FEEDBACK, "MNU_HELP_FEEDBACK"},
    {IDM_HELP_ABOUT, "MNU_HELP_ABOUT"},
    {IDM_HELP_FAQ, "MNU_HELP_FAQ"},
    {IDM_EXTRA_ACCESSORIES, "MNU_ACCESSORIES"},
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

std::string frmMain::TranslateDialogItem(const std::string& id) const
{
    return PassErrors("frmMain.TranslateDialogItem", [&] {
        return g_cTranslate->TranslateEx("MAIN_DIALOG", id);
    });
}

void frmMain::TranslateDialog()
{
    PassErrors("frmMain.TranslateDialog", [&] {
        for (int i = 0; i < TAB_COUNT; ++i) m_pages.SetCaption(i, TranslateDialogItem(TAB_TEXT_IDS[i]));
        for (const TextBinding& text : PAGE_TEXTS) SetControlText(text.Id, TranslateDialogItem(text.TextId));
        m_pages.LayoutTabs();

        std::vector<std::string> entries;
        for (int i = 1; i <= MAIN_LIST_ENTRIES; ++i) entries.push_back(TranslateDialogItem(std::string("LST_RESOLUTION_") + std::to_string(i)));
        SetListTexts(Control(IDC_LSTRESOLUTION), entries);
        SetControlText(IDC_FRMSCREENREFRESH, TranslateDialogItem("LBL_SCREEN_REFRESH"));
        entries.clear();
        for (int i = 1; i <= MAIN_LIST_ENTRIES; ++i) entries.push_back(TranslateDialogItem(std::string("LST_REFRESH_") + std::to_string(i)));
        SetListTexts(Control(IDC_LSTREFRESH), entries);

        for (const TextBinding& text : LATER_PAGE_TEXTS) SetControlText(text.Id, TranslateDialogItem(text.TextId));
        for (const TextBinding& text : MENU_TEXTS) m_menu.SetText(text.Id, TranslateDialogItem(text.TextId));
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
