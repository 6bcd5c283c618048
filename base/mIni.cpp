// Private-profile reads and writes with the program's value rules.
#include "base/mIni.h"

#include <windows.h>

#include <map>
#include <optional>
#include <memory>
#include <unordered_map>

#include "base/mError.h"
#include "base/mVB6.h"

namespace {

// One file as the snapshot read it: sections and keys by their lower-case names, each key's
// value, or none where the system has to be asked.
struct SnapshotFile {
    bool Usable = false;
    std::unordered_map<std::string, std::unordered_map<std::string, std::optional<std::string>>> Sections;
};

int g_snapshotDepth = 0;
std::map<std::string, std::unique_ptr<SnapshotFile>> g_snapshots;

bool IsPlainAscii(const std::string& text)
{
    for (unsigned char c : text)
        if (c < 0x20 || c >= 0x7F) return false;
    return true;
}

std::string LowerAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string TrimBlanks(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool ReadFileBytes(const std::string& path, std::string& bytes)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size = {};
    bool ok = GetFileSizeEx(h, &size) && size.QuadPart < (64 << 20);
    if (ok) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        ok = bytes.empty() || (ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
                               read == bytes.size());
    }
    CloseHandle(h);
    return ok;
}

// Parses the lines both the system's reader and this one read alike; anything else makes the
// file or the key one to ask the system about.
std::unique_ptr<SnapshotFile> ParseSnapshot(const std::string& path)
{
    auto snapshot = std::make_unique<SnapshotFile>();
    std::string text;
    if (!ReadFileBytes(path, text)) return snapshot;
    // A byte-order mark or a Unicode file.
    if (text.find('\0') != std::string::npos || (!text.empty() && static_cast<unsigned char>(text[0]) >= 0x80))
        return snapshot;
    std::unordered_map<std::string, std::optional<std::string>>* section = nullptr;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find('\r') != std::string::npos) return snapshot;
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos) continue;
        line = line.substr(first, line.find_last_not_of(" \t") - first + 1);
        if (line[0] == ';') continue;
        if (line[0] == '[') {
            const std::string name = line.substr(1, line.size() - 1 - (line.back() == ']' ? 1 : 0));
            if (line.back() != ']' || name.empty() || name.find_first_of("[]") != std::string::npos ||
                !IsPlainAscii(name) || name.front() == ' ' || name.back() == ' ')
                return snapshot;
            // Only the first of several sections with one name is ever read.
            auto [it, added] = snapshot->Sections.try_emplace(LowerAscii(name));
            section = added ? &it->second : nullptr;
            continue;
        }
        if (!section) continue;
        const size_t equals = line.find('=');
        const std::string key = TrimBlanks(line.substr(0, equals));
        if (!IsPlainAscii(key)) return snapshot;
        if (key.empty()) continue;
        std::optional<std::string> value;
        if (equals != std::string::npos) {
            value = TrimBlanks(line.substr(equals + 1));
            for (unsigned char c : *value)
                if (c < 0x20 || c >= 0x7F) value.reset();
            if (value && !value->empty() && (value->front() == '"' || value->front() == '\'')) value.reset();
        }
        auto [it, added] = section->try_emplace(LowerAscii(key), value);
        if (!added) it->second.reset(); // a key twice: the system decides
    }
    snapshot->Usable = true;
    return snapshot;
}

// The value the snapshot holds for the key, when there is a snapshot and it may answer.
const std::string* SnapshotValue(const std::string& file, const std::string& section, const std::string& key)
{
    if (g_snapshotDepth == 0 || !IsPlainAscii(section) || !IsPlainAscii(key)) return nullptr;
    auto& snapshot = g_snapshots[file];
    if (!snapshot) snapshot = ParseSnapshot(file);
    if (!snapshot->Usable) return nullptr;
    auto s = snapshot->Sections.find(LowerAscii(section));
    if (s == snapshot->Sections.end()) return nullptr;
    auto k = s->second.find(LowerAscii(key));
    if (k == s->second.end() || !k->second) return nullptr;
    return &*k->second;
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
    if (const std::string* value = SnapshotValue(file, section, key)) return *value;
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
    size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return false;
    size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1) == "1";
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
