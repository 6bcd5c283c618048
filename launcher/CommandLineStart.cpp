// Starting a profile's game from the command line, with the checks and messages of the main
// window's start button.
#include "CommandLineStart.h"

#include <windows.h>

#include "base/SystemServices.h"
#include "base/mError.h"
#include "base/mFunctions.h"
#include "LauncherErrors.h"
#include "core/Application.h"
#include "mMain.h"
#include "mainwindow/ProfileInput.h"
#include "profiles/Profile.h"
#include "translation/cTranslate.h"

namespace {
std::string Text(const char* id, const std::string& p1 = "", const std::string& p2 = "")
{
    return g_cTranslate->TranslateEx("COMMAND_LINE", id, p1, p2);
}

void Tell(const std::string& text, UINT icon)
{
    Sys().MsgBox(nullptr, text, MB_OK | icon);
}

// The profile's game as "Start Vekora" starts it when the window shows that profile: the
// window's corrections and checks first, each with the window's own message.
int StartChecked(Profile& profile)
{
    MainWindowInput input = InputShownFor(profile);
    if (!input.UsePreDefinedResolution) {
        const InputCorrection correction = CorrectResolutionTexts(input.Width, input.Height);
        if (correction.HeightRaised)
            Tell(g_cTranslate->TranslateEx("MAIN_DIALOG", "MSG_ResolutionHeigthChanged"), 0);
        if (correction.WidthRaised)
            Tell(g_cTranslate->TranslateEx("MAIN_DIALOG", "MSG_ResolutionWidthChanged"), 0);
    }
    if (const std::optional<InputProblem> problem = FindInputProblem(input)) {
        RaisePlainError(ERR_INPUT_CHECK, g_cTranslate->TranslateEx("ERROR_MESSAGES", problem->MessageId, problem->P1));
    }
    WriteInputToProfile(input, profile);
    CheckCmdLinesAgree(input, profile);
    switch (profile.StartVekora(nullptr)) {
    case Profile::StartOutcome::Started: return EXIT_GAME_STARTED;
    case Profile::StartOutcome::Cancelled: return EXIT_START_CANCELLED;
    default: return EXIT_START_REFUSED;
    }
}

int StartProfileNamed(const std::string& name)
{
    Profiles& profiles = g_cApp->Profiles();
    profiles.LoadData();
    if (const std::shared_ptr<Profile> profile = FindProfileByUserName(profiles, name)) return StartChecked(*profile);
    std::string list;
    for (const std::shared_ptr<Profile>& profile : profiles) list += "\r\n    " + profile->ProfileCaption();
    Tell(Text("MSG_UNKNOWN_PROFILE", name, list), MB_ICONEXCLAMATION);
    return EXIT_START_REFUSED;
}

int Run(const LauncherCommand& command)
{
    using Kind = LauncherCommand::Kind;
    switch (command.What) {
    case Kind::StartProfile: return StartProfileNamed(command.ProfileName);
    case Kind::ShowUsage: Tell(Text("MSG_USAGE"), MB_ICONINFORMATION); return EXIT_GAME_STARTED;
    case Kind::MissingName: Tell(Text("MSG_NAME_MISSING", Text("MSG_USAGE")), MB_ICONEXCLAMATION); break;
    default: Tell(Text("MSG_UNKNOWN_ARGUMENT", command.Argument, Text("MSG_USAGE")), MB_ICONEXCLAMATION); break;
    }
    return EXIT_START_REFUSED;
}
} // namespace

int RunLauncherCommand(const LauncherCommand& command)
{
    const LauncherThreadSetup setup;
    InstallLauncherServices();
    int exitCode = EXIT_START_REFUSED;
    ShowErrors("mCommandLine.RunLauncherCommand", [&] {
        CreatePublicObjects("");
        g_cApp->Options().LoadData(); // the language of the messages
        exitCode = Run(command);
    });
    ClosePublicObjects();
    return exitCode;
}
