// Lingobench's trimming counts the tab as white space.
#include <gtest/gtest.h>

#include "langeditor/mFunctions.h"

TEST(LingobenchTrim, RemovesBlanksTabsAndLineBreaks)
{
    EXPECT_EQ(lingo::TrimWhiteSpace("\t \r\n x\ty \n\t"), "x\ty");
    EXPECT_EQ(lingo::TrimWhiteSpace(" \t\r\n"), "");
}
