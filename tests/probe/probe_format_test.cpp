// The probe's log is what end-to-end tests read their evidence from: a value that does not come
// back exactly, or an option read wrongly, would make those tests prove the wrong thing.
#include <gtest/gtest.h>

#include "tests/probe/probe_log.h"
#include "tests/probe/probe_options.h"

namespace torva::probe {
namespace {

TEST(ProbeLog, RecordsRoundTripWithAwkwardValues) {
    ProbeRecord a;
    a.pid = 4242;
    a.commandLine = "\"C:\\bin\\TvProbe.exe\" \"%1\" 100%";
    a.args = {"%1", "line1\r\nline2", "", "日本語 表\\", "key=value"};
    a.workFolder = "C:\\作業\\";
    a.env = {{"TORVA_A", "x=y"}, {"TORVA_EMPTY", ""}};
    a.window = 0x10086;
    a.show = 1;
    ProbeRecord b;
    b.pid = 7;
    b.args = {"--exit", "9"};

    const auto records = ParseProbeLog(FormatProbeRecord(a) + FormatProbeRecord(b));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].pid, a.pid);
    EXPECT_EQ(records[0].commandLine, a.commandLine);
    EXPECT_EQ(records[0].args, a.args);
    EXPECT_EQ(records[0].workFolder, a.workFolder);
    EXPECT_EQ(records[0].env, a.env);
    EXPECT_EQ(records[0].window, a.window);
    EXPECT_EQ(records[0].show, 1);
    EXPECT_EQ(records[1].pid, 7u);
    EXPECT_EQ(records[1].args, b.args);
    EXPECT_EQ(records[1].window, 0u);
}

TEST(ProbeLog, EachValueStaysOnOneLine) {
    ProbeRecord r;
    r.args = {"a\nb\rc"};
    const std::string text = FormatProbeRecord(r);
    EXPECT_NE(text.find("arg=a%0Ab%0Dc\r\n"), std::string::npos) << text;
}

TEST(ProbeLog, CutShortRecordAndNoiseAreIgnored) {
    ProbeRecord r;
    r.pid = 1;
    const std::string full = FormatProbeRecord(r);
    const std::string cut = full.substr(0, full.size() - 7);  // "[end]\r\n" missing
    EXPECT_EQ(ParseProbeLog("garbage\nmore=1\n" + full + cut).size(), 1u);
    EXPECT_TRUE(ParseProbeLog("").empty());
    // A malformed escape is kept as it stands.
    EXPECT_EQ(UnescapeLineValue("50%zz%4"), "50%zz%4");
    EXPECT_EQ(UnescapeLineValue("%41%0a"), "A\n");
}

struct OptionCase {
    std::vector<std::string> args;
    bool window;
    bool hidden;
    std::string caption;
    uint32_t exitCode;
    std::optional<uint32_t> sleepMs;
    bool closeEnds;
};

TEST(ProbeOptions, BehaviourFollowsTheOptions) {
    const OptionCase cases[] = {
        {{}, true, false, "TvProbe", 0, std::nullopt, true},
        {{"C:\\doc\\a.tvq"}, true, false, "TvProbe", 0, std::nullopt, true},
        {{"--exit", "9"}, false, false, "TvProbe", 9, std::nullopt, true},
        {{"--sleep", "500", "--exit", "3"}, false, false, "TvProbe", 3, 500u, false},
        {{"--title", "TORVA test", "--sleep", "500"}, true, false, "TORVA test", 0, 500u, false},
        {{"--sleep", "500", "--exit-on-close", "--exit", "4"}, true, false, "TvProbe", 4, 500u, true},
        {{"--hidden", "--title", "TORVA hidden"}, true, true, "TORVA hidden", 0, std::nullopt, true},
        {{"--title", "T", "--exit", "7"}, true, false, "T", 7, std::nullopt, true},
        // Bad or missing numbers are not taken: the word stays a recorded argument.
        {{"--exit", "-1"}, true, false, "TvProbe", 0, std::nullopt, true},
        {{"--exit", "4294967296"}, true, false, "TvProbe", 0, std::nullopt, true},
        {{"--exit", "4294967295"}, false, false, "TvProbe", 4294967295u, std::nullopt, true},
        {{"--sleep"}, true, false, "TvProbe", 0, std::nullopt, true},
        {{"--title"}, true, false, "TvProbe", 0, std::nullopt, true},
    };
    for (const auto& c : cases) {
        const ProbeOptions o = ParseProbeOptions(c.args);
        const std::string label = ::testing::PrintToString(c.args);
        EXPECT_EQ(o.HasWindow(), c.window) << label;
        EXPECT_EQ(o.hidden, c.hidden) << label;
        EXPECT_EQ(o.Caption(), c.caption) << label;
        EXPECT_EQ(o.exitCode, c.exitCode) << label;
        EXPECT_EQ(o.sleepMs, c.sleepMs) << label;
        EXPECT_EQ(o.CloseEnds(), c.closeEnds) << label;
    }
}

TEST(ProbeOptions, LogAndEnvNames) {
    const ProbeOptions o = ParseProbeOptions({"--env", "PATH", "x", "--log", "C:\\l.txt", "--env", "TEMP"});
    EXPECT_EQ(o.logFile, "C:\\l.txt");
    EXPECT_EQ(o.envNames, (std::vector<std::string>{"PATH", "TEMP"}));
}

}  // namespace
}  // namespace torva::probe
