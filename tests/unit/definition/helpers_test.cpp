// Fields, colour codes, program texts, path checks and the small text services.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>

#include "common/utf8.h"
#include "definition/colour_codes.h"
#include "definition/command_text.h"
#include "definition/field_tokenizer.h"
#include "definition/path_check.h"
#include "definition/text_helpers.h"
#include "tests/support/fake_file_system.h"

namespace torva::definition {
namespace {

TEST(Fields, QuotedAndUnquoted) {
    struct Case {
        const char* line;
        std::vector<std::string> fields;
    } cases[] = {
        {"a,b", {"a", "b"}},
        {"  a  , b ", {"a", "b"}},
        {"a,,", {"a", "", ""}},
        {"\"x, y\",z", {"x, y", "z"}},
        {"  \" pad \" ignored ,next", {" pad ", "next"}},
        {"\"open, to end", {"open, to end"}},
        {"\"\",", {"", ""}},
        {"", {""}},
        {"ＭＳ 明朝,Regular", {"ＭＳ 明朝", "Regular"}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitFields(c.line), c.fields) << c.line;
}

TEST(Fields, KeyIsTrimmedAndUpperCasedAndCommentsKeepTheRest) {
    const ParsedLine page = ParseLine(" [page2] ");
    EXPECT_EQ(page.key, "[PAGE2]");
    EXPECT_TRUE(page.fields.empty());
    const ParsedLine cmd = ParseLine("cmd3,\"a\",b");
    EXPECT_EQ(cmd.key, "CMD3");
    EXPECT_EQ(cmd.Field(1), "a");
    EXPECT_EQ(cmd.Field(2), "b");
    EXPECT_EQ(cmd.Field(3), "");
    const ParsedLine comment = ParseLine("*,a,b");
    EXPECT_TRUE(comment.isComment);
    EXPECT_EQ(comment.comment, "a,b");
    EXPECT_EQ(ParseLine("*comment").comment, "");
    EXPECT_EQ(ParseLine("*, spaced ").comment, " spaced ");
}

TEST(Fields, LinesEndAtCrLfAndAtLoneLineEnds) {
    const std::vector<std::string_view> expected{"a", "b", "", "c", "d"};
    EXPECT_EQ(SplitLines("a\r\nb\r\n\r\nc\nd"), expected);
    EXPECT_EQ(SplitLines("a\r\n").size(), 1u);
    EXPECT_TRUE(SplitLines("").empty());
    const std::vector<std::string_view> mixed{"a", "", "b", "", "c"};
    EXPECT_EQ(SplitLines("a\n\rb\r\rc\r"), mixed);
    EXPECT_EQ(SplitLines("\r\n\r\n"), (std::vector<std::string_view>{"", ""}));
}

// Lines and fields of every length up to a few words, ends of every kind: the searches go eight bytes
// a step, and every position of a line end or comma within and after a word must be found.
TEST(Fields, LineEndsAndCommasAtEveryPosition) {
    static constexpr std::string_view kEnds[] = {"\r\n", "\n", "\r"};
    std::string text;
    std::vector<std::string> lines;
    for (std::size_t length = 0; length < 40; ++length) {
        std::string line;
        for (std::size_t i = 0; i < length; ++i) line += static_cast<char>(i % 3 == 2 ? ',' : 'a' + i % 26);
        lines.push_back(line);
        text += line;
        text += kEnds[length % 3];
    }
    const std::vector<std::string_view> split = SplitLines(text);
    ASSERT_EQ(split.size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(split[i], lines[i]) << i;
        const ParsedLine parsed = ParseLine(split[i]);
        EXPECT_EQ(parsed.fields.size(),
                  lines[i].empty() ? 0 : std::count(lines[i].begin(), lines[i].end(), ','))
            << i;
    }
    // A final line without an end, longer than a word.
    EXPECT_EQ(SplitLines("first\nsecond line without end").back(), "second line without end");
}

// The lines and fields of a text taken apart byte by byte, the plain way: what the scan of whole blocks
// must give.
struct PlainLine {
    std::string_view line;
    std::vector<std::string_view> fields;  // the key first, as written
};

std::vector<PlainLine> PlainSplit(std::string_view text) {
    std::vector<PlainLine> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = pos;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
        PlainLine plain{text.substr(pos, end - pos), {}};
        const std::string_view line = plain.line;
        for (std::size_t f = 0;;) {
            while (f < line.size() && line[f] == ' ') ++f;
            std::size_t comma = f;
            std::string_view value;
            const bool quoted = f < line.size() && line[f] == '"';
            if (quoted) {
                const std::size_t close = line.find('"', f + 1);
                if (close == std::string_view::npos) {
                    plain.fields.push_back(line.substr(f + 1));
                    break;
                }
                value = line.substr(f + 1, close - f - 1);
                comma = close + 1;
            }
            while (comma < line.size() && line[comma] != ',') ++comma;
            if (!quoted) {
                std::size_t last = comma;
                while (last > f && line[last - 1] == ' ') --last;
                value = line.substr(f, last - f);
            }
            plain.fields.push_back(value);
            if (comma >= line.size()) break;
            f = comma + 1;
        }
        lines.push_back(plain);
        if (end == text.size()) break;
        pos = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

TEST(Fields, ScannedLinesAndFieldsMatchTheBytesTakenOneByOne) {
    // Texts of every length around the scan's blocks of 64 bytes, marks at every position in them.
    static constexpr std::string_view kPieces[] = {"a", "b", " ", ",", "\"", "\r", "\n", "\r\n", "漢", "*"};
    std::mt19937 rng(16);
    for (int round = 0; round < 400; ++round) {
        std::string text;
        const int pieces = std::uniform_int_distribution<int>(0, 260)(rng);
        // Some texts rarely end a line, so that lines run across blocks.
        const int lineEndOneIn = round % 2 == 0 ? 1 : 40;
        while (static_cast<int>(text.size()) < pieces) {
            const std::size_t piece = std::uniform_int_distribution<std::size_t>(0, 9)(rng);
            if (piece >= 5 && piece <= 7 && std::uniform_int_distribution<int>(1, lineEndOneIn)(rng) != 1)
                continue;
            text += kPieces[piece];
        }
        const std::vector<PlainLine> expected = PlainSplit(text);
        const std::vector<std::string_view> lines = SplitLines(text);
        ASSERT_EQ(lines.size(), expected.size()) << text;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            ASSERT_EQ(lines[i], expected[i].line) << text;
            const ParsedLine parsed = ParseLine(lines[i]);
            const std::vector<std::string_view>& fields = expected[i].fields;
            if (!fields[0].empty() && fields[0][0] == '*') {
                EXPECT_TRUE(parsed.isComment) << lines[i];
                continue;
            }
            EXPECT_FALSE(parsed.isComment) << lines[i];
            EXPECT_EQ(parsed.key, UpperLetters(TrimBlanks(fields[0]))) << lines[i];
            EXPECT_EQ(parsed.fields, std::vector<std::string_view>(fields.begin() + 1, fields.end()))
                << lines[i];
        }
    }
}

TEST(Fields, LinesOfAScannedTextMatchTheBytesTakenOneByOne) {
    // Lines as files hold them: fields plain, blank-padded or quoted (commas and blanks inside, text
    // after the closing quote), mostly in pairs of quotes; now and then a stray quote, a quote left
    // open, a comment, a line longer than eight blocks. A scanned text's line is cut as a whole where
    // its quotes pair up and field by field otherwise: both must give what the bytes one by one give.
    static constexpr std::string_view kCommon[] = {"",       "a",        "CMD12", " ab ",      "  ",
                                                   "x  y",   "\"x, y\"", "\"\"",  " \" q \" ", "\"a\"tail",
                                                   "漢字 ｱ", "\",\"",    "b  "};
    static constexpr std::string_view kRare[] = {"b\"c", "\"open, to end", "*c", "\"a\"b\"c", "a\"b\"c"};
    std::mt19937 rng(61);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    std::string text;
    for (int line = 0; line < 4000; ++line) {
        const int count = line % 500 == 0 ? 160 : pick(1, 24);
        for (int f = 0; f < count; ++f) {
            if (f > 0) text += ',';
            text += pick(1, 60) == 1 ? kRare[pick(0, 4)] : kCommon[pick(0, 12)];
        }
        text += line % 7 == 0 ? "\n" : "\r\n";
    }
    text += "last,\"line\"";  // no line end after it
    const std::vector<PlainLine> expected = PlainSplit(text);
    TextScan scan;
    scan.Scan(text);
    ParsedLine parsed;
    std::size_t pos = 0;
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t i = 0;
    for (; scan.NextLine(pos, begin, end); ++i) {
        ASSERT_LT(i, expected.size());
        scan.ParseLine(begin, end, parsed);
        const std::string_view line = std::string_view(text).substr(begin, end - begin);
        const std::vector<std::string_view>& fields = expected[i].fields;
        if (!fields[0].empty() && fields[0][0] == '*') {
            EXPECT_TRUE(parsed.isComment) << line;
            EXPECT_EQ(parsed.comment, ParseLine(line).comment) << line;
            continue;
        }
        EXPECT_FALSE(parsed.isComment) << line;
        EXPECT_EQ(parsed.key, UpperLetters(TrimBlanks(fields[0]))) << line;
        EXPECT_EQ(parsed.fields, std::vector<std::string_view>(fields.begin() + 1, fields.end())) << line;
    }
    EXPECT_EQ(i, expected.size());
}

TEST(Fields, ACopiedLineKeepsItsOwnUpperCasedKey) {
    // A key with lower-case letters lives in the line's own buffer: a copy must hold it in its own.
    ParsedLine original = ParseLine("cmd3,x");
    const ParsedLine copy = original;
    original = ParseLine("page,y");
    EXPECT_EQ(copy.key, "CMD3");
    EXPECT_EQ(original.key, "PAGE");
    EXPECT_EQ(ParseLine(" ｃｍｄ,z").key, "ＣＭＤ");
}

TEST(Fields, AReusedLineHoldsOnlyTheLastLineParsed) {
    // A reader parses every line into the same ParsedLine: nothing of a longer line or of another
    // kind of line may remain.
    ParsedLine parsed;
    ParseLine("cmd1,a,b,c,d", parsed);
    ParseLine("title1,x", parsed);
    EXPECT_FALSE(parsed.isComment);
    EXPECT_EQ(parsed.key, "TITLE1");
    ASSERT_EQ(parsed.fields.size(), 1u);
    EXPECT_EQ(parsed.Field(1), "x");
    EXPECT_EQ(parsed.Field(2), "");
    ParseLine("*,note", parsed);
    EXPECT_TRUE(parsed.isComment);
    EXPECT_EQ(parsed.key, "");
    EXPECT_TRUE(parsed.fields.empty());
    EXPECT_EQ(parsed.comment, "note");
    ParseLine(" [page2] ", parsed);
    EXPECT_FALSE(parsed.isComment);
    EXPECT_EQ(parsed.comment, "");
    EXPECT_EQ(parsed.key, "[PAGE2]");
}

TEST(ColourCodes, EveryTableCodeReadsItsValueAndComesBackCanonical) {
    for (const auto& entry : kColourTable) {
        for (int level = 1; level <= 6; ++level) {
            const std::string code{entry.letter, static_cast<char>('0' + level)};
            const Colour value = colourFromCode(code, ColourContext::ButtonBack);
            EXPECT_EQ(value, entry.levels[static_cast<std::size_t>(level - 1)]) << code;
            const std::string canonical = codeFromColour(value);
            EXPECT_EQ(colourFromCode(canonical, ColourContext::ButtonBack), value) << code;
        }
        EXPECT_EQ(colourFromCode(std::string(1, entry.letter), ColourContext::TitleText), entry.levels[2]);
    }
}

TEST(ColourCodes, CanonicalCodes) {
    struct Case {
        Colour value;
        const char* code;
    } cases[] = {{0x000000, "M"},         {0xFFFFFF, "W"},          {0x808080, "W5"},
                 {0xC0C0C0, "W4"},        {0xE0E0E0, "M1"},         {0xFFC0C0, "B1"},
                 {0x0000FF, "R"},         {0x404080, "O6"},         {kTransparent, "X"},
                 {kSemiTransparent, "H"}, {kDefaultBackColour, ""}, {kDefaultTextColour, ""},
                 {0x123456, ""}};
    for (const auto& c : cases) EXPECT_EQ(codeFromColour(c.value), c.code) << std::hex << c.value;
}

TEST(ColourCodes, ReadingTrimsUpperCasesAndFallsBackToTheContextDefault) {
    std::string code = " b1 ";
    ColourContext context = ColourContext::BarBack;
    EXPECT_EQ(colourFromCode(code, context), 0xFFC0C0u);
    EXPECT_EQ(code, "B1");
    for (const char* unknown : {"", "Z", "B7", "B0", "BB", "X1", "M33"}) {
        EXPECT_EQ(colourFromCode(unknown, ColourContext::ButtonBack), kDefaultBackColour) << unknown;
        EXPECT_EQ(colourFromCode(unknown, ColourContext::ButtonCaption), kDefaultTextColour) << unknown;
        EXPECT_EQ(colourFromCode(unknown, ColourContext::TitleText), kDefaultTextColour) << unknown;
        EXPECT_EQ(colourFromCode(unknown, ColourContext::TitleBack), kDefaultBackColour) << unknown;
    }
    std::string picture = "pic:c:\\a.bmp";
    context = ColourContext::BarBack;
    EXPECT_EQ(colourFromCode(picture, context), kDefaultBackColour);
    EXPECT_EQ(context, ColourContext::Picture);
    EXPECT_EQ(picture, "PIC:C:\\A.BMP");
    EXPECT_EQ(colourFromCode("x", ColourContext::ButtonBack), kTransparent);
    EXPECT_EQ(colourFromCode("h", ColourContext::ButtonBack), kSemiTransparent);
}

TEST(ColourCodes, TheReadersLookUpAgreesWithTheConversionThatKeepsTheCode) {
    // Every code of one and two bytes, blanks around some: the readers' form looks codes up in tables
    // instead of converting them as the editor's form does, and must give the same colour.
    std::vector<std::string> codes;
    for (int first = 0; first < 256; ++first) {
        codes.emplace_back(1, static_cast<char>(first));
        for (int second = 0; second < 256; ++second)
            codes.push_back(std::string{static_cast<char>(first), static_cast<char>(second)});
    }
    codes.push_back(" b ");
    codes.push_back("  W5");
    codes.push_back("x ");
    for (const auto& text : codes) {
        for (const auto context :
             {ColourContext::ButtonBack, ColourContext::ButtonCaption, ColourContext::TitleText}) {
            std::string kept = text;
            ColourContext keptContext = context;
            const Colour expected = colourFromCode(kept, keptContext);
            if (keptContext == ColourContext::Picture) continue;
            ASSERT_EQ(colourFromCode(std::string_view(text), context), expected) << text;
        }
    }
}

TEST(ColourCodes, NamesArePaddedForTheListing) {
    EXPECT_EQ(colourName("W5"), "W5(白)    ");
    EXPECT_EQ(colourName("B1"), "B1(青)    ");
    EXPECT_EQ(colourName("X"), "X(透過)  ");
    EXPECT_EQ(colourName("H"), "H(半透過)");
    EXPECT_EQ(colourName(""), "(省略)   ");
    EXPECT_EQ(colourName("Z"), "(省略)   ");
    const char* modes[] = {"非同期", "同期", "同期/ﾒﾆｭｰ非表示", "同期/ﾒﾆｭｰﾛｯｸ", "同期/ﾒﾆｭｰﾛｯｸ非表示"};
    for (int m = 0; m < 5; ++m) EXPECT_EQ(waitModeName(m), modes[m]);
    EXPECT_EQ(waitModeName(5), "");
    EXPECT_EQ(waitModeName(-1), "");
}

TEST(TextHelpers, FileExtension) {
    struct Case {
        const char* path;
        const char* ext;
    } cases[] = {{"C:\\A.B\\file|3", ""}, {"C:\\x\\Prog.Dll|3", "DLL"},
                 {"http://a/b.exe", ""},  {"HTTPS:x.ico", ""},
                 {"a.ico", "ICO"},        {".profile", ""},
                 {"C:\\a\\b", ""},        {"noext", ""},
                 {"a.exe|1|2", "EXE"},    {"表示.ｔｘｔ", "ＴＸＴ"}};
    for (const auto& c : cases) EXPECT_EQ(fileExtension(c.path), c.ext) << c.path;
}

TEST(TextHelpers, CutToBytesDropsAHalfCharacter) {
    EXPECT_EQ(cutToBytes("abcdef", 3), "abc");
    EXPECT_EQ(cutToBytes("ab", 10), "ab");
    EXPECT_EQ(cutToBytes("a漢字", 2), "a");
    EXPECT_EQ(cutToBytes("a漢字", 3), "a漢");
    EXPECT_EQ(cutToBytes("ｱｲｳ", 2), "ｱｲ");  // half-width kana are one byte each
    EXPECT_EQ(cutToBytes("漢", 0), "");
}

TEST(TextHelpers, FaceNameBytesRoundTripAndNeverOverflow) {
    std::array<char, 32> bytes{};
    EXPECT_EQ(faceNameToBytes(bytes, "ＭＳ 明朝"), 9u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0x82);  // "Ｍ" is 0x826C, high byte first
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0x6C);
    EXPECT_EQ(bytes[9], '\0');
    EXPECT_EQ(faceNameFromBytes(bytes), "ＭＳ 明朝");
    std::array<char, 4> small{};
    EXPECT_EQ(faceNameToBytes(small, "漢字x"), 2u);  // the second character would not leave room for the zero
    EXPECT_EQ(faceNameFromBytes(small), "漢");
    const std::array<char, 3> unterminated{'a', 'b', 'c'};
    EXPECT_EQ(faceNameFromBytes(unterminated), "abc");
}

TEST(ProgramText, Split) {
    struct Case {
        const char* text;
        const char* program;
        const char* arguments;
    } cases[] = {
        {"<C:\\Program Files\\A\\a.exe> -x", "C:\\Program Files\\A\\a.exe", "-x"},
        {"<C:\\A B\\a.exe", "<C:\\A", "B\\a.exe"},
        {"  notepad.exe   a b  ", "notepad.exe", "a b"},
        {"calc.exe", "calc.exe", ""},
        {"<x>", "x", ""},
        {"<", "<", ""},
        {"<>", "", ""},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        const ProgramText split = splitProgramText(c.text);
        EXPECT_EQ(split.program, c.program) << c.text;
        EXPECT_EQ(split.arguments, c.arguments) << c.text;
    }
}

TEST(CommandTextForms, EveryWordAndPrefixInAnyCaseAndTheirNearMisses) {
    struct Case {
        const char* text;
        CommandForm form;
        ButtonAction action;  // Simple only
        const char* rest;     // prefixed forms only
    } cases[] = {
        {"END", CommandForm::Simple, ButtonAction::End, ""},
        {"end", CommandForm::Simple, ButtonAction::End, ""},
        {"SCR", CommandForm::Simple, ButtonAction::ScreenSaver, ""},
        {"LoFf", CommandForm::Simple, ButtonAction::Logoff, ""},
        {"sdwn", CommandForm::Simple, ButtonAction::Shutdown, ""},
        {"poff", CommandForm::Simple, ButtonAction::PowerOff, ""},
        {"Rebt", CommandForm::Simple, ButtonAction::Reboot, ""},
        {"PAGE7", CommandForm::Page, ButtonAction::None, "7"},
        {"pagex", CommandForm::Page, ButtonAction::None, "x"},
        {"Cmd:a b", CommandForm::Run, ButtonAction::None, "a b"},
        {"rsdwn:PC", CommandForm::RemoteShutdown, ButtonAction::None, "PC"},
        {"RREBT:", CommandForm::RemoteReboot, ButtonAction::None, ""},
        {"rmsg:PC hi", CommandForm::RemoteMessage, ButtonAction::None, "PC hi"},
        {"RCTL:PC 1 2", CommandForm::RemoteControl, ButtonAction::None, "PC 1 2"},
        {"ENDS", CommandForm::Unknown, ButtonAction::None, ""},
        {"SC", CommandForm::Unknown, ButtonAction::None, ""},
        {"SCRX", CommandForm::Unknown, ButtonAction::None, ""},
        {"LOF", CommandForm::Unknown, ButtonAction::None, ""},
        {"POFFX", CommandForm::Unknown, ButtonAction::None, ""},
        {"PAG", CommandForm::Unknown, ButtonAction::None, ""},
        {"CMD", CommandForm::Unknown, ButtonAction::None, ""},
        {"RSDWN", CommandForm::Unknown, ButtonAction::None, ""},
        {"RMSG", CommandForm::Unknown, ButtonAction::None, ""},
        {"RCTL", CommandForm::Unknown, ButtonAction::None, ""},
        {"REBTX", CommandForm::Unknown, ButtonAction::None, ""},
        {"XEND", CommandForm::Unknown, ButtonAction::None, ""},
        {"", CommandForm::Unknown, ButtonAction::None, ""},
        {"   ", CommandForm::Unknown, ButtonAction::None, ""},
        {"ＥＮＤ", CommandForm::Unknown, ButtonAction::None, ""},
    };
    for (const auto& c : cases) {
        const std::string text = std::string("  ") + c.text + " ";
        const CommandText command = classifyCommand(text);
        EXPECT_EQ(command.form, c.form) << c.text;
        EXPECT_EQ(command.simpleAction, c.action) << c.text;
        EXPECT_EQ(command.rest, c.rest) << c.text;
    }
}

TEST(CommandTextForms, ClassifiedByUpperCasedPrefix) {
    EXPECT_EQ(classifyCommand(" sdwn ").simpleAction, ButtonAction::Shutdown);
    EXPECT_EQ(classifyCommand("ENDX").form, CommandForm::Unknown);
    EXPECT_EQ(classifyCommand("page12").form, CommandForm::Page);
    const CommandText run = classifyCommand(" cmd:Notepad.exe a ");
    EXPECT_EQ(run.form, CommandForm::Run);
    EXPECT_EQ(run.rest, "Notepad.exe a");
    EXPECT_EQ(classifyCommand("rsdwn:PC").form, CommandForm::RemoteShutdown);
    const RemoteControlText rc = splitRemoteControlText(" PC1   3  7 ");
    EXPECT_EQ(rc.computer, "PC1");
    EXPECT_EQ(rc.pageText, "3");
    EXPECT_EQ(rc.buttonText, "7");
    EXPECT_FALSE(splitRemoteControlText("PC1 3").complete());
    const RemoteText message = splitRemoteText("PC2  hello  world ");
    EXPECT_EQ(message.computer, "PC2");
    EXPECT_EQ(message.message, "hello  world");
}

TEST(PathCheckOrder, SearchFoldersAreTriedInOrder) {
    testing::FakeFileSystem files;
    const SearchFolders folders{"C:\\MENU", "C:\\TORVA", "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32"};
    files.AddFile("C:\\WINDOWS\\SYSTEM32\\CALC.EXE");
    PathCheck check = checkPath("calc.exe", true, folders, files);
    EXPECT_EQ(check.status, PathStatus::Relative);
    EXPECT_EQ(check.base, 4);
    EXPECT_EQ(files.lookups, 4);  // definition, program and Windows folder were tried first
    files.AddFile("C:\\TORVA\\CALC.EXE");
    check = checkPath("calc.exe", true, folders, files);
    EXPECT_EQ(check.base, 2);
    EXPECT_EQ(check.folder, "C:\\TORVA");
    files.AddFile("C:\\MENU\\CALC.EXE");
    EXPECT_EQ(checkPath("CALC.EXE", true, folders, files).base, 1);
    SearchFolders noDefinition = folders;
    noDefinition.definitionFolder.clear();
    EXPECT_EQ(checkPath("calc.exe", true, noDefinition, files).base, 2);
}

TEST(PathCheckOrder, Forms) {
    testing::FakeFileSystem files;
    files.AddFile("C:\\A.EXE");
    files.AddFile("\\\\SRV\\S\\A.EXE");
    const SearchFolders folders{"C:\\MENU", "C:\\TORVA", "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32"};
    struct Case {
        const char* text;
        bool address;
        PathStatus status;
    } cases[] = {
        {"", true, PathStatus::Empty},
        {"\\", true, PathStatus::Empty},
        {":", true, PathStatus::Empty},
        {"C:", true, PathStatus::Empty},
        {"\\\\", true, PathStatus::Empty},
        {"C:\\A.EXE", true, PathStatus::Absolute},
        {"c:\\a.exe", true, PathStatus::Absolute},
        {"C:\\B.EXE", true, PathStatus::NotFound},
        {"\\\\SRV\\S\\A.EXE", true, PathStatus::Absolute},
        {"\\A.EXE", true, PathStatus::NotAllowed},
        {"http://x/y", true, PathStatus::Address},
        {"HTTPS:x", true, PathStatus::Address},
        {"http://x/y", false, PathStatus::NotFound},
        {"a", true, PathStatus::NotFound},
        {"漢:", true, PathStatus::Empty},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checkPath(c.text, c.address, folders, files).status, c.status) << c.text;
}

TEST(PathCheckOrder, AbsolutePathOfBases) {
    const SearchFolders folders{"C:\\", "C:\\TORVA", "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32"};
    EXPECT_EQ(absolutePath("a.exe", 0, folders), "a.exe");
    EXPECT_EQ(absolutePath("a.exe", 1, folders), "C:\\a.exe");
    EXPECT_EQ(absolutePath("a.exe", 4, folders), "C:\\WINDOWS\\SYSTEM32\\a.exe");
    EXPECT_EQ(absolutePath("a.exe", 5, folders), "");
}

}  // namespace
}  // namespace torva::definition
