// TvProbe: a stand-in program for tests. It records how it was started (see probe_log.h) and then
// behaves as its options say (see probe_options.h).
#include <windows.h>
//
#include <shellapi.h>

#include <string>
#include <vector>

#include "platform/win32/append_file.h"
#include "platform/win32/wide.h"
#include "tests/probe/probe_log.h"
#include "tests/probe/probe_options.h"

namespace {

using torva::win32::Narrow;
using torva::win32::Wide;

constexpr wchar_t kWindowClass[] = L"TorvaProbeWindow";

struct ProbeState {
    bool closeEnds = true;
};
ProbeState g_probe;  // the one window's behaviour, read by its window procedure

std::vector<std::string> Arguments(const wchar_t* commandLine) {
    std::vector<std::string> args;
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(commandLine, &count);
    if (!argv) return args;
    for (int i = 1; i < count; ++i) args.push_back(Narrow(argv[i]));
    LocalFree(argv);
    return args;
}

std::string Environment(const std::wstring& name, bool* present) {
    const DWORD n = GetEnvironmentVariableW(name.c_str(), nullptr, 0);
    *present = n > 0 || GetLastError() != ERROR_ENVVAR_NOT_FOUND;
    if (n == 0) return {};
    std::wstring value(n, L'\0');
    const DWORD got = GetEnvironmentVariableW(name.c_str(), value.data(), n);
    value.resize(got < n ? got : 0);
    return Narrow(value);
}

void RecordTorvaVariables(torva::probe::ProbeRecord& record) {
    wchar_t* block = GetEnvironmentStringsW();
    if (!block) return;
    for (const wchar_t* p = block; *p; p += wcslen(p) + 1) {
        const std::wstring entry(p);
        const auto eq = entry.find(L'=', 1);
        if (eq == std::wstring::npos) continue;
        const std::string name = Narrow(entry.substr(0, eq));
        // Names compare without regard to case, as Windows treats them.
        if (eq >= 5 && CompareStringOrdinal(entry.c_str(), 5, L"TORVA", 5, TRUE) == CSTR_EQUAL)
            record.env[name] = Narrow(entry.substr(eq + 1));
    }
    FreeEnvironmentStringsW(block);
}

std::string CurrentFolder() {
    const DWORD n = GetCurrentDirectoryW(0, nullptr);
    std::wstring folder(n, L'\0');
    const DWORD got = GetCurrentDirectoryW(n, folder.data());
    folder.resize(got < n ? got : 0);
    return Narrow(folder);
}

LRESULT CALLBACK ProbeWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_DESTROY:
            if (g_probe.closeEnds) PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND CreateProbeWindow(HINSTANCE instance, const torva::probe::ProbeOptions& options) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ProbeWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kWindowClass;
    RegisterClassExW(&wc);
    return CreateWindowExW(0, kWindowClass, Wide(options.Caption()).c_str(), WS_OVERLAPPEDWINDOW,
                           CW_USEDEFAULT, CW_USEDEFAULT, 320, 200, nullptr, nullptr, instance, nullptr);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    const wchar_t* commandLine = GetCommandLineW();
    torva::probe::ProbeRecord record;
    record.pid = GetCurrentProcessId();
    record.commandLine = Narrow(commandLine);
    record.args = Arguments(commandLine);
    record.workFolder = CurrentFolder();

    // Options from TORVA_PROBE_OPTIONS come first so that the command line wins over them.
    bool optionsSet = false;
    const std::string extra = Environment(L"TORVA_PROBE_OPTIONS", &optionsSet);
    std::vector<std::string> optionArgs = Arguments(Wide("TvProbe " + extra).c_str());
    optionArgs.insert(optionArgs.end(), record.args.begin(), record.args.end());
    torva::probe::ProbeOptions options = torva::probe::ParseProbeOptions(optionArgs);
    if (options.logFile.empty()) {
        bool present = false;
        options.logFile = Environment(L"TORVA_PROBE_LOG", &present);
    }
    RecordTorvaVariables(record);
    for (const auto& name : options.envNames) {
        bool present = false;
        const std::string value = Environment(Wide(name), &present);
        if (present) record.env[name] = value;
    }

    HWND window = nullptr;
    if (options.HasWindow()) {
        g_probe.closeEnds = options.CloseEnds();
        window = CreateProbeWindow(instance, options);
        record.window = reinterpret_cast<std::uintptr_t>(window);
    }
    record.show = showCommand;
    if (window && !options.hidden) {
        // A visible window was asked for, even from a starter that asked for none.
        ShowWindow(window, showCommand == SW_HIDE ? SW_SHOWNORMAL : showCommand);
        UpdateWindow(window);
    }
    // Written once the window is in its final state, so a test that has read the record can look.
    if (!options.logFile.empty())
        torva::win32::AppendToFile(options.logFile, torva::probe::FormatProbeRecord(record));

    if (!window) {
        if (options.sleepMs) Sleep(*options.sleepMs);
        return static_cast<int>(options.exitCode);
    }
    // A thread timer, not a window timer: it must still end the probe after the window was closed.
    const UINT_PTR sleepTimer = options.sleepMs ? SetTimer(nullptr, 0, *options.sleepMs, nullptr) : 0;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.hwnd == nullptr && sleepTimer != 0 && msg.wParam == sleepTimer)
            break;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(options.exitCode);
}
