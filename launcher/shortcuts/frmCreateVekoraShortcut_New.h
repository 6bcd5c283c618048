// frmCreateVekoraShortcut_New: the six-page wizard that writes a shortcut to the game, plain
// or with the command line of the profile being edited, as often as the user likes.
#pragma once

#include <windows.h>
#include <string>

#include "base/DialogBase.h"
#include "controls/ChildPages.h"
#include "controls/ucPath.h"
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
    static std::span<const TextBinding> TextBindings();

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
    int m_browseRoot = 0;
};
