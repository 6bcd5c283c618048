// Trimming in the language editor.
#include "langeditor/mFunctions.h"

#include "base/mFunctions.h"

namespace lingo {

namespace {
constexpr const char* WHITE_SPACE = " \t\r\n";
}

std::string TrimLeftWhiteSpace(const std::string& text)
{
    return TrimCharacters(text, WHITE_SPACE, TrimEnds::Left);
}

std::string TrimRightWhiteSpace(const std::string& text)
{
    return TrimCharacters(text, WHITE_SPACE, TrimEnds::Right);
}

std::string TrimWhiteSpace(const std::string& text)
{
    return TrimCharacters(text, WHITE_SPACE);
}

} // namespace lingo
