// Tvtool diff: field changes, pages and buttons added and removed, what counts as reordering, and the
// exit codes and error forms of the command.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <nlohmann/json.hpp>

#include "tests/unit/tools/tool_fixture.h"
#include "tools/definition_diff.h"

namespace torva::tools {
namespace {

using definition::MenuDefinition;

struct Pair {
    Pair() {
        definition::clearDefinition(*a);
        a->Page(1).defined = true;
        a->Page(1).Button(1).caption = "One";
        a->Page(1).Button(1).action = definition::ButtonAction::End;
        definition::clearDefinition(*b);
        *b = *a;
    }
    std::vector<std::string> Lines() const {
        std::vector<std::string> out;
        for (const auto& c : DiffDefinitions(*a, *b)) out.push_back(ChangeLine(c));
        return out;
    }
    std::unique_ptr<MenuDefinition> a = std::make_unique<MenuDefinition>();
    std::unique_ptr<MenuDefinition> b = std::make_unique<MenuDefinition>();
};

using Lines = std::vector<std::string>;

TEST(DefinitionDiff, FieldsPagesAndButtons) {
    struct Case {
        const char* name;
        void (*change)(MenuDefinition&);
        Lines expected;
    };
    const Case cases[] = {
        {"nothing", [](MenuDefinition&) {}, {}},
        {"setting",
         [](MenuDefinition& d) {
             d.displayMode = 9;
             d.buttonsPerPage = 24;
         },
         {"buttonsPerPage: 12 -> 24", "displayMode: 1 -> 9"}},
        {"option", [](MenuDefinition& d) { d.options.trayIcon = true; }, {"options.trayIcon: false -> true"}},
        {"caption",
         [](MenuDefinition& d) { d.Page(1).Button(1).caption = "Uno"; },
         {"page 1, button 1: caption: \"One\" -> \"Uno\""}},
        {"button added",
         [](MenuDefinition& d) { d.Page(1).Button(5).caption = "Five"; },
         {"page 1, button 5: added"}},
        {"button removed",
         [](MenuDefinition& d) { d.Page(1).Button(1) = {}; },
         {"page 1, button 1: removed"}},
        {"button moved",
         [](MenuDefinition& d) { std::swap(d.Page(1).Button(1), d.Page(1).Button(2)); },
         {"page 1, button 1: removed", "page 1, button 2: added"}},
        {"page added", [](MenuDefinition& d) { d.Page(3).defined = true; }, {"page 3: added"}},
        {"title",
         [](MenuDefinition& d) { d.Page(1).Title(2).text = "sub"; },
         {"page 1: titles[2].text: \"\" -> \"sub\""}},
        {"bar",
         [](MenuDefinition& d) { d.Page(1).barTitle.text = "Bar"; },
         {"page 1: barTitle.text: \"\" -> \"Bar\""}},
        {"start program order",
         [](MenuDefinition& d) {
             d.StartProgram(1).program = "B.EXE";
             d.StartProgram(2).program = "A.EXE";
         },
         {"startPrograms: [] -> [{\"arguments\":\"\",\"pathBase\":0,\"program\":\"B.EXE\",\"waitMode\":0},"
          "{\"arguments\":\"\",\"pathBase\":0,\"program\":\"A.EXE\",\"waitMode\":0}]"}},
    };
    for (const Case& c : cases) {
        Pair p;
        c.change(*p.b);
        EXPECT_EQ(p.Lines(), c.expected) << c.name;
    }
}

TEST(DefinitionDiff, ReorderedButEqualIsNoChange) {
    Pair p;
    p.a->ElapsedStart(1) = {"00:05", 1, 1};
    p.a->ClockStart(1) = {"12:00", 1, 1};
    p.b->ElapsedStart(2) = {"00:05", 1, 1};
    p.b->ClockStart(2) = {"12:00", 1, 1};
    // An unused entry before a used one changes nothing that starts.
    p.a->StartProgram(1).program = "A.EXE";
    p.b->StartProgram(2).program = "A.EXE";
    p.a->Page(1).PageStart(2).program = "P.EXE";
    p.b->Page(1).PageStart(1).program = "P.EXE";
    // Under a common background page 2 shows page 1's bar title whatever it holds itself.
    p.a->commonBackground = p.b->commonBackground = true;
    p.a->Page(2).defined = p.b->Page(2).defined = true;
    p.b->Page(2).barTitle.text = "held but not shown";
    EXPECT_EQ(p.Lines(), Lines{});
    // A different time is a change, in either order.
    p.b->ClockStart(2).time = "12:01";
    EXPECT_EQ(p.Lines().size(), 1u);
}

const char* const kMenuA = "[VER8.05]\r\n[PAGE1]\r\nCMD1,,OFF,\"Old\",,,,,,,,END,,,\r\n";
const char* const kMenuB = "[VER8.05]\r\n[PAGE1]\r\nCMD1,,OFF,\"New\",,,,,,,,END,,,\r\n[PAGE2]\r\n";

TEST_F(ToolTest, DiffExitCodesAndForms) {
    File("C:\\MENU\\A.TVX", kMenuA);
    File("C:\\MENU\\B.TVX", kMenuB);
    EXPECT_EQ(Run({"diff", "A.TVX", "C:\\MENU\\A.TVX"}), kExitOk);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(Run({"diff", "A.TVX", "B.TVX"}), kExitRuleFailed);
    EXPECT_EQ(out.str(), "page 1, button 1: caption: \"Old\" -> \"New\"\npage 2: added\n");
    EXPECT_EQ(Run({"diff", "--json", "A.TVX", "B.TVX"}), kExitRuleFailed);
    const auto report = nlohmann::json::parse(out.str());
    EXPECT_EQ(report["ok"], true);
    EXPECT_EQ(report["equal"], false);
    ASSERT_EQ(report["changes"].size(), 2u);
    EXPECT_EQ(report["changes"][0],
              nlohmann::json::parse(
                  R"({"change":"changed","page":1,"button":1,"field":"caption","from":"Old","to":"New"})"));
    EXPECT_EQ(report["changes"][1]["change"], "added");
    EXPECT_EQ(report["changes"][1]["page"], 2);

    // The JSON of dump compares with the file it came from.
    ASSERT_EQ(Run({"dump", "--editor", "A.TVX"}), kExitOk);
    files.AddFile("C:\\MENU\\A.JSON", out.str());
    EXPECT_EQ(Run({"diff", "A.JSON", "A.TVX"}), kExitOk) << out.str() << err.str();
    // A file that names what this machine lacks still compares, with a warning.
    File("C:\\MENU\\I.TVX", "[VER8.05]\r\n[PAGE1]\r\nCMD1,\"N:\\I.ICO\",OFF,\"Old\",,,,,,,,END,,,\r\n");
    EXPECT_EQ(Run({"diff", "A.TVX", "I.TVX"}), kExitRuleFailed) << err.str();
    EXPECT_EQ(out.str(), "page 1, button 1: icon: \"\" -> \"N:\\\\I.ICO\"\n");
    EXPECT_NE(err.str().find("warning"), std::string::npos);
}

TEST_F(ToolTest, DiffErrorsExitTwo) {
    File("C:\\MENU\\A.TVX", kMenuA);
    File("C:\\MENU\\STOP.TVX", "[VER8.05]\r\nFOO\r\n[PAGE1]\r\n");
    files.AddFile("C:\\MENU\\BAD.JSON", R"({"pages": 1})");
    const std::vector<std::vector<std::string>> cases = {
        {"diff", "A.TVX"},
        {"diff", "A.TVX", "NONE.TVX"},
        {"diff", "A.TVX", "C:\\MENU"},
        {"diff", "A.TVX", "STOP.TVX"},
        {"diff", "A.TVX", "BAD.JSON"},
        {"diff", "--editor", "A.TVX", "A.TVX"},
    };
    for (const auto& args : cases) {
        EXPECT_EQ(Run(args), kExitUsage) << args.back();
        EXPECT_EQ(out.str(), "") << args.back();
        const std::string error = err.str();
        EXPECT_TRUE(error.starts_with("Tvtool: ")) << error;
        EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << error;
        auto json = args;
        json.insert(json.begin() + 1, "--json");
        EXPECT_EQ(Run(json), kExitUsage);
        const auto report = nlohmann::json::parse(out.str());
        EXPECT_EQ(report["ok"], false);
        EXPECT_EQ(report["error"], error.substr(8, error.size() - 9)) << args.back();
    }
}

}  // namespace
}  // namespace torva::tools
