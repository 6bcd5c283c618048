// Reads a link file back through the shell's own link object, as Explorer would. Wine's object
// does not load the show command (it always answers 1), so that one is read from the file's
// header, where the link format keeps it at byte 60.
#pragma once

#include <windows.h>
#include <shlobj.h>
#include <string>

#include "base/ScopedWin.h"

struct LinkFields {
    bool Loaded = false;
    std::string Path, Arguments, WorkingDirectory, Description;
    int ShowCmd = -1;
};

inline LinkFields ReadShellLink(const std::string& file)
{
    LinkFields fields;
    ScopedComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link)))) {
        return fields;
    }
    ScopedComPtr<IPersistFile> persist;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)))) return fields;
    std::wstring wide(file.begin(), file.end());
    if (FAILED(persist->Load(wide.c_str(), STGM_READ))) return fields;
    fields.Loaded = true;
    char buffer[1024] = {};
    link->GetPath(buffer, sizeof(buffer), nullptr, SLGP_RAWPATH);
    fields.Path = buffer;
    buffer[0] = '\0';
    link->GetArguments(buffer, sizeof(buffer));
    fields.Arguments = buffer;
    buffer[0] = '\0';
    link->GetWorkingDirectory(buffer, sizeof(buffer));
    fields.WorkingDirectory = buffer;
    buffer[0] = '\0';
    link->GetDescription(buffer, sizeof(buffer));
    fields.Description = buffer;
    HANDLE h = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return fields;
    DWORD read = 0;
    if (SetFilePointer(h, 60, nullptr, FILE_BEGIN) == 60) ReadFile(h, &fields.ShowCmd, 4, &read, nullptr);
    CloseHandle(h);
    return fields;
}
