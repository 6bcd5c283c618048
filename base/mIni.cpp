// Private-profile reads and writes with the program's value rules.
#include "base/mIni.h"

#include <windows.h>

#include <map>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "base/IniSections.h"
#include "base/mError.h"
#include "base/mFunctions.h"
#include "base/mVB6.h"

namespace {

// One section as the system delivered it in a single read: the value of each key (lower-case)
// that stands once with a plain value, and the keys only a read by key can answer. A key in
// neither is not in the section: its read gives the default.
struct SectionCopy {
    std::unordered_map<std::string, std::string> Values;
    std::unordered_set<std::string> AskSystem;
};

int g_snapshotDepth = 0;
std::map<std::pair<std::string, std::string>, SectionCopy> g_snapshots;

bool IsPlainAscii(const std::string& text)
{
    for (unsigned char c : text)
        if (c < 0x20 || c >= 0x7F) return false;
    return true;
}

// A name both reads find alike: the key read trims the names it is given and finds a key that
// looks like a comment, the section read does neither.
bool IsPlainName(const std::string& name)
{
    return !name.empty() && IsPlainAscii(name) && name[0] != ';' && name.front() != ' ' && name.back() != ' ';
}

// Names are plain ASCII here: folding them by hand is exact, and far cheaper under Wine than
// the system's case conversion, called here a dozen times for every profile.
std::string LowerAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

SectionCopy CopySection(const std::string& file, const std::string& section)
{
    SectionCopy copy;
    for (const std::string& entry : ReadIniSection(file, section)) {
        const size_t equals = entry.find('=');
        const std::string key = LowerAscii(TrimCharacters(entry.substr(0, equals), " \t"));
        const std::string value = equals == std::string::npos ? "" : TrimCharacters(entry.substr(equals + 1), " \t");
        // A key twice (which one counts is the system's answer), a comment, a line without
        // "=", and a quoted value (the key read strips the quotes, the section read keeps them).
        const bool plain = equals != std::string::npos && !key.empty() && key[0] != ';' && IsPlainAscii(key) &&
                           IsPlainAscii(value) && (value.empty() || (value[0] != '"' && value[0] != '\''));
        if (!plain || copy.AskSystem.count(key) || !copy.Values.emplace(key, value).second) {
            copy.Values.erase(key);
            copy.AskSystem.insert(key);
        }
    }
    return copy;
}

// Where a snapshot may answer the key: its value, or nullptr when the section holds no such key
// (the read gives the default). Not answered (false) without a snapshot or for unusual names.
bool SnapshotValue(const std::string& file, const std::string& section, const std::string& key,
                   const std::string*& value)
{
    if (g_snapshotDepth == 0 || !IsPlainName(section) || !IsPlainName(key)) return false;
    const auto name = std::make_pair(file, LowerAscii(section));
    auto found = g_snapshots.find(name);
    if (found == g_snapshots.end()) found = g_snapshots.emplace(name, CopySection(file, section)).first;
    const SectionCopy& copy = found->second;
    const std::string lowerKey = LowerAscii(key);
    if (copy.AskSystem.count(lowerKey)) return false;
    const auto entry = copy.Values.find(lowerKey);
    value = entry == copy.Values.end() ? nullptr : &entry->second;
    return true;
}

} // namespace

IniReadSnapshot::IniReadSnapshot()
{
    ++g_snapshotDepth;
}

IniReadSnapshot::~IniReadSnapshot()
{
    if (--g_snapshotDepth == 0) g_snapshots.clear();
}

std::string ReadFromIni(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& defaultValue)
{
    if (const std::string* value = nullptr; SnapshotValue(file, section, key, value)) return value ? *value : defaultValue;
    // The system cuts a value to the buffer without saying so, except that it then fills the
    // buffer to the last character: grow until the value fits, or a long path would be cut.
    std::string buffer(256, '\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                                      buffer.data(), size, file.c_str());
        if (length + 1 < size) {
            buffer.resize(length);
            return buffer.c_str();
        }
        buffer.assign(buffer.size() * 2, '\0');
    }
}

std::string EncodeLineBreaks(const std::string& value)
{
    std::string out;
    out.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\r') {
            out += "\\n";
            if (i + 1 < value.size() && value[i + 1] == '\n') ++i;
        } else if (value[i] == '\n') {
            out += "\\n";
        } else {
            out += value[i];
        }
    }
    return out;
}

void WriteToIni(const std::string& file, const std::string& section, const std::string& key,
                const std::string& value)
{
    // A line break in a section or key name would start a line of its own in the file.
    if (section.find_first_of("\r\n") != std::string::npos || key.find_first_of("\r\n") != std::string::npos) {
        RaiseError(ERR_INI_WRITE, "Invalid value");
    }
    const std::string stored = EncodeLineBreaks(value);
    g_snapshots.clear();
    if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), stored.c_str(), file.c_str())) {
        const DWORD error = GetLastError();
        RaiseError(ERR_INI_WRITE_FAILED,
                   "Cannot write to the file '" + file + "' (system error " + std::to_string(error) + ")");
    }
}

bool IniTextToBool(const std::string& text, bool defaultValue)
{
    if (text.empty()) return defaultValue;
    return TrimCharacters(text, " ") == "1";
}

bool ReadBoolFromIni(const std::string& file, const std::string& section, const std::string& key,
                     bool defaultValue)
{
    return IniTextToBool(ReadFromIni(file, section, key, ""), defaultValue);
}

void WriteBoolToIni(const std::string& file, const std::string& section, const std::string& key, bool value)
{
    WriteToIni(file, section, key, value ? "1" : "0");
}

int16_t ReadIntegerFromIni(const std::string& file, const std::string& section, const std::string& key,
                           int16_t defaultValue)
{
    return CIntFromText(ReadFromIni(file, section, key, std::to_string(defaultValue)));
}

void WriteIntegerToIni(const std::string& file, const std::string& section, const std::string& key,
                       int16_t value)
{
    WriteToIni(file, section, key, std::to_string(value));
}

bool HasSections(const std::string& file)
{
    char names[64] = {};
    return GetPrivateProfileSectionNamesA(names, sizeof(names), file.c_str()) > 0;
}
