// Text routines of the language editor.
#include "langeditor/mFunctions.h"

#include <windows.h>

namespace lingo {

std::string CutAtNull(const std::string& text)
{
    return text.substr(0, text.find('\0'));
}

std::string ReplaceText(const std::string& text, const std::string& search, const std::string& replacement,
                        int start)
{
    std::string result = text;
    if (search.empty()) return result;
    size_t pos = start > 1 ? static_cast<size_t>(start - 1) : 0;
    while (pos < result.size()) {
        const size_t found = result.find(search, pos);
        if (found == std::string::npos) break;
        result.replace(found, search.size(), replacement);
        pos = found + replacement.size();
    }
    return result;
}

namespace {
constexpr const char* WHITE_SPACE = " \t\r\n";
}

std::string TrimLeftWhiteSpace(const std::string& text)
{
    const size_t first = text.find_first_not_of(WHITE_SPACE);
    return first == std::string::npos ? "" : text.substr(first);
}

std::string TrimRightWhiteSpace(const std::string& text)
{
    const size_t last = text.find_last_not_of(WHITE_SPACE);
    return last == std::string::npos ? "" : text.substr(0, last + 1);
}

std::string TrimWhiteSpace(const std::string& text)
{
    return TrimRightWhiteSpace(TrimLeftWhiteSpace(text));
}

std::string TrimBlanks(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string UpperCase(std::string text)
{
    if (!text.empty()) CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

} // namespace lingo
