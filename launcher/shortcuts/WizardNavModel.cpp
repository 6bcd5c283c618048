// The navigation bar's page logic.
#include "shortcuts/WizardNavModel.h"

#include "base/mError.h"

void WizardNavModel::InitControl()
{
    try {
        ShowPage(1);
    } catch (...) {
        PassError("ucWizard_Nav.InitControl");
    }
}

void WizardNavModel::ShowPage(int intNewPageNo)
{
    try {
        m_curPageNo = intNewPageNo;
        m_outlet.RaiseEvent(WizardNavEvent::ShowPage, intNewPageNo);
        RefreshNavButtons();
    } catch (...) {
        ShowError("ucWizard_Nav.ShowPage");
    }
}

void WizardNavModel::cmdNext_Click()
{
    try {
        Step(WizardNavEvent::NextClicked, 1);
    } catch (...) {
        ShowError("ucWizard_Nav.cmdNext_Click");
    }
}

void WizardNavModel::cmdBack_Click()
{
    try {
        Step(WizardNavEvent::BackClicked, -1);
    } catch (...) {
        ShowError("ucWizard_Nav.cmdBack_Click");
    }
}

void WizardNavModel::cmdCancel_Click()
{
    try {
        m_outlet.RaiseEvent(WizardNavEvent::CancelClicked, 0);
    } catch (...) {
        ShowError("ucWizard_Nav.cmdCancel_Click");
    }
}

void WizardNavModel::Step(WizardNavEvent clicked, int delta)
{
    if (m_outlet.RaiseEvent(WizardNavEvent::LeavePage, m_curPageNo)) return;
    if (m_outlet.RaiseEvent(clicked, m_curPageNo + delta)) return;
    // Read again: a handler may have moved the bar itself, and the step goes on from there.
    ShowPage(m_curPageNo + delta);
}

void WizardNavModel::RefreshNavButtons()
{
    try {
        m_outlet.SetNavButtons(m_curPageNo > 1, m_curPageNo < m_pageCount);
    } catch (...) {
        PassError("ucWizard_Nav.RefreshNavButtons");
    }
}
