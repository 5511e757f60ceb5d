// The definition read back from dump's JSON: every field, the refusals that keep a build from losing
// what the JSON says, and the byte-for-byte round trip on generated definitions.
#include "tools/json_definition.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/unit/definition/definition_fixture.h"
#include "tests/unit/definition/model_generator.h"
#include "tools/definition_json.h"

namespace torva::tools {
namespace {

using definition::MenuDefinition;
using nlohmann::json;

std::unique_ptr<MenuDefinition> Parsed(const json& source, std::optional<JsonProblem>& problem) {
    auto def = std::make_unique<MenuDefinition>();
    problem = DefinitionFromJson(source, *def);
    return def;
}

// A generated definition dumped and built again: the same model and the same file, byte for byte.
void ExpectRoundTrip(unsigned seed, bool everyField) {
    SCOPED_TRACE(::testing::Message() << "seed " << seed << (everyField ? ", every field" : ""));
    testing::DefinitionFixture f;
    testing::ModelGenerator generator(seed);
    auto generated = std::make_unique<MenuDefinition>();
    if (everyField) {
        generator.FillFull(*generated);
    } else {
        generator.Fill(*generated);
    }
    const std::string file = definition::definitionText(*generated, f.folders);
    ASSERT_TRUE(f.Editor(file).ok());
    // Through text, as the JSON travels through a file an administrator edits.
    const json dumped = json::parse(DefinitionToJson(*f.def).dump(2));
    std::optional<JsonProblem> problem;
    const auto built = Parsed(dumped, problem);
    ASSERT_FALSE(problem) << problem->path << " " << problem->message;
    ASSERT_TRUE(*built == *f.def);
    ASSERT_EQ(definition::definitionText(*built, f.folders), file);
}

TEST(JsonDefinition, DumpThenBuildGivesBackTheSameFileForGeneratedDefinitions) {
    for (unsigned seed = 1; seed <= 40; ++seed) ExpectRoundTrip(seed, false);
    // A full definition in the extended mode.
    ExpectRoundTrip(1, true);
}

// Each field set to a value other than its default lands in its own place of the model.
TEST(JsonDefinition, EveryFieldReachesTheModel) {
    const json source = json::parse(R"({
      "$schema": "torva-definition.schema.json",
      "formatClass": 3, "displayMode": 9, "buttonsPerPage": 24,
      "options": {"dupCheck": true, "noCheck": true, "pathSuppress": true, "pageKey": true,
                  "noControlBox": true, "trayIcon": true, "remoteControl": true, "positionSave": true,
                  "outerFrame": true, "noFunctionKeys": true},
      "comments": ["one", "two, \"quoted\""],
      "startPrograms": [{"program": "A.EXE", "arguments": "-a", "waitMode": 1, "pathBase": 2}],
      "endPrograms": [{}, {"program": "B.EXE"}],
      "elapsedStarts": [{"time": "00:05", "page": 2, "button": 3}],
      "clockStarts": [{}, {"time": "12:30", "page": 4, "button": 24}],
      "commonBackground": true,
      "pages": [{"page": 5,
                 "pageStarts": [{}, {"program": "P.EXE", "waitMode": 1}],
                 "barTitle": {"text": "bar", "backColour": 255, "picture": "B.BMP", "pathBase": 1},
                 "pageWaitMode": 4,
                 "titles": [{"text": "main", "fontName": "Arial", "fontStyle": "Bold", "fontSize": 20,
                             "foreColour": 0, "backColour": 8421504}],
                 "buttons": [{"slot": 24, "icon": "I.ICO|1", "iconBase": 3, "pfKey": true, "caption": "c",
                              "fontName": "F", "fontStyle": "S", "fontSize": 9, "foreColour": 16711680,
                              "backColour": 33554432, "comment": "m", "password": "pw", "guide": "g",
                              "workFolder": "C:\\W", "action": 18, "program": "PC1", "programBase": 4,
                              "arguments": "x", "targetPage": 7, "runOption": 12}]}]
    })");
    std::optional<JsonProblem> problem;
    const auto def = Parsed(source, problem);
    ASSERT_FALSE(problem) << problem->path << " " << problem->message;
    const auto& o = def->options;
    EXPECT_TRUE(o.dupCheck && o.noCheck && o.pathSuppress && o.pageKey && o.noControlBox && o.trayIcon &&
                o.remoteControl && o.positionSave && o.outerFrame && o.noFunctionKeys);
    EXPECT_EQ(def->displayMode, 9);
    EXPECT_EQ(def->buttonsPerPage, 24);
    EXPECT_EQ(def->comments, (std::vector<std::string>{"one", "two, \"quoted\""}));
    EXPECT_EQ(def->StartProgram(1), (definition::ProgramEntry{"A.EXE", "-a", 1, 2}));
    EXPECT_FALSE(def->EndProgram(1).used());
    EXPECT_EQ(def->EndProgram(2).program, "B.EXE");
    EXPECT_EQ(def->ElapsedStart(1), (definition::TimedStart{"00:05", 2, 3}));
    EXPECT_EQ(def->ClockStart(2), (definition::TimedStart{"12:30", 4, 24}));
    EXPECT_TRUE(def->commonBackground);
    EXPECT_FALSE(def->Page(1).defined);
    const auto& page = def->Page(5);
    ASSERT_TRUE(page.defined);
    EXPECT_EQ(page.PageStart(2), (definition::ProgramEntry{"P.EXE", "", 1, 0}));
    EXPECT_EQ(page.barTitle, (definition::BarTitle{"bar", 255, "B.BMP", 1}));
    EXPECT_EQ(page.pageWaitMode, 4);
    EXPECT_EQ(page.Title(1), (definition::PageTitle{"main", "Arial", "Bold", 20, 0, 0x808080}));
    EXPECT_EQ(page.Title(2), definition::PageTitle{});
    const auto& b = page.Button(24);
    EXPECT_EQ(b.icon, "I.ICO|1");
    EXPECT_EQ(b.iconBase, 3);
    EXPECT_TRUE(b.pfKey);
    EXPECT_EQ(b.caption, "c");
    EXPECT_EQ(b.fontName, "F");
    EXPECT_EQ(b.fontStyle, "S");
    EXPECT_EQ(b.fontSize, 9);
    EXPECT_EQ(b.foreColour, 0xFF0000u);
    EXPECT_EQ(b.backColour, definition::kSemiTransparent);
    EXPECT_EQ(b.comment, "m");
    EXPECT_EQ(b.password, "pw");
    EXPECT_EQ(b.guide, "g");
    EXPECT_EQ(b.workFolder, "C:\\W");
    EXPECT_EQ(b.action, definition::ButtonAction::RemoteControl);
    EXPECT_EQ(b.program, "PC1");
    EXPECT_EQ(b.programBase, 4);
    EXPECT_EQ(b.arguments, "x");
    EXPECT_EQ(b.targetPage, 7);
    EXPECT_EQ(b.runOption, 12);
    EXPECT_EQ(page.Button(1), definition::MenuButton{});
}

TEST(JsonDefinition, AnEmptyObjectIsAnEmptyDefinition) {
    std::optional<JsonProblem> problem;
    const auto def = Parsed(json::object(), problem);
    ASSERT_FALSE(problem);
    auto empty = std::make_unique<MenuDefinition>();
    definition::clearDefinition(*empty);
    EXPECT_TRUE(*def == *empty);
}

// Everything the writer would drop or change, and every wrong type, is refused with the place named.
TEST(JsonDefinition, RefusalsNameThePlace) {
    struct Case {
        const char* json;
        const char* path;
        const char* message;
    };
    const Case cases[] = {
        {R"([])", "$", "must be an object, not array"},
        {R"({"displayMode": "9"})", "$.displayMode", "must be an integer, not string"},
        {R"({"displayMode": 1.5})", "$.displayMode", "must be an integer, not number"},
        {R"({"displayMode": 9, "buttonsPerPage": 12})", "$.buttonsPerPage",
         "display mode 9 has 24 buttons a page, not 12"},
        {R"({"formatClass": 4})", "$.formatClass", "must be 1..3"},
        {R"({"option": {}})", "$.option", "is not a key of this object"},
        {R"({"options": {"trayIcon": 1}})", "$.options.trayIcon", "must be true or false, not an integer"},
        {R"({"comments": ["a\nb"]})", "$.comments[0]", "cannot hold a line end"},
        {R"({"startPrograms": [{}, {}, {}]})", "$.startPrograms", "holds more than 2 items"},
        {R"({"startPrograms": [{"program": "say \"hi\""}]})", "$.startPrograms[0].program",
         "cannot hold a double quote"},
        {R"({"endPrograms": [{"pathBase": 5}]})", "$.endPrograms[0].pathBase", "must be 0..4"},
        {R"({"clockStarts": [{"time": "12,30"}]})", "$.clockStarts[0].time", "cannot hold a comma"},
        {R"({"elapsedStarts": [{"page": 256}]})", "$.elapsedStarts[0].page", "must be 0..255"},
        {R"({"pages": [{}]})", "$.pages[0].page", "is missing: every page says its number"},
        {R"({"pages": [{"page": 100}]})", "$.pages[0].page", "must be 1..99"},
        {R"({"pages": [{"page": 2}, {"page": 2}]})", "$.pages[1].page", "page 2 is given twice"},
        {R"({"pages": [{"page": 1, "barTitle": {"backColour": -1}}]})", "$.pages[0].barTitle.backColour",
         "must be 0..4294967295"},
        {R"({"pages": [{"page": 1, "barTitle": {"backColour": 4294967296}}]})",
         "$.pages[0].barTitle.backColour", "must be 0..4294967295"},
        {R"({"pages": [{"page": 1, "titles": [{"fontName": "A,B"}]}]})", "$.pages[0].titles[0].fontName",
         "cannot hold a comma"},
        {R"({"pages": [{"page": 1, "buttons": [{"caption": "x"}]}]})", "$.pages[0].buttons[0].slot",
         "is missing: every button says its slot"},
        {R"({"pages": [{"page": 1, "buttons": [{"slot": 13}]}]})", "$.pages[0].buttons[0].slot",
         "display mode 1 has only 12 buttons a page"},
        {R"({"pages": [{"page": 1, "buttons": [{"slot": 2}, {"slot": 2}]}]})", "$.pages[0].buttons[1].slot",
         "slot 2 is given twice"},
        {R"({"pages": [{"page": 1, "buttons": [{"slot": 1, "action": 19}]}]})",
         "$.pages[0].buttons[0].action", "must be 0..18"},
        {R"({"pages": [{"page": 1, "buttons": [{"slot": 1, "caption": "\u20ac"}]}]})",
         "$.pages[0].buttons[0].caption", "holds characters that have no Shift-JIS form"},
        {R"({"pages": [{"page": 1, "buttons": [{"slot": 1, "capton": "x"}]}]})",
         "$.pages[0].buttons[0].capton", "is not a key of this object"},
        {R"({"pages": [{"page": 1, "buttons": [{"slot": 1, "pfKey": null}]}]})",
         "$.pages[0].buttons[0].pfKey", "must be true or false, not null"},
    };
    for (const Case& c : cases) {
        std::optional<JsonProblem> problem;
        const auto def = Parsed(json::parse(c.json), problem);
        ASSERT_TRUE(problem) << c.json;
        EXPECT_EQ(problem->path, c.path) << c.json;
        EXPECT_EQ(problem->message, c.message) << c.json;
        EXPECT_FALSE(def->Page(1).defined) << "a refused JSON leaves an empty definition: " << c.json;
    }
}

}  // namespace
}  // namespace torva::tools
