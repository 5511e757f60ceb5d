#pragma once
// The registry, as far as the programs use it: create or open keys (telling which happened), read
// and write string values (the default value when the name is empty). Keys close when released.

#include <memory>
#include <optional>
#include <string>

namespace torva::platform {

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine };

class RegistryKey {
public:
    virtual ~RegistryKey() = default;
    virtual bool SetString(const std::string& name, const std::string& value) = 0;
    virtual std::optional<std::string> GetString(const std::string& name) const = 0;
};

struct CreatedKey {
    std::unique_ptr<RegistryKey> key;  // empty when the call failed
    bool created = false;              // true: a new key; false: an existing key was opened
};

class Registry {
public:
    virtual ~Registry() = default;
    virtual CreatedKey Create(RegistryRoot root, const std::string& path) = 0;
    virtual std::unique_ptr<RegistryKey> Open(RegistryRoot root, const std::string& path, bool write) = 0;
};

// Per-user application settings (application / section / key), as the runtime keeps its instance id.
class Settings {
public:
    virtual ~Settings() = default;
    virtual std::string Get(const std::string& app, const std::string& section, const std::string& key,
                            const std::string& fallback) const = 0;
    virtual bool Save(const std::string& app, const std::string& section, const std::string& key,
                      const std::string& value) = 0;
};

// Private profile (INI) files.
class IniFile {
public:
    virtual ~IniFile() = default;
    virtual int GetInt(const std::string& file, const std::string& section, const std::string& key,
                       int fallback) const = 0;
    virtual bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                             const std::string& value) = 0;
};

}  // namespace torva::platform
