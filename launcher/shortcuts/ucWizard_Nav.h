// ucWizard_Nav: a wizard's navigation bar (Cancel, Back, Next along an etched top edge) that
// tells its host of every step and lets the host veto it. It knows nothing of the pages.
#pragma once

#include <windows.h>
#include <string>

#include "base/BaseWindow.h"
#include "base/ScopedWin.h"
#include "shortcuts/WizardNavModel.h"

// The bar's events reach its host as WM_NOTIFY with an NMWIZARDNAV. For LeavePage, NextClicked
// and BackClicked a non-zero answer vetoes the step; the other answers are ignored.
enum : UINT {
    WIZNAV_BACKCLICKED = 0x0B01, // PageNo: the page Back leads to
    WIZNAV_NEXTCLICKED,          // PageNo: the page Next leads to
    WIZNAV_CANCELCLICKED,        // PageNo: 0
    WIZNAV_SHOWPAGE,             // PageNo: the page that has just become current
    WIZNAV_LEAVEPAGE,            // PageNo: the page being left, before Back or Next goes on
};
struct NMWIZARDNAV {
    NMHDR hdr;
    int PageNo;
};

// Usage: place it (PlaceAtPlaceholder), SetPageCount, InitControl; the host's OnOk and
// OnCancel call PressNext and PressCancel so that Enter and Escape work as the two buttons.
class ucWizard_Nav : public BaseWindow<ucWizard_Nav>, private WizardNavOutlet {
public:
    ucWizard_Nav() : m_nav(*this) {}
    static const char* ClassName() { return "Vekolaunch_ucWizard_Nav"; }

    bool Create(HWND parent, int id, const RECT& rect);
    // The bar's own height, whatever it is given.
    static int FixedHeight(int dpi);

    int PageCount() const { return m_nav.PageCount(); }
    void SetPageCount(int count) { m_nav.SetPageCount(count); }
    int CurPageNo() const { return m_nav.CurPageNo(); }
    void InitControl() { m_nav.InitControl(); }
    void ShowPage(int intNewPageNo) { m_nav.ShowPage(intNewPageNo); }
    // The three standard captions from the language file.
    void Translate();

    std::string NextButtonCaption() const;
    void SetNextButtonCaption(const std::string& caption);
    std::string CancelButtonCaption() const;
    void SetCancelButtonCaption(const std::string& caption);
    bool NextButtonEnabled() const;
    void SetNextButtonEnabled(bool enabled);

    // A click on Next (when enabled) and on Cancel, as Enter and Escape give them.
    void PressNext();
    void PressCancel();

    HWND CancelButton() const { return m_cmdCancel; }
    HWND BackButton() const { return m_cmdBack; }
    HWND NextButton() const { return m_cmdNext; }

protected:
    PaintStyle Painting() const override { return PaintStyle::Buffered; }
    void Paint(HDC dc) override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    bool RaiseEvent(WizardNavEvent event, int pageNo) override;
    void SetNavButtons(bool backEnabled, bool nextEnabled) override;
    void UserControl_Resize(WINDOWPOS* pos);
    void LayoutButtons() const;
    void OnCommand(int id, int code);

    WizardNavModel m_nav;
    HWND m_cmdCancel = nullptr;
    HWND m_cmdBack = nullptr;
    HWND m_cmdNext = nullptr;
    int m_dpi = 96;
};
