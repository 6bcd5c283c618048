// From the start button to the running game: the real shell, the real start confirmation and
// the demo game recording how it was started.
#include "mainwindow/MainWindowTest.h"

#include "base/SystemServices.h"
#include "base/mFunctions.h"
#include "dialogs/frmStartingVekora_res.h"

namespace {
// Sets an environment variable of this process (and so of the programs it starts) for a scope.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value) : m_name(name)
    {
        SetEnvironmentVariableA(name, value.c_str());
    }
    ~ScopedEnvironment() { SetEnvironmentVariableA(m_name, nullptr); }

private:
    const char* m_name;
};
} // namespace

using MainWindowStart = MainWindowTest;

TEST_F(MainWindowStart, StartButtonStartsTheDemoGameAfterTheConfirmation)
{
    WriteSettings("LOGMESSAGES=1\r\nFREEPLAY=0\r\nRESOLUTION=3\r\nREFRESH=2\r\nSCENARIO=scenarios\\Harbour Run\r\n");
    OpenWindow();
    g_cApp->Options().SetShowStartVekoraDialog(true);
    m_sys.reset(); // the real message boxes, shell and clipboard from here on
    TempFolder records;
    const std::string record = records.Path() + "record.txt";
    ScopedEnvironment environment("VEKORA_RECORD", record);

    Click(IDC_CKFREEPLAY);
    std::string confirmation;
    const bool seen = WhileModal([&] { Click(IDC_CMDSTART); }, [&](HWND dialog) {
        confirmation = ItemText(dialog, IDC_SV_INFO);
        ClickButton(dialog, IDOK);
    });
    ASSERT_TRUE(seen) << "the start confirmation is shown";
    EXPECT_NE(confirmation.find("-freeplay"), std::string::npos) << confirmation;

    const std::string text = WaitForFileText(record);
    EXPECT_EQ(text, "Parameters: -log -res 3 -freeplay -refresh 2 -scenario scenarios\\Harbour Run\r\n"
                    "Directory: " + SetTrailingBackslash(GameFolder(), false) + "\r\n");
}
