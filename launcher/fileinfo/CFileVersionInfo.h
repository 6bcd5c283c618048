// The version resource of another executable or library, as display texts.
#pragma once

#include <string>

class CFileVersionInfo {
public:
    const std::string& FullPathName() const { return m_fullPathName; }
    // Resolves the path with the system and reads its version resource; a path the system
    // cannot resolve changes nothing.
    void SetFullPathName(const std::string& path);
    // Reads the resource of the stored path again; a file without one changes nothing.
    void Refresh();

    bool Available() const { return m_available; }
    const std::string& FileFlags() const { return m_fileFlags; }
    const std::string& FileOS() const { return m_fileOS; }
    const std::string& FileType() const { return m_fileType; }
    const std::string& FileSubType() const { return m_fileSubType; }
    const std::string& VerFile() const { return m_verFile; }
    const std::string& VerProduct() const { return m_verProduct; }
    const std::string& VerStructure() const { return m_verStructure; }

    // The fifteen numbered strings (0 to 14); other indexes give "".
    std::string PredefinedName(int index) const;
    std::string PredefinedValue(int index) const;

    const std::string& Language() const { return m_strings[0]; }
    const std::string& Comments() const { return m_strings[1]; }
    const std::string& CompanyName() const { return m_strings[2]; }
    const std::string& FileDescription() const { return m_strings[3]; }
    const std::string& FileVersion() const { return m_strings[4]; }
    const std::string& InternalName() const { return m_strings[5]; }
    const std::string& LegalCopyright() const { return m_strings[6]; }
    const std::string& LegalTrademarks() const { return m_strings[7]; }
    const std::string& OriginalFilename() const { return m_strings[8]; }
    const std::string& ProductName() const { return m_strings[9]; }
    const std::string& ProductVersion() const { return m_strings[10]; }
    const std::string& PrivateBuild() const { return m_strings[11]; }
    const std::string& SpecialBuild() const { return m_strings[12]; }

    static constexpr int STRING_COUNT = 15;

private:
    std::string m_fullPathName;
    bool m_available = false;
    std::string m_fileFlags, m_fileOS, m_fileType, m_fileSubType;
    std::string m_verFile, m_verProduct, m_verStructure;
    std::string m_strings[STRING_COUNT];
};

// A 16-bit version part read as a signed number, with at least minDigits digits after the
// sign: -1 with two digits is "-01".
std::string VersionPartText(unsigned long part, int minDigits = 1);
// Display form of a version given as its two 32-bit halves: 1.2.0.24 gives 1.02.0024,
// 1.2.3.4 gives 1.02.0304.
std::string FormatVersion(unsigned long high, unsigned long low);
// The structure version as "high.low".
std::string FormatStructureVersion(unsigned long version);
std::string FileFlagsText(unsigned long flags);
std::string FileOSText(unsigned long os);
std::string FileTypeText(unsigned long type);
std::string FileSubTypeText(unsigned long type, unsigned long subType);
