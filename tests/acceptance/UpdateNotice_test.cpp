// The quiet update check at start-up against a local server: a notice only for an update that
// was not skipped, nothing for no update, a failed check or a silent server, and no wait.
#include "acceptance/StagedInstall.h"
#include "support/TestHttpServer.h"
#include "web/frmUpdateNotice_res.h"
#include "web/mInternet.h"

#include <gtest/gtest.h>

namespace {
constexpr const char* UPDATE_25 = "true\n/down/new.html\nVersion 0.0.25\nFaster start\n";

bool IsNotice(HWND window)
{
    return Control(window, IDC_UN_CMDSKIPVERSION) != nullptr;
}

// The window takes input while the check runs: a message to it comes back well within the
// check's own deadline, however slowly a busy machine answers.
bool Responds(HWND window)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, READ_URL_DEADLINE_MS / 2, &result) != 0;
}

void CloseLauncher(DrivenProgram& launcher, HWND main)
{
    Close(main);
    ASSERT_TRUE(launcher.AnswerMessageBoxesUntilExit(IDNO));
}
} // namespace

TEST(UpdateNotice, SpeaksOnlyOfAnUpdateNotSkipped)
{
    TestHttpServer server;
    ScopedEnvironmentVariable host{"VEKOLAUNCH_UPDATE_HOST", server.HostWithPort()};
    StagedInstall install;
    install.WriteDemoProfileSettings("[OPTIONS]\r\nCHECKFORUPDATES=1\r\n");
    server.Serve(200, UPDATE_25);
    {
        auto launcher = install.StartLauncher();
        HWND notice = launcher->WaitForWindow(IsNotice);
        ASSERT_NE(notice, nullptr) << "no notice of the update";
        EXPECT_EQ(TextOf(notice), LanguageText("EN", "UPDATE_NOTICE", "DIALOG_CAPTION"));
        EXPECT_EQ(TextOf(Control(notice, IDC_UN_LBLVERSION)), "Version 0.0.25\r\nFaster start\r\n");
        Click(notice, IDC_UN_CMDSKIPVERSION);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(notice); }));
        CloseLauncher(*launcher, launcher->WaitForMainWindow());
    }
    EXPECT_EQ(install.Setting("OPTIONS", "SKIPPEDUPDATE"), "Version 0.0.25");

    // The skipped one again: the check runs, the launcher says nothing.
    const size_t asked = server.Requests().size();
    {
        auto launcher = install.StartLauncher();
        HWND main = launcher->WaitForMainWindow();
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return server.Requests().size() > asked; })) << "no check";
        EXPECT_EQ(launcher->WaitForWindow(IsNotice, 2000), nullptr) << "a skipped update is announced";
        CloseLauncher(*launcher, main);
    }
    // A newer one is announced.
    server.Serve(200, "true\n/down/newer.html\nVersion 0.0.26\n");
    auto launcher = install.StartLauncher();
    HWND notice = launcher->WaitForWindow(IsNotice);
    ASSERT_NE(notice, nullptr) << "a newer update is not announced";
    Click(notice, IDC_UN_CMDREMINDLATER);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(notice); }));
    CloseLauncher(*launcher, launcher->WaitForMainWindow());
    EXPECT_EQ(install.Setting("OPTIONS", "SKIPPEDUPDATE"), "Version 0.0.25");
}

TEST(UpdateNotice, SaysNothingWithoutAnUpdateAndNeverDelaysTheStart)
{
    TestHttpServer server;
    ScopedEnvironmentVariable host{"VEKOLAUNCH_UPDATE_HOST", server.HostWithPort()};
    const struct {
        const char* Name;
        const char* Options;
        int Behaviour; // 0 no update, 1 an error page, 2 a server that never answers
        bool Asked;
    } cases[] = {
        {"option off", "", 0, false},
        {"no update", "CHECKFORUPDATES=1\r\n", 0, true},
        {"server error", "CHECKFORUPDATES=1\r\n", 1, true},
        {"silent server", "CHECKFORUPDATES=1\r\n", 2, true},
    };
    for (const auto& c : cases) {
        if (c.Behaviour == 0) server.Serve(200, "false\n");
        if (c.Behaviour == 1) server.Serve(404, "<html>\n<title>404 Not Found</title>\n</html>");
        if (c.Behaviour == 2) server.StayQuiet();
        StagedInstall install;
        install.WriteDemoProfileSettings(std::string("[OPTIONS]\r\n") + c.Options);
        const size_t asked = server.Requests().size();
        auto launcher = install.StartLauncher();
        HWND main = launcher->WaitForMainWindow();
        ASSERT_NE(main, nullptr) << c.Name;
        EXPECT_TRUE(Responds(main)) << c.Name << ": the window waits for the check";
        if (c.Asked) {
            EXPECT_TRUE(WaitUntil([&] { return server.Requests().size() > asked; })) << c.Name << ": no check";
        }
        EXPECT_TRUE(Responds(main)) << c.Name;
        EXPECT_EQ(launcher->WaitForWindow(IsNotice, 2000), nullptr) << c.Name;
        if (!c.Asked) {
            EXPECT_EQ(server.Requests().size(), asked) << c.Name;
        }
        CloseLauncher(*launcher, main);
        EXPECT_EQ(install.Setting("OPTIONS", "CHECKFORUPDATES"), *c.Options ? "1" : "<missing>")
            << c.Name << ": an untouched option was written";
        EXPECT_EQ(install.Setting("OPTIONS", "SKIPPEDUPDATE"), "<missing>") << c.Name;
    }
}
