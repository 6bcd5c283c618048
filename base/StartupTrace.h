// Where the time of a start goes, for the start-up benchmark. With the environment variable
// VEKOLAUNCH_STARTUP_TRACE naming a file, each mark adds the line "point=ms" to it: the
// milliseconds since the process was created. Without it a mark costs one test of a flag.
#pragma once

void MarkStartup(const char* point);
// Whether marks are written: what only finds the moment for a mark is skipped otherwise.
bool IsStartupTraced();
