#include "tests/e2e/script/script_e2e_fixture.h"

namespace torva::e2e {

void ScriptE2eTest::SetUp() {
    probeLog_ = folder_.File("probe.log");
    powerLog_ = folder_.File("power.log");
    Install("Tvscript.exe");
    Install("TvProbe.exe");
    Install("TvProbe.exe", "Tvshell.exe");
}

void ScriptE2eTest::TearDown() {
    // Probes told to sleep outlive the runner; end them so the next test starts clean.
    for (const auto& record : ProbeRecords()) {
        win32::UniqueKernelHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, record.pid));
        if (!process) continue;
        TerminateProcess(process.get(), 0xDEAD);
        WaitForSingleObject(process.get(), 5000);
    }
}

std::string ScriptE2eTest::WriteScript(const std::string& name, const std::vector<std::string>& lines) {
    const std::string path = folder_.File(name);
    EXPECT_TRUE(WriteAnsiLines(path, lines));
    return path;
}

void ScriptE2eTest::Install(const std::string& program, const std::string& as) {
    ASSERT_TRUE(CopyFileTo(ProgramPath(program), folder_.File(as.empty() ? program : as))) << program;
}

Process ScriptE2eTest::StartRunner(const std::string& arguments, const std::string& probeOptions) {
    StartOptions options;
    options.arguments = arguments;
    options.environment = {
        {"TORVA_PROBE_LOG", probeLog_},
        {"TORVA_POWER_LOG", powerLog_},
        {"TORVA_PROBE_OPTIONS", probeOptions},
    };
    Process runner = Process::Start(folder_.File("Tvscript.exe"), options);
    EXPECT_TRUE(runner.Valid()) << "error " << runner.StartError();
    return runner;
}

std::optional<MessageBoxInfo> ScriptE2eTest::Answer(const Process& runner, int button) {
    auto box = WaitForMessageBox(runner.Id());
    if (!box) {
        ADD_FAILURE() << "no box from the runner";
        return std::nullopt;
    }
    EXPECT_EQ(box->title, "TVSCRIPT");
    EXPECT_TRUE(AnswerMessageBox(box->hwnd, button)) << box->text;
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box->hwnd) || !IsWindowVisible(box->hwnd); }));
    return box;
}

std::optional<DWORD> ScriptE2eTest::Finish(Process& runner) {
    const auto status = runner.WaitForExit();
    if (!status) {
        // A box nobody expected keeps the runner alive: show it in the failure, then close it.
        for (const auto& box : FindMessageBoxes(runner.Id())) {
            ADD_FAILURE() << "unexpected box: " << box.text;
            AnswerMessageBox(box.hwnd, box.buttons.empty() ? IDOK : box.buttons.front());
        }
    }
    return status;
}

std::vector<probe::ProbeRecord> ScriptE2eTest::ProbeRecords() const {
    return ReadProbeRecords(probeLog_);
}

std::vector<probe::ProbeRecord> ScriptE2eTest::ScriptProbes() const {
    std::vector<probe::ProbeRecord> out;
    for (auto& record : ProbeRecords()) {
        if (record.commandLine.find("<LinkTVX>") == std::string::npos) out.push_back(record);
    }
    return out;
}

std::vector<std::string> ScriptE2eTest::PowerLog() const {
    std::vector<std::string> lines;
    const auto text = ReadBytes(powerLog_);
    if (!text) return lines;
    std::size_t start = 0;
    while (start < text->size()) {
        std::size_t end = text->find("\r\n", start);
        if (end == std::string::npos) end = text->size();
        lines.push_back(text->substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

}  // namespace torva::e2e
