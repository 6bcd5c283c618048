// The update file's address and the meaning of its lines.
#include <gtest/gtest.h>

#include "core/AppConstants.h"
#include "support/TestHttpServer.h"
#include "web/UpdateCheck.h"

TEST(UpdateFileAddress, NamedAfterTheRunningVersionOnTheWebSite)
{
    EXPECT_EQ(UpdateFileAddress(VEKOLAUNCH_WEB_HOST, RunningProgramVersion()),
              std::string("http://") + VEKOLAUNCH_WEB_HOST + "/down/veko_launch/updates/update-0-0-24.txt");
    EXPECT_EQ(UpdateFileName(ProgramVersion{1, 10, 205}), "update-1-10-205.txt");
}

TEST(UpdateHost, MirrorFromTheEnvironmentWhenItIsAHost)
{
    const struct { const char* Value; std::string Host; } cases[] = {
        {"", VEKOLAUNCH_WEB_HOST},
        {"127.0.0.1:8080", "127.0.0.1:8080"},
        {"mirror.example.net", "mirror.example.net"},
        {"evil.example/path", VEKOLAUNCH_WEB_HOST},
        {"user@evil.example", VEKOLAUNCH_WEB_HOST},
        {"host:80x", VEKOLAUNCH_WEB_HOST},
    };
    for (const auto& c : cases) {
        ScopedEnvironmentVariable mirror("VEKOLAUNCH_UPDATE_HOST", c.Value);
        EXPECT_EQ(UpdateHost(), c.Host) << c.Value;
    }
}

TEST(ReadUpdateAnswer, LineRules)
{
    const struct { const char* Text; bool Found; const char* Page; const char* Description; } cases[] = {
        {"true\n/down/new.html\nVersion 0.0.25\nFaster start\n", true, "http://h/down/new.html",
         "Version 0.0.25\r\nFaster start\r\n"},
        // The CR of CR LF line ends stays on line 1 and spoils "true"; later lines lose it.
        {"true\r\n/down/new.html\r\nVersion 0.0.25\r\nFaster start\r\n", false, "http://h/down/new.html",
         "Version 0.0.25\r\nFaster start\r\n"},
        {"TRUE\n/p\n", true, "http://h/p", ""},
        {"  true  \n  /p  \n", true, "http://h/p", ""},
        {"false\n/p\n  Nothing new  \n\nEnd", false, "http://h/p", "Nothing new\r\n\r\nEnd\r\n"},
        {"", false, "", ""},
        // Fewer than two lines: an empty second line, so no page and no failure.
        {"true", true, "", ""},
        {"true\n", true, "", ""},
    };
    for (const auto& c : cases) {
        const UpdateAnswer answer = ReadUpdateAnswer(c.Text, "h");
        EXPECT_EQ(answer.UpdateFound, c.Found) << c.Text;
        EXPECT_EQ(answer.PageAddress, c.Page) << c.Text;
        EXPECT_EQ(answer.Description, c.Description) << c.Text;
    }
}

TEST(UpdatePageAddress, OnlyPathsThatStayOnTheHost)
{
    EXPECT_EQ(UpdatePageAddress("h:81", "/down/new.html?v=25#top"), "http://h:81/down/new.html?v=25#top");
    for (const char* hostile : {"", "down/new.html", "//evil.example/", "/x//evil.example", "@evil.example",
                                "/@evil.example", "/x\\..\\y", "/a b", "/a\tb", "/a\x7f", "file:///c:/x",
                                "javascript:alert(1)", "\\\\evil\\share"})
        EXPECT_EQ(UpdatePageAddress("h", hostile), "") << hostile;
}
