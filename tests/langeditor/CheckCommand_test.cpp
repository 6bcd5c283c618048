// Lingobench.exe /check run as a build script runs it: crafted language files, its output and
// its exit code.
#include "langeditor/LingobenchTest.h"

#include "base/ScopedWin.h"
#include "base/mFunctions.h"

namespace {

// A menu bar and a page of the launcher's main window, with an English text for each.
constexpr const char* ENGLISH = "[FileInfo]\r\nLanguageName=English\r\n[MAIN_DIALOG]\r\nMNU_FILE=&File\r\n"
                                "MNU_EDIT=&Edit\r\nMNU_EXTRA=E&xtra\r\nBTN_START_VEKORA=&Start Vekora\r\n"
                                "MSG_SaveChangesQuestion=Save the changes?\r\n";
constexpr const char* CLEAN_GERMAN = "[FileInfo]\r\nLanguageName=Deutsch\r\n[MAIN_DIALOG]\r\nMNU_FILE=&Datei\r\n"
                                     "MNU_EDIT=&Bearbeiten\r\nMNU_EXTRA=E&xtras\r\nBTN_START_VEKORA=Vekora &starten\r\n"
                                     "MSG_SaveChangesQuestion=\xC4nderungen speichern?\r\n";

struct ProgramRun {
    DWORD ExitCode = 0;
    std::string Output;
};

} // namespace

class CheckCommand : public LingobenchTest {
protected:
    void SetUp() override
    {
        LingobenchTest::SetUp();
        const std::string folder = SetTrailingBackslash(GetAppPath(), true);
        ASSERT_TRUE(CopyFileA((folder + "Lingobench.exe").c_str(), (ToolsDir() + "\\Lingobench.exe").c_str(), FALSE));
        // The check names each file as the file system does.
        DeleteFileA(LanguageFile("LNG_EN.INI").c_str());
        DeleteFileA(LanguageFile("LNG_DE.INI").c_str());
        WriteTextFile(LanguageFile("LNG_EN.ini"), ENGLISH);
        WriteTextFile(LanguageFile("LNG_DE.ini"), CLEAN_GERMAN);
    }

    // Runs the program in its tools folder with its standard output in a file, until it ends.
    ProgramRun Run(const std::string& arguments)
    {
        const std::string outputPath = m_folder.Path() + "output.txt";
        SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
        ProgramRun run;
        {
            ScopedHandle output(CreateFileA(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
            STARTUPINFOA startup = {};
            startup.cb = sizeof(startup);
            startup.dwFlags = STARTF_USESTDHANDLES;
            startup.hStdOutput = output.Get();
            startup.hStdError = output.Get();
            std::string commandLine = ToolsDir() + "\\Lingobench.exe";
            commandLine = "\"" + commandLine + "\" " + arguments;
            PROCESS_INFORMATION process = {};
            if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, ToolsDir().c_str(),
                                &startup, &process)) {
                ADD_FAILURE() << "Lingobench did not start: " << GetLastError();
                return run;
            }
            ScopedHandle thread(process.hThread), program(process.hProcess);
            EXPECT_EQ(WaitForSingleObject(program.Get(), EVENT_WAIT_MS), WAIT_OBJECT_0) << "Lingobench did not end";
            GetExitCodeProcess(program.Get(), &run.ExitCode);
        }
        run.Output = ReadTextFile(outputPath);
        return run;
    }

    static std::vector<std::string> Lines(const std::string& text)
    {
        std::vector<std::string> lines;
        for (size_t start = 0; start < text.size();) {
            const size_t end = text.find("\r\n", start);
            lines.push_back(text.substr(start, end - start));
            start = end == std::string::npos ? text.size() : end + 2;
        }
        return lines;
    }
};

TEST_F(CheckCommand, ACleanFileGivesTheSummaryAlone)
{
    const ProgramRun run = Run("/check DE");
    EXPECT_EQ(run.ExitCode, 0u);
    EXPECT_EQ(run.Output, "1 file, 6 IDs checked, 0 findings: check 0, missing 0, unknown 0, access-key 0\r\n");
}

TEST_F(CheckCommand, EachKindOfFindingIsOneLineAndTheReportHoldsTheSame)
{
    WriteTextFile(LanguageFile("LNG_DE.ini"),
                  "[FileInfo]\r\nLanguageName=Deutsch\r\n[MAIN_DIALOG]\r\nMNU_FILE=&Datei\r\nMNU_EDIT=&Dies und das\r\n"
                  "BTN_START_VEKORA=Vekora &starten\r\nMSG_SaveChangesQuestion=Speichern\r\n"
                  "MNU_OLD=&Alt\r\n");
    WriteTextFile(LanguageFile("LNG_FR.ini"), "[FileInfo]\r\nLanguageName=Fran\xE7" "ais\r\n");
    const std::string report = m_folder.Path() + "report.txt";
    const ProgramRun run = Run("-CHECK de /Report \"" + report + "\"");
    EXPECT_EQ(run.ExitCode, 1u);
    EXPECT_EQ(Lines(run.Output),
              (std::vector<std::string>{
                  "LNG_DE.ini\tMAIN_DIALOG\tMNU_EXTRA\tmissing\tThe English file has this ID; this file has no text "
                  "for it.",
                  "LNG_DE.ini\tMAIN_DIALOG\tMSG_SaveChangesQuestion\tcheck\tYour translation doesn't include the "
                  "string '?'.",
                  "LNG_DE.ini\tMAIN_DIALOG\tMNU_OLD\tunknown\tThe English file has no such ID; the launcher never "
                  "shows this text.",
                  "LNG_DE.ini\tMAIN_DIALOG\tMNU_EDIT\taccess-key\tThe access key 'D' is also the access key of "
                  "MAIN_DIALOG / MNU_FILE, and both are seen together in the main window's menu bar.",
                  "1 file, 6 IDs checked, 4 findings: check 1, missing 1, unknown 1, access-key 1",
              }));
    EXPECT_EQ(ReadTextFile(report), run.Output);
}

TEST_F(CheckCommand, BadInputSaysWhatIsWrongAndChangesNoFile)
{
    const struct {
        std::string Arguments;
        bool WithoutEnglish;
        std::string Named;
    } cases[] = {
        {"/check XX", false, "LNG_XX.ini"},
        {"/check /verbose", false, "/verbose"},
        {"/check DE /report", false, "/report"},
        {"DE", false, "/check"},
        {"/check", true, "LNG_EN.INI"},
    };
    for (const auto& c : cases) {
        WriteTextFile(LanguageFile("LNG_EN.ini"), ENGLISH);
        if (c.WithoutEnglish) DeleteFileA(LanguageFile("LNG_EN.ini").c_str());
        const ProgramRun run = Run(c.Arguments);
        EXPECT_EQ(run.ExitCode, 2u) << c.Arguments;
        EXPECT_EQ(Lines(run.Output).size(), 1u) << c.Arguments << ": " << run.Output;
        EXPECT_NE(run.Output.find(c.Named), std::string::npos) << c.Arguments << ": " << run.Output;
        EXPECT_EQ(ReadTextFile(LanguageFile("LNG_DE.ini")), CLEAN_GERMAN) << c.Arguments;
        if (!c.WithoutEnglish) {
            EXPECT_EQ(ReadTextFile(LanguageFile("LNG_EN.ini")), ENGLISH) << c.Arguments;
        }
    }
}
