// frmUpdate: asks the project web site whether a newer launcher exists, in two steps (go
// online and press Next; the answer and the way to the update page).
#pragma once

#include <string>

#include "base/DialogBase.h"
#include "base/ScopedWin.h"
#include "controls/ChildPages.h"
#include "controls/HLine.h"
#include "translation/TextBinding.h"
#include "web/frmUpdate_res.h"

class frmUpdate : public DialogBase {
public:
    frmUpdate() : DialogBase("frmUpdate") {}
    void InitDialog();
    // The controls' texts, each with its English for language files older than the window's texts.
    static constexpr TextBinding TEXTS[] = {
        {IDC_UPDATE_LABEL1, "UPDATE_DIALOG", "LBL_TITLE", "Vekolaunch Internet Update"},
        {IDC_UPDATE_LABEL2, "UPDATE_DIALOG", "LBL_SEARCH_INFO", "Click 'Next' to search for updates."},
        {IDC_UPDATE_LABEL3, "UPDATE_DIALOG", "LBL_CONNECT_INFO",
         "Please connect your computer with the internet before clicking on the next button."},
        {IDC_UPDATE_LABEL4, "UPDATE_DIALOG", "LBL_AVAILABLE_UPDATES", "Available updates:"},
        {IDC_UPDATE_LBLOPENUPDATEPAGE, "UPDATE_DIALOG", "LBL_OPEN_UPDATE_PAGE", "Click next to open the update page"},
        {IDC_UPDATE_CMDSEARCHUPDATES, "GLOBAL", "BTN_NEXT"},
        {IDC_UPDATE_CMDOPENUPDATEPAGE, "GLOBAL", "BTN_NEXT"},
        {IDCANCEL, "GLOBAL", "BTN_CANCEL"},
    };

    // A control of the window or of one of its steps.
    HWND Control(int id) const;
    // The step in front (0 or 1).
    int Step() const { return m_picStep.Shown(); }
    // The page the open-page button opens; "" unless the last search offered an update.
    const std::string& UpdatePage() const { return m_updatePage; }

protected:
    void OnInit() override;
    void OnCommand(int id, int code, HWND control) override;
    void OnCancel() override { Command1_Click(); }
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void ShowStep(int step);
    void SearchUpdates();
    void cmdSearchUpdates_Click();
    void cmdOpenUpdatePage_Click();
    void Command1_Click();

    ChildPages m_picStep;
    RECT m_stepPlace = {};
    std::string m_updatePage;
    bool m_searching = false;
    HLine m_HLine1, m_HLine2;
    ScopedGdiObj<HFONT> m_headingFont;
};
