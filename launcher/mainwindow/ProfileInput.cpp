// A profile as the main window's input, and back.
#include "mainwindow/ProfileInput.h"

#include "base/mError.h"
#include "base/mFunctions.h"
#include "base/mVB6.h"
#include "LauncherErrors.h"
#include "profiles/Profile.h"

MainWindowInput InputShownFor(const Profile& profile)
{
    MainWindowInput input;
    input.VekoraPath = profile.VekoraPath();
    input.LogMessages = profile.LogMessages();
    input.Freeplay = profile.Freeplay();
    input.UsePreDefinedResolution = profile.UsePreDefinedResolution();
    input.ResolutionIndex = ResolutionIndexForValue(profile.PreDefinedResolution());
    input.Width = std::to_string(profile.ResolutionWidth());
    input.Height = std::to_string(profile.ResolutionHeight());
    input.Scenario = profile.ScenarioPath();
    input.GraphicPak = profile.GraphicPakPath();
    input.RefreshIndex = RefreshIndexForValue(profile.Refresh());
    return input;
}

void WriteInputToProfile(const MainWindowInput& input, Profile& profile)
{
    profile.SetVekoraPath(input.VekoraPath);
    profile.SetLogMessages(input.LogMessages);
    profile.SetFreeplay(input.Freeplay);
    profile.SetUsePreDefinedResolution(input.UsePreDefinedResolution);
    profile.SetPreDefinedResolution(static_cast<int16_t>(input.ResolutionIndex + 1));
    profile.SetResolutionWidth(CIntFromText(input.Width));
    profile.SetResolutionHeight(CIntFromText(input.Height));
    profile.SetScenarioPath(input.Scenario);
    profile.SetGraphicPakPath(input.GraphicPak);
    // "None" in the list stands for every stored value of 0 or less; keep the stored one.
    if (input.RefreshIndex >= 0 || profile.Refresh() > 0) profile.SetRefresh(static_cast<int16_t>(input.RefreshIndex + 1));
}

void CheckCmdLinesAgree(const MainWindowInput& input, const Profile& profile)
{
    // The window's and the profile's command lines are built separately; they must agree.
    const std::string windowText = BuildCmdLineParameters(input);
    const std::string profileText = profile.GetCmdLineParameters();
    if (Trim(windowText) != profileText) {
        RaisePlainError(ERR_SELF_CHECK, "Commandline parameters should be: " + windowText +
                                            "\r\nCommandline parameters are: " + profileText +
                                            "\r\n\r\nPlease contact the author. Thanks.");
    }
}
