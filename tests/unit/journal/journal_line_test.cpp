#include "journal/journal_line.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

namespace torva::journal {
namespace {

TEST(JournalTime, FormatsUtcWithMilliseconds) {
    struct Case {
        std::int64_t ms;
        const char* text;
    };
    for (const Case& c : std::initializer_list<Case>{
             {0, "1970-01-01T00:00:00.000Z"},
             {951782400000 + 86399999, "2000-02-29T23:59:59.999Z"},  // leap day of a century leap year
             {1796725397123, "2026-12-08T10:23:17.123Z"},
             {-1, "1969-12-31T23:59:59.999Z"},
         }) {
        EXPECT_EQ(FormatUtc(c.ms), c.text) << c.ms;
        EXPECT_EQ(ParseUtc(c.text), c.ms) << c.text;
    }
}

TEST(JournalTime, ParsesTheShorterFormsAsUtc) {
    EXPECT_EQ(ParseUtc("2026-12-08"), ParseUtc("2026-12-08T00:00:00.000Z"));
    EXPECT_EQ(ParseUtc("2026-12-08T10:23"), ParseUtc("2026-12-08T10:23:00Z"));
    EXPECT_EQ(ParseUtc("2026-12-08 10:23:17"), ParseUtc("2026-12-08T10:23:17.000Z"));
    EXPECT_EQ(*ParseUtc("2024-03-01") - *ParseUtc("2024-02-28"), 2 * 86400000);  // 2024 is a leap year
}

TEST(JournalTime, RefusesWhatIsNoTime) {
    for (const char* text :
         {"", "2026", "2026-13-01", "2026-02-29", "2100-02-29", "2026-04-31", "2026-12-00",
          "2026-12-08T24:00", "2026-12-08T10:60", "2026-12-08T10:23:60", "2026-12-08T10",
          "2026-12-08T10:23:17.1Z", "2026-12-08Z1", "2026-12-08+01:00", "yesterday", "２０２６-12-08"}) {
        EXPECT_FALSE(ParseUtc(text).has_value()) << text;
    }
}

JournalOrigin Origin() {
    return {"DESK-7", "hanako", "Torva"};
}

TEST(JournalLine, StartLineCarriesEveryFieldOnOneLine) {
    StartRecord r;
    r.id = "1a-2b-3";
    r.timeMs = 1796725397123;
    r.page = 2;
    r.button = 14;
    r.caption = "経理\n\"月次\"";
    r.action = "program";
    r.commandLine = "\"C:\\Apps\\calc.exe\" /x";
    r.workFolder = "C:\\Work";
    r.waited = true;
    r.processId = 4242;
    const std::string line = StartLine(Origin(), r);
    ASSERT_FALSE(line.empty());
    EXPECT_EQ(line.back(), '\n');
    EXPECT_EQ(line.find('\n'), line.size() - 1) << "a caption's line break must not split the line";
    const auto j = nlohmann::json::parse(line);
    EXPECT_EQ(j["event"], "start");
    EXPECT_EQ(j["id"], "1a-2b-3");
    EXPECT_EQ(j["time"], "2026-12-08T10:23:17.123Z");
    EXPECT_EQ(j["computer"], "DESK-7");
    EXPECT_EQ(j["user"], "hanako");
    EXPECT_EQ(j["program"], "Torva");
    EXPECT_EQ(j["page"], 2);
    EXPECT_EQ(j["button"], 14);
    EXPECT_EQ(j["caption"], "経理\n\"月次\"");
    EXPECT_EQ(j["action"], "program");
    EXPECT_EQ(j["commandLine"], "\"C:\\Apps\\calc.exe\" /x");
    EXPECT_EQ(j["workFolder"], "C:\\Work");
    EXPECT_EQ(j["waited"], true);
    EXPECT_EQ(j["started"], true);
    EXPECT_EQ(j["processId"], 4242);
    EXPECT_FALSE(j.contains("script"));
}

TEST(JournalLine, ScriptStartNamesScriptAndLineAndNoButton) {
    StartRecord r;
    r.id = "x-1";
    r.action = "wait";
    r.script = "C:\\S\\NIGHT.TVS";
    r.scriptLine = 7;
    r.started = false;
    const auto j = nlohmann::json::parse(StartLine({"PC", "u", "Tvscript"}, r));
    EXPECT_TRUE(j["page"].is_null());
    EXPECT_TRUE(j["button"].is_null());
    EXPECT_EQ(j["script"], "C:\\S\\NIGHT.TVS");
    EXPECT_EQ(j["scriptLine"], 7);
    EXPECT_EQ(j["started"], false);
    EXPECT_FALSE(j.contains("processId"));
}

TEST(JournalLine, EndLineCarriesExitCodeAndDuration) {
    EndRecord e;
    e.id = "1a-2b-3";
    e.timeMs = 0;
    e.page = 1;
    e.button = 2;
    e.exitCode = 3;
    e.durationMs = 65000;
    auto j = nlohmann::json::parse(EndLine(Origin(), e));
    EXPECT_EQ(j["event"], "end");
    EXPECT_EQ(j["exitCode"], 3);
    EXPECT_EQ(j["durationMs"], 65000);
    e.exitCode.reset();
    j = nlohmann::json::parse(EndLine(Origin(), e));
    EXPECT_TRUE(j["exitCode"].is_null());
}

TEST(JournalLine, TextThatIsNotUtf8StillGivesALine) {
    StartRecord r;
    r.commandLine = "C:\\\x82\xA0\xFF.exe";  // Shift-JIS bytes that slipped through undecoded
    const std::string line = StartLine(Origin(), r);
    const auto j = nlohmann::json::parse(line);
    EXPECT_NE(j["commandLine"].get<std::string>().find("C:\\"), std::string::npos);
}

}  // namespace
}  // namespace torva::journal
