#include "script/script_line.h"

#include <gtest/gtest.h>

#include "common/run_error.h"

namespace torva::script {
namespace {

struct LineCase {
    const char* raw;
    LineKind kind;
    Keyword keyword;
    const char* text;
    const char* argument;
};

TEST(ScriptLineParser, ClassifiesLines) {
    const LineCase cases[] = {
        {"  * daily start  ", LineKind::Comment, Keyword::Wait, "* daily start", ""},
        {"*wait: x.exe", LineKind::Comment, Keyword::Wait, "*wait: x.exe", ""},
        {":fail", LineKind::Label, Keyword::Wait, ":FAIL", "FAIL"},
        {"  :   top  ", LineKind::Label, Keyword::Wait, ":   TOP", "TOP"},
        {":", LineKind::Label, Keyword::Wait, ":", ""},
        {"wait: <c:\\a b\\x.exe> /q", LineKind::Command, Keyword::Wait, "WAIT: <C:\\A B\\X.EXE> /Q",
         "<C:\\A B\\X.EXE> /Q"},
        {"WAIT:x.exe", LineKind::Command, Keyword::Wait, "WAIT:X.EXE", "X.EXE"},
        {"nowait:   report.xls", LineKind::Command, Keyword::NoWait, "NOWAIT:   REPORT.XLS", "REPORT.XLS"},
        {"END: anything", LineKind::Command, Keyword::End, "END: ANYTHING", "ANYTHING"},
        {"cend:", LineKind::Command, Keyword::Cend, "CEND:", ""},
        {"REBT:", LineKind::Command, Keyword::Rebt, "REBT:", ""},
        {"POFF:", LineKind::Command, Keyword::Poff, "POFF:", ""},
        {"SDWN:", LineKind::Command, Keyword::Sdwn, "SDWN:", ""},
        {"LOFF:", LineKind::Command, Keyword::Loff, "LOFF:", ""},
        {"rmsg: pc01 hello", LineKind::Command, Keyword::Rmsg, "RMSG: PC01 HELLO", "PC01 HELLO"},
        {"RCTL: PC01 3 12", LineKind::Command, Keyword::Rctl, "RCTL: PC01 3 12", "PC01 3 12"},
        {"RSDWN: PC01", LineKind::Command, Keyword::Rsdwn, "RSDWN: PC01", "PC01"},
        {"RREBT: PC01 SAVE", LineKind::Command, Keyword::Rrebt, "RREBT: PC01 SAVE", "PC01 SAVE"},
        {"SLEEP: 1.5", LineKind::Command, Keyword::Sleep, "SLEEP: 1.5", "1.5"},
        {"msg: done", LineKind::Command, Keyword::Msg, "MSG: DONE", "DONE"},
        {"MSGA: stop?", LineKind::Command, Keyword::MsgA, "MSGA: STOP?", "STOP?"},
        {"MSGB: go?", LineKind::Command, Keyword::MsgB, "MSGB: GO?", "GO?"},
        {"code<>0:fail", LineKind::Command, Keyword::Code, "CODE<>0:FAIL", "<>0:FAIL"},
        {"CODE >= 9 : END", LineKind::Command, Keyword::Code, "CODE >= 9 : END", ">= 9 : END"},
        {"CODE=0", LineKind::Command, Keyword::Code, "CODE=0", "=0"},
        {"back: top", LineKind::Command, Keyword::Back, "BACK: TOP", "TOP"},
        // Keywords count only exactly as written, colon included, at the very start.
        {"WAIT : X.EXE", LineKind::Unknown, Keyword::Wait, "WAIT : X.EXE", ""},
        {"PAUSE: 5", LineKind::Unknown, Keyword::Wait, "PAUSE: 5", ""},
        {"", LineKind::Unknown, Keyword::Wait, "", ""},
        {"     ", LineKind::Unknown, Keyword::Wait, "", ""},
        {"X WAIT: A.EXE", LineKind::Unknown, Keyword::Wait, "X WAIT: A.EXE", ""},
        // Japanese text survives upper-casing; full-width letters are upper-cased too.
        {"msg: 完了しました ａｂ", LineKind::Command, Keyword::Msg, "MSG: 完了しました ＡＢ",
         "完了しました ＡＢ"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.raw);
        const ScriptLine line = ParseScriptLine(c.raw);
        EXPECT_EQ(line.kind, c.kind);
        if (c.kind == LineKind::Command) {
            EXPECT_EQ(line.keyword, c.keyword);
        }
        EXPECT_EQ(line.text, c.text);
        EXPECT_EQ(line.argument, c.argument);
    }
}

TEST(ScriptLineParser, TabsAreNotTrimmed) {
    // Only blanks are trimmed: a tab in front of a keyword makes it no command.
    EXPECT_EQ(ParseScriptLine("\tEND:").kind, LineKind::Unknown);
}

struct CodeCase {
    const char* argument;
    CodeTest::Status status;
    CodeOperator op;
    int16_t value;
    const char* target;
};

TEST(CodeLine, ParsesOperatorValueAndTarget) {
    const CodeCase cases[] = {
        {"<>0:FAIL", CodeTest::Status::Ok, CodeOperator::NotEqual, 0, "FAIL"},
        {"<=3:L", CodeTest::Status::Ok, CodeOperator::LessOrEqual, 3, "L"},
        {">=9 :  END", CodeTest::Status::Ok, CodeOperator::GreaterOrEqual, 9, "END"},
        {"=9:ERR", CodeTest::Status::Ok, CodeOperator::Equal, 9, "ERR"},
        {"<5:L", CodeTest::Status::Ok, CodeOperator::Less, 5, "L"},
        {">5:L", CodeTest::Status::Ok, CodeOperator::Greater, 5, "L"},
        {" =  -3  :L", CodeTest::Status::Ok, CodeOperator::Equal, -3, "L"},
        {"=:L", CodeTest::Status::Ok, CodeOperator::Equal, 0, "L"},
        {"=ABC:L", CodeTest::Status::Ok, CodeOperator::Equal, 0, "L"},
        {"=32767:L", CodeTest::Status::Ok, CodeOperator::Equal, 32767, "L"},
        {"=-32768:L", CodeTest::Status::Ok, CodeOperator::Equal, -32768, "L"},
        {"=0:", CodeTest::Status::Ok, CodeOperator::Equal, 0, ""},
        // "<>" is tried before "<" and ">": a not-equal test is never read as less-than.
        {"<>5:L", CodeTest::Status::Ok, CodeOperator::NotEqual, 5, "L"},
        // The first operator of the list that occurs before the colon wins, wherever it stands.
        {"<3=4:L", CodeTest::Status::Ok, CodeOperator::Equal, 4, "L"},
        // Operators after the colon do not count.
        {"0:L=1", CodeTest::Status::NoOperator, CodeOperator::Equal, 0, ""},
        {" 0:L", CodeTest::Status::NoOperator, CodeOperator::Equal, 0, ""},
        {"=0", CodeTest::Status::NoColon, CodeOperator::Equal, 0, ""},
        {"", CodeTest::Status::NoColon, CodeOperator::Equal, 0, ""},
        // Target keeps colons after the first.
        {"=1:A:B", CodeTest::Status::Ok, CodeOperator::Equal, 1, "A:B"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argument);
        const CodeTest test = ParseCodeTest(c.argument);
        EXPECT_EQ(test.status, c.status);
        if (c.status != CodeTest::Status::Ok) continue;
        EXPECT_EQ(test.op, c.op);
        EXPECT_EQ(test.value, c.value);
        EXPECT_EQ(test.target, c.target);
    }
}

TEST(CodeLine, ValueBeyondSixteenBitsOverflows) {
    for (const char* argument : {"=32768:L", "<>-32769:L", "=99999999999:L"}) {
        SCOPED_TRACE(argument);
        try {
            ParseCodeTest(argument);
            ADD_FAILURE() << "no overflow";
        } catch (const RunError& e) {
            EXPECT_EQ(e.number(), kErrOverflow);
        }
    }
}

TEST(CodeLine, ComparesSigned) {
    struct Case {
        CodeOperator op;
        int32_t last;
        int16_t value;
        bool holds;
    };
    const Case cases[] = {
        {CodeOperator::NotEqual, 0, 0, false},
        {CodeOperator::NotEqual, 9, 0, true},
        {CodeOperator::LessOrEqual, -1, 0, true},
        {CodeOperator::LessOrEqual, 1, 0, false},
        {CodeOperator::LessOrEqual, 0, 0, true},
        {CodeOperator::GreaterOrEqual, 9, 9, true},
        {CodeOperator::GreaterOrEqual, 8, 9, false},
        {CodeOperator::Equal, 9, 9, true},
        {CodeOperator::Equal, -9, 9, false},
        {CodeOperator::Less, -1, 0, true},
        {CodeOperator::Less, 0, 0, false},
        {CodeOperator::Greater, 1, 0, true},
        // Exit code 0xFFFFFFFF is -1, not 4294967295.
        {CodeOperator::Less, static_cast<int32_t>(0xFFFFFFFFu), 0, true},
        {CodeOperator::Equal, static_cast<int32_t>(0xFFFFFFFFu), -1, true},
        {CodeOperator::Greater, 70000, 32767, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CodeHolds(c.op, c.last, c.value), c.holds)
            << static_cast<int>(c.op) << " " << c.last << " " << c.value;
    }
}

TEST(ProgramLineSplit, NameAndParameters) {
    struct Case {
        const char* argument;
        const char* name;
        const char* parameters;
    };
    const Case cases[] = {
        {"", "", ""},
        {"X", "X", ""},
        {"<", "<", ""},
        {"<C:\\PROGRAM FILES\\TOOLS\\BACKUP.EXE> /Q", "C:\\PROGRAM FILES\\TOOLS\\BACKUP.EXE", "/Q"},
        {"<C:\\A B\\X.EXE>", "C:\\A B\\X.EXE", ""},
        {"<C:\\X.EXE>   /A /B  ", "C:\\X.EXE", "/A /B"},
        {"<C:\\X.EXE>/A", "C:\\X.EXE", "/A"},
        {"<>", "", ""},
        {"\"C:\\A B\\X.EXE\" -V", "C:\\A B\\X.EXE", "-V"},
        {"\"C:\\A B\\X.EXE\"", "C:\\A B\\X.EXE", ""},
        {"\"\"", "", ""},
        // Without the closing mark the first blank splits, mark included.
        {"<C:\\A B\\X.EXE /Q", "<C:\\A", "B\\X.EXE /Q"},
        {"\"C:\\A B", "\"C:\\A", "B"},
        {"NOTEPAD.EXE  A.TXT", "NOTEPAD.EXE", " A.TXT"},
        {"NOTEPAD.EXE", "NOTEPAD.EXE", ""},
        {"X.EXE ", "X.EXE", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argument);
        const ProgramLine line = SplitProgramLine(c.argument);
        EXPECT_EQ(line.name, c.name);
        EXPECT_EQ(line.parameters, c.parameters);
    }
}

TEST(ProgramExtension, ExtensionRule) {
    struct Case {
        const char* path;
        const char* extension;
    };
    const Case cases[] = {
        {"C:\\TOOLS\\X.EXE", "EXE"},
        {"C:\\TOOLS\\x.bat", "BAT"},
        {"C:\\DATA\\REPORT.XLS", "XLS"},
        {"C:\\DATA.D\\README", ""},
        {"C:\\DATA\\ARCHIVE.TAR.GZ", "GZ"},
        {"C:\\X.EXE|3", "EXE"},
        {"C:\\X.EXE|3|4", "EXE"},
        {"C:\\X.|3", ""},
        {".EXE", ""},
        {"A.EXE", "EXE"},
        {"HTTP://WWW.EXAMPLE.COM/A.EXE", ""},
        {"https://example.com/a.exe", ""},
        {"HTTPX.EXE", "EXE"},
        {"", ""},
        {"C:\\日本語\\資料.Txt", "TXT"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(ProgramExtension(c.path), c.extension);
    }
    for (const char* program : {"EXE", "COM", "BAT", "PIF"}) EXPECT_TRUE(IsProgramExtension(program));
    for (const char* other : {"", "TVS", "LNK", "EX", "EXEX", "exe"}) EXPECT_FALSE(IsProgramExtension(other));
}

TEST(ProgramCommandLine, QuotesPathAndAlwaysWritesTheBlank) {
    EXPECT_EQ(ProgramCommandLine("C:\\A B\\X.EXE", "/Q"), "\"C:\\A B\\X.EXE\" /Q");
    EXPECT_EQ(ProgramCommandLine("C:\\X.EXE", ""), "\"C:\\X.EXE\" ");
}

TEST(SleepLine, SecondsBecomeMilliseconds) {
    struct Case {
        const char* argument;
        int16_t milliseconds;
    };
    const Case cases[] = {
        {"1.5", 1500},     {"0", 0},      {"", 0},       {"ABC", 0},    {"2 SECONDS", 2000},
        {"32.767", 32767}, {"0.0005", 0}, {"0.0015", 2}, {"-1", -1000}, {"  3", 3000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argument);
        EXPECT_EQ(SleepMilliseconds(c.argument), c.milliseconds);
    }
    for (const char* tooLong : {"40", "32.768", "-33"}) {
        SCOPED_TRACE(tooLong);
        EXPECT_THROW(SleepMilliseconds(tooLong), RunError);
    }
}

TEST(RemoteLineParser, ComputerAndParameters) {
    struct Case {
        const char* argument;
        const char* computer;
        const char* parameters;
    };
    const Case cases[] = {
        {"PC01 HELLO WORLD", "PC01", "HELLO WORLD"},
        {"PC01   A:B  ", "PC01", "A:B"},
        {"PC01", "PC01", ""},
        {"P", "P", ""},
        {"", "", ""},
        {". 3 12", ".", "3 12"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.argument);
        const RemoteLine line = ParseRemoteLine(c.argument);
        EXPECT_EQ(line.computer, c.computer);
        EXPECT_EQ(line.parameters, c.parameters);
    }
}

TEST(RemotePressParser, PageAndButton) {
    const auto press = ParseRemotePress("3 12");
    ASSERT_TRUE(press);
    EXPECT_EQ(press->page, 3);
    EXPECT_EQ(press->button, 12);
    EXPECT_TRUE(press->InRange());
    EXPECT_EQ(RemotePressMessage(*press), "0312");
    EXPECT_EQ(RemotePressMessage({99, 24}), "9924");
    EXPECT_EQ(RemotePressMessage({1, 1}), "0101");
    EXPECT_FALSE(ParseRemotePress("3"));
    EXPECT_FALSE(ParseRemotePress(""));

    struct Range {
        const char* parameters;
        bool inRange;
    };
    const Range ranges[] = {{"1 1", true},   {"99 24", true}, {"0 5", false},  {"100 1", false},
                            {"1 25", false}, {"1 0", false},  {"-1 3", false}, {"X Y", false}};
    for (const auto& r : ranges) {
        SCOPED_TRACE(r.parameters);
        const auto parsed = ParseRemotePress(r.parameters);
        ASSERT_TRUE(parsed);
        EXPECT_EQ(parsed->InRange(), r.inRange);
    }
    EXPECT_THROW(ParseRemotePress("40000 1"), RunError);
    EXPECT_THROW(ParseRemotePress("1 40000"), RunError);
}

TEST(RemoteTextMessage, JoinsMarkerSenderAndText) {
    EXPECT_EQ(RemoteTextMessage("WS01", "HELLO: WORLD"), "9999WS01:HELLO: WORLD");
}

}  // namespace
}  // namespace torva::script
