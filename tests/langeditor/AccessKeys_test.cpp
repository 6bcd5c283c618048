// The access-key rule and the clashes it finds within the scopes of what is seen together.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>

#include "base/mFunctions.h"
#include "base/mIni.h"
#include "langeditor/AccessKeys.h"

TEST(AccessKey, IsTheCharacterAfterTheFirstSingleAmpersandInUpperCase)
{
    const struct { std::string Caption; char Key; } cases[] = {
        {"&File", 'F'},        {"Open fol&der", 'D'}, {"&&File = &File", 'F'}, {"A &&&& B", 0},
        {"\xDC&" "ber", 'B'},  {"&\xFC" "ber", '\xDC'}, {"No key", 0},        {"Trailing &", 0},
        {"", 0},               {"&1 file", '1'},
    };
    for (const auto& c : cases) EXPECT_EQ(AccessKey(c.Caption), c.Key) << c.Caption;
}

TEST(KeyClashes, AreTwoTextsOfOneScopeWithOneKeyToldOnce)
{
    const std::vector<KeyScope> scopes = {
        {"the first window", {{"S", "SAVE"}, {"S", "SAVE_AS"}, {"S", "SUB"}, {"S", "QUIT"}}},
        {"the second window", {{"s", "SAVE"}, {"S", "SIZE"}, {"S", "SAVE_AS"}}},
    };
    const std::map<std::string, std::string> captions = {
        {"SAVE", "&Save"}, {"SAVE_AS", "&save as"}, {"SUB", "&&Sub"}, {"QUIT", "&Quit"}, {"SIZE", "&Size"}};
    auto captionOf = [&](const TextRef& text) { return captions.at(text.ID); };

    std::vector<std::string> found;
    for (const KeyClash& clash : FindKeyClashes(scopes, captionOf))
        found.push_back(clash.Text.ID + "/" + clash.Other.ID + " in " + clash.Scope);
    EXPECT_EQ(found, (std::vector<std::string>{"SAVE_AS/SAVE in the first window", "SIZE/SAVE in the second window",
                                               "SAVE_AS/SIZE in the second window"}));

    const struct { std::string ID, Caption; std::vector<std::string> Others; } typed[] = {
        {"QUIT", "&Quit", {}},
        {"QUIT", "&Sichern", {"SAVE", "SAVE_AS"}},
        {"SIZE", "&Gr\xF6\xDF" "e", {}},
        {"SUB", "&Untermen\xFC", {}},
    };
    for (const auto& t : typed) {
        std::vector<std::string> others;
        for (const KeyClash& clash : ClashesOf(scopes, {"S", t.ID}, t.Caption, captionOf)) others.push_back(clash.Other.ID);
        EXPECT_EQ(others, t.Others) << t.Caption;
    }
}

TEST(KeyClashes, TheLaunchersScopesNameTextsOfItsEnglishFile)
{
    const std::string english = SetTrailingBackslash(GetAppPath(), true) + "config\\LNG_EN.ini";
    for (const KeyScope& scope : LauncherKeyScopes()) {
        for (const TextRef& text : scope.Texts) {
            EXPECT_NE(ReadFromIni(english, text.Section, text.ID, ""), "") << scope.Name << ": " << text.ID;
        }
    }
}
