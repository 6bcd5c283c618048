// The running program's own version, as its version resource states it.
#pragma once

#include <string>

// "Version " + major + "." + minor + "." + revision, the numbers without leading zeros; ""
// when the program carries no version resource.
std::string ProgramVersionLabel();
