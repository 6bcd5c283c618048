// The launcher's main window: the active profile on five tab pages, the menus, the start
// button and the closing sequence that ends the program.
#pragma once

#include <windows.h>
#include <memory>
#include <string>

#include "base/DialogBase.h"
#include "base/ScopedWin.h"
#include "controls/PageSet.h"
#include "controls/ucPath.h"
#include "mainwindow/MainMenu.h"
#include "mainwindow/MainWindowRules.h"
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
    // Corrects and checks the input, then writes it into the active profile.
    void RefreshProfileData();
    void CheckData();
    void CorrectInput();
    void SaveData();
    // The command line built from the controls (untrimmed).
    std::string GetCmdLineParameters() const;
    void TranslateDialog();
    // The texts the language file gives as they stand: tabs, controls and menu entries.
    static std::span<const TextBinding> TextBindings();
    void UpdateVersionLabels();
    void ucTab1_Click(int index);
    void ActivatePage(int pageNumber);

    // A control of the window or of any of its pages.
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
    void OnCommand(int id, int code, HWND control) override;
    // Enter reaches the start button, the default button, by itself; Escape has nothing to
    // cancel in this window.
    void OnOk() override {}
    void OnCancel() override {}
    void OnClose() override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnDestroy() override;

private:
    friend LRESULT CALLBACK ResolutionFieldProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

    // Window life cycle.
    void CreateChildControls();
    bool Form_QueryUnload();
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
    void ApplyMenu();
    void mnuFile_Save_Click();
    void mnuProfile_New_Click();
    void mnuProfile_Edit_Click();
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
    // Gives the tab, menu entry or control with that ID its text.
    void SetBoundText(int id, const std::string& text);

    // Control helpers.
    int ListIndex(int id) const;
    void SetListIndex(int id, int index) const;
    void SetComboList(int id, const std::vector<std::string>& entries) const;
    std::string ControlText(int id) const;
    void SetControlText(int id, const std::string& text) const;
    bool IsControlChecked(int id) const;

    PageSet m_pages; // ucTab1, Shape1 and picPage
    ucPath m_txtVekoraPath;
    ucResolutionPreview m_UserControl11;
    MenuBar m_menu;
    ScopedMenu m_hMenu; // until the window destroys it with itself

    int m_dpi = 96;
    bool m_blnLoading = false;
    bool m_correcting = false; // CorrectInput's own message boxes move the focus again
    bool m_unloaded = false;   // after Form_Unload the public objects are gone
};
