#pragma once
// The in-memory registry of every unit test. Keys are named by their path, compared without regard to
// letter case as in the registry: keys of the classes root by the path alone, keys of the current user
// behind "hkcu\", of the local machine behind "hklm\". Every successful write is logged. Writes, opens
// and creates can be made to fail; with machineReadOnly the classes root refuses creating and writing,
// as it does for a user without administrator rights, but can still be read.

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/run_error.h"
#include "platform/registry.h"

namespace torva::testing {

class FakeRegistry : public platform::Registry {
  public:
    struct Key {
        std::map<std::string, std::string> values;  // "" is the default value
    };

    std::map<std::string, Key> keys;      // by folded path
    std::vector<std::string> writes;      // "path[\name]=value" for each write, in order
    std::set<std::string> failingWrites;  // folded paths whose SetString fails
    std::set<std::string> failingOpens;   // folded paths that cannot be opened or created
    std::string throwOnCreate;            // path whose create raises an unexpected failure
    bool machineReadOnly = false;

    static std::string Fold(platform::RegistryRoot root, const std::string& path) {
        switch (root) {
            case platform::RegistryRoot::CurrentUser:
                return Fold("hkcu\\" + path);
            case platform::RegistryRoot::LocalMachine:
                return Fold("hklm\\" + path);
            case platform::RegistryRoot::ClassesRoot:
                break;
        }
        return Fold(path);
    }
    static std::string Fold(std::string s) {
        for (char& c : s)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return s;
    }

    // Sets a value (the default value when name is empty), creating the key and its parents.
    void Put(const std::string& path, const std::string& value, const std::string& name = {}) {
        AddKey(path);
        keys[Fold(path)].values[name] = value;
    }
    // A key without values, and its parents.
    void AddKey(const std::string& path) {
        const std::string folded = Fold(path);
        for (std::size_t p = folded.find('\\'); p != std::string::npos; p = folded.find('\\', p + 1))
            keys[folded.substr(0, p)];
        keys[folded];
    }
    std::string Default(const std::string& path) const {
        const auto k = keys.find(Fold(path));
        if (k == keys.end()) return "<no key>";
        const auto v = k->second.values.find("");
        return v == k->second.values.end() ? "<no value>" : v->second;
    }
    bool Has(const std::string& path) const { return keys.count(Fold(path)) != 0; }

    platform::CreatedKey Create(platform::RegistryRoot root, const std::string& path) override {
        const std::string key = Fold(root, path);
        if (!throwOnCreate.empty() && key == Fold(throwOnCreate)) throw RunError(kErrPermissionDenied);
        if (failingOpens.count(key) || Denied(root)) return {};
        const bool created = !Has(key);
        AddKey(key);
        return {std::make_unique<FakeKey>(*this, key), created};
    }
    std::unique_ptr<platform::RegistryKey> Open(platform::RegistryRoot root, const std::string& path,
                                                bool write) override {
        const std::string key = Fold(root, path);
        if (!Has(key) || failingOpens.count(key) || (write && Denied(root))) return nullptr;
        return std::make_unique<FakeKey>(*this, key);
    }

  private:
    bool Denied(platform::RegistryRoot root) const {
        return machineReadOnly && root == platform::RegistryRoot::ClassesRoot;
    }

    class FakeKey : public platform::RegistryKey {
      public:
        FakeKey(FakeRegistry& owner, std::string path) : owner_(owner), path_(std::move(path)) {}
        bool SetString(const std::string& name, const std::string& value) override {
            if (owner_.failingWrites.count(path_)) return false;
            owner_.keys[path_].values[name] = value;
            owner_.writes.push_back(path_ + (name.empty() ? "" : "\\" + name) + "=" + value);
            return true;
        }
        std::optional<std::string> GetString(const std::string& name) const override {
            const auto& values = owner_.keys[path_].values;
            const auto v = values.find(name);
            if (v == values.end()) return std::nullopt;
            return v->second;
        }

      private:
        FakeRegistry& owner_;
        std::string path_;
    };
};

// INI files by their path (letter case ignored): values as written; files whose writes fail, as in a
// folder the user may not change.
class FakeIniFile : public platform::IniFile {
  public:
    std::map<std::string, std::map<std::string, std::string>>
        files;                       // folded path -> "section\\key" -> value
    std::set<std::string> readOnly;  // folded paths

    int GetInt(const std::string& file, const std::string& section, const std::string& key,
               int fallback) const override {
        const auto f = files.find(FakeRegistry::Fold(file));
        if (f == files.end()) return fallback;
        const auto v = f->second.find(section + "\\" + key);
        return v == f->second.end() ? fallback : std::stoi(v->second);
    }
    bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override {
        const std::string folded = FakeRegistry::Fold(file);
        if (readOnly.count(folded)) return false;
        files[folded][section + "\\" + key] = value;
        return true;
    }
    std::string Value(const std::string& file, const std::string& key) const {
        const auto f = files.find(FakeRegistry::Fold(file));
        if (f == files.end()) return {};
        const auto v = f->second.find("INIT\\" + key);
        return v == f->second.end() ? std::string() : v->second;
    }
};

}  // namespace torva::testing
