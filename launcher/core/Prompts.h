// The launcher's questions for a program file (the game, the text editor) and the name it
// shows for the installed game.
#pragma once

#include <windows.h>
#include <string>

// The open-file dialog for vekora.exe, proposing the current file when it exists; "" when cancelled.
std::string AskForVekoPath(HWND owner, const std::string& currentPath);
// The same for the text editor, proposing write.exe in the Windows folder.
std::string AskForEditor(HWND owner, const std::string& currentPath);
// Product name and version from the game's version resource; "Vekora" when it names nothing.
std::string GetVekoraFile_VersionInfo(const std::string& vekoraPath);
