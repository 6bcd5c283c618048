// Lingobench's own text routines: its white space includes the tab, unlike the launcher's.
#pragma once

// commdlg.h maps ReplaceText to its find-and-replace dialog; with the system headers always
// seen first, every file maps this routine's name the same way.
#include <windows.h>
#include <string>

namespace lingo {

// The text up to its first character code 0.
std::string CutAtNull(const std::string& text);
// Replaces every occurrence from start (1-based) on; inserted text is never searched again.
std::string ReplaceText(const std::string& text, const std::string& search, const std::string& replacement,
                        int start = 1);
// White space is blank, tab, CR and LF.
std::string TrimLeftWhiteSpace(const std::string& text);
std::string TrimRightWhiteSpace(const std::string& text);
std::string TrimWhiteSpace(const std::string& text);
// Blanks only, as the new-language window strips its boxes.
std::string TrimBlanks(const std::string& text);
// Upper case in the system's code page.
std::string UpperCase(std::string text);

} // namespace lingo
