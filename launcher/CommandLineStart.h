// What the launcher does for a command line that asks for more than its window: starting one
// profile's game, or telling the user how to ask.
#pragma once

#include "core/CommandLine.h"

// Exit codes of a command-line run.
constexpr int EXIT_GAME_STARTED = 0; // also after the usage was shown on request
constexpr int EXIT_START_CANCELLED = 1;
constexpr int EXIT_START_REFUSED = 2; // bad input, a failed check, a start the system refused

// Runs a command other than OpenWindow without the main window; writes nothing to the settings
// file. Returns the exit code.
int RunLauncherCommand(const LauncherCommand& command);
