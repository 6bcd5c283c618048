// Path, file, shell and trimming routines.
#include "base/mFunctions.h"

#include "base/ScopedWin.h"
#include "base/SystemServices.h"
#include "base/mError.h"

std::string SetTrailingBackslash(const std::string& path, bool add)
{
    if (path.find_first_not_of(' ') == std::string::npos) return path;
    const bool endsWithBackslash = !path.empty() && path.back() == '\\';
    if (add) return endsWithBackslash ? path : path + "\\";
    return endsWithBackslash ? path.substr(0, path.size() - 1) : path;
}

std::string CutAtNull(const std::string& text)
{
    return text.substr(0, text.find('\0'));
}

bool ExecuteFile(HWND owner, const std::string& file, const std::string& operation, const std::string& parameters,
                 const std::string& directory, int showMode, INT_PTR* shellResult)
{
    INT_PTR result = Sys().ShellExecuteFile(owner, operation, file, parameters, directory, showMode);
    if (shellResult) *shellResult = result;
    return result > 32;
}

std::string ExtractPath(const std::string& filePath)
{
    size_t pos = filePath.find_last_of('\\');
    return pos == std::string::npos ? "" : filePath.substr(0, pos + 1);
}

std::string ExtractFileName(const std::string& filePath)
{
    return filePath.substr(filePath.find_last_of('\\') + 1);
}

int FindLast(const std::string& text, const std::string& search, int start)
{
    if (search.empty() || search.size() > text.size()) return 0;
    size_t from = start <= 0 ? std::string::npos : static_cast<size_t>(start - 1);
    size_t pos = text.rfind(search, from);
    return pos == std::string::npos ? 0 : static_cast<int>(pos) + 1;
}

namespace {
// Attributes of the entry a directory listing finds for the path, or nothing.
bool FindEntry(const std::string& path, DWORD& attributes)
{
    // A listing takes * and ? as wildcards: such a path names no one entry of its own.
    if (path.empty() || path.find_first_of("*?") != std::string::npos) return false;
    WIN32_FIND_DATAA data;
    ScopedFindHandle find(FindFirstFileA(path.c_str(), &data));
    if (!find.IsValid()) return false;
    attributes = data.dwFileAttributes;
    return true;
}
} // namespace

bool FileExists(const std::string& path)
{
    DWORD attributes = 0;
    return FindEntry(path, attributes) && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path)
{
    DWORD attributes = 0;
    // A listing of "X:\dir\" finds nothing; the folder itself is asked for without the backslash.
    const std::string plain = path.size() > 3 ? SetTrailingBackslash(path, false) : path;
    if (FindEntry(plain, attributes)) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    // Drive roots have no entry of their own in a listing.
    DWORD direct = path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(path.c_str());
    return path.size() <= 3 && direct != INVALID_FILE_ATTRIBUTES && (direct & FILE_ATTRIBUTE_DIRECTORY);
}

std::string TrimCharacters(const std::string& text, std::string_view characters, TrimEnds ends)
{
    size_t begin = 0;
    size_t end = text.size();
    if (ends != TrimEnds::Right) {
        while (begin < end && characters.find(text[begin]) != std::string_view::npos) ++begin;
    }
    if (ends != TrimEnds::Left) {
        while (end > begin && characters.find(text[end - 1]) != std::string_view::npos) --end;
    }
    return text.substr(begin, end - begin);
}

std::string Trim(const std::string& text, TrimEnds ends)
{
    return TrimCharacters(text, " ", ends);
}

namespace {
constexpr std::string_view WHITE_SPACE = " \r\n";
constexpr std::string_view WHITE_SPACE_AND_TAB = " \t\r\n";
} // namespace

std::string TrimLeftWhiteSpace(const std::string& text)
{
    return TrimCharacters(text, WHITE_SPACE, TrimEnds::Left);
}

std::string TrimRightWhiteSpace(const std::string& text)
{
    return TrimCharacters(text, WHITE_SPACE, TrimEnds::Right);
}

std::string TrimWhiteSpace(const std::string& text, TabIs tab)
{
    return TrimCharacters(text, tab == TabIs::WhiteSpace ? WHITE_SPACE_AND_TAB : WHITE_SPACE);
}

std::string BrowseForFolder(HWND owner, const std::string& title, int rootFolder)
{
    return CutAtNull(Sys().BrowseForFolder(owner, title, rootFolder));
}

void CreateFolderPath(const std::string& path)
{
    if (FolderExists(path)) return;
    // Only a path ending in "\" names its last folder; anything after the last "\" would be
    // lost, so such a path is refused before a single folder is made.
    if (path.empty() || path.back() != '\\') RaiseRuntimeError(RTE_PATH_ACCESS);
    size_t pos = 0;
    while ((pos = path.find('\\', pos)) != std::string::npos) {
        const std::string prefix = path.substr(0, pos + 1);
        ++pos;
        if (prefix.size() <= 3 && prefix.find(':') != std::string::npos) continue; // the drive itself
        if (FolderExists(prefix)) continue;
        if (!CreateDirectoryA(prefix.c_str(), nullptr)) RaiseRuntimeError(RTE_PATH_ACCESS);
    }
}

std::string GetWindowsDir()
{
    char buffer[256] = {};
    UINT length = GetWindowsDirectoryA(buffer, 255);
    if (length < 255) return std::string(buffer, length);
    // A longer name does not fit: the system reported the size it needs instead.
    std::string longName(length, '\0');
    length = GetWindowsDirectoryA(longName.data(), static_cast<UINT>(longName.size()));
    longName.resize(length < longName.size() ? length : 0);
    return longName;
}

std::string GetAppPath()
{
    char buffer[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    std::string path = buffer;
    size_t pos = path.find_last_of('\\');
    if (pos == std::string::npos) return path;
    // A drive root keeps its backslash, as the system reports it.
    return pos == 2 ? path.substr(0, 3) : path.substr(0, pos);
}

std::string GetCurrentDir()
{
    char buffer[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, buffer);
    return buffer;
}

std::string UpperCase(std::string text)
{
    if (!text.empty()) CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

std::string LowerCase(std::string text)
{
    if (!text.empty()) CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

int TwipsToPixels(int twips, int dpi)
{
    return MulDiv(twips, dpi, 1440);
}

std::string ReadWholeFile(const std::string& path)
{
    ScopedHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) RaiseRuntimeError(RTE_PATH_ACCESS);
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file.Get(), buffer, sizeof(buffer), &read, nullptr) && read > 0) text.append(buffer, read);
    return text;
}

int ScaleForDpi(int pixelsAt96, int dpi)
{
    return MulDiv(pixelsAt96, dpi, 96);
}
