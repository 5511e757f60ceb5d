// A menu written as JSON and built by Tvtool.exe runs in Torva.exe as written: titles, a page move and
// a page start program.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tests/e2e/harness/menu_session.h"

namespace torva::e2e {
namespace {

std::optional<DWORD> RunTvtool(const std::string& arguments) {
    Process tool = Process::Start(ProgramPath("Tvtool.exe"), StartOptions().Args(arguments));
    if (!tool.Valid()) return std::nullopt;
    return tool.WaitForExit(Millis(60000));
}

TEST(BuiltMenu, AMenuBuiltFromJsonRunsAsWritten) {
    MenuSession s;
    const nlohmann::json menu = {
        {"displayMode", 1},
        {"pages",
         {{{"page", 1},
           {"barTitle", {{"text", "Built from JSON"}}},
           {"buttons",
            {{{"slot", 1}, {"caption", "メモ"}, {"action", 2}, {"targetPage", 2}},
             {{"slot", 12}, {"caption", "Quit"}, {"action", 3}}}}},
          {{"page", 2},
           {"pageStarts", {{{"program", s.Probe()}, {"arguments", "built-page2"}}}},
           {"barTitle", {{"text", "Second page"}}},
           {"buttons", {{{"slot", 1}, {"caption", "Back"}, {"action", 2}, {"targetPage", 1}}}}}}}};
    const std::string json = s.Folder().File("menu.json");
    ASSERT_TRUE(WriteBytes(json, menu.dump(2)));
    ASSERT_EQ(RunTvtool("build \"" + json + "\" --out \"" + s.DefinitionPath() + "\""), 0u);

    ASSERT_TRUE(s.StartWithArguments("\"" + s.DefinitionPath() + "\""));
    EXPECT_EQ(WindowText(s.Menu()), "Built from JSON");
    // The page move and the page's start program work, so both were written as the JSON said.
    ClickAt(s.Button(1), POINT{10, 10});
    EXPECT_TRUE(WaitUntil([&] { return WindowText(s.Menu()) == "Second page"; })) << WindowText(s.Menu());
    EXPECT_TRUE(s.WaitForRecordWithArg("built-page2"));
    ClickAt(s.Button(1), POINT{10, 10});
    EXPECT_TRUE(WaitUntil([&] { return WindowText(s.Menu()) == "Built from JSON"; }));
    EXPECT_TRUE(s.CloseAsUser());
}

}  // namespace
}  // namespace torva::e2e
