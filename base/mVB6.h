// Text routines with the exact splitting, replacing and number-conversion rules the
// settings and language files rely on.
#pragma once

// windows.h maps the name ReplaceText to the find-and-replace dialog's ReplaceTextA. Included
// here, before the routine's declaration, the mapping applies to this routine in every file
// alike, whatever it includes first; its parameters keep it apart from the system's.
#include <windows.h>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Pieces between delimiters; a trailing delimiter gives no empty last piece, an empty text
// none at all. limit -1 means no limit.
std::vector<std::string> SplitText(const std::string& text, const std::string& delimiter, int limit = -1);
// Replaces every occurrence from start (1-based) on; inserted text is never searched again.
std::string ReplaceText(const std::string& text, const std::string& search, const std::string& replacement,
                        int start = 1);
// The value of a text that reads as a number: blanks or tabs around it, a sign, digits with at
// most one decimal point; nothing for anything else (empty text included).
std::optional<double> NumericValue(const std::string& text);
// Converts a text to a 16-bit integer: blanks around it are allowed, a fractional part is
// rounded half to even; empty or non-numeric text raises 13, a value out of range raises 6.
int16_t CIntFromText(const std::string& text);
