// The navigation bar's page logic.
#include "shortcuts/WizardNavModel.h"

#include "base/mError.h"

void WizardNavModel::InitControl()
{
    PassErrors("ucWizard_Nav.InitControl", [&] { ShowPage(1); });
}

void WizardNavModel::ShowPage(int intNewPageNo)
{
    ShowErrors("ucWizard_Nav.ShowPage", [&] {
        m_curPageNo = intNewPageNo;
        m_outlet.RaiseEvent(WizardNavEvent::ShowPage, intNewPageNo);
        RefreshNavButtons();
    });
}

void WizardNavModel::cmdNext_Click()
{
    ShowErrors("ucWizard_Nav.cmdNext_Click", [&] { Step(WizardNavEvent::NextClicked, 1); });
}

void WizardNavModel::cmdBack_Click()
{
    ShowErrors("ucWizard_Nav.cmdBack_Click", [&] { Step(WizardNavEvent::BackClicked, -1); });
}

void WizardNavModel::cmdCancel_Click()
{
    ShowErrors("ucWizard_Nav.cmdCancel_Click", [&] { m_outlet.RaiseEvent(WizardNavEvent::CancelClicked, 0); });
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
    PassErrors("ucWizard_Nav.RefreshNavButtons", [&] {
        m_outlet.SetNavButtons(m_curPageNo > 1, m_curPageNo < m_pageCount);
    });
}
