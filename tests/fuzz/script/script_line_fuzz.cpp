// Feeds arbitrary bytes to the script line parser and to the whole interpreter on a fake host, and
// checks what must hold for every input: no crash, no undefined behaviour, and the parts a line is
// taken apart into are really parts of it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/cp932.h"
#include "common/run_error.h"
#include "script/command_line.h"
#include "script/script_line.h"
#include "script/script_runner.h"
#include "tests/unit/script/fake_script_host.h"

namespace {

using namespace torva;
using namespace torva::script;

void Check(bool condition) {
    if (!condition) std::abort();
}

bool EndsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

void ParseOneLine(const std::string& raw) {
    const ScriptLine line = ParseScriptLine(raw);
    Check(line.text.empty() || (line.text.front() != ' ' && line.text.back() != ' '));
    Check(line.argument.empty() || line.argument.front() != ' ');
    Check(EndsWith(line.text, line.argument));
    if (line.kind != LineKind::Command) return;
    Check(line.text.rfind(KeywordText(line.keyword), 0) == 0);

    const std::string& argument = line.argument;
    try {
        const CodeTest test = ParseCodeTest(argument);
        if (test.status == CodeTest::Status::Ok) Check(EndsWith(argument, test.target));
    } catch (const RunError& e) {
        Check(e.number() == kErrOverflow);
    }
    const ProgramLine program = SplitProgramLine(argument);
    Check(program.name.size() + program.parameters.size() <= argument.size());
    Check(argument.find(program.name) != std::string::npos);
    const std::string extension = ProgramExtension(program.name);
    Check(extension.find('|') == std::string::npos && extension.find('\\') == std::string::npos);

    const RemoteLine remote = ParseRemoteLine(argument);
    Check(argument.rfind(remote.computer, 0) == 0);
    try {
        if (const auto press = ParseRemotePress(remote.parameters); press && press->InRange()) {
            Check(RemotePressMessage(*press).size() == 4);
        }
        (void)SleepMilliseconds(argument);
    } catch (const RunError& e) {
        Check(e.number() == kErrOverflow);
    }
}

// Stops scripts that loop for ever (a BACK: to a label above it) after a bounded number of lines.
struct LineBudgetSpent {};

class BoundedHost : public script::testing::FakeScriptHost {
  public:
    void PumpEvents() override {
        if (++pumps > 100 + 400) throw LineBudgetSpent{};
    }
};

void RunAsScript(std::string_view bytes) {
    BoundedHost host;
    host.files.AddFile("C:\\S\\F.TVS", std::string(bytes));
    host.files.AddFile("C:\\TORVA\\A.EXE");
    host.files.AddFile("C:\\S\\B.TXT");
    host.answers = {BoxAnswer::No, BoxAnswer::Yes, BoxAnswer::No};
    ScriptState state;
    ScriptRunner runner(host, state);
    try {
        const int status = runner.Run("|TORVA|00000010|C:\\S\\F.TVS");
        Check(status == 0 || !host.boxes.empty());
    } catch (const LineBudgetSpent&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size > 4096) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = Cp932ToUtf8(bytes);
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        ParseOneLine(text.substr(start, end - start));
        start = end + 1;
    }
    try {
        (void)ParseRunnerCommandLine(text, "C:\\TORVA");
    } catch (const RunError& e) {
        Check(e.number() == kErrTypeMismatch);
    }
    RunAsScript(bytes);
    return 0;
}
