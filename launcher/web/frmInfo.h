// frmInfo: the About window, with the launcher's version, author, web page and contact on its
// first tab and the credits on the second. It opens on the first tab every time.
#pragma once

#include <string>

#include "base/DialogBase.h"
#include "base/ScopedWin.h"
#include "controls/HLine.h"
#include "controls/PageSet.h"
#include "translation/TextBinding.h"
#include "web/frmInfo_res.h"

class frmInfo : public DialogBase {
public:
    frmInfo();

    // The tabs and pages (ucTab1, Shape1, picPage).
    PageSet& Pages() { return m_pages; }
    // A control of the window or of one of its pages.
    HWND Control(int id) const;
    // The controls whose texts the language file gives as they stand.
    static constexpr TextBinding TEXTS[] = {
        {IDC_INFO_LBLDESIGNEDFOR, "INFO_DIALOG", "LBL_DESIGNED_FOR"},
        {IDC_INFO_LBLPROGRAMMING, "INFO_DIALOG", "LBL_PROGRAMMING"},
        {IDC_INFO_LBLTRANSLATION, "INFO_DIALOG", "LBL_TRANSLATION"},
        {IDC_INFO_LBLFAQ, "INFO_DIALOG", "LBL_FAQ"},
        {IDCANCEL, "GLOBAL", "BTN_CLOSE"},
    };

protected:
    void OnInit() override;
    void OnCommand(int id, int code, HWND control) override;
    LRESULT OnNotify(NMHDR* header) override;
    void OnCancel() override { cmdClose_Click(); }

private:
    void TranslateDialog();
    static std::string TranslateDialogItem(const std::string& id, const std::string& p1 = "", const std::string& p2 = "");
    void ucTab1_Click(int index);
    void ActivatePage(int pageNumber);
    void lblWebpage_Click();
    void lblEMail_Click();
    void cmdClose_Click();

    PageSet m_pages;
    HLine m_HLine1;
    ScopedGdiObj<HFONT> m_logoFont;
};
