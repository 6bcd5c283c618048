// The update window against a real server: what each answer shows and offers, and that a
// failed search leaves the window at step 1, ready for another try.
#include <gtest/gtest.h>

#include "core/Application.h"
#include "support/BoundTexts.h"
#include "support/TestEnvironment.h"
#include "support/TestHttpServer.h"
#include "web/frmUpdate.h"
#include "web/frmUpdate_res.h"

namespace {

// Shown as far as the window itself goes, whether or not the dialog is on the screen.
bool Visible(HWND control)
{
    return (GetWindowLongPtrA(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

class UpdateWindow : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        WriteIni("[OPTIONS]\r\nLANGUAGE=DE\r\n");
        RestartApplication();
        g_cApp->Options().LoadData();
        dialog.Load();
        dialog.InitDialog();
    }
    HWND Control(int id) const { return dialog.Control(id); }
    // Shown itself and, on a step, its step in front.
    bool Shown(int id) const
    {
        HWND control = Control(id);
        HWND parent = GetParent(control);
        return Visible(control) && (parent == dialog.Hwnd() || Visible(parent));
    }
    bool AtStep1() const
    {
        return Shown(IDC_UPDATE_LABEL2) && Shown(IDC_UPDATE_CMDSEARCHUPDATES) && !Shown(IDC_UPDATE_LABEL4) &&
               !Shown(IDC_UPDATE_CMDOPENUPDATEPAGE);
    }
    bool Offered() const { return IsWindowEnabled(Control(IDC_UPDATE_CMDOPENUPDATEPAGE)) && Shown(IDC_UPDATE_LBLOPENUPDATEPAGE); }
    std::string Description() const { return WindowText(Control(IDC_UPDATE_LBLUPDATEINFO)); }
    void Click(int id) { SendMessageA(Control(id), BM_CLICK, 0, 0); }
    void Search(const std::string& answer, int status = 200)
    {
        server.Serve(status, answer);
        Click(IDC_UPDATE_CMDSEARCHUPDATES);
    }

    TestHttpServer server;
    ScopedEnvironmentVariable host{"VEKOLAUNCH_UPDATE_HOST", server.HostWithPort()};
    frmUpdate dialog;
};

} // namespace

TEST_F(UpdateWindow, UpdateOfferedOpensItsPageOnTheWebSite)
{
    ShowWindow(dialog.Hwnd(), SW_SHOW);
    EXPECT_EQ(WindowText(dialog.Hwnd()), "Internet-Update");
    ExpectBoundTexts(frmUpdate::TEXTS, g_cApp->GetLanguageFile("DE"), [&](int id) { return WindowText(Control(id)); });
    EXPECT_TRUE(AtStep1());

    Search("true\n/down/new.html\nVersion 0.0.25\nFaster start\n");
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0].rfind("GET /down/veko_launch/updates/update-0-0-24.txt ", 0), 0u);
    EXPECT_FALSE(AtStep1());
    EXPECT_TRUE(Shown(IDC_UPDATE_LABEL4));
    EXPECT_EQ(Description(), "Version 0.0.25\r\nFaster start\r\n");
    EXPECT_TRUE(Offered());
    EXPECT_EQ(FocusIn(dialog.Hwnd()), Control(IDC_UPDATE_CMDOPENUPDATEPAGE));

    Click(IDC_UPDATE_CMDOPENUPDATEPAGE);
    ASSERT_EQ(m_sys->ShellCalls.size(), 1u);
    EXPECT_EQ(m_sys->ShellCalls[0].Operation, "open");
    EXPECT_EQ(m_sys->ShellCalls[0].File, "http://" + server.HostWithPort() + "/down/new.html");
    EXPECT_TRUE(m_sys->ErrorReports.empty());

    // Close ends the modal loop; the caller unloads.
    PostMessageA(Control(IDCANCEL), BM_CLICK, 0, 0);
    dialog.ShowModal();
    EXPECT_FALSE(IsWindowVisible(dialog.Hwnd()));
}

TEST_F(UpdateWindow, AnswersWithoutAnUpdatePageShowTheirTextOnly)
{
    const struct { const char* Answer; int Status; const char* Description; } cases[] = {
        {"true\r\n/down/new.html\r\nVersion 0.0.25\r\n", 200, "Version 0.0.25\r\n"},
        {"false\n/down/old.html\nUp to date\n", 200, "Up to date\r\n"},
        {"<html>\n<head>\n<title>404 Not Found</title>\n</html>", 404, "<title>404 Not Found</title>\r\n</html>\r\n"},
        {"true\n//evil.example/setup.exe\nInstall me\n", 200, "Install me\r\n"},
        {"true", 200, ""},
        {"", 200, ""},
    };
    for (const auto& c : cases) {
        frmUpdate window;
        window.Load();
        window.InitDialog();
        server.Serve(c.Status, c.Answer);
        SendMessageA(window.Control(IDC_UPDATE_CMDSEARCHUPDATES), BM_CLICK, 0, 0);
        EXPECT_EQ(window.Step(), 1) << c.Answer;
        EXPECT_EQ(WindowText(window.Control(IDC_UPDATE_LBLUPDATEINFO)), c.Description) << c.Answer;
        EXPECT_FALSE(IsWindowEnabled(window.Control(IDC_UPDATE_CMDOPENUPDATEPAGE))) << c.Answer;
        EXPECT_FALSE(Visible(window.Control(IDC_UPDATE_LBLOPENUPDATEPAGE))) << c.Answer;
        SendMessageA(window.Control(IDC_UPDATE_CMDOPENUPDATEPAGE), BM_CLICK, 0, 0);
    }
    EXPECT_TRUE(m_sys->ShellCalls.empty());
    EXPECT_TRUE(m_sys->ErrorReports.empty());
}

TEST_F(UpdateWindow, SilentServerEndsTheSearchInTimeAndNextCanBePressedAgain)
{
    server.StayQuiet();
    const DWORD start = GetTickCount();
    Click(IDC_UPDATE_CMDSEARCHUPDATES);
    EXPECT_LT(GetTickCount() - start, EVENT_WAIT_MS);
    ASSERT_EQ(m_sys->ErrorReports.size(), 1u);
    EXPECT_EQ(m_sys->ErrorReports[0].Number, 20000);
    EXPECT_EQ(m_sys->ErrorReports[0].Description, "Die Webseite hat nicht rechtzeitig geantwortet");
    EXPECT_EQ(m_sys->ErrorReports[0].Source, "frmUpdate.cmdSearchUpdates_Click\r\nfrmUpdate.SearchUpdates\r\n");
    EXPECT_TRUE(AtStep1());
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));

    Search("true\n/down/new.html\n");
    EXPECT_FALSE(AtStep1());
    EXPECT_TRUE(Offered());
}
