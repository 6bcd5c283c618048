// Runs lnkinfo (liblnk-utils), an independent Linux reader of the link format, on a link file.
// Wine starts a Linux program given by its Linux path as a process of its own; it gives no
// handle to wait on, so the output is written beside the link and renamed once complete.
#pragma once

#include <windows.h>
#include <string>

#include "support/TestEnvironment.h"

namespace lnkinfo_detail {
inline std::string UnixPath(const std::string& windowsPath)
{
    using UnixName = char*(CDECL*)(const WCHAR*);
    const auto toUnix = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix) return "";
    const std::wstring wide(windowsPath.begin(), windowsPath.end());
    char* name = toUnix(wide.c_str());
    if (!name) return "";
    std::string result = name;
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}
} // namespace lnkinfo_detail

// lnkinfo's report on the file, or "" when it could not be run (the test then fails).
inline std::string LnkinfoReport(const std::string& linkFile)
{
    using lnkinfo_detail::UnixPath;
    const std::string output = linkFile + ".lnkinfo.txt";
    const std::string link = UnixPath(linkFile), out = UnixPath(output);
    if (link.empty() || out.empty()) return "";
    DeleteFileA(output.c_str());
    std::string command = "/bin/sh -c \"exec </dev/null >/dev/null 2>&1; lnkinfo '" + link + "' >'" + out + ".part' 2>&1; mv '" + out + ".part' '" + out + "'\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) return "";
    if (process.hProcess) CloseHandle(process.hProcess);
    if (process.hThread) CloseHandle(process.hThread);
    std::string report = WaitForFileText(output);
    DeleteFileA(output.c_str());
    return report;
}

// One field of lnkinfo's report ("Local path", "Command line arguments", ...).
inline std::string ReportLine(const std::string& report, const std::string& field)
{
    const size_t at = report.find("\t" + field);
    if (at == std::string::npos) return "(no " + field + ")";
    const size_t colon = report.find(": ", at);
    const size_t end = report.find_first_of("\r\n", colon);
    return report.substr(colon + 2, end - colon - 2);
}
