// Where Lingobench runs and which language files it lists.
#include <gtest/gtest.h>

#include "langeditor/LangLocation.h"
#include "support/TestFiles.h"

TEST(TranslationDirectory, OnlyBesideADirectoryEndingInTools)
{
    const struct { std::string ProgramDir; std::optional<std::string> Expected; } cases[] = {
        {"C:\\Games\\Launcher\\tools", "C:\\Games\\Launcher\\config"},
        {"C:\\Games\\Launcher\\TOOLS", "C:\\Games\\Launcher\\config"},
        {"C:\\Games\\mytools", "C:\\Games\\myconfig"},
        {"C:\\", std::nullopt},
        {"C:\\Games\\tool", std::nullopt},
        {"C:\\Games\\tools\\bin", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(TranslationDirectoryFor(c.ProgramDir), c.Expected) << c.ProgramDir;
}

TEST(TranslationDirectory, TheWrongLocationMessageNamesProgramAndDirectory)
{
    EXPECT_EQ(WrongLocationMessage("Lingobench", "C:\\"),
              "The application 'Lingobench.exe' must be in the 'tools' directory of Vekolaunch.\r\n"
              "The file is in the directory 'C:\\'\r\n\r\nLingobench will be closed now.");
}

TEST(LanguageFileList, FilesOnlyAndNoOtherNames)
{
    TempFolder folder;
    const std::string dir = folder.Path().substr(0, folder.Path().size() - 1);
    for (const char* name : {"LNG_EN.INI", "lng_de.ini", "FAQ_EN.txt", "LNG_FR.txt"}) {
        WriteTextFile(folder.Path() + name, "[FileInfo]\n");
    }
    CreateDirectoryA((folder.Path() + "LNG_X.INI").c_str(), nullptr);
    std::vector<std::string> files = ListLanguageFiles(dir);
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"LNG_EN.INI", "lng_de.ini"}));
    EXPECT_TRUE(ListLanguageFiles(dir + "\\missing").empty());
}
