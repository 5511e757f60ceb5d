#pragma once
// The in-memory file system of every unit test: files with their bytes and folders, compared without
// regard to letter case as on Windows; reads, writes and replaces that can be made to fail; and the
// current folder, whose changes are recorded.

#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/utf8.h"
#include "platform/files.h"

namespace torva::testing {

class FakeFileSystem : public platform::FileSystem {
  public:
    void AddFile(const std::string& path, const std::string& bytes = {}) {
        entries_[Key(path)] = {false, bytes};
    }
    void AddFolder(const std::string& path) { entries_[Key(path)] = {true, {}}; }
    // Empty files and folders, many at once.
    void AddFiles(std::initializer_list<const char*> paths) {
        for (const char* path : paths) AddFile(path);
    }
    void AddFolders(std::initializer_list<const char*> paths) {
        for (const char* path : paths) AddFolder(path);
    }
    bool Has(const std::string& path) const { return entries_.count(Key(path)) != 0; }
    const std::string& Content(const std::string& path) const { return entries_.at(Key(path)).bytes; }
    std::size_t Count() const { return entries_.size(); }

    std::optional<uint32_t> Attributes(const std::string& path) const override {
        ++lookups;
        const auto it = entries_.find(Key(path));
        if (it == entries_.end()) return std::nullopt;
        return it->second.folder ? kAttributeDirectory : 0x20u;
    }
    bool ReadFile(const std::string& path, std::string& bytes) const override {
        const auto it = entries_.find(Key(path));
        if (it == entries_.end() || it->second.folder || failRead) return false;
        bytes = it->second.bytes;
        return true;
    }
    bool WriteFile(const std::string& path, const std::string& bytes) override {
        if (failWrite) {
            // A failed write leaves a partial file behind, as a full disk does.
            entries_[Key(path)] = {false, bytes.substr(0, bytes.size() / 2)};
            return false;
        }
        entries_[Key(path)] = {false, bytes};
        return true;
    }
    bool ReplaceFile(const std::string& source, const std::string& target) override {
        const auto it = entries_.find(Key(source));
        if (failReplace || it == entries_.end()) return false;
        entries_[Key(target)] = it->second;
        entries_.erase(Key(source));
        return true;
    }
    bool DeleteFile(const std::string& path) override { return entries_.erase(Key(path)) != 0; }
    bool CreateFolder(const std::string& path) override {
        if (failCreateFolder || Has(path)) return false;
        AddFolder(path);
        return true;
    }
    bool SetCurrentFolder(const std::string& path) override {
        folderChanges.push_back(path);
        if (unreachableFolders.count(Key(path))) return false;
        current = path;
        return true;
    }
    std::string CurrentFolder() const override { return current; }

    // A folder the current folder cannot move to (a drive gone, access denied).
    void MakeUnreachable(const std::string& path) { unreachableFolders.insert(Key(path)); }

    bool failRead = false;
    bool failWrite = false;
    bool failReplace = false;
    bool failCreateFolder = false;
    mutable int lookups = 0;
    std::string current = "C:\\";
    std::vector<std::string> folderChanges;  // every SetCurrentFolder, in order

  private:
    struct Entry {
        bool folder = false;
        std::string bytes;
    };
    static std::string Key(const std::string& path) { return UpperLetters(path); }
    std::map<std::string, Entry> entries_;
    std::set<std::string> unreachableFolders;
};

}  // namespace torva::testing
