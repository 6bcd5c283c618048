#include "support/BoundTexts.h"

#include <gtest/gtest.h>

#include "base/mIni.h"

void ExpectBoundTexts(std::span<const TextBinding> bindings, const std::string& languageFile,
                      const std::function<std::string(int controlId)>& shownText)
{
    for (const TextBinding& binding : bindings) {
        const std::string stored = ReadFromIni(languageFile, binding.Section, binding.TextId, "");
        EXPECT_FALSE(stored.empty()) << languageFile << " lacks [" << binding.Section << "] " << binding.TextId;
        EXPECT_EQ(shownText(binding.ControlId), FillInText(stored, "", ""))
            << "[" << binding.Section << "] " << binding.TextId << " in " << languageFile;
    }
}
