// Low-level access to private-profile files (the settings file and the language files).
#pragma once

#include <cstdint>
#include <string>

// The stored value, or the default when the file, section or key is missing, at any length;
// surrounding blanks and one pair of enclosing quotes are removed.
std::string ReadFromIni(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& defaultValue);
// Stores the value; a line break is stored as backslash-n. A section or key holding a line
// break raises "Invalid value" (base OR 1); a write the system refuses raises base OR 3 with
// the file named in the description.
void WriteToIni(const std::string& file, const std::string& section, const std::string& key,
                const std::string& value);
bool ReadBoolFromIni(const std::string& file, const std::string& section, const std::string& key,
                     bool defaultValue);
void WriteBoolToIni(const std::string& file, const std::string& section, const std::string& key, bool value);
// Reads a 16-bit integer; a present value that is empty, not numeric or out of range raises
// "Type mismatch" (13) or "Overflow" (6).
int16_t ReadIntegerFromIni(const std::string& file, const std::string& section, const std::string& key,
                           int16_t defaultValue);
void WriteIntegerToIni(const std::string& file, const std::string& section, const std::string& key,
                       int16_t value);

// The value rule of boolean keys: surrounding blanks removed, then exactly "1" is true.
bool IniTextToBool(const std::string& text, bool defaultValue);
// Encodes CR LF, CR and LF as backslash-n, the line-break form of stored values.
std::string EncodeLineBreaks(const std::string& value);

// While one lives, each section is read once through the system's section read and the keys
// of that section are answered from it, instead of one read of the whole file per key (under
// Wine every key read opens the file and searches it from the top). Only plain entries are
// answered from the copy: a missing key, a key that stands twice, a quoted value or one beyond
// ASCII is still read by key, so the values read are the same either way. Every write through
// WriteToIni drops the copies. For runs of reads that nothing else writes between, such as
// loading every profile or translating a window; scopes may nest.
class IniReadSnapshot {
public:
    IniReadSnapshot();
    ~IniReadSnapshot();
    IniReadSnapshot(const IniReadSnapshot&) = delete;
    IniReadSnapshot& operator=(const IniReadSnapshot&) = delete;
};

// Whether the file exists and holds at least one section.
bool HasSections(const std::string& file);
