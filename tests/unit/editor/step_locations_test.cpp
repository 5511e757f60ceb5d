// The editor's own steps that shared helpers run for it note the numbers they are handed, and the
// session hands the store's: a fatal report then names the step that failed.

#include <gtest/gtest.h>

#include <functional>

#include "editor/button_icon.h"
#include "editor/element_edit.h"
#include "editor/file_icon.h"
#include "fakes.h"
#include "session_fixture.h"

namespace torva::editor {
namespace {

TEST(EditorStepLocations, IconLookupsAndThePageTestNoteTheirNumbers) {
    testing::FakeFileSystem files;
    testing::FakeRegistry registry;
    testing::FakeIcons icons;
    files.AddFile("C:\\X\\tool.exe");
    icons.Set("C:\\X\\tool.exe", 2);
    const definition::SearchFolders folders{"C:\\DEF", "C:\\PROG", "C:\\WIN", "C:\\WIN\\SYS"};
    const auto page = std::make_unique<definition::MenuPage>();
    struct Row {
        const char* step;
        std::function<void(const StepLocation&)> run;
    };
    const Row rows[] = {
        {"button icon",
         [&](const StepLocation& at) {
             (void)ResolveButtonIcon("C:\\X\\tool.exe|1", 0, folders, files, icons, at);
         }},
        {"dropped file's icon",
         [&](const StepLocation& at) {
             const IconLookup env{files, registry, icons, "C:\\WIN", "C:\\WIN\\SYS", at};
             (void)DroppedIconSource("C:\\X\\tool.exe", env);
         }},
        {"page in use", [&](const StepLocation& at) { (void)pageInUse(*page, 12, false, at); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.step);
        ErrorState state;
        state.code = 990;
        row.run({&state, 777});
        EXPECT_EQ(state.code, 777);
    }
}

class EditorSteps : public testing::SessionTest {};

TEST_F(EditorSteps, AnEditCommandEndsInThePageTestUnderItsNumber) {
    session.Start("C:\\MENU\\M.TVX");
    session.Focus(1);
    session.Command(MenuId::EditDel);
    EXPECT_EQ(store.error().code, 802);
}

// Composing the listing enters colour and wait-mode steps; a failed write is still the listing's own.
TEST_F(EditorSteps, AFailedTextOutputReportsTheListingsNumber) {
    session.Start("C:\\MENU\\M.TVX");
    files.failWrite = true;
    host.choices = {std::string("D:\\OUT\\LIST.TXT")};
    session.Command(MenuId::FileText);
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_NE(host.errors[0].find("ErrorNo = 995 : "), std::string::npos) << host.errors[0];
}

}  // namespace
}  // namespace torva::editor
