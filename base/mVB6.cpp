// Text splitting, replacing and conversion.
#include "base/mVB6.h"

#include <cmath>
#include <cstdlib>

#include "base/mError.h"

std::vector<std::string> SplitText(const std::string& text, const std::string& delimiter, int limit)
{
    std::vector<std::string> pieces;
    if (delimiter.empty()) {
        if (!text.empty()) pieces.push_back(text);
        return pieces;
    }
    size_t pos = 0;
    while (pos < text.size()) {
        size_t next = text.find(delimiter, pos);
        if (next == std::string::npos) next = text.size();
        pieces.push_back(text.substr(pos, next - pos));
        if (static_cast<int>(pieces.size()) - 1 == limit) break;
        pos = next + delimiter.size();
    }
    return pieces;
}

std::string ReplaceText(const std::string& text, const std::string& search, const std::string& replacement,
                        int start)
{
    std::string result = text;
    if (search.empty()) return result;
    size_t pos = start > 1 ? static_cast<size_t>(start - 1) : 0;
    while (pos < result.size()) {
        size_t found = result.find(search, pos);
        if (found == std::string::npos) break;
        result.replace(found, search.size(), replacement);
        pos = found + replacement.size();
    }
    return result;
}

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
} // namespace

std::optional<double> NumericValue(const std::string& text)
{
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && IsBlank(text[i])) ++i;
    const size_t begin = i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = 0;
    while (i < n && IsDigit(text[i])) { ++i; ++digits; }
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && IsDigit(text[i])) { ++i; ++digits; }
    }
    if (digits == 0) return std::nullopt;
    const size_t end = i;
    while (i < n && IsBlank(text[i])) ++i;
    if (i != n) return std::nullopt;
    return std::strtod(text.substr(begin, end - begin).c_str(), nullptr);
}

int16_t CIntFromText(const std::string& text)
{
    const std::optional<double> value = NumericValue(text);
    if (!value) RaiseRuntimeError(RTE_TYPE_MISMATCH);
    const double rounded = std::nearbyint(*value); // the default rounding mode rounds half to even
    if (rounded < -32768.0 || rounded > 32767.0) RaiseRuntimeError(RTE_OVERFLOW);
    return static_cast<int16_t>(rounded);
}
