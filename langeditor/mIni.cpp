// Language-file reads and writes through the system's private-profile functions.
#include "langeditor/mIni.h"

#include <windows.h>

#include "langeditor/mFunctions.h"

namespace lingo {

std::string ReadFromIni(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& defaultValue)
{
    char buffer[255];
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer,
                                                  sizeof(buffer), file.c_str());
    return CutAtNull(std::string(buffer, length));
}

bool WriteToIni(const std::string& file, const std::string& section, const std::string& key,
                const std::string& value)
{
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != FALSE;
}

} // namespace lingo
