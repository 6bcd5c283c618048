// Reading version resources with the system's version functions.
#include "fileinfo/CFileVersionInfo.h"

#include <windows.h>
#include <cstdint>
#include <cstdio>
#include <vector>

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

std::string Part(unsigned long value, const char* format)
{
    char buffer[16];
    snprintf(buffer, sizeof(buffer), format, static_cast<int>(static_cast<int16_t>(value & 0xFFFF)));
    return buffer;
}

std::string ReadString(const std::vector<char>& data, const std::string& subBlock)
{
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), subBlock.c_str(), &value, &length) || length == 0 || !value) return "";
    return static_cast<const char*>(value);
}

std::string Hex4(unsigned value)
{
    char buffer[8];
    snprintf(buffer, sizeof(buffer), "%04X", value & 0xFFFF);
    return buffer;
}

} // namespace

std::string FormatVersion(unsigned long high, unsigned long low)
{
    std::string text = Part(HIWORD(high), "%d") + "." + Part(LOWORD(high), "%02d") + ".";
    if (static_cast<int16_t>(HIWORD(low)) > 0) return text + Part(HIWORD(low), "%02d") + Part(LOWORD(low), "%02d");
    return text + Part(LOWORD(low), "%04d");
}

std::string FileFlagsText(unsigned long flags)
{
    static const char* const words[] = {"Debug ", "PreRel ", "Patched ", "Private ", "Info ", "Special "};
    std::string text;
    for (int bit = 0; bit < 6; ++bit)
        if (flags & (1u << bit)) text += words[bit];
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
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
    char buffer[MAX_PATH] = {};
    DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, buffer, nullptr);
    if (length == 0 || length >= MAX_PATH) return;
    m_fullPathName.assign(buffer, length);
    Refresh();
}

void CFileVersionInfo::Refresh()
{
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(m_fullPathName.c_str(), &handle);
    if (size == 0) return;
    m_available = true;
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(m_fullPathName.c_str(), 0, size, data.data())) return;

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedLength = 0;
    if (VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedLength) && fixed) {
        m_verStructure = Part(HIWORD(fixed->dwStrucVersion), "%d") + "." + Part(LOWORD(fixed->dwStrucVersion), "%d");
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
        translationLength == 0 || !translation)
        return;

    const unsigned languageId = LOWORD(*translation);
    const unsigned codePage = HIWORD(*translation);
    char languageName[256] = {};
    DWORD nameLength = VerLanguageNameA(languageId, languageName, sizeof(languageName));
    m_strings[0] = std::string(languageName, nameLength < sizeof(languageName) ? nameLength : 0);

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
