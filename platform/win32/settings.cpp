#include "platform/win32/settings.h"

#include "platform/win32/registry.h"

namespace torva::win32 {

std::string Win32Settings::KeyPath(const std::string& app, const std::string& section) {
    return "Software\\Torva\\" + app + "\\" + section;
}

std::string Win32Settings::Get(const std::string& app, const std::string& section, const std::string& key,
                               const std::string& fallback) const {
    // A settings key whose name is empty would read the key's default value: not a setting.
    if (app.empty() || section.empty() || key.empty()) return fallback;
    Win32Registry registry;
    const auto opened = registry.Open(platform::RegistryRoot::CurrentUser, KeyPath(app, section), false);
    if (!opened) return fallback;
    return opened->GetString(key).value_or(fallback);
}

bool Win32Settings::Save(const std::string& app, const std::string& section, const std::string& key,
                         const std::string& value) {
    if (app.empty() || section.empty() || key.empty()) return false;
    Win32Registry registry;
    const auto created = registry.Create(platform::RegistryRoot::CurrentUser, KeyPath(app, section));
    return created.key && created.key->SetString(key, value);
}

}  // namespace torva::win32
