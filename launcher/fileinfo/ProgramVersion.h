// The running program's own version, as its version resource states it.
#pragma once

#include <string>

struct ProgramVersion {
    unsigned Major = 0;
    unsigned Minor = 0;
    unsigned Revision = 0;
};

// The file version of the running program: major and minor from its high half, the revision
// from the last part. Raises 51 when the program carries no version resource.
ProgramVersion RunningProgramVersion();
// "major.minor.revision", each in decimal without leading zeros.
std::string VersionText(const ProgramVersion& version);
