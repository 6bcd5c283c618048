// frmCreateVekoraShortcut_New: the six-page wizard that writes a shortcut to the game, plain
// or with the command line of the profile being edited, as often as the user likes.
#pragma once

#include <windows.h>
#include <string>

#include "base/DialogBase.h"
#include "controls/ChildPages.h"
#include "controls/ucPath.h"
#include "shortcuts/frmCreateVekoraShortcut_New_res.h"
#include "shortcuts/ucWizard_Nav.h"
#include "shortcuts/ucWizard_TitleArea.h"
#include "translation/TextBinding.h"

class Profile;

class frmCreateVekoraShortcut_New : public DialogBase {
public:
    frmCreateVekoraShortcut_New() : DialogBase("frmCreateVekoraShortcut_New") {}
    // Takes the profile's command line once and its game as the shortcut's target.
    void InitDialog(const Profile& profile);

    // A control on any of the pages.
    HWND Control(int id) const { return m_picStep.FindControl(id); }
    ucWizard_Nav& Nav() { return m_ucWizard_Nav; }
    ucWizard_TitleArea& TitleArea() { return m_ucWizard_TitleArea; }
    ucPath& DestField() { return m_txtDest; }
    ucPath& DestFolderField() { return m_txtDestFolder; }
    // The page panel shown (0 to 5), -1 before the first.
    int ShownPanel() const { return m_picStep.Shown(); }
    // The controls whose texts the language file gives as they stand.
    static constexpr TextBinding TEXTS[] = {
        {IDC_CS_LBLWIZARDINFO, "CREATE_SHORTCUT_DIALOG_NEW", "WIZARD_INFO"},
        {IDC_CS_LBLSHORTCUTTO, "CREATE_SHORTCUT_DIALOG_NEW", "LBL_SHORTCUT_TO"},
        {IDC_CS_OPMODE0, "CREATE_SHORTCUT_DIALOG_NEW", "LBL_MODE_STANDARD"},
        {IDC_CS_OPMODE1, "CREATE_SHORTCUT_DIALOG_NEW", "LBL_MODE_CURRENTPROFILE"},
        {IDC_CS_OPMODE2, "CREATE_SHORTCUT_DIALOG_NEW", "LBL_MODE_THROUGHLAUNCHER"},
        {IDC_CS_LBLSETTINGSINFO, "CREATE_SHORTCUT_DIALOG_NEW", "LBL_SETTINGS_INFO"},
        {IDC_CS_OPDEST0, "CREATE_SHORTCUT_DIALOG_NEW", "LBL_DEST_DESKTOP"},
        {IDC_CS_OPDEST1, "CREATE_SHORTCUT_DIALOG_NEW", "LBL_DEST_STARTMENU"},
        {IDC_CS_OPDEST2, "CREATE_SHORTCUT_DIALOG_NEW", "LBL_DEST_QUICK_LAUNCH"},
        {IDC_CS_OPDEST3, "CREATE_SHORTCUT_DIALOG_NEW", "LBL_DEST_OTHER"},
        {IDC_CS_LBLSHORTCUTFOLDER, "CREATE_SHORTCUT_DIALOG_NEW", "LBL_SHORTCUT_FOLDER"},
        {IDC_CS_LBLSHORTCUTNAME, "CREATE_SHORTCUT_DIALOG_NEW", "LBL_SHORTCUT_NAME"},
        {IDC_CS_LBLSHORTCUTNAMEEXAMPLE, "CREATE_SHORTCUT_DIALOG_NEW", "LBL_SHORTCUT_NAME_EXAMPLE"},
        {IDC_CS_LBLFINISHED, "CREATE_SHORTCUT_DIALOG_NEW", "LBL_LINKCREATED"},
        {IDC_CS_CKCREATEFURTHERSHORTCUT, "CREATE_SHORTCUT_DIALOG_NEW", "CHK_CREATE_FURTHER_SHORTCUT"},
        {IDC_CS_CMDSELLINKDESTFOLDER, "GLOBAL", "BTN_Browse"},
        {IDC_CS_CMDSELFOLDER, "GLOBAL", "BTN_Browse"},
    };

protected:
    void OnInit() override;
    void OnCommand(int id, int code, HWND control) override;
    LRESULT OnNotify(NMHDR* header) override;
    // Enter and Escape work as Next and Cancel; the title-bar close as Cancel.
    void OnOk() override { m_ucWizard_Nav.PressNext(); }
    void OnCancel() override { m_ucWizard_Nav.PressCancel(); }
    void OnDestroy() override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void TranslateDialog();
    static std::string TranslateDialogItem(const std::string& id);
    void SetDefaultLinkName();
    void CreateShortcut();
    void ucWizard_Nav_LeavePage(int intPageNo, bool& blnCancel);
    void ucWizard_Nav_NextClicked(int intNewPageNo, bool& blnCancel);
    void ucWizard_Nav_ShowPage(int intNewPageNo);
    void ucWizard_Nav_CancelClicked();
    void cmdSelLinkDestFolder_Click();
    void cmdSelFolder_Click();
    void opDest_Click(int index);
    void txtDest_Change();
    void ckCreateFurtherShortcut_Click();
    // Header at the top, navigation bar at the bottom, the page between them.
    void DockControls();
    RECT PageArea() const;
    HWND PageHwnd(int index) { return m_picStep.Page(index).Hwnd(); }
    bool Checked(int id) const;
    void SetControlText(int id, const std::string& text) const;
    std::string ControlText(int id) const;

    ChildPages m_picStep;
    ucWizard_TitleArea m_ucWizard_TitleArea;
    ucWizard_Nav m_ucWizard_Nav;
    ucPath m_txtDest;
    ucPath m_txtDestFolder;
    HICON m_image = nullptr;
    std::string m_profileCmdLine;
    std::string m_profileCaption;
    int m_browseRoot = 0;
};
