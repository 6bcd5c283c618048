// What the file system and the shell know about one file, and the two display formats of
// sizes and dates. Times are local date-and-time values.
#pragma once

#include <windows.h>
#include <cstdint>
#include <optional>
#include <string>

class CFileInfo {
public:
    CFileInfo() = default;
    ~CFileInfo();
    CFileInfo(const CFileInfo&) = delete;
    CFileInfo& operator=(const CFileInfo&) = delete;

    const std::string& FullPathName() const { return m_fullPathName; }
    // Resolves the path with the system and loads everything; a path the system cannot
    // resolve changes nothing.
    void SetFullPathName(const std::string& path);

    const std::string& FileName() const { return m_fileName; }
    const std::string& FilePath() const { return m_filePath; }
    const std::string& FileExtension() const { return m_fileExtension; }
    const std::string& ShortPathName() const { return m_shortPathName; }
    const std::string& ShortName() const { return m_shortName; }
    const std::string& ShortPath() const { return m_shortPath; }
    const std::string& DisplayName() const { return m_displayName; }
    const std::string& TypeName() const { return m_typeName; }
    bool FileExists() const { return m_fileExists; }
    bool PathExists() const { return m_pathExists; }
    DWORD FileSize() const { return m_fileSize; }
    DWORD FileSizeHigh() const { return m_fileSizeHigh; }
    // Both halves of the size together: 2 GB and more are sizes like any other.
    uint64_t TotalFileSize() const { return (static_cast<uint64_t>(m_fileSizeHigh) << 32) | m_fileSize; }
    // The size on disk; both halves are 0 when the system could not tell it.
    DWORD CompressedFileSize() const { return m_compressedFileSize; }
    DWORD CompressedFileSizeHigh() const { return m_compressedFileSizeHigh; }
    std::optional<uint64_t> TotalCompressedFileSize() const { return m_totalCompressedFileSize; }

    const SYSTEMTIME& CreationTime() const { return m_creationTime; }
    const SYSTEMTIME& LastAccessTime() const { return m_lastAccessTime; }
    const SYSTEMTIME& ModifyTime() const { return m_modifyTime; }
    // Each writes one of the file's times; on success everything is read again.
    void SetCreationTime(const SYSTEMTIME& time) { WriteTime(time, TimeKind::Creation); }
    void SetLastAccessTime(const SYSTEMTIME& time) { WriteTime(time, TimeKind::LastAccess); }
    void SetModifyTime(const SYSTEMTIME& time) { WriteTime(time, TimeKind::Modify); }

    DWORD Attributes() const { return m_attributes; }
    // Sets the attribute bits on the file when they differ; on success everything is read again.
    void SetAttributes(DWORD attributes);

    bool attrReadOnly() const { return HasAttribute(FILE_ATTRIBUTE_READONLY); }
    bool attrHidden() const { return HasAttribute(FILE_ATTRIBUTE_HIDDEN); }
    bool attrSystem() const { return HasAttribute(FILE_ATTRIBUTE_SYSTEM); }
    bool attrArchive() const { return HasAttribute(FILE_ATTRIBUTE_ARCHIVE); }
    bool attrTemporary() const { return HasAttribute(FILE_ATTRIBUTE_TEMPORARY); }
    bool attrCompressed() const { return HasAttribute(FILE_ATTRIBUTE_COMPRESSED); }
    void SetAttrReadOnly(bool on) { SetAttribute(FILE_ATTRIBUTE_READONLY, on); }
    void SetAttrHidden(bool on) { SetAttribute(FILE_ATTRIBUTE_HIDDEN, on); }
    void SetAttrSystem(bool on) { SetAttribute(FILE_ATTRIBUTE_SYSTEM, on); }
    void SetAttrArchive(bool on) { SetAttribute(FILE_ATTRIBUTE_ARCHIVE, on); }
    // The system decides these two bits itself: a write is accepted and ignored.
    void SetAttrTemporary(bool) {}
    void SetAttrCompressed(bool) {}

    // The shell's icon for the file; it belongs to this object.
    HICON hIcon() const { return m_icon; }

    // Reads everything again; a file that is not found only clears FileExists.
    void Refresh();

private:
    bool HasAttribute(DWORD bit) const { return (m_attributes & bit) != 0; }
    void SetAttribute(DWORD bit, bool on) { SetAttributes(on ? (m_attributes | bit) : (m_attributes & ~bit)); }
    enum class TimeKind { Creation, LastAccess, Modify };
    void WriteTime(const SYSTEMTIME& time, TimeKind which);
    void ReadShellInfo();

    std::string m_fullPathName;
    std::string m_fileName, m_filePath, m_fileExtension;
    std::string m_shortPathName, m_shortName, m_shortPath;
    std::string m_displayName, m_typeName;
    bool m_fileExists = false;
    bool m_pathExists = false;
    DWORD m_fileSize = 0, m_fileSizeHigh = 0;
    DWORD m_compressedFileSize = 0, m_compressedFileSizeHigh = 0;
    std::optional<uint64_t> m_totalCompressedFileSize;
    SYSTEMTIME m_creationTime = {}, m_lastAccessTime = {}, m_modifyTime = {};
    DWORD m_attributes = 0;
    HICON m_icon = nullptr;
};

// The date in the locale's long date format, a blank, the time in its long time format.
std::string FormatFileDate(const SYSTEMTIME& date, LCID locale = LOCALE_USER_DEFAULT);
// A byte count for people: bytes below 1 KB, else KB, MB or GB with two, one or no decimals
// and the exact count in brackets, in the locale's number format ("1.50KB (1,536 bytes)").
std::string FormatFileSize(uint64_t size, LCID locale = LOCALE_USER_DEFAULT);
// What GetCompressedFileSizeA answered: its low half is INVALID_FILE_SIZE both for a failure
// and for a size that merely has all those bits set; only the error code tells them apart.
std::optional<uint64_t> CompressedSizeAnswer(DWORD low, DWORD high, DWORD lastError);
