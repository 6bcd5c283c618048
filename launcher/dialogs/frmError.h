// The error report window: the description, and a report to copy or mail to the author.
#pragma once

#include <cstdint>
#include <string>

#include "base/DialogBase.h"
#include "controls/ChildPages.h"
#include "dialogs/frmError_res.h"
#include "translation/TextBinding.h"

class frmError : public DialogBase {
public:
    frmError() : DialogBase("frmError") {}

    void InitDialog(const std::string& description, const std::string& source, int32_t number);
    // Shows the page with that number (1 "General", 2 "Contact author") and hides the other.
    void ActivatePage(int page);
    int ActivePage() const { return m_activePage; }
    // A control of the window or of either page.
    HWND Control(int id) const;

    // The controls' texts, each with its English for language files older than the window's
    // texts; the tabs and the note to the author are set apart.
    static constexpr TextBinding TEXTS[] = {
        {IDC_ERR_LABEL1, "ERROR_DIALOG", "LBL_ERROR_OCCURED", "An error occured."},
        {IDC_ERR_CONTACT, "ERROR_DIALOG", "BTN_CONTACT_AUTHOR", "Contact author"},
        {IDC_ERR_DETAILS, "ERROR_DIALOG", "BTN_DETAILS", "Details &"},
        {IDC_ERR_COPY, "ERROR_DIALOG", "BTN_COPY", "Copy text to clipboard"},
        {IDC_ERR_MAIL, "ERROR_DIALOG", "BTN_WRITE_MAIL", "Write E-Mail"},
        {IDOK, "GLOBAL", "BTN_CLOSE", "&Close"},
    };
    // A text of the window in the current language; English while there is no language engine
    // (an error can come before it exists or after it is gone).
    static std::string TranslateDialogItem(const TextBinding& text, const std::string& p1 = "");

    // Load, InitDialog, show modal, unload: what ShowError does for an unexpected error.
    static void ShowReport(const std::string& description, const std::string& source, int32_t number);
    // The report text of an error, as the window shows it.
    static std::string BuildReport(const std::string& description, const std::string& source, int32_t number);

protected:
    void OnInit() override;
    void OnCommand(int id, int code, HWND control) override;
    // The Close button (the window's OK), Enter and Escape close the window.
    void OnOk() override { cmdClose_Click(); }
    void OnCancel() override { cmdClose_Click(); }
    LRESULT OnNotify(NMHDR* header) override;

private:
    void TranslateDialog();
    void SelectTab(int page);

    void TabStrip1_Click();
    void cmdContact_Click();
    void cmdDetails_Click();
    void cmdCopy_Click();
    void Command1_Click();
    void cmdClose_Click();

    ChildPages m_pages; // the controls of "General" and of "Contact author"
    int m_activePage = 1;
};
