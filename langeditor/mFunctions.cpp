// Trimming in the language editor.
#include "langeditor/mFunctions.h"

#include "base/mFunctions.h"

namespace lingo {

std::string TrimWhiteSpace(const std::string& text)
{
    return TrimCharacters(text, " \t\r\n");
}

} // namespace lingo
