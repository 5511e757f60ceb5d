#pragma once
// Programs started with a wait mode: the list the running-list timer polls (at most 99 entries, in
// start order) and the running mark of each button (page 1..99, button 1..24) with its process id.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace torva::activation {

inline constexpr int kMaxPages = 99;
inline constexpr int kMaxButtons = 24;
inline constexpr std::size_t kRunningListCapacity = 99;

constexpr bool IsValidPage(int page) {
    return page >= 1 && page <= kMaxPages;
}
constexpr bool IsValidButton(int button) {
    return button >= 1 && button <= kMaxButtons;
}

struct RunningEntry {
    int page = 0;
    int button = 0;
    std::uint32_t processId = 0;
    bool windowSeen = false;  // a poll has found a window of the program
};

class RunningPrograms {
  public:
    bool IsFull() const { return count_ == kRunningListCapacity; }
    std::size_t Count() const { return count_; }
    const RunningEntry& Entry(std::size_t index) const { return entries_.at(index); }

    // Marks the button running and appends it to the list. False (and nothing changes) when the
    // list is full or the page, button or process id is not a real one.
    [[nodiscard]] bool Add(int page, int button, std::uint32_t processId);

    bool IsRunning(int page, int button) const;
    std::uint32_t ProcessOf(int page, int button) const;

    // One poll: every program that has ended is removed and its button's mark cleared; each removal
    // is reported, in list order, after its mark is cleared. A program has ended once it owns no
    // window after it was seen with one, or once its process has ended. A program that has not shown
    // a window yet is still starting, however long that takes on a busy machine: releasing it would
    // unlock the menu under it and let its button start it a second time.
    // Returns the number of entries removed.
    std::size_t Poll(const std::function<bool(std::uint32_t processId)>& ownsWindow,
                     const std::function<bool(std::uint32_t processId)>& processEnded,
                     const std::function<void(const RunningEntry&)>& released);

    // The list is emptied when the menu is placed; marks of a previous placement go with it.
    void Clear();

  private:
    struct Mark {
        bool running = false;
        std::uint32_t processId = 0;
    };
    Mark& MarkOf(int page, int button);
    const Mark& MarkOf(int page, int button) const;

    std::array<RunningEntry, kRunningListCapacity> entries_{};
    std::size_t count_ = 0;
    std::array<Mark, static_cast<std::size_t>(kMaxPages* kMaxButtons)> marks_{};
};

}  // namespace torva::activation
