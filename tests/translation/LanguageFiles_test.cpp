// The shipped language files: English holds every text the launcher asks for, German
// translates all of them and keeps the marks a translation must keep.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/mFunctions.h"
#include "base/mIni.h"
#include "core/Application.h"
#include "support/TestEnvironment.h"
#include "support/TextIds.h"

namespace {

struct Entry {
    std::string Section;
    std::string Id;
    std::string Text;
};

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(tolower(c)); });
    return text;
}

std::string Key(const std::string& section, const std::string& id)
{
    return Lower(section) + "/" + Lower(id);
}

// The entries of a language file in file order, read line by line as a translator sees them
// (comment lines left out), so that duplicates the private-profile functions hide show up.
std::vector<Entry> ReadEntries(const std::string& path)
{
    std::vector<Entry> entries;
    const std::string text = ReadTextFile(path);
    std::string section;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            section = line.substr(1, line.find(']') - 1);
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        entries.push_back({section, line.substr(0, equals), line.substr(equals + 1)});
    }
    return entries;
}

std::string EnglishFile() { return ShippedConfigDir() + "LNG_EN.ini"; }
std::string GermanFile() { return ShippedConfigDir() + "LNG_DE.ini"; }

std::map<std::string, std::string> TextsByKey(const std::string& path)
{
    std::map<std::string, std::string> texts;
    for (const Entry& e : ReadEntries(path)) texts[Key(e.Section, e.Id)] = e.Text;
    return texts;
}

// The letters that single ampersands mark as access keys ("&&" shows one "&").
std::vector<char> AccessKeys(const std::string& text)
{
    std::vector<char> keys;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] != '&') {
            char letter[2] = {text[i + 1], 0};
            CharUpperA(letter);
            keys.push_back(letter[0]);
        }
        ++i;
    }
    return keys;
}

size_t Count(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++n;
    return n;
}

// What a translation has to keep of the English text, written out so that a failure reads well.
std::string Marks(const std::string& text)
{
    std::string marks = "access keys " + std::to_string(AccessKeys(text).size());
    for (const char* mark : {"?", "...", ":"}) {
        marks += std::string(", '") + mark + "' " + (text.find(mark) != std::string::npos ? "yes" : "no");
    }
    marks += ", line breaks " + std::to_string(Count(text, "\\n"));
    for (int i = 1; i <= 20; ++i) {
        const std::string placeholder = "%P" + std::to_string(i) + "%";
        if (const size_t n = Count(text, placeholder)) marks += ", " + placeholder + " x" + std::to_string(n);
    }
    return marks;
}

}  // namespace

TEST(LanguageFiles, TableNamesEveryEntryOnce)
{
    std::set<std::string> keys;
    for (const TextId& id : LanguageTextIds()) {
        EXPECT_TRUE(keys.insert(Key(id.Section, id.Id)).second) << id.Section << "/" << id.Id;
    }
    EXPECT_GT(keys.size(), 100u);
}

TEST(LanguageFiles, EnglishHoldsEveryTextTheLauncherAsksFor)
{
    for (const TextId& id : LanguageTextIds()) {
        const std::string text = ReadFromIni(EnglishFile(), id.Section, id.Id, "\x01");
        EXPECT_NE(text, "\x01") << "missing in LNG_EN.ini: [" << id.Section << "] " << id.Id;
        EXPECT_FALSE(TrimWhiteSpace(text).empty()) << "blank in LNG_EN.ini: [" << id.Section << "] " << id.Id;
    }
}

TEST(LanguageFiles, EnglishHoldsOnlyTextsOfTheTable)
{
    std::set<std::string> known;
    for (const TextId& id : LanguageTextIds()) known.insert(Key(id.Section, id.Id));
    for (const Entry& e : ReadEntries(EnglishFile())) {
        EXPECT_TRUE(known.count(Key(e.Section, e.Id))) << "not in the ID table: [" << e.Section << "] " << e.Id;
    }
}

TEST(LanguageFiles, NoFileNamesAnIdTwice)
{
    for (const std::string& file : {EnglishFile(), GermanFile()}) {
        std::set<std::string> keys;
        for (const Entry& e : ReadEntries(file)) {
            EXPECT_TRUE(keys.insert(Key(e.Section, e.Id)).second) << file << ": [" << e.Section << "] " << e.Id;
        }
    }
}

TEST(LanguageFiles, GermanTranslatesEveryEnglishTextAndNothingElse)
{
    const auto english = TextsByKey(EnglishFile());
    const auto german = TextsByKey(GermanFile());
    for (const auto& [key, text] : english) {
        const auto found = german.find(key);
        if (found == german.end()) {
            ADD_FAILURE() << "missing in LNG_DE.ini: " << key;
            continue;
        }
        EXPECT_FALSE(TrimWhiteSpace(found->second).empty()) << "blank in LNG_DE.ini: " << key;
    }
    for (const auto& [key, text] : german) EXPECT_TRUE(english.count(key)) << "only in LNG_DE.ini: " << key;
}

TEST(LanguageFiles, GermanKeepsTheMarksOfEachEnglishText)
{
    const auto german = TextsByKey(GermanFile());
    for (const auto& [key, english] : TextsByKey(EnglishFile())) {
        if (key.rfind("fileinfo/", 0) == 0 || !german.count(key)) continue;
        EXPECT_EQ(Marks(german.at(key)), Marks(english)) << key << "\n  EN: " << english << "\n  DE: " << german.at(key);
    }
}

TEST(LanguageFiles, BothNameTheirLanguageAndTranslator)
{
    EXPECT_EQ(Application::GetLanguageName(EnglishFile()), "English");
    EXPECT_EQ(Application::GetLanguageName(GermanFile()), "Deutsch");
    EXPECT_NE(ReadFromIni(EnglishFile(), "FileInfo", "Author", ""), "");
    EXPECT_NE(ReadFromIni(GermanFile(), "FileInfo", "Author", ""), "");
}

TEST(LanguageFiles, EveryTextReadsBackAsWritten)
{
    for (const std::string& file : {EnglishFile(), GermanFile()}) {
        for (const Entry& e : ReadEntries(file)) {
            EXPECT_EQ(ReadFromIni(file, e.Section, e.Id, ""), e.Text) << file << ": [" << e.Section << "] " << e.Id;
        }
    }
}

TEST(LanguageFiles, AreEightBitTextInTheWindowsCodePage)
{
    const std::string english = ReadTextFile(EnglishFile());
    EXPECT_TRUE(std::all_of(english.begin(), english.end(), [](unsigned char c) { return c < 0x80; }));

    const std::string german = ReadTextFile(GermanFile());
    EXPECT_NE(german.rfind("\xEF\xBB\xBF", 0), 0u) << "UTF-8 byte order mark";
    EXPECT_EQ(german.find("\xC3\xBC"), std::string::npos) << "u umlaut written as UTF-8";
    EXPECT_EQ(german.find("\xC3\xA4"), std::string::npos) << "a umlaut written as UTF-8";
    EXPECT_NE(german.find("Zur\xFC" "ck"), std::string::npos) << "u umlaut as one byte";
}

// Texts shown as plain words, messages, titles or list entries: an ampersand would show as
// such or, in a label, steal an access key. Yes and No also stand in the settings summary.
TEST(LanguageFiles, OnlyCaptionsCarryAccessKeys)
{
    const auto mayCarry = [](const std::string& key) {
        const std::string id = key.substr(key.find('/') + 1);
        if (key == "global/btn_yes" || key == "global/btn_no") return false;
        for (const char* prefix : {"btn_", "chk_", "op_", "mnu_", "lbl_"}) {
            if (id.rfind(prefix, 0) == 0) return true;
        }
        return false;
    };
    for (const std::string& file : {EnglishFile(), GermanFile()}) {
        for (const auto& [key, text] : TextsByKey(file)) {
            if (mayCarry(key)) continue;
            EXPECT_TRUE(AccessKeys(text).empty()) << file << ": " << key << " = " << text;
        }
    }
}

TEST(LanguageFiles, MenuAndButtonCaptionsHaveOneAccessKeyAtMost)
{
    for (const std::string& file : {EnglishFile(), GermanFile()}) {
        for (const auto& [key, text] : TextsByKey(file)) {
            EXPECT_LE(AccessKeys(text).size(), 1u) << file << ": " << key << " = " << text;
        }
    }
}
