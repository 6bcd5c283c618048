// The error report window: the description, and a report to copy or mail to the author.
#pragma once

#include <cstdint>
#include <string>

#include "base/DialogBase.h"
#include "controls/ChildPages.h"

class frmError : public DialogBase {
public:
    frmError() : DialogBase("frmError") {}

    void InitDialog(const std::string& description, const std::string& source, int32_t number);
    // Shows the page with that number (1 "General", 2 "Contact author") and hides the other.
    void ActivatePage(int page);
    int ActivePage() const { return m_activePage; }
    // A control of the window or of either page.
    HWND Control(int id) const;

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
