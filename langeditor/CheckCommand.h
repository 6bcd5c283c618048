// Lingobench's command line: the check of language files that scripts run instead of the window.
#pragma once

#include <functional>
#include <string>
#include <vector>

enum CheckExitCode : int { CHECK_CLEAN = 0, CHECK_FINDINGS = 1, CHECK_BAD_INPUT = 2 };

// Runs "/check [ABBR ...] [/report FILE]" or "/?" for the program in programDir (switches
// with "/" or "-", in any case). Every line of output goes to writeLine; the result is the
// exit code. Nothing is written into a language file.
int RunCommandLine(const std::vector<std::string>& args, const std::string& programDir,
                   const std::function<void(const std::string&)>& writeLine);
