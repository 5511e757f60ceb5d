#pragma once
// The editor's main-window logic over an in-memory machine and a window whose answers (save question,
// file dialogs) are scripted in advance and whose effects are logged in order.

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/cp932.h"
#include "definition/definition_store.h"
#include "editor/editor_session.h"
#include "tests/support/fake_file_system.h"
#include "tests/support/text_lines.h"

namespace torva::editor::testing {

class ScriptedHost : public EditorHost {
  public:
    std::deque<SaveAnswer> answers;
    std::deque<std::optional<std::string>> choices;
    std::vector<std::string> log;
    std::vector<std::string> errors;

    SaveAnswer AskSaveChanges() override {
        log.push_back("ask");
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected save question";
            return SaveAnswer::Cancel;
        }
        const SaveAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<std::string> ChooseFile(const FileDialogSettings& settings,
                                          const std::string& folder) override {
        log.push_back("dialog " + std::string(settings.title) + " in " + folder);
        if (choices.empty()) {
            ADD_FAILURE() << "unexpected file dialog " << settings.title;
            return std::nullopt;
        }
        auto c = choices.front();
        choices.pop_front();
        return c;
    }
    void ShowProgress(std::string_view caption) override {
        log.push_back("progress " + std::string(caption));
    }
    void HideProgress() override { log.push_back("progress end"); }
    void ShowError(const std::string& text) override {
        log.push_back("error");
        errors.push_back(text);
    }
    void StartProgram(const std::string& commandLine) override { log.push_back("start " + commandLine); }

    bool Logged(const std::string& entry) const {
        for (const auto& e : log) {
            if (e == entry) return true;
        }
        return false;
    }
};

using torva::testing::Lines;

inline const std::string kMenuText = Lines({
    "*,Office menu",
    "[VER8.05]",
    "[DCHK]",
    "[MODE1]",
    "[PAGE1]",
    "TITLE1,\"Main\",ＭＳ 明朝,Regular,16,W,B",
    "CMD1,,ON,\"Editor\",ＭＳ 明朝,Regular,10,,,,,\"CMD:C:\\WINDOWS\\NOTEPAD.EXE\",0,,",
    "CMD2,,OFF,\"Page 2\",,,,,,,,PAGE2,,,",
    "CMD12,,OFF,\"Quit\",,,,,,,,END,,,",
    "[PAGE2]",
    "CMD1,,OFF,\"Back\",,,,,,,,PAGE1,,,",
});

class SessionTest : public ::testing::Test {
  protected:
    SessionTest() {
        files.AddFolders({"C:\\TORVA", "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32", "C:\\MENU", "D:\\OUT"});
        files.AddFile("C:\\WINDOWS\\NOTEPAD.EXE");
        files.AddFile("C:\\MENU\\M.TVX", Utf8ToCp932(kMenuText));
        files.AddFile("C:\\TORVA\\TORVA.TVX", Utf8ToCp932(kMenuText));
    }

    std::string FileText(const std::string& path) const { return Cp932ToUtf8(files.Content(path)); }

    torva::testing::FakeFileSystem files;
    std::unique_ptr<definition::MenuDefinition> def = std::make_unique<definition::MenuDefinition>();
    definition::DefinitionStore store{*def, files, "C:\\TORVA", "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32"};
    ScriptedHost host;
    EditorSession session{*def, store, files, host, "C:\\TORVA"};
};

}  // namespace torva::editor::testing
