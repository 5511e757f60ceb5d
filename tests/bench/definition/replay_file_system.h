#pragma once
// File checks answered from a recording of the same read, in order: a timed read then pays a few
// nanoseconds per check instead of the fake file system's map look-ups, so that the figure is the
// reader's own. A check that departs from the recording is answered by the real one and counted.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"

namespace torva::testing {

class ReplayFileSystem : public platform::FileSystem {
  public:
    explicit ReplayFileSystem(const platform::FileSystem& real) : real_(real) {}

    // The checks from here on are passed to the real file system and recorded.
    void Record() {
        recording_ = true;
        answers_.clear();
    }
    // The checks from here on are answered from the recording, from its start.
    void Rewind() {
        recording_ = false;
        next_ = 0;
    }
    std::size_t Recorded() const { return answers_.size(); }
    std::size_t Departures() const { return departures_; }

    std::optional<uint32_t> Attributes(const std::string& path) const override {
        if (recording_) {
            answers_.push_back({path, real_.Attributes(path)});
            return answers_.back().attributes;
        }
        if (next_ < answers_.size() && answers_[next_].path == path) return answers_[next_++].attributes;
        ++departures_;
        return real_.Attributes(path);
    }
    bool ReadFile(const std::string& path, std::string& bytes) const override {
        return real_.ReadFile(path, bytes);
    }
    // A read needs nothing else; a benchmark that writes uses the real file system.
    bool WriteFile(const std::string&, const std::string&) override { return false; }
    bool ReplaceFile(const std::string&, const std::string&) override { return false; }
    bool DeleteFile(const std::string&) override { return false; }
    bool CreateFolder(const std::string&) override { return false; }
    bool SetCurrentFolder(const std::string&) override { return false; }
    std::string CurrentFolder() const override { return real_.CurrentFolder(); }

  private:
    struct Answer {
        std::string path;
        std::optional<uint32_t> attributes;
    };
    const platform::FileSystem& real_;
    mutable std::vector<Answer> answers_;
    mutable std::size_t next_ = 0;
    mutable std::size_t departures_ = 0;
    bool recording_ = false;
};

}  // namespace torva::testing
