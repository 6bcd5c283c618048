// The real system services, driven the way a user would: a real message box and the real
// error report, answered by clicking their buttons.
#include <gtest/gtest.h>

#include "base/SystemServices.h"
#include "base/mError.h"
#include "dialogs/frmError_res.h"
#include "support/TestEnvironment.h"

TEST(RealSystemServices, MessageBoxCarriesTheProgramTitleAndReturnsTheClickedButton)
{
    std::string title, text;
    int answer = 0;
    const bool seen = WhileModal(
        [&] { answer = Sys().MsgBox(nullptr, "Save the changes?", MB_YESNO | MB_ICONQUESTION); },
        [&](HWND box) {
            title = WindowText(box);
            if (HWND label = FindChildWindow(box, "Static", "Save")) text = WindowText(label);
            HWND no = FindChildWindow(box, "Button", "No");
            ASSERT_NE(no, nullptr);
            SendMessageA(no, BM_CLICK, 0, 0);
        });
    EXPECT_TRUE(seen);
    EXPECT_EQ(title, "Vekolaunch"); // the title the launcher installs
    EXPECT_EQ(text, "Save the changes?");
    EXPECT_EQ(answer, IDNO);
}

TEST(RealSystemServices, ShowErrorOpensTheReportWindow)
{
    std::string caption, description;
    const bool seen = WhileModal(
        [] {
            try {
                RaiseRuntimeError(RTE_TYPE_MISMATCH);
            } catch (...) {
                ShowError("frmTest.cmdGo_Click");
            }
        },
        [&](HWND report) {
            caption = WindowText(report);
            description = ItemText(report, IDC_ERR_DESC);
            ClickButton(report, IDOK);
        });
    EXPECT_TRUE(seen);
    EXPECT_EQ(caption, "Error");
    EXPECT_EQ(description, "Type mismatch");
}
