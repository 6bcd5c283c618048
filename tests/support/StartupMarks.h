// The launcher's start-up marks as VEKOLAUNCH_STARTUP_TRACE has it write them: one "point=ms"
// line a mark, in the order written. Read by the start-up test and the benchmark.
#pragma once

#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

inline std::vector<std::pair<std::string, double>> ReadStartupMarks(const std::string& path)
{
    std::vector<std::pair<std::string, double>> marks;
    std::ifstream file(path);
    for (std::string line; std::getline(file, line);) {
        const size_t equals = line.find('=');
        if (equals != std::string::npos) marks.emplace_back(line.substr(0, equals), std::atof(line.c_str() + equals + 1));
    }
    return marks;
}
