// Private-profile reads and writes with the program's value rules.
#include "base/mIni.h"

#include <windows.h>

#include "base/mError.h"
#include "base/mFunctions.h"
#include "base/mVB6.h"

std::string ReadFromIni(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& defaultValue)
{
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
