// A model read into again: clearing keeps the texts' buffers but must leave nothing of the earlier
// definition behind, and a reading must give the same model whatever the model held before.
#include <gtest/gtest.h>

#include <functional>

#include "tests/unit/definition/definition_fixture.h"
#include "tests/unit/definition/model_generator.h"

namespace torva::definition {
namespace {

using testing::DefinitionFixture;
using testing::Lines;
using testing::ModelGenerator;

// One text read into a fresh model and into a model that held a full definition (made from seed,
// then changed by spoil): the second must equal the first, and again when it is read into once more,
// reusing the buffers the first reading left.
struct TwoReadings {
    TwoReadings(const std::string& text, ReaderKind kind, unsigned seed,
                const std::function<void(MenuDefinition&)>& spoil = {}) {
        expected = fresh.Read(text, kind);
        ModelGenerator(seed).FillFull(*reused.def);
        if (spoil) spoil(*reused.def);
        actual = reused.Read(text, kind);
        EXPECT_TRUE(*reused.def == *fresh.def) << "kind " << static_cast<int>(kind);
        reused.Read(text, kind);
        EXPECT_TRUE(*reused.def == *fresh.def) << "kind " << static_cast<int>(kind) << ", read again";
    }
    DefinitionFixture fresh;
    DefinitionFixture reused;
    ReadResult expected;
    ReadResult actual;
};

TEST(ModelReuse, ClearingAFullModelGivesAFreshOne) {
    for (const unsigned seed : {1u, 2u, 3u}) {
        auto def = std::make_unique<MenuDefinition>();
        ModelGenerator(seed).FillFull(*def);
        def->commonBackground = true;
        clearDefinition(*def);
        const auto fresh = std::make_unique<MenuDefinition>();
        EXPECT_TRUE(*def == *fresh) << seed;
    }
}

TEST(ModelReuse, ClearingAButtonWithEveryFieldSetGivesAFreshOne) {
    MenuButton b;
    b.icon = "C:\\ICONS\\A LONG ICON FILE NAME.ICO|3";
    b.iconBase = kBaseProgramFolder;
    b.pfKey = true;
    b.caption = "キャプション";
    b.fontName = "ＭＳ ゴシック";
    b.fontStyle = "Bold Italic";
    b.fontSize = 24;
    b.foreColour = 0x123456;
    b.backColour = kTransparent;
    b.comment = "comment";
    b.password = "password";
    b.guide = "guide";
    b.workFolder = "C:\\WORK";
    b.action = ButtonAction::RemoteControl;
    b.program = "COMPUTER";
    b.programBase = kBaseSystemFolder;
    b.arguments = "arguments";
    b.targetPage = 7;
    b.runOption = 3;
    clearButton(b);
    EXPECT_TRUE(b == MenuButton{});
}

// Every kind of line, a dropped button line and a failed path among them: the model read into after
// a full definition equals the model read into fresh. So it does after a reading that a failure
// stopped (the buttons not read by then are as fresh as those after the end of a file) and after one
// that a run-time error ended.
TEST(ModelReuse, ReadingIntoAFullModelEqualsReadingIntoAFreshOne) {
    const std::string full = Lines({
        "*,a comment",
        "[VER8.05]",
        "[NCHK]",
        "[MODE9]",
        "[STREND]",
        "STR1,\"NOTEPAD.EXE -a\",1",
        "[TIMER]",
        "AFT1,01:02,1,3",
        "[PAGE1]",
        "PSTR1,\"NOTEPAD.EXE\",0",
        "VARTITLE,\"bar\",R,0",
        "TITLE1,\"title\",Arial,Bold,12,R,B",
        "CMD1,\"\",OFF,\"cap\",,,,,,\"tip\",\"\",\"CMD:NOTEPAD.EXE x\",2,\"pw\",\"gd\"",
        "CMD2,\"\",OFF,\"two\",,,,,,,,\"WHAT:EVER\",,,",
        "CMD3,\"\",OFF,\"three\",,,,,,,,\"CMD:MISSING.EXE\",0,,",
        "CMD4,\"\",OFF,\"four\",,,,,,,,PAGE1,,,",
        "[PAGE2]",
        "CMD24,\"\",OFF,\"last\",,,,,,,,END,,,",
    });
    const std::string stopped = Lines({
        "[VER8.05]",
        "[MODE9]",
        "[PAGE1]",
        "CMD1,\"\",OFF,\"cap\",,,,,,\"tip\",\"\",\"CMD:NOTEPAD.EXE x\",2,\"pw\",\"gd\"",
        "CMD3,\"\",OFF,\"three\",,,,,,,,\"CMD:MISSING.EXE\",0,,",
        "CMD4,\"\",OFF,\"four\",,,,,,,,PAGE1,,,",
    });
    const std::string overflow = Lines({
        "[VER8.05]",
        "[MODE9]",
        "[PAGE1]",
        "CMD2,\"\",OFF,\"two\",,,,,,,,END,,,",
        "CMD99999,\"\",OFF,\"too far\",,,,,,,,END,,,",
        "CMD4,\"\",OFF,\"four\",,,,,,,,PAGE1,,,",
    });
    struct Case {
        const std::string& text;
        bool runtimeStops;
        bool runtimeError;
    } cases[] = {{full, false, false}, {stopped, true, false}, {overflow, true, true}};
    for (const auto& [text, runtimeStops, runtimeError] : cases) {
        for (const auto kind : {ReaderKind::Runtime, ReaderKind::Editor}) {
            const TwoReadings r(text, kind, 5, [](MenuDefinition& def) {
                // Every field of every button set, so that a field a line leaves alone shows if it stays.
                for (auto& page : def.pages) {
                    for (auto& b : page.buttons) {
                        b.icon = b.workFolder = b.program = b.arguments = "stale";
                        b.iconBase = b.programBase = kBaseSystemFolder;
                        b.pfKey = true;
                        b.action = ButtonAction::RemoteControl;
                        b.targetPage = 9;
                        b.runOption = 3;
                    }
                }
            });
            if (kind == ReaderKind::Runtime) {
                EXPECT_EQ(r.expected.stopped, runtimeStops);
                EXPECT_EQ(r.expected.runErrorNumber != 0, runtimeError);
            }
            EXPECT_EQ(r.actual.failures.size(), r.expected.failures.size());
            EXPECT_EQ(r.actual.stopped, r.expected.stopped);
        }
    }
}

// A button given by more than one line: a later kept line replaces it whole, a later line that is
// dropped or that ends the reading leaves the earlier one, and a first line dropped leaves nothing.
TEST(ModelReuse, AButtonGivenAgainIsReplacedOnlyByAKeptLine) {
    struct Case {
        const char* name;
        ReaderKind kind;
        std::vector<std::string> lines;  // after the version line
        const char* caption;             // of button 1 after the reading
        ButtonAction action;
    } cases[] = {
        {"KeptAgain",
         ReaderKind::Runtime,
         {"[PAGE1]", "CMD1,,OFF,\"first\",,,,,,\"tip\",,END,,,", "CMD1,,OFF,\"second\",,,,,,,,SCR,,,"},
         "second",
         ButtonAction::ScreenSaver},
        {"DroppedAgain",
         ReaderKind::Runtime,
         {"[NCHK]", "[PAGE1]", "CMD1,,OFF,\"first\",,,,,,,,END,,,", "CMD1,,OFF,\"second\",,,,,,,,WHAT,,,"},
         "first",
         ButtonAction::End},
        {"EditorKeepsGoodValuesAgain",
         ReaderKind::Editor,
         {"[PAGE1]", "CMD1,,OFF,\"first\",,,,,,,,END,,,", "CMD1,,OFF,\"second\",,,,,,,,WHAT,,,"},
         "second",
         ButtonAction::None},
        {"StoppedAgain",
         ReaderKind::Runtime,
         {"[PAGE1]", "CMD1,,OFF,\"first\",,,,,,,,END,,,", "CMD1,\"C:\\NO.ICO\",OFF,\"second\",,,,,,,,SCR,,,"},
         "first",
         ButtonAction::End},
        {"DroppedFirst",
         ReaderKind::Runtime,
         {"[NCHK]", "[PAGE1]", "CMD1,,OFF,\"first\",,,,,,,,WHAT,,,"},
         "",
         ButtonAction::None},
        {"DroppedFirstThenKept",
         ReaderKind::Runtime,
         {"[NCHK]", "[PAGE1]", "CMD1,,OFF,\"first\",,,,,,,,WHAT,,,", "CMD1,,OFF,\"second\",,,,,,,,SCR,,,"},
         "second",
         ButtonAction::ScreenSaver},
    };
    for (const auto& c : cases) {
        const std::string text = "[VER8.05]\r\n" + Lines(c.lines);
        SCOPED_TRACE(c.name);
        const TwoReadings r(text, c.kind, 7);
        EXPECT_EQ(r.fresh.def->Page(1).Button(1).caption, c.caption);
        EXPECT_EQ(r.fresh.def->Page(1).Button(1).action, c.action);
    }
}

}  // namespace
}  // namespace torva::definition
