// Tvtool render's arguments, page choice and exit codes, with the drawing itself replaced by a
// recorder (the drawing is proven end to end under Wine).
#include <gtest/gtest.h>

#include "tests/unit/tools/tool_fixture.h"

namespace torva::tools {
namespace {

class RecordingRendering : public PageRendering {
  public:
    bool Render(const RenderJob& job, std::vector<std::string>& written, std::string& problem) override {
        jobs.push_back(job);
        for (const int page : job.pages) {
            if (page == failOnPage) {
                problem = "cannot write page " + std::to_string(page);
                return false;
            }
            written.push_back(job.outFolder + "\\" + std::to_string(page) + ".png");
        }
        return true;
    }
    std::vector<RenderJob> jobs;
    int failOnPage = 0;
};

class RenderTest : public ToolTest {
  protected:
    RenderTest() {
        File("C:\\MENU\\PAGES.TVX",
             "[VER8.05]\r\n[MODE2]\r\n[PAGE1]\r\nCMD1,,OFF,\"a\",,,,,,,,\"CMD:cmd.exe /c\",0,,\r\n"
             "[PAGE3]\r\nCMD1,,OFF,\"b\",,,,,,,,\"CMD:cmd.exe /c\",0,,\r\n"
             "[PAGE12]\r\nCMD1,,OFF,\"c\",,,,,,,,\"CMD:cmd.exe /c\",0,,\r\n");
    }

    int Run(std::vector<std::string> args) { return ToolTest::Run(std::move(args), &rendering); }

    RecordingRendering rendering;
};

TEST_F(RenderTest, EveryDefinedPageInTheDefinitionsModeByDefault) {
    EXPECT_EQ(Run({"render", "PAGES.TVX", "--out", "SHOTS"}), kExitOk) << err.str();
    ASSERT_EQ(rendering.jobs.size(), 1u);
    const RenderJob& job = rendering.jobs[0];
    EXPECT_EQ(job.pages, (std::vector<int>{1, 3, 12}));
    EXPECT_EQ(job.mode, 2);
    EXPECT_EQ(job.outFolder, "C:\\MENU\\SHOTS");
    EXPECT_EQ(job.programFolder, "C:\\TOOLS");
    EXPECT_EQ(job.definitionFolder, "C:\\MENU");
    EXPECT_EQ(out.str(), "C:\\MENU\\SHOTS\\1.png\nC:\\MENU\\SHOTS\\3.png\nC:\\MENU\\SHOTS\\12.png\n");
}

TEST_F(RenderTest, OnePageAndAnotherMode) {
    EXPECT_EQ(Run({"render", "--page", "12", "--mode", "9", "--out", "C:\\OUT", "C:\\MENU\\PAGES.TVX"}),
              kExitOk);
    ASSERT_EQ(rendering.jobs.size(), 1u);
    EXPECT_EQ(rendering.jobs[0].pages, (std::vector<int>{12}));
    EXPECT_EQ(rendering.jobs[0].mode, 9);
    EXPECT_EQ(Run({"render", "--all", "--program-folder", "C:\\WINDOWS", "--out", "C:\\OUT", "PAGES.TVX"}),
              kExitOk);
    EXPECT_EQ(rendering.jobs[1].pages.size(), 3u);
    EXPECT_EQ(rendering.jobs[1].programFolder, "C:\\WINDOWS");
}

TEST_F(RenderTest, BadPagesModesAndArgumentsAreUsageErrors) {
    const std::vector<std::vector<std::string>> bad = {
        {"render", "PAGES.TVX", "--out", "X", "--page", "2"},    // not defined
        {"render", "PAGES.TVX", "--out", "X", "--page", "0"},    // out of range
        {"render", "PAGES.TVX", "--out", "X", "--page", "100"},  // out of range
        {"render", "PAGES.TVX", "--out", "X", "--page", "1a"},   // not a number
        {"render", "PAGES.TVX", "--out", "X", "--page", "-1"},   // not a number
        {"render", "PAGES.TVX", "--out", "X", "--mode", "0"},
        {"render", "PAGES.TVX", "--out", "X", "--mode", "10"},
        {"render", "PAGES.TVX", "--out", "X", "--mode", ""},
        {"render", "PAGES.TVX", "--out", "X", "--page", "1", "--all"},
        {"render", "PAGES.TVX"},                                // no --out
        {"render", "--out", "X"},                               // no file
        {"render", "PAGES.TVX", "OTHER.TVX", "--out", "X"},     // two files
        {"render", "PAGES.TVX", "--out"},                       // --out without a value
        {"render", "PAGES.TVX", "--out", "X", "--scale", "2"},  // unknown option
        {"render", "MISSING.TVX", "--out", "X"},                // nothing to read
    };
    for (const auto& args : bad) {
        std::string line;
        for (const auto& a : args) line += a + " ";
        EXPECT_EQ(Run(args), kExitUsage) << line;
        EXPECT_FALSE(err.str().empty()) << line;
    }
    EXPECT_TRUE(rendering.jobs.empty()) << "nothing is drawn after a usage error";
}

TEST_F(RenderTest, WithoutARendererTheCommandSaysWhereRenderingWorks) {
    EXPECT_EQ(ToolTest::Run({"render", "PAGES.TVX", "--out", "SHOTS"}), kExitUsage);
    EXPECT_NE(err.str().find("Windows build"), std::string::npos) << err.str();
}

TEST_F(RenderTest, AFailedPageIsReportedAfterThePagesWritten) {
    rendering.failOnPage = 3;
    EXPECT_EQ(Run({"render", "PAGES.TVX", "--out", "SHOTS"}), kExitUsage);
    EXPECT_EQ(out.str(), "C:\\MENU\\SHOTS\\1.png\n");
    EXPECT_NE(err.str().find("cannot write page 3"), std::string::npos);
}

TEST_F(RenderTest, PassedOverRuleFailuresStillRenderButTheExitCodeTells) {
    File("C:\\MENU\\ODD.TVX",
         "[VER8.05]\r\n[NCHK]\r\n[PAGE1]\r\nCMD1,,OFF,\"a\",,,,,,,,\"CMD:cmd.exe /c\",0,,\r\nFOO\r\n");
    EXPECT_EQ(Run({"render", "ODD.TVX", "--out", "SHOTS"}), kExitRuleFailed);
    EXPECT_NE(err.str().find("ErrorNo = "), std::string::npos) << err.str();
    EXPECT_EQ(rendering.jobs.size(), 1u);
}

TEST_F(RenderTest, AStoppedReadingDrawsNothing) {
    File("C:\\MENU\\BAD.TVX", "[VER8.05]\r\n[PAGE1]\r\nFOO\r\n");
    EXPECT_EQ(Run({"render", "BAD.TVX", "--out", "SHOTS"}), kExitRuleFailed);
    EXPECT_NE(err.str().find("nothing rendered"), std::string::npos) << err.str();
    EXPECT_TRUE(rendering.jobs.empty());
}

}  // namespace
}  // namespace torva::tools
