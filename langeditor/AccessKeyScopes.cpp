// The launcher's keyboard scopes: which of its captions a user sees at the same time. Taken
// from its windows and menus (the main window's menu model and text table, the templates of
// its dialogs and pages); a window that gets texts of its own adds its scopes here. Left out:
// window titles, list entries, message texts, labels that show "&" as it stands (drawn
// without prefix), and the fixed texts of the windows without a section.
#include "langeditor/AccessKeys.h"

namespace {

using Texts = std::vector<TextRef>;

Texts Join(Texts texts, const Texts& more)
{
    texts.insert(texts.end(), more.begin(), more.end());
    return texts;
}

Texts Main(std::initializer_list<const char*> ids)
{
    Texts texts;
    for (const char* id : ids) texts.push_back({"MAIN_DIALOG", id});
    return texts;
}

Texts Wizard(std::initializer_list<const char*> ids)
{
    Texts texts;
    for (const char* id : ids) texts.push_back({"CREATE_SHORTCUT_DIALOG_NEW", id});
    return texts;
}

std::vector<KeyScope> BuildScopes()
{
    // Around the main window's pages: the tabs, the start button and the menu bar's titles, whose
    // Alt key the dialog gives to a control on the page with the same access key.
    const Texts menuBar = Main({"MNU_FILE", "MNU_EDIT", "MNU_EXTRA"});
    const Texts mainFrame = Join(Main({"TAB_GAMESETTINGS", "TAB_SCENARIO", "TAB_DISPLAY", "TAB_REFRESH", "TAB_EXTRA",
                                       "BTN_START_VEKORA"}),
                                 menuBar);
    // The wizard's navigation bar: Next says Create on step 5, Cancel says Close on step 6.
    const Texts back = {{"GLOBAL", "BTN_BACK"}};
    const Texts nav = Join(back, {{"GLOBAL", "BTN_NEXT"}, {"GLOBAL", "BTN_CANCEL"}});
    const Texts browse = {{"GLOBAL", "BTN_Browse"}};
    const Texts okCancel = {{"GLOBAL", "BTN_OK"}, {"GLOBAL", "BTN_CANCEL"}};
    const Texts aboutFrame = {{"INFO_DIALOG", "TAB_INFO"}, {"INFO_DIALOG", "TAB_CREDITS"}, {"GLOBAL", "BTN_CLOSE"}};
    return {
        {"the main window's menu bar", menuBar},
        {"the main window's File menu", Main({"MNU_FILE_SAVE", "MNU_PROFILES", "MNU_FILE_QUIT"})},
        {"the main window's Profiles menu", Main({"MNU_PROFILES_NEW", "MNU_PROFILES_EDIT", "MNU_PROFILES_DUPLICATE",
                                                  "MNU_PROFILES_RENAME", "MNU_PROFILES_DELETE"})},
        {"the main window's Edit menu", Main({"MNU_EDIT_COPYCMDLINE"})},
        {"the main window's Extra menu", Main({"MNU_EXTRA_CREATESHORTCUT", "MNU_EXTRA_LANGUAGE", "MNU_ACCESSORIES",
                                               "MNU_EXTRA_OPTIONS", "MNU_EXTRA_INTERNETUPDATE"})},
        // In English the English FAQ's entry shows MNU_HELP_FAQ alone.
        {"the main window's Help menu", Main({"MNU_HELP_HOMEPAGE", "MNU_HELP_FAQ", "MNU_HELP_FAQ_EN",
                                              "MNU_HELP_FEEDBACK", "MNU_HELP_ABOUT"})},
        {"the main window's Game settings page",
         Join(Main({"LBL_VEKOPATH", "CHK_FREEPLAY", "LBL_FREEPLAY_DESC", "CHK_LOG", "LBL_LOG_DESC",
                    "BTN_DISPLAY_LOGFILE"}),
              mainFrame)},
        {"the main window's Scenario page",
         Join(Main({"LBL_SCENARIO_LIST", "LBL_SCENARIO_LIST_INFO", "LBL_GRAPHICPAK_LIST", "LBL_GRAPHICPAK_LIST_INFO"}),
              mainFrame)},
        {"the main window's Display page",
         Join(Main({"LBL_RESOLUTION_FRAME", "OP_STANDARD_RESOLUTION", "OP_USERDEFINED_RESOLUTION",
                    "LBL_RESOLUTION_WIDTH_HEIGTH", "LBL_RESOLUTION_WARNING"}),
              mainFrame)},
        {"the main window's Refresh page", Join(Main({"LBL_SCREEN_REFRESH"}), mainFrame)},
        {"the main window's Extra page",
         Join(Main({"LBL_VEKOFOLDER_FRAME", "BTN_OPEN_VEKOFOLDER", "LBL_VEKOFOLDER_FRAME_TEXT", "LBL_LOGFILE_FRAME",
                    "BTN_DISPLAY_LOGFILE", "LBL_LOGFILE_FRAME_TEXT"}),
              mainFrame)},
        {"the start confirmation",
         Join({{"START_VEKORA_DIALOG", "LBL_DIALOG_INFO"}, {"START_VEKORA_DIALOG", "LBL_WARNING"},
               {"START_VEKORA_DIALOG", "CHK_DONT_SHOW_DIALOG"}},
              okCancel)},
        {"the profile window",
         Join({{"EDIT_PROFILE_DIALOG", "LBL_NAME"}, {"EDIT_PROFILE_DIALOG", "LBL_DESCRIPTION"}}, okCancel)},
        {"the save window",
         {{"SAVE_DIALOG", "LBL_LIST_TITLE"}, {"SAVE_DIALOG", "LBL_LIST_INFO"}, {"GLOBAL", "BTN_Yes"},
          {"GLOBAL", "BTN_No"}}},
        {"the options window",
         Join({{"OPTIONS_DIALOG", "LBL_EDITOR"}, {"OPTIONS_DIALOG", "CHK_SHOW_STARTVEKORADIALOG"},
               {"OPTIONS_DIALOG", "CHK_CHECK_FOR_UPDATES"}},
              okCancel)},
        {"step 1 of the shortcut wizard", Join(Join(Wizard({"WIZARD_INFO", "LBL_SHORTCUT_TO"}), browse), nav)},
        {"step 2 of the shortcut wizard",
         Join(Wizard({"LBL_MODE_STANDARD", "LBL_MODE_CURRENTPROFILE", "LBL_MODE_THROUGHLAUNCHER", "LBL_SETTINGS_INFO"}),
              nav)},
        {"step 3 of the shortcut wizard",
         Join(Wizard({"LBL_DEST_DESKTOP", "LBL_DEST_STARTMENU", "LBL_DEST_QUICK_LAUNCH", "LBL_DEST_OTHER"}), nav)},
        {"step 4 of the shortcut wizard", Join(Join(Wizard({"LBL_SHORTCUT_FOLDER"}), browse), nav)},
        {"step 5 of the shortcut wizard",
         Join(Join(Wizard({"LBL_SHORTCUT_NAME", "LBL_SHORTCUT_NAME_EXAMPLE", "BTN_CREATELINK"}), back),
              {{"GLOBAL", "BTN_CANCEL"}})},
        {"step 6 of the shortcut wizard",
         Join(Join(Wizard({"LBL_LINKCREATED", "CHK_CREATE_FURTHER_SHORTCUT"}), back),
              {{"GLOBAL", "BTN_NEXT"}, {"GLOBAL", "BTN_CLOSE"}})},
        {"the update notice",
         {{"UPDATE_NOTICE", "LBL_INFO"}, {"UPDATE_NOTICE", "BTN_OPEN_PAGE"}, {"UPDATE_NOTICE", "BTN_REMIND_LATER"},
          {"UPDATE_NOTICE", "BTN_SKIP_VERSION"}}},
        // The Info page's two sentences are drawn without prefix; its link labels get a colon.
        {"the About window's Info page",
         Join({{"INFO_DIALOG", "LBL_WEBPAGE"}, {"INFO_DIALOG", "LBL_EMAIL"}}, aboutFrame)},
        {"the About window's Credits page",
         Join({{"INFO_DIALOG", "LBL_PROGRAMMING"}, {"INFO_DIALOG", "LBL_TRANSLATION"}, {"INFO_DIALOG", "LBL_FAQ"}},
              aboutFrame)},
    };
}

} // namespace

const std::vector<KeyScope>& LauncherKeyScopes()
{
    static const std::vector<KeyScope> scopes = BuildScopes();
    return scopes;
}
