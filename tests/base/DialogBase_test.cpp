// The dialog base's OK/Cancel routing and a control asking its host for an answer.
#include <gtest/gtest.h>

#include "base/ControlHost.h"
#include "base/DialogBase.h"
#include "support/TestEnvironment.h"

namespace {
// Any template with OK and Cancel buttons will do; the options window's has them.
class RecordingDialog : public DialogBase {
public:
    RecordingDialog() : DialogBase("frmOptions") {}
    std::vector<std::string> Calls;
    LRESULT Answer = 0;

protected:
    void OnOk() override { Calls.push_back("OnOk"); }
    void OnCancel() override { Calls.push_back("OnCancel"); }
    void OnCommand(int id, int code, HWND) override { Calls.push_back("OnCommand " + std::to_string(id)); }
    LRESULT OnNotify(NMHDR* header) override
    {
        Calls.push_back("OnNotify " + std::to_string(header->code));
        return Answer;
    }
};
} // namespace

TEST(DialogBaseRouting, OkCancelEnterEscapeAndCloseReachTheirHandlers)
{
    RecordingDialog dialog;
    dialog.Load();
    dialog.ShowModeless();
    ClickButton(dialog.Hwnd(), IDOK);
    ClickButton(dialog.Hwnd(), IDCANCEL);
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        SetFocus(dialog.Hwnd());
        MSG msg = {dialog.Hwnd(), WM_KEYDOWN, key, 0, 0, {}};
        IsDialogMessageA(dialog.Hwnd(), &msg);
    }
    SendMessageA(dialog.Hwnd(), WM_CLOSE, 0, 0);
    SendMessageA(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(4711, BN_CLICKED), 0);
    EXPECT_EQ(dialog.Calls, (std::vector<std::string>{"OnOk", "OnCancel", "OnOk", "OnCancel", "OnCancel",
                                                       "OnCommand 4711"}));
    EXPECT_TRUE(dialog.IsLoaded()) << "closing is the handlers' business";
}

TEST(DialogBaseRouting, WithoutOwnHandlersOkAndCancelCloseTheWindow)
{
    for (int button : {IDOK, IDCANCEL}) {
        DialogBase dialog("frmOptions");
        dialog.Load();
        dialog.ShowModeless();
        ClickButton(dialog.Hwnd(), button);
        EXPECT_FALSE(IsWindowVisible(dialog.Hwnd())) << button;
    }
}

TEST(ControlHost, AControlGetsTheAnswerTheDialogHostGives)
{
    RecordingDialog host;
    host.Load();
    HWND control = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, host.Hwnd(),
                                   reinterpret_cast<HMENU>(77), nullptr, nullptr);
    struct Step {
        NMHDR Header;
        int Target;
    } step = {{}, 3};
    for (LRESULT answer : {LRESULT{1}, LRESULT{0}}) {
        host.Answer = answer;
        EXPECT_EQ(AskHost(control, 900, step.Header), answer);
    }
    EXPECT_EQ(step.Header.hwndFrom, control);
    EXPECT_EQ(step.Header.idFrom, 77u);
    NotifyHost(control, 5);
    EXPECT_EQ(host.Calls, (std::vector<std::string>{"OnNotify 900", "OnNotify 900", "OnCommand 77"}));
}

// Idle work runs a step at a time, only while no message waits, until it says it is done.
TEST(MessageLoop, IdleStepsRunWhenNoMessageWaits)
{
    PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0);
    int steps = 0;
    bool ranBeforeTheMessage = false;
    RunWhenIdle([&] {
        MSG waiting;
        if (PeekMessageA(&waiting, nullptr, WM_APP, WM_APP, PM_NOREMOVE)) ranBeforeTheMessage = true;
        if (++steps < 3) return true;
        PostQuitMessage(0);
        return false;
    });
    RunMessageLoop();
    EXPECT_EQ(steps, 3);
    EXPECT_FALSE(ranBeforeTheMessage);
    FinishIdleWork(); // nothing left: the finished step is not run again
    EXPECT_EQ(steps, 3);
}

TEST(DialogBaseLoad, AMissingTemplateIsAnInternalErrorNamingIt)
{
    class Missing : public DialogBase {
    public:
        Missing() : DialogBase("frmNoSuchTemplate") {}
    } dialog;
    const AppError e = ErrorOf([&] { dialog.Load(); });
    EXPECT_EQ(e.Number, RTE_INTERNAL);
    EXPECT_EQ(e.Description.rfind("Internal error (the window frmNoSuchTemplate could not be created", 0), 0u) << e.Description;
    EXPECT_FALSE(dialog.IsLoaded());
}
