// Reading version resources with the system's version functions.
#include "fileinfo/CFileVersionInfo.h"

#include <windows.h>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "base/mFunctions.h"

namespace {

const char* const kStringNames[CFileVersionInfo::STRING_COUNT] = {
    "Language",        "Comments",         "Company Name",     "File Description", "File Version",
    "Internal Name",   "Legal Copyright",  "Legal Trademarks", "Original Filename", "Product Name",
    "Product Version", "Private Build",    "Special Build",    "LegalTrademarks1", "LegalTrademarks2"};

// String-table entries in index order (index 0, the language, comes from the translation table).
const char* const kStringKeys[CFileVersionInfo::STRING_COUNT] = {
    nullptr,          "Comments",       "CompanyName",     "FileDescription", "FileVersion",
    "InternalName",   "LegalCopyright", "LegalTrademarks", "OriginalFilename", "ProductName",
    "ProductVersion", "PrivateBuild",   "SpecialBuild",    "LegalTrademarks1", "LegalTrademarks2"};

std::string ReadString(const std::vector<char>& data, const std::string& subBlock)
{
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), subBlock.c_str(), &value, &length) || length == 0 || !value) return "";
    // The text ends at its zero; the reported length only bounds the read.
    const char* text = static_cast<const char*>(value);
    return std::string(text, strnlen(text, length));
}

std::string Hex4(unsigned value)
{
    char buffer[8];
    snprintf(buffer, sizeof(buffer), "%04X", value & 0xFFFF);
    return buffer;
}

} // namespace

std::string VersionPartText(unsigned long part, int minDigits)
{
    // The sign stands before the zeros, as a number format writes it: -1 with two digits is "-01".
    const int value = static_cast<int16_t>(part & 0xFFFF);
    char buffer[16];
    snprintf(buffer, sizeof(buffer), "%s%0*d", value < 0 ? "-" : "", minDigits, value < 0 ? -value : value);
    return buffer;
}

std::string FormatVersion(unsigned long high, unsigned long low)
{
    std::string text = VersionPartText(HIWORD(high)) + "." + VersionPartText(LOWORD(high), 2) + ".";
    if (static_cast<int16_t>(HIWORD(low)) > 0)
        return text + VersionPartText(HIWORD(low), 2) + VersionPartText(LOWORD(low), 2);
    return text + VersionPartText(LOWORD(low), 4);
}

std::string FormatStructureVersion(unsigned long version)
{
    return VersionPartText(HIWORD(version)) + "." + VersionPartText(LOWORD(version));
}

std::string FileFlagsText(unsigned long flags)
{
    static const char* const words[] = {"Debug ", "PreRel ", "Patched ", "Private ", "Info ", "Special "};
    std::string text;
    for (int bit = 0; bit < 6; ++bit)
        if (flags & (1u << bit)) text += words[bit];
    return Trim(text, TrimEnds::Right);
}

std::string FileOSText(unsigned long os)
{
    switch (os) {
    case VOS_DOS_WINDOWS16: return "DOS-Win16";
    case VOS_DOS_WINDOWS32: return "DOS-Win32";
    case VOS_OS216_PM16: return "OS/2-16 PM-16";
    case VOS_OS232_PM32: return "OS/2-16 PM-32";
    case VOS_NT_WINDOWS32: return "NT-Win32";
    default: return "Unknown";
    }
}

std::string FileTypeText(unsigned long type)
{
    switch (type) {
    case VFT_APP: return "Application";
    case VFT_DLL: return "DLL";
    case VFT_DRV: return "Driver";
    case VFT_FONT: return "Font";
    case VFT_VXD: return "VxD";
    case VFT_STATIC_LIB: return "Lib";
    default: return "Unknown";
    }
}

std::string FileSubTypeText(unsigned long type, unsigned long subType)
{
    static const char* const drivers[] = {"Unknown",     "Printer drv", "Keyboard drv", "Language drv",
                                          "Display drv", "Mouse drv",   "Network drv",  "System drv",
                                          "Installable", "Sound drv",   "Comm drv"};
    static const char* const fonts[] = {"", "Raster Font", "Vector Font", "TrueType Font"};
    if (type == VFT_DRV && subType <= 10) return drivers[subType];
    if (type == VFT_FONT && subType >= 1 && subType <= 3) return fonts[subType];
    return "";
}

void CFileVersionInfo::SetFullPathName(const std::string& path)
{
    std::string buffer(MAX_PATH, '\0');
    DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, buffer.data(), nullptr);
    if (length >= MAX_PATH) {
        // The buffer was too small and holds nothing usable; the system told the size it needs.
        buffer.assign(length, '\0');
        length = GetFullPathNameA(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
        if (length >= buffer.size()) return;
    }
    if (length == 0) return;
    m_fullPathName = buffer.substr(0, length);
    Refresh();
}

void CFileVersionInfo::Refresh()
{
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(m_fullPathName.c_str(), &handle);
    if (size == 0) return;
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(m_fullPathName.c_str(), 0, size, data.data())) return;

    // From here on every value describes this file: nothing of an earlier file may remain.
    const std::string path = m_fullPathName;
    *this = CFileVersionInfo();
    m_fullPathName = path;
    m_available = true;

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedLength = 0;
    if (VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedLength) && fixed &&
        fixedLength >= sizeof(VS_FIXEDFILEINFO)) {
        m_verStructure = FormatStructureVersion(fixed->dwStrucVersion);
        m_verFile = FormatVersion(fixed->dwFileVersionMS, fixed->dwFileVersionLS);
        m_verProduct = FormatVersion(fixed->dwProductVersionMS, fixed->dwProductVersionLS);
        m_fileFlags = FileFlagsText(fixed->dwFileFlags);
        m_fileOS = FileOSText(fixed->dwFileOS);
        m_fileType = FileTypeText(fixed->dwFileType);
        m_fileSubType = FileSubTypeText(fixed->dwFileType, fixed->dwFileSubtype);
    }

    DWORD* translation = nullptr;
    UINT translationLength = 0;
    if (!VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                        &translationLength) ||
        translationLength < sizeof(DWORD) || !translation)
        return;

    const unsigned languageId = LOWORD(*translation);
    const unsigned codePage = HIWORD(*translation);
    char languageName[256] = {};
    const DWORD nameLength = VerLanguageNameA(languageId, languageName, sizeof(languageName));
    const size_t reported = std::min<size_t>(nameLength, sizeof(languageName) - 1);
    m_strings[0].assign(languageName, strnlen(languageName, reported));

    // Many files name another language in their table but carry English strings only.
    std::string prefix = "\\StringFileInfo\\" + Hex4(languageId) + Hex4(codePage) + "\\";
    if (ReadString(data, prefix + "CompanyName").empty()) {
        const std::string english = "\\StringFileInfo\\0409" + Hex4(codePage) + "\\";
        if (!ReadString(data, english + "CompanyName").empty()) prefix = english;
    }
    for (int i = 1; i < STRING_COUNT; ++i) m_strings[i] = ReadString(data, prefix + kStringKeys[i]);
}

std::string CFileVersionInfo::PredefinedName(int index) const
{
    return index >= 0 && index < STRING_COUNT ? kStringNames[index] : "";
}

std::string CFileVersionInfo::PredefinedValue(int index) const
{
    return index >= 0 && index < STRING_COUNT ? m_strings[index] : "";
}
