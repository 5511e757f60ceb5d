// The drop helpers against the real system: shortcuts saved by the shell, the classes root of the
// registry, and icon counts from the system's icon extraction.
#include <windows.h>
// After windows.h, which it builds on.
#include <gtest/gtest.h>
#include <shellapi.h>

#include <memory>

#include "common/utf8.h"
#include "editor/file_drop.h"
#include "editor/shell_link.h"
#include "editor/win32/system_icon_files.h"
#include "platform/win32/file_system.h"
#include "platform/win32/registry.h"
#include "platform/win32/system_info.h"
#include "platform/win32/wide.h"
#include "shell_link_maker.h"
#include "tests/e2e/harness/test_support.h"

namespace torva::editor {
namespace {

using SystemIcons = SystemIconFiles;

constexpr char kTestExtension[] = ".torvadrop";
constexpr char kTestClass[] = "TorvaDropTest.Document";

class FileDropE2E : public ::testing::Test {
  protected:
    FileDropE2E()
        : folder("editor_drop"),
          cleanExtension(HKEY_CLASSES_ROOT, kTestExtension),
          cleanClass(HKEY_CLASSES_ROOT, kTestClass),
          windows(system.WindowsFolder()),
          systemFolder(system.SystemFolder()) {}

    IconLookup env() { return IconLookup{files, registry, icons, windows, systemFolder}; }
    std::string Upper(const std::string& s) { return UpperLetters(s); }

    e2e::TempFolder folder;
    e2e::ScopedRegistryCleanup cleanExtension;
    e2e::ScopedRegistryCleanup cleanClass;
    win32::Win32FileSystem files;
    win32::Win32Registry registry;
    win32::Win32SystemInfo system;
    SystemIcons icons;
    std::string windows;
    std::string systemFolder;
};

TEST_F(FileDropE2E, ShortcutSavedByTheShellGivesProgramIconAndCaption) {
    const std::string notepad = systemFolder + "\\notepad.exe";
    const std::string shell32 = systemFolder + "\\shell32.dll";
    ASSERT_GT(icons.IconCount(shell32), 4);
    const std::string link = folder.File("Notes.lnk");
    ASSERT_TRUE(e2e::SaveShortcut(link, {notepad, shell32, 4, "/p x.txt", windows}));

    const auto parsed = [&] {
        std::string bytes;
        EXPECT_TRUE(files.ReadFile(link, bytes));
        return ParseShellLink(bytes);
    }();
    ASSERT_TRUE(parsed);
    EXPECT_EQ(Upper(parsed->targetPath), Upper(notepad));
    EXPECT_EQ(parsed->arguments, "/p x.txt");

    const DroppedItem item = DescribeDrop(link, env());
    EXPECT_FALSE(item.isFolder);
    EXPECT_EQ(item.caption, "Notes.lnk");
    EXPECT_EQ(item.workFolder, folder.Path());
    EXPECT_EQ(Upper(item.iconSource), Upper(shell32 + "|4"));

    auto page = std::make_unique<definition::MenuPage>();
    FillSlotFromDrop(*page, 3, item);
    EXPECT_TRUE(page->defined);
    EXPECT_EQ(page->Button(3).action, definition::ButtonAction::Run);
    EXPECT_EQ(page->Button(3).program, link);  // the shortcut itself runs
    EXPECT_EQ(page->Button(3).caption, "Notes.lnk");
}

TEST_F(FileDropE2E, IconsComeFromTargetClassOrFallback) {
    const std::string notepad = systemFolder + "\\notepad.exe";
    const std::string shell32 = systemFolder + "\\shell32.dll";
    ASSERT_GT(icons.IconCount(notepad), 0);
    // A file type of our own, with its icon given the way installers write it.
    ASSERT_TRUE(e2e::WriteRegistryString(HKEY_CLASSES_ROOT, kTestExtension, "", kTestClass));
    ASSERT_TRUE(e2e::WriteRegistryString(HKEY_CLASSES_ROOT, std::string(kTestClass) + "\\DefaultIcon", "",
                                         "%SystemRoot%\\system32\\shell32.dll,5"));
    const std::string document = folder.File(std::string("report") + kTestExtension);
    ASSERT_TRUE(e2e::WriteBytes(document, "x"));
    const std::string unknown = folder.File("data.unknownkind");
    ASSERT_TRUE(e2e::WriteBytes(unknown, "x"));
    const std::string subfolder = folder.File("Tools");
    ASSERT_TRUE(CreateDirectoryW(win32::Wide(subfolder).c_str(), nullptr));

    const std::string toProgram = folder.File("program.lnk");
    const std::string toDocument = folder.File("document.lnk");
    const std::string toFolder = folder.File("folder.lnk");
    ASSERT_TRUE(e2e::SaveShortcut(toProgram, {notepad, "", 0, "", ""}));
    ASSERT_TRUE(e2e::SaveShortcut(toDocument, {document, "", 0, "", ""}));
    ASSERT_TRUE(e2e::SaveShortcut(toFolder, {subfolder, "", 0, "", ""}));
    const std::string broken = folder.File("broken.lnk");
    ASSERT_TRUE(e2e::WriteBytes(broken, std::string("L\0\0\0\1\x14\2\0", 8)));

    struct Case {
        std::string dropped;
        std::string icon;
    };
    const Case cases[] = {
        {notepad, notepad + "|0"},   {document, shell32 + "|5"},  {unknown, shell32 + "|0"},
        {subfolder, shell32 + "|0"}, {toProgram, notepad + "|0"}, {toDocument, shell32 + "|5"},
        {toFolder, shell32 + "|0"},  {broken, shell32 + "|0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Upper(DroppedIconSource(c.dropped, env())), Upper(c.icon)) << c.dropped;

    const DroppedItem item = DescribeDrop(subfolder, env());
    EXPECT_TRUE(item.isFolder);
    EXPECT_EQ(item.caption, subfolder);
    EXPECT_EQ(item.workFolder, "");
}

}  // namespace
}  // namespace torva::editor
