// Lingobench's own trim routine: its white space includes the tab, unlike the launcher's.
#pragma once

#include <string>

namespace lingo {

// The text without blanks, tabs, CRs and LFs at either end.
std::string TrimWhiteSpace(const std::string& text);

} // namespace lingo
