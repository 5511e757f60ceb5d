// Tvsetup.exe with the rest of the suite: the runtime's editor entry starts it on the runtime's
// definition, and with the editor installed the document opener registers the edit verb, which
// opens a definition in it.

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/e2e/harness/menu_session.h"
#include "tvsetup_session.h"

namespace torva::e2e {
namespace {

constexpr UINT kEditorEntry = 1010;  // the runtime's system-menu entry "ﾒﾆｭｰの編集(&E)"

std::optional<HWND> WaitForEditorOn(const std::string& path) {
    return WaitForWindow(
        WindowQuery().OfClass("TVSETUPFM").WithCaption(std::string(kUntitled) + " (" + path + ")"),
        Millis(20000));
}

void CloseEditor(HWND editor) {
    PostMessageW(editor, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(editor); }, Millis(10000)));
}

TEST(TvsetupSuite, TheRuntimesEditorEntryStartsTheEditorOnItsDefinition) {
    MenuSession runtime;
    ASSERT_TRUE(CopyFileTo(ProgramPath("Tvsetup.exe"), runtime.Folder().File("Tvsetup.exe")));
    ASSERT_TRUE(runtime.Start({"[VER8.05]", "[MODE1]", "[PAGE1]", ButtonLine(1, "One")}));
    PostSysCommand(runtime.Menu(), kEditorEntry);
    const auto editor = WaitForEditorOn(runtime.DefinitionPath());
    ASSERT_TRUE(editor);
    // The runtime makes way for the editor.
    EXPECT_TRUE(runtime.Program().WaitForExit(Millis(15000)));
    CloseEditor(*editor);
}

class EditVerb : public ::testing::Test {
  protected:
    ScopedRegistryCleanup tvx{HKEY_CLASSES_ROOT, ".tvx"};
    ScopedRegistryCleanup tvs{HKEY_CLASSES_ROOT, ".tvs"};
    ScopedRegistryCleanup tvxType{HKEY_CLASSES_ROOT, "tvx_auto_file"};
    ScopedRegistryCleanup tvsType{HKEY_CLASSES_ROOT, "tvs_auto_file"};
    TempFolder folder{"tvinst"};
};

TEST_F(EditVerb, TheOpenerRegistersItWhenTheEditorIsThereAndItOpensTheEditor) {
    for (const char* program : {"Tvsetup.exe", "Tvshell.exe", "Torva.exe"}) {
        ASSERT_TRUE(CopyFileTo(ProgramPath(program), folder.File(program)));
    }
    // The editor registers the file types through the opener at every start.
    Process first = Process::Start(folder.File("Tvsetup.exe"), StartOptions().InFolder(folder.Path()));
    ASSERT_TRUE(first.Valid());
    const std::string command = "\"" + folder.File("Tvsetup.exe") + "\" \"%1\"";
    EXPECT_TRUE(WaitUntil(
        [&] {
            return ReadRegistryString(HKEY_CLASSES_ROOT, "tvx_auto_file\\shell\\edit\\command") == command;
        },
        Millis(20000)))
        << ReadRegistryString(HKEY_CLASSES_ROOT, "tvx_auto_file\\shell\\edit\\command").value_or("(none)");
    const auto untitled =
        WaitForWindow(WindowQuery().OfProcess(first.Id()).OfClass("TVSETUPFM"), Millis(20000));
    ASSERT_TRUE(untitled);
    CloseEditor(*untitled);

    const std::string menu = folder.File("OFFICE.TVX");
    ASSERT_TRUE(WriteBytes(menu, "[VER8.05]\r\n[MODE1]\r\n[PAGE1]\r\nCMD1,,OFF,\"One\",,,,,,,,END,,,\r\n"));
    // The verb's command with the document in place of "%1", started as the shell starts it.
    std::string line = command;
    line.replace(line.find("%1"), 2, menu);
    const std::size_t programEnd = line.find('"', 1);
    Process edit = Process::Start(line.substr(1, programEnd - 1),
                                  StartOptions().Args(line.substr(programEnd + 2)).InFolder(folder.Path()));
    ASSERT_TRUE(edit.Valid());
    const auto editor = WaitForEditorOn(menu);
    ASSERT_TRUE(editor);
    CloseEditor(*editor);
}

}  // namespace
}  // namespace torva::e2e
