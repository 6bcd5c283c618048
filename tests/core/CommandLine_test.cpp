// Reading the launcher's command line, and the arguments a link gives it.
#include <gtest/gtest.h>

#include "core/CommandLine.h"

TEST(CommandLine, SwitchesInAnyCaseNamesInQuotesAndBadInput)
{
    using Kind = LauncherCommand::Kind;
    const struct {
        const char* Line;
        Kind What;
        const char* Name;
        const char* Argument;
    } cases[] = {
        {"", Kind::OpenWindow, "", ""},
        {"   ", Kind::OpenWindow, "", ""},
        {"/start Winter", Kind::StartProfile, "Winter", ""},
        {"-START \"Winter run\"", Kind::StartProfile, "Winter run", ""},
        {"/Start \"say \"\"hi\"\"\"", Kind::StartProfile, "say \"hi\"", ""},
        {"/start", Kind::MissingName, "", ""},
        {"/start \"\"", Kind::MissingName, "", ""},
        {"/start Winter run", Kind::Unknown, "", "run"},
        {"/?", Kind::ShowUsage, "", ""},
        {"-?", Kind::ShowUsage, "", ""},
        {"/? x", Kind::Unknown, "", "x"},
        {"/begin", Kind::Unknown, "", "/begin"},
        {"Winter", Kind::Unknown, "", "Winter"},
        {"/", Kind::Unknown, "", "/"},
    };
    for (const auto& c : cases) {
        const LauncherCommand command = ParseLauncherCommandLine(c.Line);
        EXPECT_EQ(command.What, c.What) << c.Line;
        EXPECT_EQ(command.ProfileName, c.Name) << c.Line;
        EXPECT_EQ(command.Argument, c.Argument) << c.Line;
    }
}

TEST(CommandLine, LinkArgumentsReadBackAsTheCaption)
{
    for (const char* caption : {"Winter", "Winter run", "say \"hi\"", "a,b = c"}) {
        const LauncherCommand command = ParseLauncherCommandLine(StartProfileArguments(caption));
        EXPECT_EQ(command.What, LauncherCommand::Kind::StartProfile) << caption;
        EXPECT_EQ(command.ProfileName, caption);
    }
}
