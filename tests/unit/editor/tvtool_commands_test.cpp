#include <gtest/gtest.h>

#include <sstream>

#include "common/cp932.h"
#include "fakes.h"
#include "tools/tool_commands.h"

namespace torva::editor {
namespace {

class TvtoolCommands : public ::testing::Test {
  protected:
    TvtoolCommands() {
        files.AddFolder("C:\\M");
        files.AddFile("C:\\W\\notepad.exe");
    }
    int Run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        tools::ToolEnvironment env{
            files, "C:\\P", "C:\\W", "C:\\W\\S", [](const std::string& p) { return p; }, out, err};
        return tools::RunTool(args, env);
    }
    std::string Written(const std::string& path) {
        std::string bytes;
        return files.ReadFile(path, bytes) ? Cp932ToUtf8(bytes) : std::string("(none)");
    }

    testing::FakeFileSystem files;
    std::ostringstream out, err;
};

TEST_F(TvtoolCommands, ConvertWritesTheCurrentFormat) {
    files.AddFile("C:\\M\\OLD.TVX",
                  Utf8ToCp932("[PAGE1]\r\nCMD1,,ON,\"メモ\",R,\"CMD:notepad.exe a.txt\",1\r\n"));
    EXPECT_EQ(Run({"convert", "C:\\M\\OLD.TVX", "C:\\M\\NEW.TVX"}), 0) << err.str();
    EXPECT_EQ(
        Written("C:\\M\\NEW.TVX"),
        "[VER8.05]\r\n[MODE1]\r\n[PAGE1]\r\nCMD1,,ON,\"メモ\",,,,R,,,,\"CMD:notepad.exe a.txt\",1,,\r\n");
}

TEST_F(TvtoolCommands, ConvertMovesPathsKeptAgainstTheOldFolder) {
    files.AddFile("C:\\M\\t.exe");
    files.AddFile("C:\\M\\OLD.TVX", "[PAGE1]\r\nCMD1,,OFF,\"t\",,\"CMD:t.exe\",0\r\n");
    files.AddFolder("D:\\N");
    EXPECT_EQ(Run({"convert", "C:\\M\\OLD.TVX", "D:\\N\\NEW.TVX"}), 0) << err.str();
    EXPECT_NE(Written("D:\\N\\NEW.TVX").find("\"CMD:C:\\M\\t.exe\""), std::string::npos)
        << Written("D:\\N\\NEW.TVX");
}

TEST_F(TvtoolCommands, RefusalsAndFailures) {
    files.AddFile("C:\\M\\CUR.TVX", "[VER8.05]\r\n[PAGE1]\r\n");
    files.AddFile("C:\\M\\BAD.TVX",
                  "[PAGE1]\r\nCMD1,,OFF,\"a\",,\"CMD:C:\\none.exe\",0\r\nCMD2,,OFF,\"b\",,END,\r\n");
    struct Case {
        std::vector<std::string> args;
        int exit;
        const char* output;  // written file, "(none)" when nothing may be written
        const char* message;
    };
    const Case cases[] = {
        {{"convert", "C:\\M\\CUR.TVX", "C:\\M\\O1.TVX"}, 1, "(none)", "ErrorNo = 91"},
        {{"convert", "C:\\M\\GONE.TVX", "C:\\M\\O2.TVX"}, 2, "(none)", "cannot find"},
        {{"convert", "C:\\M\\CUR.TVX"}, 2, "(none)", "wrong number"},
        {{"convert", "--editor", "C:\\M\\CUR.TVX", "C:\\M\\O3.TVX"}, 2, "(none)", "editor"},
        {{"list", "C:\\M\\GONE.TVX", "C:\\M\\L1.TXT"}, 2, "(none)", "cannot find"},
        {{"list", "C:\\M\\BAD.TVX", "C:\\M\\L2.TXT"}, 1, "(none)", "ErrorNo = 92"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Run(c.args), c.exit) << c.args[0] << " " << c.args[1];
        EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
        if (c.args.size() > 2) {
            EXPECT_EQ(Written(c.args.back()), c.output);
        }
    }
    // Failed values are left out, the rest converted; the exit code tells.
    EXPECT_EQ(Run({"convert", "C:\\M\\BAD.TVX", "C:\\M\\O4.TVX"}), 1);
    EXPECT_NE(err.str().find("ErrorNo = 7"), std::string::npos) << err.str();
    EXPECT_EQ(Written("C:\\M\\O4.TVX"),
              "[VER8.05]\r\n[MODE1]\r\n[PAGE1]\r\nCMD1,,OFF,\"a\",,,,,,,,\"CMD:\",,,\r\n"
              "CMD2,,OFF,\"b\",,,,,,,,END,,,\r\n");
}

TEST_F(TvtoolCommands, ListWritesTheListingOfACurrentFile) {
    files.AddFile("C:\\M\\CUR.TVX",
                  "[VER8.05]\r\n[MODE1]\r\n[PAGE1]\r\nCMD1,,OFF,\"Go\",,,,,,,,PAGE1,,,\r\n");
    EXPECT_EQ(Run({"list", "C:\\M\\CUR.TVX", "C:\\M\\LIST.TXT"}), 0) << err.str();
    const std::string text = Written("C:\\M\\LIST.TXT");
    EXPECT_NE(text.find("\r\n(1) ﾎﾞﾀﾝ名称：Go" + std::string(38 + 5, ' ') + "＜頁移動＞"), std::string::npos)
        << text;
    EXPECT_NE(text.find("\r\n 　　移動先頁： 1\r\n"), std::string::npos);
}

}  // namespace
}  // namespace torva::editor
