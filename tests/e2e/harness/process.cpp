#include "tests/e2e/harness/process.h"

#include <utility>

#include "platform/win32/wide.h"
#include "tests/e2e/harness/test_support.h"

namespace torva::e2e {

using win32::Narrow;
using win32::Wide;

std::string ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    const auto slash = path.find_last_of(L"\\/");
    return Narrow(slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash));
}

std::string ProgramPath(const std::string& name) {
    return ProgramFolder() + "\\" + name;
}

namespace {

// Environment names compare without regard to case on Windows.
std::wstring UpperName(std::wstring name) {
    CharUpperBuffW(name.data(), static_cast<DWORD>(name.size()));
    return name;
}

}  // namespace

std::wstring BuildEnvironmentBlock(const std::map<std::string, std::string>& changes) {
    std::map<std::wstring, std::wstring> vars;  // upper-cased name -> "Name=value"
    if (wchar_t* block = GetEnvironmentStringsW()) {
        for (const wchar_t* p = block; *p; p += wcslen(p) + 1) {
            const std::wstring entry(p);
            const auto eq = entry.find(L'=', 1);  // names like "=C:" start with "="
            if (eq == std::wstring::npos) continue;
            vars[UpperName(entry.substr(0, eq))] = entry;
        }
        FreeEnvironmentStringsW(block);
    }
    for (const auto& [name, value] : changes) {
        const std::wstring wname = Wide(name);
        if (value.empty()) {
            vars.erase(UpperName(wname));
        } else {
            vars[UpperName(wname)] = wname + L"=" + Wide(value);
        }
    }
    std::wstring out;
    for (const auto& [key, entry] : vars) {
        out += entry;
        out += L'\0';
    }
    out += L'\0';
    if (vars.empty()) out += L'\0';
    return out;
}

Process Process::Start(const std::string& program, const StartOptions& options) {
    Process p;
    std::wstring commandLine = options.quoteProgram ? L"\"" + Wide(program) + L"\"" : Wide(program);
    if (!options.arguments.empty()) commandLine += L" " + Wide(options.arguments);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = static_cast<WORD>(options.showCommand);
    PROCESS_INFORMATION pi{};
    std::wstring environment;
    if (!options.environment.empty()) environment = BuildEnvironmentBlock(options.environment);
    const std::wstring folder = Wide(options.workFolder);
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                        environment.empty() ? nullptr : environment.data(),
                        folder.empty() ? nullptr : folder.c_str(), &si, &pi)) {
        p.startError_ = GetLastError();
        return p;
    }
    CloseHandle(pi.hThread);
    p.process_.reset(pi.hProcess);
    p.id_ = pi.dwProcessId;
    return p;
}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        if (Valid() && IsRunning()) Kill();
        process_ = std::move(other.process_);
        id_ = std::exchange(other.id_, 0);
        startError_ = other.startError_;
    }
    return *this;
}

Process::~Process() {
    if (Valid() && IsRunning()) Kill();
}

bool Process::IsRunning() const {
    return Valid() && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Process::WaitForExit(Millis timeout) {
    if (!Valid()) return std::nullopt;
    if (WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    if (!GetExitCodeProcess(process_.get(), &code)) return std::nullopt;
    return code;
}

bool Process::WaitForIdle(Millis timeout) const {
    return Valid() && WaitForInputIdle(process_.get(), static_cast<DWORD>(timeout.count())) == 0;
}

void Process::Kill(UINT exitCode) {
    if (!IsRunning()) return;
    TerminateProcess(process_.get(), exitCode);
    WaitForSingleObject(process_.get(), 5000);
}

void Process::Detach() {
    process_.reset();
    id_ = 0;
}

ConsoleRun RunConsole(const std::string& program, const std::string& arguments, const std::string& outPath,
                      const std::string& errPath) {
    ConsoleRun run;
    {
        SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        auto open = [&](const std::string& path) {
            return win32::UniqueFileHandle(CreateFileW(Wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                                       &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                                       nullptr));
        };
        win32::UniqueFileHandle out = open(outPath);
        win32::UniqueFileHandle err = errPath.empty() ? win32::UniqueFileHandle() : open(errPath);
        if (!out || (!errPath.empty() && !err)) {
            run.startError = GetLastError();
            return run;
        }
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = out.get();
        startup.hStdError = errPath.empty() ? out.get() : err.get();
        std::wstring command = Wide("\"" + program + "\" " + arguments);
        PROCESS_INFORMATION info{};
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                            nullptr, &startup, &info)) {
            run.startError = GetLastError();
            return run;
        }
        win32::UniqueKernelHandle process(info.hProcess);
        win32::UniqueKernelHandle thread(info.hThread);
        DWORD code = 0;
        if (WaitForSingleObject(process.get(), 60000) == WAIT_OBJECT_0 &&
            GetExitCodeProcess(process.get(), &code))
            run.exitCode = code;
    }
    // The files are closed on our side before they are read.
    run.out = ReadBytes(outPath).value_or("");
    if (!errPath.empty()) run.err = ReadBytes(errPath).value_or("");
    return run;
}

}  // namespace torva::e2e
