// Tvtool.exe convert and list end to end, on files in the C: drive of the prefix.
#include <gtest/gtest.h>
#include <windows.h>

#include "common/cp932.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide.h"
#include "tests/e2e/harness/process.h"
#include "tests/e2e/harness/test_support.h"

namespace torva::e2e {
namespace {

struct ToolRun {
    DWORD exitCode = 0xFFFFFFFF;
    std::string err;  // Shift-JIS as written
};

std::string Crlf(const std::string& lines) {
    std::string out;
    for (char c : lines) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

class TvtoolEditorTest : public ::testing::Test {
  protected:
    TvtoolEditorTest() : folder_("tvtool_editor") {}

    ToolRun Run(const std::string& arguments) {
        // A file of its own for each run: the console host may hold the last one for a moment.
        const ConsoleRun run = RunConsole(ProgramPath("Tvtool.exe"), arguments,
                                          folder_.File("stderr" + std::to_string(++runs_) + ".txt"));
        EXPECT_TRUE(run.exitCode) << "Tvtool.exe did not start or end: " << run.startError;
        return {run.exitCode.value_or(0xFFFFFFFF), run.out};
    }

    std::string File(const std::string& name) const { return folder_.File(name); }
    std::string Quoted(const std::string& name) const { return "\"" + File(name) + "\""; }

    TempFolder folder_;
    int runs_ = 0;
};

TEST_F(TvtoolEditorTest, ConvertsAnOldDefinitionAndListsIt) {
    const std::string sys = SystemFolder();
    const std::string win = WindowsFolder();
    const std::string old = Crlf(
        "*,旧メニュー\n"
        "[VER5.00]\n"
        "[DCHK]\n"
        "[STREND]\n"
        "STR1,\"" +
        sys +
        "\\notepad.exe\",0\n"
        "[PAGE1]\n"
        "VARTITLE,\"事務\",B1,0\n"
        "TITLE1,\"メイン\",W,B\n"
        "CMD1,\"" +
        sys + "\\shell32.dll|3\",ON,\"メモ帳\",R,G,\"" + win + "\",\"CMD:" + sys +
        "\\notepad.exe readme.txt\",1\n"
        "CMD2,,OFF,\"次へ\",W,PAGE2,\n"
        "CMD3,,OFF,\"終了\",,SDWN,1\n"
        "[PAGE2]\n"
        "CMD1,,OFF,\"戻る\",,PAGE1,\n");
    ASSERT_TRUE(WriteBytes(File("OLD.TVX"), Utf8ToCp932(old)));

    const ToolRun convert = Run("convert " + Quoted("OLD.TVX") + " " + Quoted("NEW.TVX"));
    EXPECT_EQ(convert.exitCode, 0u) << Cp932ToUtf8(convert.err);
    const std::string expected = Crlf(
        "*,旧メニュー\n"
        "[VER8.05]\n"
        "[DCHK]\n"
        "[MODE1]\n"
        "[STREND]\n"
        "STR1,\"" +
        sys +
        "\\notepad.exe\",0\n"
        "[PAGE1]\n"
        "VARTITLE,\"事務\",B1,0\n"
        "TITLE1,\"メイン\",,,,W,B\n"
        "CMD1,\"" +
        sys + "\\shell32.dll|3\",ON,\"メモ帳\",,,,R,G,,\"" + win + "\",\"CMD:" + sys +
        "\\notepad.exe readme.txt\",1,,\n"
        "CMD2,,OFF,\"次へ\",,,,W,,,,PAGE2,,,\n"
        "CMD3,,OFF,\"終了\",,,,,,,,SDWN,1,,\n"
        "[PAGE2]\n"
        "CMD1,,OFF,\"戻る\",,,,,,,,PAGE1,,,\n");
    const auto written = ReadBytes(File("NEW.TVX"));
    ASSERT_TRUE(written);
    EXPECT_EQ(Cp932ToUtf8(*written), expected);
    EXPECT_EQ(*written, Utf8ToCp932(expected)) << "the file is Shift-JIS with CR LF line ends";

    const ToolRun list = Run("list " + Quoted("NEW.TVX") + " " + Quoted("LIST.TXT"));
    EXPECT_EQ(list.exitCode, 0u) << Cp932ToUtf8(list.err);
    const auto listing = ReadBytes(File("LIST.TXT"));
    ASSERT_TRUE(listing);
    const std::string text = Cp932ToUtf8(*listing);
    EXPECT_EQ(text.rfind("＊＊＊", 0), 0u);
    const std::string button1 = "(1) ﾎﾞﾀﾝ名称：メモ帳" + std::string(34 + 5, ' ') + "＜プログラム実行＞" +
                                std::string(5, ' ') + "PFｷｰ：ON\r\n";
    EXPECT_NE(text.find(button1), std::string::npos);
    EXPECT_NE(text.find("\r\n主タイトル　：メイン\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n   作業ﾌｫﾙﾀﾞ：" + win + "\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n(3) ﾎﾞﾀﾝ名称：終了" + std::string(36 + 5, ' ') + "＜確認ｼｬｯﾄﾀﾞｳﾝ＞"),
              std::string::npos);
    EXPECT_NE(text.find("\r\n（頁  2）\r\n"), std::string::npos);
}

TEST_F(TvtoolEditorTest, RefusedConversionsWriteNothing) {
    struct Case {
        const char* name;
        const char* text;
        const char* message;  // part of the report, Shift-JIS on the error stream
    };
    const Case cases[] = {
        {"current", "[VER8.05]\n[MODE1]\n[PAGE1]\nCMD1,,OFF,\"x\",,,,,,,,END,,,\n", "ErrorNo = 91"},
        {"before_page", "[VER5.00]\nCMD1,,OFF,\"x\",,END,\n[PAGE1]\n", "ErrorNo = 1 "},
    };
    for (const Case& c : cases) {
        const std::string source = std::string(c.name) + ".TVX";
        const std::string target = std::string(c.name) + "_new.TVX";
        ASSERT_TRUE(WriteBytes(File(source), Crlf(c.text)));
        const ToolRun run = Run("convert " + Quoted(source) + " " + Quoted(target));
        EXPECT_EQ(run.exitCode, 1u) << c.name;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << Cp932ToUtf8(run.err);
        EXPECT_FALSE(FileExists(File(target))) << c.name;
    }
    // A missing source is an input error; a listing of a file that stops reading is not written.
    EXPECT_EQ(Run("convert " + Quoted("none.TVX") + " " + Quoted("x.TVX")).exitCode, 2u);
    ASSERT_TRUE(WriteBytes(File("old_for_list.TVX"), Crlf("[PAGE1]\nCMD1,,OFF,\"x\",,END,\n")));
    EXPECT_EQ(Run("list " + Quoted("old_for_list.TVX") + " " + Quoted("L.TXT")).exitCode, 1u);
    EXPECT_FALSE(FileExists(File("L.TXT")));
}

}  // namespace
}  // namespace torva::e2e
