// The update file on the project web site: where it lies and what its lines mean.
#pragma once

#include <string>

#include "base/ProgramVersion.h"

// The host asked for updates: the web site's, unless VEKOLAUNCH_UPDATE_HOST names another
// host (optionally with ":port"), as for a mirror.
std::string UpdateHost();
// "update-" + major + "-" + minor + "-" + revision + ".txt".
std::string UpdateFileName(const ProgramVersion& version);
std::string UpdateFileAddress(const std::string& host, const ProgramVersion& version);

struct UpdateAnswer {
    bool UpdateFound = false;
    // "" when the file names no page that lies on the host.
    std::string PageAddress;
    // Lines 3 and on, each trimmed and followed by CR LF.
    std::string Description;
};

// Line 1 "true" (any case, blanks around it) means an update; line 2 is the page's path on the
// host; lines 3 and on describe it. Lines end with LF alone: a CR stays part of line 1.
UpdateAnswer ReadUpdateAnswer(const std::string& text, const std::string& host);
// "http://" + host + path when the path begins with "/" and holds nothing that could lead
// off the host (no "@", "\", blank, control character or "//"); "" otherwise.
std::string UpdatePageAddress(const std::string& host, const std::string& path);
