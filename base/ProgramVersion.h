// The running program's own version, as its version resource states it.
#pragma once

#include <optional>
#include <string>

struct ProgramVersion {
    unsigned Major = 0;
    unsigned Minor = 0;
    unsigned Revision = 0;
};

// The file version of the running program: major and minor from its high half, the revision
// from the last part; nothing when the program carries no version resource.
std::optional<ProgramVersion> ReadRunningProgramVersion();
// The same for a program that is built with its version resource: raises 51 without one.
ProgramVersion RunningProgramVersion();
// "major.minor.revision", each in decimal without leading zeros.
std::string VersionText(const ProgramVersion& version);
