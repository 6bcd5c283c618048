// Scenario, graphic-pak and language lists from the file system.
#include <gtest/gtest.h>

#include <algorithm>

#include "mainwindow/GameFolderLists.h"
#include "support/TestEnvironment.h"

namespace {
std::vector<std::string> Sorted(std::vector<std::string> entries)
{
    std::sort(entries.begin(), entries.end());
    return entries;
}

void MakeFolder(const std::string& path)
{
    CreateDirectoryA(path.c_str(), nullptr);
}
} // namespace

TEST(GameFolderLists, FoldersFollowTheGamePath)
{
    EXPECT_EQ(GetScenarioPath("C:\\Games\\Vekora\\vekora.exe"), "C:\\Games\\Vekora\\Scenarios\\");
    EXPECT_EQ(GetDatenPakPath("C:\\Games\\Vekora\\vekora.exe"), "C:\\Games\\Vekora\\");
    EXPECT_EQ(GetScenarioPath(""), "");
    EXPECT_EQ(GetDatenPakPath(""), "");
}

TEST(GameFolderLists, ScenariosAreTheSubFoldersOnly)
{
    TempFolder game;
    const std::string scenarios = game.Path() + "Scenarios\\";
    MakeFolder(scenarios);
    EXPECT_TRUE(ListScenarios(scenarios).empty());
    WriteTextFile(scenarios + "readme.txt", "x");
    EXPECT_TRUE(ListScenarios(scenarios).empty()) << "files are no scenarios";
    MakeFolder(scenarios + "Alpine Valley");
    MakeFolder(scenarios + "Harbour Run");
    EXPECT_EQ(Sorted(ListScenarios(scenarios)),
              (std::vector<std::string>{"scenarios\\Alpine Valley", "scenarios\\Harbour Run"}));
}

TEST(GameFolderLists, MissingOrUnknownScenarioFolderGivesNothing)
{
    TempFolder game;
    EXPECT_TRUE(ListScenarios(game.Path() + "Scenarios\\").empty());
    EXPECT_TRUE(ListScenarios("").empty());
}

TEST(GameFolderLists, PaksAreThePakFilesOfTheGameFolder)
{
    TempFolder game;
    WriteTextFile(game.Path() + "classic.pak", "x");
    WriteTextFile(game.Path() + "winter.pak", "x");
    WriteTextFile(game.Path() + "notes.txt", "x");
    MakeFolder(game.Path() + "folder.pak");
    MakeFolder(game.Path() + "sub");
    WriteTextFile(game.Path() + "sub\\deep.pak", "x");
    EXPECT_EQ(Sorted(ListGraphicPaks(game.Path())), (std::vector<std::string>{"classic.pak", "winter.pak"}));
    EXPECT_TRUE(ListGraphicPaks("").empty());
}

TEST(GameFolderLists, LanguagesFromTheLanguageFiles)
{
    TempFolder config;
    WriteTextFile(config.Path() + "LNG_EN.ini", "[FileInfo]\r\nLanguageName=English\r\n");
    WriteTextFile(config.Path() + "LNG_DE.ini", "[FileInfo]\r\nLanguageName=Deutsch\r\n");
    WriteTextFile(config.Path() + "LNG_XX.ini", "[GLOBAL]\r\n");
    MakeFolder(config.Path() + "LNG_DIR.ini");
    std::vector<LanguageEntry> entries = ListLanguages(config.Path());
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.Tag < b.Tag; });
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].Tag, "DE");
    EXPECT_EQ(entries[0].Caption, "Deutsch");
    EXPECT_EQ(entries[1].Tag, "EN");
    EXPECT_EQ(entries[1].Caption, "English");
    EXPECT_EQ(entries[2].Tag, "XX");
    EXPECT_EQ(entries[2].Caption, "");
}

TEST(GameFolderLists, LanguageFileWithoutAbbreviationIsLeftOut)
{
    TempFolder config;
    WriteTextFile(config.Path() + "LNG_.ini", "[FileInfo]\r\nLanguageName=Nothing\r\n");
    WriteTextFile(config.Path() + "LNG_EN.ini", "[FileInfo]\r\nLanguageName=English\r\n");
    std::vector<LanguageEntry> entries;
    ASSERT_NO_THROW(entries = ListLanguages(config.Path()));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].Tag, "EN");
}
