#include "platform/win32/ini_file.h"

#include <windows.h>

#include "platform/win32/wide.h"

namespace torva::win32 {

int Win32IniFile::GetInt(const std::string& file, const std::string& section, const std::string& key,
                         int fallback) const {
    return static_cast<int>(
        GetPrivateProfileIntW(Wide(section).c_str(), Wide(key).c_str(), fallback, Wide(file).c_str()));
}

bool Win32IniFile::WriteString(const std::string& file, const std::string& section, const std::string& key,
                               const std::string& value) {
    return WritePrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), Wide(value).c_str(),
                                      Wide(file).c_str()) != FALSE;
}

}  // namespace torva::win32
