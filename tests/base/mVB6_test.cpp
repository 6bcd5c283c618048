// Splitting, replacing and the 16-bit number conversion.
#include <gtest/gtest.h>

#include "base/mError.h"
#include "base/mVB6.h"

using Pieces = std::vector<std::string>;

TEST(SplitText, PiecesBetweenDelimiters)
{
    const struct { std::string Text; Pieces Expected; } cases[] = {
        {"a;b;c", {"a", "b", "c"}},
        {"a;b;", {"a", "b"}},
        {"a;;b", {"a", "", "b"}},
        {";a", {"", "a"}},
        {";", {""}},
        {";;", {"", ""}},
        {"", {}},
        {"PROFILE_DEFAULT", {"PROFILE_DEFAULT"}},
        {"a b;c d", {"a b", "c d"}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitText(c.Text, ";", -1), c.Expected) << c.Text;
}

TEST(SplitText, LimitCountsPiecesBeyondTheFirst)
{
    EXPECT_EQ(SplitText("a;b;c;d", ";", 0), (Pieces{"a"}));
    EXPECT_EQ(SplitText("a;b;c;d", ";", 1), (Pieces{"a", "b"}));
    EXPECT_EQ(SplitText("a;b;c;d", ";", 3), (Pieces{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitText("a;b;c;d", ";", 10), (Pieces{"a", "b", "c", "d"}));
}

TEST(SplitText, ExactDelimiterComparison)
{
    EXPECT_EQ(SplitText("aXbxc", "x", -1), (Pieces{"aXb", "c"}));
    EXPECT_EQ(SplitText("a, b,c", ", ", -1), (Pieces{"a", "b,c"}));
}

TEST(ReplaceText, InsertedTextIsNeverSearchedAgain)
{
    const struct { std::string Text, Search, Replacement; int Start; std::string Expected; } cases[] = {
        {"aaa", "a", "aa", 1, "aaaaaa"},
        {"line\\nnext\\n", "\\n", "\r\n", 1, "line\r\nnext\r\n"},
        {"%P1% and %P1%", "%P1%", "x%P1%", 1, "x%P1% and x%P1%"},
        {"abcabc", "abc", "", 1, ""},
        {"abcabc", "b", "B", 3, "abcaBc"},
        {"abcabc", "b", "B", 2, "aBcaBc"},
        {"abc", "b", "B", 4, "abc"},
        {"abc", "B", "x", 1, "abc"},
        {"", "a", "b", 1, ""},
        {"abc", "c", "cc", 1, "abcc"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReplaceText(c.Text, c.Search, c.Replacement, c.Start), c.Expected) << c.Text << " " << c.Start;
    EXPECT_EQ(ReplaceText("aaa", "a", "aa").size(), 6u);
}

TEST(CIntFromText, SixteenBitConversion)
{
    const struct { std::string Text; int Expected; } cases[] = {
        {"0", 0},       {"12", 12},         {" 12 ", 12},     {"-5", -5},       {"+7", 7},
        {"32767", 32767}, {"-32768", -32768}, {"007", 7},      {"2.5", 2},       {"3.5", 4},
        {"-2.5", -2},   {"2.51", 3},        {"0.5", 0},       {"1.5", 2},       {".5", 0},
        {"32767.4", 32767}, {"-32768.5", -32768},
    };
    for (const auto& c : cases) EXPECT_EQ(CIntFromText(c.Text), c.Expected) << c.Text;
}

TEST(CIntFromText, EmptyOrNotANumberIsTypeMismatch)
{
    for (const char* text : {"", " ", "abc", "12abc", "1 2", "-", ".", "1.2.3", "--1"}) {
        try {
            CIntFromText(text);
            ADD_FAILURE() << "no error for \"" << text << "\"";
        } catch (const AppError& e) {
            EXPECT_EQ(e.Number, RTE_TYPE_MISMATCH) << text;
        }
    }
}

TEST(CIntFromText, OutOfRangeIsOverflow)
{
    for (const char* text : {"32768", "-32769", "32767.5", "-32768.6", "99999999999999999999", "70000"}) {
        try {
            CIntFromText(text);
            ADD_FAILURE() << "no error for \"" << text << "\"";
        } catch (const AppError& e) {
            EXPECT_EQ(e.Number, RTE_OVERFLOW) << text;
        }
    }
}
