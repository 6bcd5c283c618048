// Private-profile access to the language files.
#pragma once

#include <string>

namespace lingo {

// The stored value (at most 254 bytes), or the default when file, section or key is missing.
std::string ReadFromIni(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& defaultValue);
// Stores the value as it is; false when the system refused the write (a missing folder, a file
// that cannot be written).
[[nodiscard]] bool WriteToIni(const std::string& file, const std::string& section, const std::string& key,
                              const std::string& value);

} // namespace lingo
