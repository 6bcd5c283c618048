// How long the word list of a large English file takes with "Hide translated items" ticked
// against a half-translated file. Run it under Wine; it is not part of the test run.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "langeditor/WordList.h"

namespace {

constexpr int SECTIONS = 100;
constexpr int IDS_PER_SECTION = 20;
constexpr int RUNS = 5;
constexpr double LIMIT_MS = 300.0;

void WriteTextFile(const std::string& path, const std::string& text)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(h);
}

} // namespace

int main()
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string dir = std::string(temp) + "lingobench_benchmark_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(dir.c_str(), nullptr);

    std::string english = "[FileInfo]\r\nLanguageName=English\r\n";
    std::string translated = "[FileInfo]\r\nLanguageName=Deutsch\r\n";
    for (int s = 0; s < SECTIONS; ++s) {
        const std::string section = "SECTION_" + std::to_string(s);
        english += "\r\n; window " + std::to_string(s) + "\r\n[" + section + "]\r\n";
        translated += "[" + section + "]\r\n";
        for (int i = 0; i < IDS_PER_SECTION; ++i) {
            const std::string id = std::string("LBL_TEXT_").append(std::to_string(i));
            english += id + "=Some English text number " + std::to_string(i) + "\\nwith a second line\r\n";
            if (i % 2 == 0) translated += id + "=Ein deutscher Text " + std::to_string(i) + "\r\n";
        }
    }
    WriteTextFile(dir + "\\LNG_EN.INI", english);
    WriteTextFile(dir + "\\LNG_DE.INI", translated);

    const EditedFile file(dir + "\\LNG_DE.INI", dir + "\\LNG_EN.INI");
    std::vector<double> times;
    size_t entries = 0;
    for (int run = 0; run < RUNS; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const auto list = BuildWordList(file, true);
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        entries = list ? list->size() : 0;
    }
    DeleteFileA((dir + "\\LNG_EN.INI").c_str());
    DeleteFileA((dir + "\\LNG_DE.INI").c_str());
    RemoveDirectoryA(dir.c_str());

    std::sort(times.begin(), times.end());
    std::printf("word list of %d IDs in %d sections, translated ones hidden: %zu entries\n",
                SECTIONS * IDS_PER_SECTION, SECTIONS, entries);
    std::printf("fastest %.1f ms, median %.1f ms, slowest %.1f ms of %d runs (limit %.0f ms)\n", times.front(),
                times[times.size() / 2], times.back(), RUNS, LIMIT_MS);
    return times[times.size() / 2] < LIMIT_MS ? 0 : 1;
}
