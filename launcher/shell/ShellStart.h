// Starts programs, documents, folders and addresses through the shell, and tells the user in
// their language when the shell refuses: a start that silently does nothing leaves them guessing.
#pragma once

#include <windows.h>
#include <string>

// The shell's "open" of file; true when it started. Otherwise one message names what could
// not be started and why.
bool OpenWithShell(HWND owner, const std::string& file, const std::string& parameters = "",
                   const std::string& directory = "");
// The language file's ID of the reason for a shell result of 32 or less.
std::string ShellFailureReasonId(INT_PTR shellResult);
