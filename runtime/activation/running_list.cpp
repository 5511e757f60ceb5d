#include "runtime/activation/running_list.h"

#include "platform/processes.h"

namespace torva::activation {

RunningPrograms::Mark& RunningPrograms::MarkOf(int page, int button) {
    return marks_.at(static_cast<std::size_t>((page - 1) * kMaxButtons + (button - 1)));
}

const RunningPrograms::Mark& RunningPrograms::MarkOf(int page, int button) const {
    return marks_.at(static_cast<std::size_t>((page - 1) * kMaxButtons + (button - 1)));
}

bool RunningPrograms::Add(int page, int button, std::uint32_t processId) {
    if (IsFull() || !IsValidPage(page) || !IsValidButton(button) || processId == 0) return false;
    entries_[count_++] = RunningEntry{page, button, processId};
    Mark& mark = MarkOf(page, button);
    mark.running = true;
    mark.processId = processId;
    return true;
}

bool RunningPrograms::IsRunning(int page, int button) const {
    return IsValidPage(page) && IsValidButton(button) && MarkOf(page, button).running;
}

std::uint32_t RunningPrograms::ProcessOf(int page, int button) const {
    return IsRunning(page, button) ? MarkOf(page, button).processId : 0;
}

std::size_t RunningPrograms::Poll(const std::function<bool(std::uint32_t)>& ownsWindow,
                                  const std::function<bool(std::uint32_t)>& processEnded,
                                  const std::function<void(const RunningEntry&)>& released) {
    std::size_t removed = 0;
    std::size_t i = 0;
    while (i < count_) {
        const std::uint32_t pid = entries_[i].processId;
        if (!platform::StartedProgramDone(ownsWindow(pid), entries_[i].windowSeen,
                                          [&] { return processEnded(pid); })) {
            ++i;
            continue;
        }
        const RunningEntry entry = entries_[i];
        // Only clear the mark when it still belongs to this entry's process: a mark set again by a
        // later start of the same button must survive the end of the earlier program.
        Mark& mark = MarkOf(entry.page, entry.button);
        if (mark.processId == entry.processId) mark = Mark{};
        for (std::size_t j = i + 1; j < count_; ++j) entries_[j - 1] = entries_[j];
        --count_;
        entries_[count_] = RunningEntry{};
        ++removed;
        if (released) released(entry);
    }
    return removed;
}

void RunningPrograms::Clear() {
    entries_.fill(RunningEntry{});
    count_ = 0;
    marks_.fill(Mark{});
}

}  // namespace torva::activation
