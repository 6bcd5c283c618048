// The navigation bar's page logic: event order, vetoes and button states.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "shortcuts/WizardNavModel.h"

namespace {
// A host that writes down every event as e.g. "Leave2 Next3 Show3 [B+N-]" and vetoes on request.
class RecordingHost : public WizardNavOutlet {
public:
    std::string Log;
    std::string Veto; // the event name ("Leave", "Next", "Back") the host refuses
    std::function<void(WizardNavEvent, int)> During;

    bool RaiseEvent(WizardNavEvent event, int pageNo) override
    {
        static const char* const names[] = {"Back", "Next", "Cancel", "Show", "Leave"};
        const std::string name = names[static_cast<int>(event)];
        Log += name + (event == WizardNavEvent::CancelClicked ? "" : std::to_string(pageNo)) + " ";
        if (During) During(event, pageNo);
        return name == Veto;
    }
    void SetNavButtons(bool backEnabled, bool nextEnabled) override
    {
        Log += std::string("[B") + (backEnabled ? "+" : "-") + "N" + (nextEnabled ? "+" : "-") + "] ";
    }
};
} // namespace

TEST(WizardNav, EventsVetoesAndButtons)
{
    enum Click { Next, Back, Cancel };
    struct Case {
        const char* what;
        int pageCount, startPage;
        Click click;
        const char* veto;
        const char* log;
        int endPage;
    };
    const Case cases[] = {
        {"next", 3, 1, Next, "", "Leave1 Next2 Show2 [B+N+] ", 2},
        {"next onto the last page", 3, 2, Next, "", "Leave2 Next3 Show3 [B+N-] ", 3},
        {"back", 3, 2, Back, "", "Leave2 Back1 Show1 [B-N+] ", 1},
        {"veto when leaving stops everything", 3, 2, Next, "Leave", "Leave2 ", 2},
        {"veto when leaving also guards back", 3, 2, Back, "Leave", "Leave2 ", 2},
        {"veto of next keeps the page", 3, 1, Next, "Next", "Leave1 Next2 ", 1},
        {"veto of back keeps the page", 3, 3, Back, "Back", "Leave3 Back2 ", 3},
        {"cancel only tells the host", 3, 2, Cancel, "", "Cancel ", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingHost host;
        WizardNavModel nav(host);
        nav.SetPageCount(c.pageCount);
        nav.ShowPage(c.startPage);
        host.Log.clear();
        host.Veto = c.veto;
        if (c.click == Next) nav.cmdNext_Click();
        if (c.click == Back) nav.cmdBack_Click();
        if (c.click == Cancel) nav.cmdCancel_Click();
        EXPECT_EQ(host.Log, c.log);
        EXPECT_EQ(nav.CurPageNo(), c.endPage);
    }
}

TEST(WizardNav, FirstPageOfOneOrMorePages)
{
    for (int count : {1, 2}) {
        RecordingHost host;
        WizardNavModel nav(host);
        EXPECT_EQ(nav.CurPageNo(), 0);
        nav.SetPageCount(count);
        nav.InitControl();
        EXPECT_EQ(host.Log, count == 1 ? "Show1 [B-N-] " : "Show1 [B-N+] ");
    }
}

TEST(WizardNav, AHostMovingTheBarInsideNextGoesOnFromThere)
{
    RecordingHost host;
    WizardNavModel nav(host);
    nav.SetPageCount(7);
    nav.ShowPage(6);
    host.Log.clear();
    host.During = [&](WizardNavEvent event, int) {
        if (event == WizardNavEvent::NextClicked) nav.ShowPage(1);
    };
    nav.cmdNext_Click();
    EXPECT_EQ(host.Log, "Leave6 Next7 Show1 [B-N+] Show2 [B+N+] ");
    EXPECT_EQ(nav.CurPageNo(), 2);
}
