// The page logic of the wizard's navigation bar: which page is shown, which buttons are
// enabled, and the order of the events through which the host checks, vetoes and shows pages.
#pragma once

// The bar's events, in their declared order.
enum class WizardNavEvent { BackClicked, NextClicked, CancelClicked, ShowPage, LeavePage };

// What the logic needs from the control around it: raising an event to the host (true when
// the host vetoes the step) and showing the buttons' enabled states.
class WizardNavOutlet {
public:
    virtual ~WizardNavOutlet() = default;
    virtual bool RaiseEvent(WizardNavEvent event, int pageNo) = 0;
    virtual void SetNavButtons(bool backEnabled, bool nextEnabled) = 0;
};

class WizardNavModel {
public:
    explicit WizardNavModel(WizardNavOutlet& outlet) : m_outlet(outlet) {}

    int PageCount() const { return m_pageCount; }
    void SetPageCount(int count) { m_pageCount = count; }
    // 0 until the first page is shown.
    int CurPageNo() const { return m_curPageNo; }

    void InitControl();
    // Makes the page current (no range check), tells the host, then refreshes the buttons,
    // so that the host's enabled states last only until the next page change.
    void ShowPage(int intNewPageNo);
    // LeavePage, then NextClicked / BackClicked, then the page after / before the one that is
    // current once the host's handlers have run; a veto stops the step where it is.
    void cmdNext_Click();
    void cmdBack_Click();
    void cmdCancel_Click();

private:
    void Step(WizardNavEvent clicked, int delta);
    void RefreshNavButtons();

    WizardNavOutlet& m_outlet;
    int m_pageCount = 0;
    int m_curPageNo = 0;
};
