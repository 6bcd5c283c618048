// The quiet update check: when the option asks for it, the launcher looks for an update in the
// background once its window is shown, and speaks only when there is one it may announce.
#pragma once

#include <windows.h>
#include <string>

#include "web/UpdateCheck.h"

// What names an update for "Skip this version": the first line of its description (the update
// file's third line, which names the version), or its page when there is no description.
std::string UpdateIdentity(const UpdateAnswer& answer);
// Whether the answer is an update to announce: one with a page on the web site that the user
// has not skipped.
bool IsUpdateToAnnounce(const UpdateAnswer& answer, const std::string& skippedUpdate);
// Starts the check when the option is on and returns at once; the notice, if any, is owned by
// the window and waits until that window takes input.
void StartQuietUpdateCheck(HWND owner);
