#include "journal/journal_summary.h"

#include <gtest/gtest.h>

#include "journal/journal_line.h"

namespace torva::journal {
namespace {

constexpr std::int64_t kT0 = 1796725397000;  // 2026-12-08T10:23:17Z

std::string Start(const std::string& id, std::int64_t t, int page, int button, const std::string& caption,
                  bool waited = true, bool started = true, const std::string& computer = "PC1") {
    StartRecord r;
    r.id = id;
    r.timeMs = t;
    r.page = page;
    r.button = button;
    r.caption = caption;
    r.action = "program";
    r.commandLine = caption + ".exe";
    r.waited = waited;
    r.started = started;
    return StartLine({computer, "u", "Torva"}, r);
}

std::string End(const std::string& id, std::int64_t t, std::optional<std::int64_t> code,
                std::int64_t duration, const std::string& computer = "PC1") {
    EndRecord e;
    e.id = id;
    e.timeMs = t;
    e.exitCode = code;
    e.durationMs = duration;
    return EndLine({computer, "u", "Torva"}, e);
}

std::string ScriptStart(const std::string& id, std::int64_t t, int line) {
    StartRecord r;
    r.id = id;
    r.timeMs = t;
    r.action = "wait";
    r.script = "C:\\S\\NIGHT.TVS";
    r.scriptLine = line;
    r.waited = true;
    return StartLine({"PC1", "u", "Tvscript"}, r);
}

TEST(JournalSummary, PairsStartsWithEndsAndCountsPerButton) {
    const std::string text = Start("a", kT0, 1, 2, "Calc") + Start("b", kT0 + 1, 1, 3, "Mail", false) +
                             Start("a", kT0 + 2, 1, 2, "Calc", true, true, "PC2") +  // same id, other machine
                             End("a", kT0 + 9000, 0, 9000) + End("a", kT0 + 4000, 5, 3998, "PC2") +
                             Start("c", kT0 + 5, 1, 2, "Calc", true, false) + ScriptStart("d", kT0 + 6, 3) +
                             ScriptStart("e", kT0 + 7, 8) + End("e", kT0 + 100, 0, 93);
    const JournalSummary s = SummariseJournal(text, {});
    EXPECT_EQ(s.lines, 9u);
    EXPECT_EQ(s.malformed, 0u);
    EXPECT_EQ(s.starts, 6u);
    EXPECT_EQ(s.failedStarts, 1u);
    EXPECT_EQ(s.ends, 3u);
    EXPECT_EQ(s.nonZeroExits, 1u);
    EXPECT_EQ(s.notEnded, 1u);  // the script's line 3
    EXPECT_EQ(s.unmatchedEnds, 0u);
    ASSERT_EQ(s.buttons.size(), 3u);
    EXPECT_EQ(s.buttons[0].label, "Torva 1:2 \"Calc\"");
    EXPECT_EQ(s.buttons[0].starts, 3u);
    EXPECT_EQ(s.buttons[0].failedStarts, 1u);
    EXPECT_EQ(s.buttons[0].nonZeroExits, 1u);
    EXPECT_EQ(s.buttons[1].label, "Tvscript C:\\S\\NIGHT.TVS");
    EXPECT_EQ(s.buttons[1].starts, 2u);
    ASSERT_EQ(s.failures.size(), 2u);
    EXPECT_EQ(s.failures[0].computer, "PC2");
    EXPECT_EQ(s.failures[0].exitCode, 5);
    EXPECT_FALSE(s.failures[1].started);
    ASSERT_EQ(s.longestRuns.size(), 3u);
    EXPECT_EQ(s.longestRuns[0].durationMs, 9000);
    EXPECT_EQ(s.longestRuns[0].computer, "PC1");
    EXPECT_EQ(s.longestRuns[2].label, "Tvscript C:\\S\\NIGHT.TVS line 8");
}

TEST(JournalSummary, MalformedLinesAreCountedNeverFatal) {
    const std::string deep(100000, '[');
    const std::string text = "not json\n" + deep + "\n" + "[1,2]\n" + "{\"event\":\"start\"}\n" +
                             "{\"event\":\"launch\",\"id\":\"x\",\"time\":\"2026-12-08T10:00:00Z\"}\n" +
                             "{\"event\":\"start\",\"id\":\"x\",\"time\":\"yesterday\"}\n" + "\xFF\xFE\n" +
                             "\n   \r\n" + Start("a", kT0, 1, 1, "A") + End("a", kT0 + 5, 0, 5) +
                             End("a", kT0 + 6, 0, 6) +              // a second end for one start
                             End("zz", kT0 + 7, 1, 7) +             // an end without its start
                             "{\"event\":\"start\",\"id\":\"torn";  // the last line cut short
    const JournalSummary s = SummariseJournal(text, {});
    EXPECT_EQ(s.malformed, 9u);
    EXPECT_EQ(s.lines, 12u);
    EXPECT_EQ(s.starts, 1u);
    EXPECT_EQ(s.ends, 1u);
    EXPECT_EQ(s.unmatchedEnds, 1u);
}

TEST(JournalSummary, OddlyTypedFieldsAreTakenAsAbsent) {
    const std::string text =
        "{\"event\":\"start\",\"id\":\"q\",\"time\":\"2026-12-08T10:00:00Z\",\"page\":\"1\",\"button\":1e300,"
        "\"caption\":7,\"started\":\"no\",\"waited\":true,\"program\":[1]}\n"
        "{\"event\":\"end\",\"id\":\"q\",\"time\":\"2026-12-08T10:00:01Z\",\"exitCode\":\"3\",\"durationMs\":"
        "-5}\n";
    const JournalSummary s = SummariseJournal(text, {});
    EXPECT_EQ(s.malformed, 0u);
    ASSERT_EQ(s.starts, 1u);
    EXPECT_EQ(s.buttons[0].label, "?");
    EXPECT_EQ(s.ends, 1u);
    EXPECT_EQ(s.nonZeroExits, 0u);
    EXPECT_EQ(s.longestRuns[0].durationMs, 0);
}

TEST(JournalSummary, SinceAndButtonFiltersLeaveOutStartsWithTheirEnds) {
    const std::string text = Start("old", kT0 - 60000, 1, 2, "Calc") + Start("new", kT0, 1, 2, "Calc") +
                             Start("other", kT0 + 1, 2, 5, "Mail") + End("old", kT0 + 10, 1, 60010) +
                             End("new", kT0 + 20, 0, 20) + End("other", kT0 + 30, 4, 29);
    JournalFilter since;
    since.sinceMs = kT0;
    JournalSummary s = SummariseJournal(text, since);
    EXPECT_EQ(s.starts, 2u);
    EXPECT_EQ(s.ends, 2u);
    EXPECT_EQ(s.unmatchedEnds, 0u) << "the old start's end goes with its start";
    EXPECT_EQ(s.nonZeroExits, 1u);

    JournalFilter button;
    button.page = 1;
    button.button = 2;
    s = SummariseJournal(text, button);
    EXPECT_EQ(s.starts, 2u);
    EXPECT_EQ(s.unmatchedEnds, 0u);
    EXPECT_EQ(s.nonZeroExits, 1u);
    EXPECT_EQ(s.longestRuns[0].durationMs, 60010);
}

TEST(JournalSummary, LongestRunsAreCappedAndFormatted) {
    std::string text;
    for (int i = 0; i < 15; ++i) {
        const std::string id = "r" + std::to_string(i);
        text += Start(id, kT0 + i, 1, 1, "A") + End(id, kT0 + i + 1, 0, i * 1000 + (i == 14 ? 3600000 : 0));
    }
    const JournalSummary s = SummariseJournal(text, {});
    ASSERT_EQ(s.longestRuns.size(), kLongestRunsShown);
    EXPECT_EQ(s.longestRuns[0].durationMs, 3614000);
    const std::string report = FormatJournalSummary(s);
    EXPECT_NE(report.find("15 starts (0 did not start), 15 waited to their end"), std::string::npos)
        << report;
    EXPECT_NE(report.find("1 h 00 min"), std::string::npos) << report;
    EXPECT_NE(report.find("13.0 s"), std::string::npos) << report;
    EXPECT_EQ(report.find("malformed"), std::string::npos) << report;
}

TEST(JournalSummary, MenuStartEndAndPageStartProgramsAreNamedByTheirAction) {
    StartRecord pageStart;
    pageStart.id = "p";
    pageStart.timeMs = kT0;
    pageStart.page = 4;
    pageStart.action = "pageStart";
    StartRecord startProgram = pageStart;
    startProgram.id = "s";
    startProgram.page.reset();
    startProgram.action = "startProgram";
    const JournalSummary s = SummariseJournal(
        StartLine({"PC", "u", "Torva"}, pageStart) + StartLine({"PC", "u", "Torva"}, startProgram), {});
    ASSERT_EQ(s.buttons.size(), 2u);
    EXPECT_EQ(s.buttons[0].label, "Torva pageStart page 4");
    EXPECT_EQ(s.buttons[1].label, "Torva startProgram");
}

TEST(JournalSummary, PageButtonArgument) {
    EXPECT_EQ(ParsePageButton("1:2"), (std::pair{1, 2}));
    EXPECT_EQ(ParsePageButton("99:24"), (std::pair{99, 24}));
    for (const char* bad :
         {"", "1", "1:", ":2", "0:1", "1:0", "100:1", "1:25", "a:b", "1:2:3", "-1:2", "01:002"})
        EXPECT_FALSE(ParsePageButton(bad).has_value()) << bad;
}

}  // namespace
}  // namespace torva::journal
