// Between a profile and the main window's input: what the window shows for a profile and how
// its input goes back, so that a start without the window checks exactly what the window checks.
#pragma once

#include "mainwindow/MainWindowRules.h"

class Profile;

// The controls' input right after the window has shown the profile.
MainWindowInput InputShownFor(const Profile& profile);
// Writes checked input into the profile (a property that does not change stays unchanged).
void WriteInputToProfile(const MainWindowInput& input, Profile& profile);
// Raises the self-check error when the window's and the profile's command lines differ.
void CheckCmdLinesAgree(const MainWindowInput& input, const Profile& profile);
