// Every language the launcher ships comes with its FAQ file, the one the Help menu opens.
#include <gtest/gtest.h>

#include "core/Application.h"
#include "support/TestEnvironment.h"

TEST(ShippedFaq, EveryShippedLanguageHasAnFaqWithAnswers)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((ShippedConfigDir() + "LNG_*.ini").c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    int languages = 0;
    do {
        const std::string abbrev = Application::GetLanguageAbbrev(data.cFileName);
        const std::string faq = ReadTextFile(TestProgramDir() + "doc\\" + Application::GetFAQFileName(abbrev));
        EXPECT_GT(faq.size(), 1000u) << abbrev;
        EXPECT_NE(faq.find("?\r\n"), std::string::npos) << abbrev; // questions, in the files' CR LF lines
        ++languages;
    } while (FindNextFileA(find, &data));
    FindClose(find);
    EXPECT_GE(languages, 2);
}
