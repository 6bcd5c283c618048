// Lingobench's own trim routines: its white space includes the tab, unlike the launcher's.
#pragma once

#include <string>

namespace lingo {

// White space is blank, tab, CR and LF.
std::string TrimLeftWhiteSpace(const std::string& text);
std::string TrimRightWhiteSpace(const std::string& text);
std::string TrimWhiteSpace(const std::string& text);

} // namespace lingo
