// File information from directory searches, the file functions and the shell.
#include "fileinfo/CFileInfo.h"

#include <cstdio>
#include <vector>

#include "base/ScopedWin.h"
#include "base/ShellFunctions.h"
#include "base/mFunctions.h"

namespace {

std::string DirectoryPart(const std::string& path)
{
    const size_t pos = path.find_last_of('\\');
    return pos == std::string::npos ? "" : path.substr(0, pos + 1);
}

// Runs a path function that returns the length it wrote, or the size it needs when the
// buffer is too small, until the buffer is large enough. "" when the function fails.
template <typename F>
std::string PathFunctionResult(F call)
{
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = call(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return "";
        if (length < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(length + 1);
    }
}

// The directory part of a full path, each folder spelled as the file system stores it, a
// drive root in upper case and a network share root as given.
std::string StoredDirectorySpelling(const std::string& fullPath)
{
    const std::string directory = DirectoryPart(fullPath);
    size_t rootEnd = 0;
    std::string result;
    if (directory.rfind("\\\\", 0) == 0) {
        // \\server\share\ is no directory entry that a search could spell.
        const size_t server = directory.find('\\', 2);
        const size_t share = server == std::string::npos ? server : directory.find('\\', server + 1);
        rootEnd = share == std::string::npos ? directory.size() : share + 1;
        result = directory.substr(0, rootEnd);
    } else {
        rootEnd = directory.find('\\');
        if (rootEnd == std::string::npos) return directory;
        ++rootEnd;
        result = UpperCase(directory.substr(0, rootEnd));
    }
    for (size_t start = rootEnd; start < directory.size();) {
        const size_t end = directory.find('\\', start);
        const std::string name = directory.substr(start, end - start);
        WIN32_FIND_DATAA data;
        ScopedFindHandle find(FindFirstFileA((result + name).c_str(), &data));
        result += (find.IsValid() ? std::string(data.cFileName) : name) + "\\";
        start = end + 1;
    }
    return result;
}

SYSTEMTIME LocalTime(const FILETIME& universal)
{
    FILETIME local;
    SYSTEMTIME time = {};
    if (FileTimeToLocalFileTime(&universal, &local)) FileTimeToSystemTime(&local, &time);
    return time;
}

// The locale's grouping ("3;0", "3;2;0") in the form NUMBERFMT expects (3, 32).
UINT GroupingOf(LCID locale)
{
    char text[16] = {};
    GetLocaleInfoA(locale, LOCALE_SGROUPING, text, sizeof(text));
    UINT grouping = 0;
    bool repeats = false;
    for (const char* p = text; *p; ++p) {
        if (*p < '0' || *p > '9') continue;
        if (*p == '0') { repeats = true; break; }
        grouping = grouping * 10 + static_cast<UINT>(*p - '0');
    }
    return repeats ? grouping : grouping * 10;
}

// A number with a fixed count of decimals in the locale's format; grouped with its thousands
// separator only when asked, as "#,##0" is and "0.00" is not.
std::string LocaleNumber(double value, int decimals, bool grouped, LCID locale)
{
    char decimalSep[8] = ".", thousandSep[8] = ",", negative[4] = "1";
    GetLocaleInfoA(locale, LOCALE_SDECIMAL, decimalSep, sizeof(decimalSep));
    GetLocaleInfoA(locale, LOCALE_STHOUSAND, thousandSep, sizeof(thousandSep));
    GetLocaleInfoA(locale, LOCALE_INEGNUMBER, negative, sizeof(negative));
    NUMBERFMTA format = {};
    format.NumDigits = static_cast<UINT>(decimals);
    format.LeadingZero = 1;
    format.Grouping = grouped ? GroupingOf(locale) : 0;
    format.lpDecimalSep = decimalSep;
    format.lpThousandSep = thousandSep;
    format.NegativeOrder = static_cast<UINT>(negative[0] - '0');
    // The value goes in with more decimals than shown: the system rounds it to NumDigits.
    char input[64];
    snprintf(input, sizeof(input), "%.6f", value);
    char output[64] = {};
    if (GetNumberFormatA(locale, 0, input, &format, output, sizeof(output)) == 0) return input;
    return output;
}

} // namespace

CFileInfo::~CFileInfo()
{
    if (m_icon) DestroyIcon(m_icon);
}

void CFileInfo::SetFullPathName(const std::string& path)
{
    const std::string resolved = PathFunctionResult(
        [&](char* buffer, DWORD size) { return GetFullPathNameA(path.c_str(), size, buffer, nullptr); });
    if (resolved.empty()) return;
    m_fullPathName = resolved;
    Refresh();
}

void CFileInfo::Refresh()
{
    WIN32_FIND_DATAA data;
    {
        ScopedFindHandle find(FindFirstFileA(m_fullPathName.c_str(), &data));
        if (m_fullPathName.empty() || !find.IsValid()) {
            m_fileExists = false;
            return;
        }
    }
    m_fileExists = true;
    m_pathExists = true;
    m_attributes = data.dwFileAttributes;
    m_creationTime = LocalTime(data.ftCreationTime);
    m_lastAccessTime = LocalTime(data.ftLastAccessTime);
    m_modifyTime = LocalTime(data.ftLastWriteTime);
    m_fileSize = data.nFileSizeLow;
    m_fileSizeHigh = data.nFileSizeHigh;

    m_fileName = data.cFileName;
    m_filePath = StoredDirectorySpelling(m_fullPathName);
    const size_t dot = m_fileName.find_last_of('.');
    m_fileExtension = dot == std::string::npos ? "" : m_fileName.substr(dot + 1);

    // Without a short name of its own the long name already is a valid 8.3 name.
    m_shortName = data.cAlternateFileName[0] ? std::string(data.cAlternateFileName) : UpperCase(m_fileName);
    m_shortPathName = PathFunctionResult(
        [&](char* buffer, DWORD size) { return GetShortPathNameA(m_fullPathName.c_str(), buffer, size); });
    m_shortPath = DirectoryPart(m_shortPathName);

    DWORD high = 0;
    SetLastError(NO_ERROR);
    const DWORD low = GetCompressedFileSizeA(m_fullPathName.c_str(), &high);
    m_totalCompressedFileSize = CompressedSizeAnswer(low, high, GetLastError());
    m_compressedFileSize = m_totalCompressedFileSize ? low : 0;
    m_compressedFileSizeHigh = m_totalCompressedFileSize ? high : 0;

    ReadShellInfo();
}

void CFileInfo::ReadShellInfo()
{
    if (m_icon) DestroyIcon(m_icon);
    m_icon = nullptr;
    SHFILEINFOA info = {};
    ShellDll::SHGetFileInfoA(m_fullPathName.c_str(), 0, &info, sizeof(info), SHGFI_ICON | SHGFI_DISPLAYNAME | SHGFI_TYPENAME);
    m_icon = info.hIcon;
    m_displayName = info.szDisplayName;
    m_typeName = info.szTypeName;
    if (m_typeName.find_first_not_of(' ') == std::string::npos) {
        m_typeName = Trim(UpperCase(m_fileExtension) + " File", TrimEnds::Left);
    }
}

void CFileInfo::WriteTime(const SYSTEMTIME& time, TimeKind which)
{
    FILETIME local, universal;
    if (!SystemTimeToFileTime(&time, &local) || !LocalFileTimeToFileTime(&local, &universal)) return;
    ScopedHandle file(CreateFileA(m_fullPathName.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) return;
    const BOOL written = SetFileTime(file.Get(), which == TimeKind::Creation ? &universal : nullptr,
                                     which == TimeKind::LastAccess ? &universal : nullptr,
                                     which == TimeKind::Modify ? &universal : nullptr);
    file.Reset();
    if (written) Refresh();
}

void CFileInfo::SetAttributes(DWORD attributes)
{
    if (attributes == m_attributes) return;
    if (SetFileAttributesA(m_fullPathName.c_str(), attributes)) Refresh();
}

std::string FormatFileDate(const SYSTEMTIME& date, LCID locale)
{
    char day[128] = {}, time[128] = {};
    GetDateFormatA(locale, DATE_LONGDATE, &date, nullptr, day, sizeof(day));
    GetTimeFormatA(locale, 0, &date, nullptr, time, sizeof(time));
    return std::string(day) + " " + time;
}

std::optional<uint64_t> CompressedSizeAnswer(DWORD low, DWORD high, DWORD lastError)
{
    if (low == INVALID_FILE_SIZE && lastError != NO_ERROR) return std::nullopt;
    return (static_cast<uint64_t>(high) << 32) | low;
}

std::string FormatFileSize(uint64_t size, LCID locale)
{
    const double value = static_cast<double>(size); // exact up to 8 PB
    const std::string bytes = LocaleNumber(value, 0, true, locale) + " bytes";
    const uint64_t k = size / 1024;
    if (size < 1024) return bytes;
    constexpr double KB = 1024.0, MB = 1048576.0;
    std::string shown;
    if (k < 10) shown = LocaleNumber(value / KB, 2, false, locale) + "KB";
    else if (k < 100) shown = LocaleNumber(value / KB, 1, false, locale) + "KB";
    else if (k < 1000) shown = LocaleNumber(value / KB, 0, false, locale) + "KB";
    else if (k < 10000) shown = LocaleNumber(value / MB, 2, false, locale) + "MB";
    else if (k < 100000) shown = LocaleNumber(value / MB, 1, false, locale) + "MB";
    else if (k < 1000000) shown = LocaleNumber(value / MB, 0, false, locale) + "MB";
    else shown = LocaleNumber(value / MB / 1024, 2, false, locale) + "GB";
    return shown + " (" + bytes + ")";
}
