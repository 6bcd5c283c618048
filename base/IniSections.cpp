// Section-wide private-profile access.
#include "base/IniSections.h"

#include <windows.h>

#include <cstring>

#include "base/mError.h"
#include "base/mFunctions.h"

namespace {
// Zero-separated lists of the private-profile functions; they say "too small" by filling the
// buffer to two characters below its size. Small first: Wine's section read costs time in
// proportion to the buffer it is given.
template <typename Read>
std::vector<std::string> ReadList(Read read)
{
    std::vector<char> buffer(1024);
    DWORD length = 0;
    for (;;) {
        length = read(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length + 2 < buffer.size()) break;
        buffer.resize(buffer.size() * 4);
    }
    std::vector<std::string> items;
    for (const char* p = buffer.data(); p < buffer.data() + length && *p; p += strlen(p) + 1) items.emplace_back(p);
    return items;
}

[[noreturn]] void RaiseWriteFailed(const std::string& file)
{
    const DWORD error = GetLastError();
    RaiseError(ERR_INI_WRITE_FAILED, "Cannot write to the file '" + file + "' (system error " + std::to_string(error) + ")");
}
} // namespace

std::vector<std::string> IniSectionNames(const std::string& file)
{
    return ReadList([&](char* buffer, DWORD size) { return GetPrivateProfileSectionNamesA(buffer, size, file.c_str()); });
}

bool HasIniSection(const std::string& file, const std::string& section)
{
    const std::string lower = LowerCase(section);
    for (const std::string& name : IniSectionNames(file))
        if (LowerCase(name) == lower) return true;
    return false;
}

std::vector<std::string> ReadIniSection(const std::string& file, const std::string& section)
{
    return ReadList([&](char* buffer, DWORD size) {
        return GetPrivateProfileSectionA(section.c_str(), buffer, size, file.c_str());
    });
}

void WriteIniSection(const std::string& file, const std::string& section, const std::vector<std::string>& lines)
{
    std::string block;
    for (const std::string& line : lines) block += line + '\0';
    block += '\0';
    if (!WritePrivateProfileSectionA(section.c_str(), block.data(), file.c_str())) RaiseWriteFailed(file);
}

void DeleteIniSection(const std::string& file, const std::string& section)
{
    if (!WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, file.c_str())) RaiseWriteFailed(file);
}
