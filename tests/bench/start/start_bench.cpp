// Start-up figures under Wine, for programs started in turn in one run: from process creation to a
// visible top-level window whose thread is idle and has painted everything, the resident memory at
// that moment, and for some a page switch from the key to the repainted page. A program to run
// (scripts/bench-start.sh), not a test: it asserts nothing.
//
// Usage: bench_start.exe [--runs N] [--switches K] [--settle MS] [--reference LABEL]
//                        (--start LABEL COMMAND | --switch LABEL COMMAND)...
//   --start   measure the start of COMMAND (a whole command line) under LABEL
//   --switch  the same, then K times Page Down and Page Up on the started window
//   --settle  a wait of MS milliseconds between the start and the first page key (0: none)
//   --reference  the label every other start is compared to (ratio of medians)
#include <windows.h>
// After <windows.h>, which it needs.
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "platform/win32/wide.h"
#include "tests/e2e/harness/process.h"
#include "tests/e2e/harness/window_query.h"

using namespace torva::e2e;
using Clock = std::chrono::steady_clock;

namespace {

constexpr Millis kStartTimeout{30000};

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const std::size_t mid = v.size() / 2;
    return v.size() % 2 ? v[mid] : (v[mid - 1] + v[mid]) / 2;
}

struct Subject {
    std::string label;
    std::wstring command;
    bool pageSwitch = false;
    std::vector<double> starts;  // ms
    std::vector<double> memory;  // MB
    std::vector<double> switches;
    std::vector<double> firstVisits;  // the first Page Down of each run: a page not shown before
    int failures = 0;
};

struct Settings {
    int runs = 10;
    int switches = 10;
    int settleMs = 0;  // the wait between the start and the first page key
    std::string reference;
    std::vector<Subject> subjects;
};

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchVisible(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != search->processId || !IsWindowVisible(hwnd)) return TRUE;
    search->found = hwnd;
    return FALSE;
}

HWND VisibleTopLevel(DWORD processId) {
    WindowSearch search{processId, nullptr};
    EnumWindows(MatchVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool RoundTrip(HWND hwnd) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result) != 0;
}

BOOL CALLBACK NoteUnpainted(HWND hwnd, LPARAM param) {
    if (IsWindowVisible(hwnd) && GetUpdateRect(hwnd, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(param) = true;
        return FALSE;
    }
    return TRUE;
}

bool SomethingToPaint(HWND topLevel) {
    if (GetUpdateRect(topLevel, nullptr, FALSE)) return true;
    bool pending = false;
    EnumChildWindows(topLevel, NoteUnpainted, reinterpret_cast<LPARAM>(&pending));
    return pending;
}

// Polls without the harness's coarse interval: each millisecond counts here.
template <typename Pred>
bool PollUntil(Pred pred, Clock::time_point deadline) {
    for (;;) {
        if (pred()) return true;
        if (Clock::now() >= deadline) return false;
        Sleep(1);
    }
}

// Nothing left to paint in the window and its controls, and the thread back in its message loop
// after the last paint (a paint runs only when the queue is empty; one more round trip follows it).
bool WaitPainted(HWND topLevel, Clock::time_point deadline) {
    return PollUntil(
        [&] { return RoundTrip(topLevel) && !SomethingToPaint(topLevel) && RoundTrip(topLevel); }, deadline);
}

double ResidentMegabytes(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, &counters, sizeof counters)) return 0;
    return static_cast<double>(counters.WorkingSetSize) / (1024.0 * 1024.0);
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus ? info.hwndFocus : window;
}

// Sent, so that it returns once the key has been handled; then the wait for the repainted page.
double PageKey(HWND window, UINT key) {
    const HWND focus = FocusOf(window);
    const auto begin = Clock::now();
    DWORD_PTR result = 0;
    SendMessageTimeoutW(focus, WM_KEYDOWN, key, 1, SMTO_NORMAL, 5000, &result);
    if (!WaitPainted(window, Clock::now() + kStartTimeout)) return -1;
    const double ms = Milliseconds(Clock::now() - begin);
    SendMessageTimeoutW(focus, WM_KEYUP, key, 0xC0000001, SMTO_NORMAL, 5000, &result);
    return ms;
}

void RunOnce(Subject& subject, int switches, int settleMs) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION pi{};
    std::wstring commandLine = subject.command;
    const auto start = Clock::now();
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi)) {
        ++subject.failures;
        return;
    }
    torva::win32::UniqueKernelHandle process(pi.hProcess);
    torva::win32::UniqueKernelHandle thread(pi.hThread);
    const auto deadline = start + kStartTimeout;
    HWND window = nullptr;
    const bool shown =
        PollUntil([&] { return (window = VisibleTopLevel(pi.dwProcessId)) != nullptr; }, deadline);
    if (shown) WaitForInputIdle(pi.hProcess, static_cast<DWORD>(kStartTimeout.count()));
    if (!shown || !WaitPainted(window, deadline)) {
        ++subject.failures;
    } else {
        subject.starts.push_back(Milliseconds(Clock::now() - start));
        subject.memory.push_back(ResidentMegabytes(pi.hProcess));
        if (subject.pageSwitch) {
            // A user reads the page before turning it: a program may use that time.
            if (settleMs > 0) Sleep(static_cast<DWORD>(settleMs));
            for (int i = 0; i < switches; ++i) {
                for (const UINT key : {VK_NEXT, VK_PRIOR}) {
                    const double ms = PageKey(window, key);
                    if (ms < 0) continue;
                    subject.switches.push_back(ms);
                    if (i == 0 && key == VK_NEXT) subject.firstVisits.push_back(ms);
                }
            }
        }
    }
    // Closed as a user closes it, so that what it still does in the background after showing
    // itself (a start on a thread of its own) is finished rather than cut off halfway; killed only
    // when it does not end.
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
    if (!window || WaitForSingleObject(pi.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 10000);
    // What the program started at its start (the opener's registration) ends before the next run,
    // so that it does not weigh on the next program's figures.
    (void)WaitForChildrenToEnd(pi.dwProcessId, Millis(10000));
}

bool ParseArguments(int argc, wchar_t** argv, Settings& settings) {
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if ((arg == L"--runs" || arg == L"--switches") && i + 1 < argc) {
            const int n = std::max(1, static_cast<int>(std::wcstol(argv[++i], nullptr, 10)));
            (arg == L"--runs" ? settings.runs : settings.switches) = n;
        } else if (arg == L"--settle" && i + 1 < argc) {
            settings.settleMs = std::max(0, static_cast<int>(std::wcstol(argv[++i], nullptr, 10)));
        } else if (arg == L"--reference" && i + 1 < argc) {
            settings.reference = torva::win32::Narrow(argv[++i]);
        } else if ((arg == L"--start" || arg == L"--switch") && i + 2 < argc) {
            Subject s;
            s.label = torva::win32::Narrow(argv[++i]);
            s.command = argv[++i];
            s.pageSwitch = arg == L"--switch";
            settings.subjects.push_back(std::move(s));
        } else {
            return false;
        }
    }
    return !settings.subjects.empty();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    Settings settings;
    if (!ParseArguments(argc, argv, settings)) {
        std::fprintf(stderr,
                     "usage: bench_start [--runs N] [--switches K] [--settle MS] [--reference LABEL] "
                     "(--start LABEL COMMAND | --switch LABEL COMMAND)...\n");
        return 2;
    }
    // Interleaved, so that a busy moment of the machine weighs on every program alike.
    for (int run = 0; run < settings.runs; ++run) {
        for (Subject& s : settings.subjects) RunOnce(s, settings.switches, settings.settleMs);
    }
    const Subject* reference = nullptr;
    for (const Subject& s : settings.subjects) {
        if (s.label == settings.reference) reference = &s;
    }
    std::printf("medians of %d starts, from process creation to a visible, idle, painted window:\n",
                settings.runs);
    for (const Subject& s : settings.subjects) {
        std::printf("  %-14s %8.1f ms  resident %6.1f MB", s.label.c_str(), Median(s.starts),
                    Median(s.memory));
        if (reference && reference != &s && !reference->starts.empty() && !s.starts.empty()) {
            std::printf("  start ratio to %s %.2f, memory ratio %.2f", reference->label.c_str(),
                        Median(s.starts) / Median(reference->starts),
                        Median(s.memory) / std::max(Median(reference->memory), 1e-9));
        }
        if (s.failures) std::printf("  (%d runs failed)", s.failures);
        std::printf("\n");
    }
    for (const Subject& s : settings.subjects) {
        if (!s.pageSwitch) continue;
        std::vector<double> sorted = s.switches;
        std::sort(sorted.begin(), sorted.end());
        std::printf(
            "page switch of %s (Page Down / Page Up, key to repainted page): median %.2f ms, max %.2f ms "
            "over %zu switches; first visit of the second page: median %.2f ms\n",
            s.label.c_str(), Median(s.switches), sorted.empty() ? 0.0 : sorted.back(), sorted.size(),
            Median(s.firstVisits));
    }
    std::fflush(stdout);
    return 0;
}
