// A profile's game started from the command line without the launcher's window: what the game
// is given, how the launcher answers bad input, and that the settings file is left as it was.
#include "acceptance/StagedInstall.h"
#include "dialogs/frmStartingVekora_res.h"

#include <gtest/gtest.h>

namespace {
// The demo profile, a profile of the player's with a blank in its name, one whose scenario is
// gone, and what the launcher does not know of.
void WriteSettings(const StagedInstall& install, const std::string& options)
{
    install.WriteDemoProfileSettings("; the player's own note\r\nMYKEY = kept\r\n\r\n[profile_Winter run]\r\nVEKOPATH=" +
                                     install.GamePath() +
                                     "\r\nLOGMESSAGES=0\r\nFREEPLAY=1\r\nUSESTANDARDRESOLUTION=0\r\nRES_WIDTH=800\r\n"
                                     "RES_HEIGHT=600\r\nREFRESH=0\r\n[profile_Broken]\r\nVEKOPATH=" +
                                     install.GamePath() + "\r\nSCENARIO=scenarios\\Gone\r\n[OPTIONS]\r\n" + options);
}

// A language file's text up to its first placeholder or line break: what a message starts with.
std::string Opening(const std::string& language, const std::string& section, const std::string& id)
{
    const std::string text = LanguageText(language, section, id);
    return text.substr(0, std::min(text.find("%P"), text.find("\\n")));
}

struct Outcome {
    DWORD ExitCode = 999;
    std::vector<std::string> Messages;
};

// Runs the launcher with the arguments, answers every message it shows with OK.
Outcome RunLauncher(const StagedInstall& install, const std::string& arguments)
{
    Outcome outcome;
    auto launcher = install.StartLauncher(arguments);
    outcome.Messages = launcher->AnswerMessageBoxesUntil(IDOK, [&] { return !launcher->Running(); });
    EXPECT_TRUE(launcher->WaitForExit(WINDOW_WAIT_MS, &outcome.ExitCode)) << arguments;
    return outcome;
}
} // namespace

TEST(CommandLineStart, StartsTheNamedProfileAsItsStartButtonDoesAndWritesNothing)
{
    StagedInstall install;
    WriteSettings(install, "STARTVEKORADIALOG=0\r\n");
    const std::string before = install.ReadSettings();
    for (const char* arguments : {"/start \"winter RUN\"", "-START \"profile_Winter run\""}) {
        auto launcher = install.StartLauncher(arguments);
        DWORD exitCode = 999;
        ASSERT_TRUE(launcher->WaitForExit(WINDOW_WAIT_MS, &exitCode)) << arguments << ": the launcher waits";
        EXPECT_EQ(exitCode, 0u) << arguments;
        std::string record;
        ASSERT_TRUE(WaitUntil([&] { return !(record = install.TakeStartRecord()).empty(); })) << arguments;
        EXPECT_EQ(record, ExpectedStartRecord("-screensize 800x600 -freeplay", install.GameDir())) << arguments;
        EXPECT_EQ(install.ReadSettings(), before) << arguments;
    }
}

TEST(CommandLineStart, TheConfirmationDecidesAndCancelEndsWithOne)
{
    StagedInstall install;
    WriteSettings(install, "");
    const std::string before = install.ReadSettings();
    const struct {
        int Button;
        DWORD ExitCode;
        bool Started;
    } cases[] = {{IDCANCEL, 1, false}, {IDOK, 0, true}};
    for (const auto& c : cases) {
        auto launcher = install.StartLauncher("/start default");
        HWND confirm = launcher->WaitForWindow([](HWND w) { return Control(w, IDC_SV_DONTSHOW) != nullptr; });
        ASSERT_NE(confirm, nullptr) << "no start confirmation";
        EXPECT_EQ(TextOf(Control(confirm, IDC_SV_INFO)), "-log -res 1 -freeplay -refresh 1");
        Click(confirm, c.Button);
        DWORD exitCode = 999;
        ASSERT_TRUE(launcher->WaitForExit(WINDOW_WAIT_MS, &exitCode));
        EXPECT_EQ(exitCode, c.ExitCode);
        if (c.Started) {
            std::string record;
            EXPECT_TRUE(WaitUntil([&] { return !(record = install.TakeStartRecord()).empty(); }));
            EXPECT_EQ(record, ExpectedStartRecord("-log -res 1 -freeplay -refresh 1", install.GameDir()));
        } else {
            EXPECT_EQ(install.TakeStartRecord(), "");
        }
        EXPECT_EQ(install.ReadSettings(), before);
    }
}

TEST(CommandLineStart, BadInputGetsOneMessageAndNothingStarts)
{
    StagedInstall install;
    const struct {
        const char* Language;
        const char* Arguments;
        DWORD ExitCode;
        std::string Section, Id;                // the message's text
        std::vector<std::string> AlsoNamed; // what else the message must name
    } cases[] = {
        {"EN", "/start Nobody", 2, "COMMAND_LINE", "MSG_UNKNOWN_PROFILE", {"'Nobody'", "DEFAULT", "Winter run", "Broken"}},
        {"DE", "/start Nobody", 2, "COMMAND_LINE", "MSG_UNKNOWN_PROFILE", {"'Nobody'", "Winter run"}},
        {"EN", "/start", 2, "COMMAND_LINE", "MSG_NAME_MISSING", {"/start NAME"}},
        {"EN", "/start \"\"", 2, "COMMAND_LINE", "MSG_NAME_MISSING", {}},
        {"EN", "/begin Winter", 2, "COMMAND_LINE", "MSG_UNKNOWN_ARGUMENT", {"'/begin'", "/start NAME"}},
        {"DE", "-x", 2, "COMMAND_LINE", "MSG_UNKNOWN_ARGUMENT", {"'-x'", "/start NAME"}},
        {"EN", "/start Winter run", 2, "COMMAND_LINE", "MSG_UNKNOWN_ARGUMENT", {"'run'"}},
        {"EN", "/start broken", 2, "ERROR_MESSAGES", "ERR_PathNotFound", {"scenarios\\Gone"}},
        {"EN", "/?", 0, "COMMAND_LINE", "MSG_USAGE", {"/start NAME"}},
    };
    for (const auto& c : cases) {
        WriteSettings(install, "STARTVEKORADIALOG=0\r\nLANGUAGE=" + std::string(c.Language) + "\r\n");
        const std::string before = install.ReadSettings();
        const Outcome outcome = RunLauncher(install, c.Arguments);
        EXPECT_EQ(outcome.ExitCode, c.ExitCode) << c.Arguments;
        ASSERT_EQ(outcome.Messages.size(), 1u) << c.Arguments;
        const std::string& message = outcome.Messages[0];
        EXPECT_EQ(message.rfind(Opening(c.Language, c.Section, c.Id), 0), 0u) << c.Arguments << ": " << message;
        for (const std::string& part : c.AlsoNamed) EXPECT_NE(message.find(part), std::string::npos) << c.Arguments << ": " << part;
        EXPECT_EQ(install.TakeStartRecord(), "") << c.Arguments;
        EXPECT_EQ(install.ReadSettings(), before) << c.Arguments;
    }
}
