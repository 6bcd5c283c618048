// Reading the running program's version resource.
#include "base/ProgramVersion.h"

#include <windows.h>
#include <vector>

#include "base/mError.h"

std::optional<ProgramVersion> ReadRunningProgramVersion()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = length > 0 && length < MAX_PATH ? GetFileVersionInfoSizeA(path, &ignored) : 0;
    std::vector<char> data(size);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedLength = 0;
    if (size == 0 || !GetFileVersionInfoA(path, 0, size, data.data()) ||
        !VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedLength) || !fixed ||
        fixedLength < sizeof(VS_FIXEDFILEINFO))
        return std::nullopt;
    return ProgramVersion{HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionLS)};
}

ProgramVersion RunningProgramVersion()
{
    const std::optional<ProgramVersion> version = ReadRunningProgramVersion();
    if (!version) RaiseRuntimeError(RTE_INTERNAL);
    return *version;
}

std::string VersionText(const ProgramVersion& version)
{
    return std::to_string(version.Major) + "." + std::to_string(version.Minor) + "." + std::to_string(version.Revision);
}
