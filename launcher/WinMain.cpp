// Process entry of Vekolaunch.exe.
#include <windows.h>
#include "CommandLineStart.h"
#include "base/StartupTrace.h"
#include "mMain.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    MarkStartup("entry");
    const LauncherCommand command = ParseLauncherCommandLine(commandLine ? commandLine : "");
    if (command.What == LauncherCommand::Kind::OpenWindow) return RunLauncher();
    return RunLauncherCommand(command);
}
