// The launcher's main window: the active profile on five tab pages, the menus, the start
// button and the closing sequence that ends the program.
#pragma once

#include <windows.h>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/DialogBase.h"
#include "base/ScopedWin.h"
#include "controls/PageSet.h"
#include "controls/ucPath.h"
#include "mainwindow/MainMenu.h"
#include "mainwindow/MainWindowRules.h"
#include "mainwindow/frmMain_res.h"
#include "mainwindow/ucResolutionPreview.h"
#include "translation/TextBinding.h"

class Profile;

class frmMain : public DialogBase {
public:
    static constexpr int TAB_COUNT = 5;
    static constexpr int TAB_DISPLAY = 2;

    frmMain();
    ~frmMain() override;

    // Set-up, called once after Load.
    void InitDialog();
    // Shows the profile and makes it the active one.
    bool LoadData(const std::shared_ptr<Profile>& profile);
    // Corrects and checks the input, then writes it into the active profile. Leaving a profile
    // (another one, a new one, closing) lets it keep an empty game path.
    void RefreshProfileData(GamePathRule gamePath = GamePathRule::Required);
    void CheckData(GamePathRule gamePath = GamePathRule::Required);
    void CorrectInput();
    // File > Save: the save window with every changed profile that can be saved.
    void SaveData();
    // The command line built from the controls (untrimmed).
    std::string GetCmdLineParameters() const;
    void TranslateDialog();
    // The texts the language file gives as they stand: the tabs (by their IDs), the controls of
    // the window and its pages, and the menu entries.
    static constexpr TextBinding TEXTS[] = {
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
        {IDM_PROFILE_DUPLICATE, "MAIN_DIALOG", "MNU_PROFILES_DUPLICATE"},
        {IDM_PROFILE_RENAME, "MAIN_DIALOG", "MNU_PROFILES_RENAME"},
        {IDM_PROFILE_DELETE, "MAIN_DIALOG", "MNU_PROFILES_DELETE"},
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
        {IDM_EXTRA_ACCESSORIES_LINGOBENCH, "MAIN_DIALOG", "MNU_ACCESSORIES_LINGOBENCH", "&Language editor..."},
    };
    void UpdateVersionLabels();
    void ucTab1_Click(int index);

    // A control of the window or of any of its pages created so far.
    HWND Control(int id) const;
    // The tab whose page is shown, -1 before the first is chosen.
    int ActiveTab() const;
    ucTab& Tab(int index) { return m_pages.Tab(index); }
    ucTabArea& TabArea() { return m_pages.Area(); }
    ChildPage& Page(int index) { return m_pages.Page(index); }
    ucPath& VekoraPathField() { return m_txtVekoraPath; }
    ucResolutionPreview& Preview() { return m_UserControl11; }
    const MenuBar& Menu() const { return m_menu; }
    // The input as the controls hold it.
    MainWindowInput ReadInput() const;

protected:
    void OnInit() override;
    bool FocusAtCreation() const override { return false; }
    void OnCommand(int id, int code, HWND control) override;
    // Enter reaches the start button, the default button, by itself; Escape has nothing to
    // cancel in this window.
    void OnOk() override {}
    void OnCancel() override {}
    void OnClose() override;
    // Ctrl+Tab and its kin switch the pages, as in every tabbed dialog.
    bool OnPreTranslateMessage(const MSG& msg) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnDestroy() override;

private:
    friend LRESULT CALLBACK ResolutionFieldProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

    // Window life cycle.
    void CreateChildControls();
    // Creates the page (0-based) with what the window adds to it, unless it is there.
    void CreatePage(int index);
    bool Form_QueryUnload();
    // What the save window may offer: the input goes into the active profile as far as it passes
    // its checks, and each changed profile that cannot be saved is named with what it lacks, so
    // that it never costs the others their changes.
    struct SaveOffer {
        std::vector<std::shared_ptr<Profile>> Profiles;
        bool SomeCannotBeSaved = false;
    };
    SaveOffer ProfilesToSave();
    void StoreInput();
    void SayProfileCannotBeSaved(const Profile& profile, const std::string& problem);
    static bool FocusStaysInProgram();
    void Form_Unload();
    void mnuFile_Quit_Click();

    // Profile values and their events.
    void lstResolution_Click();
    void ShowPreviewForSelection();
    void txtRes_Width_KeyPress(int& keyAscii);
    void txtRes_Height_KeyPress(int& keyAscii);
    void txtRes_Width_Click();
    void txtRes_Height_Click();
    void txtRes_Width_LostFocus();
    void txtRes_Height_LostFocus();
    void FilterResolutionKey(int& keyAscii);
    bool IsUserDefinedResolution() const;
    void SetUserDefinedResolution(bool userDefined);
    void FillScenarioFilesList();
    void FillDatenPakList();

    // Buttons.
    void cmdStart_Click();
    void cmdLogfile_Click();
    void cmdLogfile2_Click();
    void cmdOpenVekoDir_Click();
    void cmdSelectVekoPath_Click();

    // Menus.
    void FillProfileList();
    void InitLanguageList();
    void HighligthSelectedLanguage();
    void RefreshAccessoriesMenu();
    void HideFAQMenu();
    // Gives the menu the entries and texts InitDialog gives it, before the window has a menu
    // bar: the layout needs the bar as it will be, and it is set once (the frame is recalculated
    // each time). InitDialog then finds the menu unchanged.
    void FillMenuAsShown();
    // The menu bar's entries in the chosen language.
    void TranslateMenu();
    void ApplyMenu();
    // While one lives, ApplyMenu only notes that the menu bar has changed; the last one to end
    // rebuilds it once. Every rebuild makes the system recalculate and repaint the frame.
    class MenuRebuildBatch {
    public:
        explicit MenuRebuildBatch(frmMain& window);
        ~MenuRebuildBatch();
        MenuRebuildBatch(const MenuRebuildBatch&) = delete;
        MenuRebuildBatch& operator=(const MenuRebuildBatch&) = delete;

    private:
        frmMain& m_window;
    };
    void mnuFile_Save_Click();
    void mnuProfile_New_Click();
    void mnuProfile_Edit_Click();
    void mnuProfile_Duplicate_Click();
    void mnuProfile_Rename_Click();
    void mnuProfile_Delete_Click();
    // The profile window in that mode for the active profile or its copy; true after OK.
    bool AskProfileName(int16_t mode, Profile& profile, std::string& newName);
    void mnuProfile_List_Click(int index);
    void mnuEditCopy_CmdLine_Click();
    void mnuOptions_Lang_Item_Click(int index);
    void mnuExtra_Accessories_Lingobench_Click();
    void mnuExtra_CreateShortcut_Click();
    void mnuExtra_Options_Click();
    void mnuExtra_Update_Click();
    void mnuHelp_About_Click();
    void mnuHelp_Webpage_Click();
    void mnuHelp_FAQ_Click();
    void mnuHelp_FAQ_EN_Click();
    void mnuFile_SendFeedback_Click();

    // Texts.
    std::string TranslateDialogItem(const std::string& id) const;
    // Gives the tab or control with that ID its text.
    void SetBoundText(int id, const std::string& text);

    // Control helpers.
    int ListIndex(int id) const;
    void SetListIndex(int id, int index);
    std::string ControlText(int id) const;
    void SetControlText(int id, const std::string& text);
    bool IsControlChecked(int id) const;

    PageSet m_pages; // ucTab1, Shape1 and picPage
    ucPath m_txtVekoraPath;
    ucResolutionPreview m_UserControl11;
    MenuBar m_menu;
    ScopedMenu m_hMenu; // until the window destroys it with itself
    std::optional<MenuBar> m_appliedMenu; // what m_hMenu was built from
    int m_menuRebuildsHeld = 0;
    bool m_menuRebuildPending = false;

    int m_dpi = 96;
    bool m_blnLoading = false;
    bool m_correcting = false; // CorrectInput's own message boxes move the focus again
    bool m_unloaded = false;   // after Form_Unload the public objects are gone
};
