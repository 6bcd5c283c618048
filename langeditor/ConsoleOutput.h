// Text output of a windowed program started from a command line.
#pragma once

#include <windows.h>
#include <string>

#include "base/ScopedWin.h"

// Writes to the program's standard output where it has one (redirected to a file or pipe, or
// under Wine the shell's own), otherwise to the console of the program that started it; a
// program started without either writes nowhere.
class ConsoleOutput {
public:
    ConsoleOutput();
    ConsoleOutput(const ConsoleOutput&) = delete;
    ConsoleOutput& operator=(const ConsoleOutput&) = delete;
    void WriteLine(const std::string& text) const;

private:
    HANDLE m_out = nullptr;
    ScopedHandle m_console;
};
