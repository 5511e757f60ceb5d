#pragma once
// A scripted stand-in for the system: the shared fake file system, exit codes of programs, answers to
// boxes; everything the runner asks for is recorded in order.

#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/cp932.h"
#include "script/script_host.h"
#include "tests/support/fake_file_system.h"

namespace torva::script::testing {

struct RecordedBox {
    std::string text;
    BoxKind kind;
};

class FakeScriptHost : public ScriptHost {
  public:
    static constexpr const char* kRunner = "C:\\TORVA";
    static constexpr const char* kWindows = "C:\\WINDOWS";
    static constexpr const char* kSystem = "C:\\WINDOWS\\SYSTEM32";

    // The script, stored in Shift-JIS like a real file.
    void AddScript(const std::string& path, const std::string& utf8Text) {
        files.AddFile(path, Utf8ToCp932(utf8Text));
    }

    void PumpEvents() override { ++pumps; }
    std::string RunnerFolder() const override { return kRunner; }
    std::string WindowsFolder() const override { return kWindows; }
    std::string SystemFolder() const override { return kSystem; }
    std::string ComputerName() const override { return computerName; }
    std::string CurrentFolder() const override { return "C:\\WORK"; }
    bool IsNtPlatform() const override { return nt; }

    bool Exists(const std::string& path) const override { return files.Exists(path); }
    bool ReadFile(const std::string& path, std::string& bytes) const override {
        ++reads;
        return files.ReadFile(path, bytes);
    }

    std::optional<uint32_t> StartProcess(const std::string& commandLine) override {
        started.push_back(commandLine);
        log.push_back("start " + commandLine);
        if (failStarts.count(commandLine)) return std::nullopt;
        const uint32_t id = nextProcessId++;
        processCommand[id] = commandLine;
        return id;
    }
    std::optional<uint32_t> WaitForExit(uint32_t processId) override {
        const std::string& commandLine = processCommand[processId];
        log.push_back("wait " + commandLine);
        if (failWaits) return std::nullopt;
        if (!exitSequence.empty()) {
            const uint32_t code = exitSequence.front();
            exitSequence.pop_front();
            return code;
        }
        const auto it = exitCodes.find(commandLine);
        return it == exitCodes.end() ? 0u : it->second;
    }
    intptr_t ShellOpen(const std::string& document, const std::string& workFolder) override {
        log.push_back("open " + document + " in " + workFolder);
        return shellResult;
    }

    BoxAnswer ShowBox(const std::string& text, BoxKind kind) override {
        boxes.push_back({text, kind});
        log.push_back("box " + text);
        if (kind != BoxKind::Question) return BoxAnswer::Ok;
        if (answers.empty()) return BoxAnswer::No;
        const BoxAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void Sleep(uint32_t milliseconds) override {
        sleeps.push_back(milliseconds);
        log.push_back("sleep " + std::to_string(milliseconds));
    }

    void SendSystemCommand(int32_t window, uint32_t command) override {
        log.push_back("syscommand " + std::to_string(window) + " " + std::to_string(command));
    }
    void EnableShutdownPrivilege(PrivilegeChoice choice) override {
        log.push_back(choice == PrivilegeChoice::Local ? "privilege local" : "privilege remote");
    }
    void RequestExitWindows(uint32_t request) override {
        log.push_back("exitwindows " + std::to_string(request));
    }
    void RemoteShutdown(const std::string& computer, const std::string& message, uint32_t timeoutSeconds,
                        bool force, bool reboot) override {
        log.push_back("remoteshutdown " + computer + " [" + message + "] " + std::to_string(timeoutSeconds) +
                      (force ? " force" : "") + (reboot ? " reboot" : ""));
    }
    void WriteMailslot(const std::string& computer, const std::string& bytes) override {
        mailslot.push_back({computer, bytes});
        log.push_back("mailslot " + computer + " " + Cp932ToUtf8(bytes));
    }

    // What the runner did, apart from the document opener's start and the waits it always makes.
    std::vector<std::string> Actions() const {
        std::vector<std::string> out;
        for (const auto& entry : log) {
            if (entry.find("<LinkTVX>") == std::string::npos) out.push_back(entry);
        }
        return out;
    }

    torva::testing::FakeFileSystem files;
    std::map<std::string, uint32_t> exitCodes;  // by command line
    std::deque<uint32_t> exitSequence;          // when set, taken in turn before exitCodes
    std::set<std::string> failStarts;
    bool failWaits = false;
    intptr_t shellResult = 42;
    std::deque<BoxAnswer> answers;
    std::string computerName = "WS01";
    bool nt = true;

    int pumps = 0;
    mutable int reads = 0;
    uint32_t nextProcessId = 100;
    std::map<uint32_t, std::string> processCommand;
    std::vector<std::string> started;
    std::vector<RecordedBox> boxes;
    std::vector<uint32_t> sleeps;
    std::vector<std::pair<std::string, std::string>> mailslot;
    std::vector<std::string> log;
};

}  // namespace torva::script::testing
