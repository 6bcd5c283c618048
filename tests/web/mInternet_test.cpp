// Reading web resources from a real server on the loopback address.
#include <gtest/gtest.h>

#include <windows.h>

#include "support/TestEnvironment.h"
#include "support/TestHttpServer.h"
#include "web/mInternet.h"

namespace {

class ReadUrlTest : public testing::Test {
protected:
    std::string Address(const std::string& path) const { return "http://" + m_server.HostWithPort() + path; }
    TestHttpServer m_server;
};

} // namespace

TEST_F(ReadUrlTest, ReturnsTheBodyAsSentAndAsksAsTheLauncher)
{
    const std::string body = "true\n/down/new.html\n\xC4nderung \xFC" "ber 2048 Bytes: " + std::string(5000, '.') + "\n";
    m_server.Serve(200, body);
    EXPECT_EQ(ReadUrl(Address("/down/file.txt"), 0), body);
    const auto requests = m_server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].rfind("GET /down/file.txt HTTP/1.", 0), 0u) << requests[0];
    EXPECT_NE(requests[0].find("User-Agent: Vekolaunch Internet Update\r\n"), std::string::npos) << requests[0];
}

TEST_F(ReadUrlTest, ErrorPageTextIsTheResult)
{
    m_server.Serve(404, "<html>\nNot found\n</html>");
    EXPECT_EQ(ReadUrl(Address("/missing.txt"), 0), "<html>\nNot found\n</html>");
}

TEST_F(ReadUrlTest, FailuresAreUpdateErrorsWithoutSource)
{
    const RefusingPort gone;
    m_server.SendEndlessly();
    const struct { std::string Address; const char* Description; } cases[] = {
        {"http://" + gone.HostWithPort() + "/x.txt", "No internet connection or website not found"},
        {Address("/endless.txt"), "The answer of the website is too long"},
    };
    for (const auto& c : cases) {
        // A busy machine may read slowly: the size cap, not the deadline, has to end the endless answer.
        const AppError e = ErrorOf([&] { ReadUrl(c.Address, 0, EVENT_WAIT_MS); });
        EXPECT_EQ(e.Number, 20000) << c.Address;
        EXPECT_EQ(e.Description, c.Description);
        EXPECT_EQ(e.Source, "");
    }
}

TEST_F(ReadUrlTest, SilentServerEndsAtTheDeadline)
{
    m_server.StayQuiet();
    const DWORD start = GetTickCount();
    const AppError e = ErrorOf([&] { ReadUrl(Address("/silent.txt"), 0, 1000); });
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_EQ(e.Number, 20000);
    EXPECT_EQ(e.Description, "The website did not answer in time");
    EXPECT_GE(elapsed, 900u);
    EXPECT_LT(elapsed, EVENT_WAIT_MS) << "the library's own wait for a silent server never ends";
}

