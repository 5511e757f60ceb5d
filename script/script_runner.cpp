#include "script/script_runner.h"

#include <new>
#include <stdexcept>

#include "common/cp932.h"
#include "common/path.h"
#include "common/run_error.h"
#include "script/command_line.h"
#include "script/program_path.h"

namespace torva::script {

namespace {

// Unwinds from a failed check to the error box; the texts are already in the state.
struct ScriptFailure {};

constexpr int kStartupEventRounds = 100;

}  // namespace

std::vector<std::string> SplitScriptLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

int ScriptRunner::Run(std::string_view commandLine) {
    for (int i = 0; i < kStartupEventRounds; ++i) host_.PumpEvents();
    try {
        bool emptyCommandLine = false;
        StartUp(commandLine, emptyCommandLine);
        if (emptyCommandLine) return 0;
        RunLines();
        return 0;
    } catch (const ScriptFailure&) {
        ShowErrorBox(0);
    } catch (...) {
        ShowErrorBox(RunErrorNumberOf(std::current_exception()));
    }
    return state_.stepCode;
}

void ScriptRunner::StartUp(std::string_view commandLine, bool& emptyCommandLine) {
    state_.stepCode = kStepStart;
    state_.windowsFolder = host_.WindowsFolder();
    state_.systemFolder = host_.SystemFolder();
    state_.runnerFolder = host_.RunnerFolder();

    const RunnerCommandLine parsed = ParseRunnerCommandLine(commandLine, state_.runnerFolder);
    if (parsed.empty) {
        emptyCommandLine = true;
        return;
    }
    state_.callerWindow = parsed.callerWindow;
    state_.scriptPath = parsed.scriptPath;
    state_.scriptFolder = FolderPart(state_.scriptPath);

    // The document opener registers the file associations when they are missing. Its path is
    // quoted so that a program folder with blanks cannot start a different program.
    const std::string opener = "\"" + state_.runnerFolder + "\\Tvshell.exe\" <LinkTVX>";
    const auto openerId = host_.StartProcess(opener);
    if (!openerId || *openerId == 0) throw RunError(kErrFileNotFound, "document opener");

    if (!host_.Exists(state_.scriptPath)) Fail(kErrNoScript, state_.scriptPath);
    OpenScript();
}

void ScriptRunner::OpenScript() {
    std::string bytes;
    if (!host_.ReadFile(state_.scriptPath, bytes)) throw RunError(kErrPathFileAccess, "script file");
    lines_ = SplitScriptLines(Cp932ToUtf8(bytes));
    nextLine_ = 0;
}

void ScriptRunner::RunLines() {
    for (;;) {
        host_.PumpEvents();
        if (nextLine_ >= lines_.size()) break;
        ++state_.lineNumber;
        const ScriptLine line = ParseScriptLine(lines_[nextLine_++]);
        if (line.kind == LineKind::Comment) continue;
        if (line.kind == LineKind::Label) {
            if (!state_.searching) continue;
            if (state_.searchLimit > 0 && state_.searchLimit < state_.lineNumber) break;
            if (line.argument == state_.searchLabel) {
                state_.searching = false;
                state_.searchLimit = 0;
            }
            continue;
        }
        if (state_.searching) continue;
        if (line.kind == LineKind::Unknown) Fail(kErrCommand, line.text);
        if (Execute(line) == Flow::Leave) break;
    }
    lines_.clear();
    if (state_.searching) Fail(kErrLabelNotFound, state_.searchLabel);
}

ScriptRunner::Flow ScriptRunner::Execute(const ScriptLine& line) {
    switch (line.keyword) {
        case Keyword::Wait:
            return RunProgram(line, true);
        case Keyword::NoWait:
            return RunProgram(line, false);
        case Keyword::End:
            return Flow::Leave;
        case Keyword::Cend:
            return CloseCaller();
        case Keyword::Rebt:
        case Keyword::Poff:
        case Keyword::Sdwn:
        case Keyword::Loff:
            return LocalExit(line.keyword);
        case Keyword::Rmsg:
            return RemoteMessage(line);
        case Keyword::Rctl:
            return RemoteControl(line);
        case Keyword::Rsdwn:
            return RemoteShutdown(line, false);
        case Keyword::Rrebt:
            return RemoteShutdown(line, true);
        case Keyword::Sleep:
            return Sleep(line);
        case Keyword::Msg:
            host_.ShowBox(line.argument, BoxKind::Information);
            return Flow::Next;
        case Keyword::MsgA:
            return Ask(line, kAskStop, BoxAnswer::Yes);
        case Keyword::MsgB:
            return Ask(line, kAskContinue, BoxAnswer::No);
        case Keyword::Code:
            return Code(line);
        case Keyword::Back:
            return Back(line);
    }
    Fail(kErrCommand, line.text);
}

ScriptRunner::Flow ScriptRunner::RunProgram(const ScriptLine& line, bool wait) {
    state_.lastExitCode = 0;
    const ProgramLine program = SplitProgramLine(line.argument);
    const ResolvedProgram resolved = ResolveProgramPath(
        program.name, state_, [this](const std::string& path) { return host_.Exists(path); });
    switch (resolved.status) {
        case ResolvedProgram::Status::Nothing:
            return Flow::Next;
        case ResolvedProgram::Status::NotFound:
            Fail(kErrNoSuchFile, line.argument);
        case ResolvedProgram::Status::BadName:
            Fail(kErrBadFileName, line.argument);
        case ResolvedProgram::Status::Found:
            break;
    }

    state_.stepCode = kStepAfterExtension;
    const std::string extension = ProgramExtension(resolved.path);
    if (!IsProgramExtension(extension)) {
        // Documents are never waited for, and the line's parameters are not passed on.
        const bool opened = host_.ShellOpen(resolved.path, state_.runnerFolder) >= 32;
        Record("open", resolved.path, state_.runnerFolder, false, opened, std::nullopt);
        if (!opened) Fail(kErrOpenFailed, line.argument);
        return Flow::Next;
    }
    const std::string commandLine = ProgramCommandLine(resolved.path, program.parameters);
    const std::string folder = journal_ ? host_.CurrentFolder() : std::string();
    const auto processId = host_.StartProcess(commandLine);
    const bool started = processId && *processId != 0;
    Record(wait ? "wait" : "nowait", commandLine, folder, wait, started, processId);
    if (!started) Fail(kErrStartFailed, line.argument);
    if (!wait) return Flow::Next;
    const auto exitCode = host_.WaitForExit(*processId);
    if (journal_)
        journal_->Ended(*processId, exitCode ? std::optional<std::int64_t>(*exitCode) : std::nullopt);
    if (!exitCode) Fail(kErrWaitFailed, line.argument);
    state_.lastExitCode = static_cast<int32_t>(*exitCode);
    return Flow::Next;
}

ScriptRunner::Flow ScriptRunner::Code(const ScriptLine& line) {
    const CodeTest test = ParseCodeTest(line.argument);
    if (test.status == CodeTest::Status::NoColon) Fail(kErrCommand, line.text);
    if (test.status == CodeTest::Status::NoOperator) Fail(kErrCodeTest, line.text);
    if (!CodeHolds(test.op, state_.lastExitCode, test.value)) return Flow::Next;
    if (test.target == "END") return Flow::Leave;
    state_.searching = true;
    state_.searchLabel = test.target;
    return Flow::Next;
}

ScriptRunner::Flow ScriptRunner::Back(const ScriptLine& line) {
    state_.searchLimit = state_.lineNumber;
    state_.lineNumber = 0;
    OpenScript();
    state_.searching = true;
    state_.searchLabel = line.argument;
    return Flow::Next;
}

ScriptRunner::Flow ScriptRunner::Sleep(const ScriptLine& line) {
    const int16_t milliseconds = SleepMilliseconds(line.argument);
    // A negative pause has no meaning; it is taken as no pause rather than as a huge unsigned one.
    if (milliseconds > 0) host_.Sleep(static_cast<uint32_t>(milliseconds));
    return Flow::Next;
}

ScriptRunner::Flow ScriptRunner::Ask(const ScriptLine& line, std::string_view question, BoxAnswer leaveOn) {
    std::string text = line.argument;
    text += '\r';
    text += question;
    return host_.ShowBox(text, BoxKind::Question) == leaveOn ? Flow::Leave : Flow::Next;
}

void ScriptRunner::Record(const char* action, const std::string& commandLine, const std::string& workFolder,
                          bool waited, bool started, std::optional<uint32_t> processId) {
    if (!journal_) return;
    journal::StartRecord record;
    record.action = action;
    record.commandLine = commandLine;
    record.workFolder = workFolder;
    record.script = state_.scriptPath;
    record.scriptLine = state_.lineNumber;
    record.waited = waited;
    record.started = started;
    if (started && processId) record.processId = *processId;
    journal_->Started(std::move(record));
}

void ScriptRunner::Fail(ScriptError error, std::string detail) {
    state_.stepCode = error;
    state_.errorText = ScriptErrorText(error);
    state_.errorDetail = std::move(detail);
    throw ScriptFailure{};
}

void ScriptRunner::ShowErrorBox(int failureNumber) {
    lines_.clear();
    host_.ShowBox(ComposeErrorBoxText(state_, failureNumber), BoxKind::Error);
}

}  // namespace torva::script
