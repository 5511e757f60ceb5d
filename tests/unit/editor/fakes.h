#pragma once
// The shared file system and registry stand-ins, and icon files whose paths compare without regard to
// letter case, as on Windows.

#include <map>
#include <string>

#include "common/utf8.h"
#include "editor/icon_files.h"
#include "tests/support/fake_file_system.h"
#include "tests/support/fake_registry.h"

namespace torva::editor::testing {

using torva::testing::FakeFileSystem;
using torva::testing::FakeRegistry;

class FakeIcons : public IconFiles {
  public:
    void Set(const std::string& path, int count) { counts_[UpperLetters(path)] = count; }
    int IconCount(const std::string& path) const override {
        const auto it = counts_.find(UpperLetters(path));
        return it == counts_.end() ? 0 : it->second;
    }

  private:
    std::map<std::string, int> counts_;
};

}  // namespace torva::editor::testing
