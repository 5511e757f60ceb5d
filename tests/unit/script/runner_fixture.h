#pragma once
// Runs a script through the interpreter against the fake host.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_script_host.h"
#include "script/script_runner.h"
#include "tests/support/text_lines.h"

namespace torva::script::testing {

class RunnerTest : public ::testing::Test {
  protected:
    static constexpr const char* kScript = "D:\\JOBS\\DAILY.TVS";

    // Runs lines joined by CR LF as the script kScript.
    int RunScript(const std::vector<std::string>& lines, const std::string& commandLine = kScript) {
        host.AddScript(kScript, torva::testing::Lines(lines));
        return Run(commandLine);
    }
    int Run(const std::string& commandLine) {
        ScriptRunner runner(host, state);
        return runner.Run(commandLine);
    }
    // Texts of the boxes shown, in order.
    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> out;
        for (const auto& box : host.boxes) out.push_back(box.text);
        return out;
    }
    std::string LastBox() const { return host.boxes.empty() ? std::string() : host.boxes.back().text; }
    // The actions of a script text of its own on a fresh host, run to a normal end.
    static std::vector<std::string> ActionsOf(const std::string& text, bool nt = true) {
        FakeScriptHost fresh;
        fresh.nt = nt;
        fresh.AddScript(kScript, text);
        ScriptState s;
        ScriptRunner runner(fresh, s);
        EXPECT_EQ(runner.Run(kScript), 0);
        return fresh.Actions();
    }

    FakeScriptHost host;
    ScriptState state;
};

inline std::string ErrorBox(const std::string& message, const std::string& detail,
                            const std::string& number) {
    return message + "\r" + detail + "\rErrorNo = " + number;
}

inline std::string FatalBox(const std::string& number) {
    return "継続不可能なエラーが発生しました。\r処理を終了します。\rErrorNo = " + number;
}

}  // namespace torva::script::testing
