#pragma once
// In-memory stand-ins for the file system, the registry and icon files. Paths and keys compare
// without regard to letter case, as on Windows.

#include <map>
#include <memory>
#include <string>

#include "common/utf8.h"
#include "editor/icon_files.h"
#include "platform/files.h"
#include "platform/registry.h"

namespace torva::editor::testing {

struct Caseless {
    bool operator()(const std::string& a, const std::string& b) const {
        return UpperLetters(a) < UpperLetters(b);
    }
};

class FakeFiles : public platform::FileSystem {
  public:
    void AddFile(const std::string& path, std::string bytes = {}) { files_[path] = std::move(bytes); }
    void AddFolder(const std::string& path) { folders_[path] = true; }

    std::optional<uint32_t> Attributes(const std::string& path) const override {
        if (folders_.count(path)) return kAttributeDirectory;
        if (files_.count(path)) return 0x20u;
        return std::nullopt;
    }
    bool ReadFile(const std::string& path, std::string& bytes) const override {
        const auto it = files_.find(path);
        if (it == files_.end()) return false;
        bytes = it->second;
        return true;
    }
    bool WriteFile(const std::string& path, const std::string& bytes) override {
        files_[path] = bytes;
        return true;
    }
    bool ReplaceFile(const std::string& source, const std::string& target) override {
        const auto it = files_.find(source);
        if (it == files_.end()) return false;
        files_[target] = it->second;
        files_.erase(source);
        return true;
    }
    bool DeleteFile(const std::string& path) override { return files_.erase(path) > 0; }
    bool SetCurrentFolder(const std::string& path) override {
        current_ = path;
        return true;
    }
    std::string CurrentFolder() const override { return current_; }

    const std::map<std::string, std::string, Caseless>& files() const { return files_; }

  private:
    std::map<std::string, std::string, Caseless> files_;
    std::map<std::string, bool, Caseless> folders_;
    std::string current_ = "C:\\";
};

// Keys of the classes root only; each key holds its default value.
class FakeRegistry : public platform::Registry {
  public:
    void SetDefault(const std::string& key, const std::string& value) { keys_[key] = value; }
    void AddEmptyKey(const std::string& key) { keys_[key] = std::nullopt; }

    platform::CreatedKey Create(platform::RegistryRoot, const std::string&) override { return {}; }
    std::unique_ptr<platform::RegistryKey> Open(platform::RegistryRoot root, const std::string& path,
                                                bool) override {
        if (root != platform::RegistryRoot::ClassesRoot) return nullptr;
        const auto it = keys_.find(path);
        if (it == keys_.end()) return nullptr;
        return std::make_unique<Key>(it->second);
    }

  private:
    class Key : public platform::RegistryKey {
      public:
        explicit Key(std::optional<std::string> value) : value_(std::move(value)) {}
        bool SetString(const std::string&, const std::string&) override { return false; }
        std::optional<std::string> GetString(const std::string& name) const override {
            if (!name.empty()) return std::nullopt;
            return value_;
        }

      private:
        std::optional<std::string> value_;
    };
    std::map<std::string, std::optional<std::string>, Caseless> keys_;
};

class FakeIcons : public IconFiles {
  public:
    void Set(const std::string& path, int count) { counts_[path] = count; }
    int IconCount(const std::string& path) const override {
        const auto it = counts_.find(path);
        return it == counts_.end() ? 0 : it->second;
    }

  private:
    std::map<std::string, int, Caseless> counts_;
};

}  // namespace torva::editor::testing
