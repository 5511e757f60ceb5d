#include "editor/file_drop.h"

#include <gtest/gtest.h>

#include <memory>

#include "editor/file_icon.h"
#include "editor/shell_link.h"
#include "fakes.h"
#include "link_builder.h"

namespace torva::editor {
namespace {

using definition::ButtonAction;
using testing::BuildLink;
using testing::LinkSpec;

class DropTest : public ::testing::Test {
  protected:
    DropTest() {
        files.AddFolders({"C:\\WINDOWS", "C:\\WINDOWS\\system32", "C:\\Tools"});
        // plain.exe: a program without icons.
        files.AddFiles({"C:\\WINDOWS\\system32\\shell32.dll", "C:\\Tools\\calc.exe", "C:\\Tools\\plain.exe",
                        "C:\\Tools\\a.txt", "C:\\Tools\\b.xyz", "C:\\Tools\\noext", "C:\\Tools\\word.doc",
                        "C:\\Office\\word.exe", "C:\\Icons\\doc.ico"});
        icons.Set("C:\\WINDOWS\\system32\\shell32.dll", 40);
        icons.Set("C:\\Tools\\calc.exe", 2);
        icons.Set("C:\\Office\\word.exe", 5);
        icons.Set("C:\\Icons\\doc.ico", 1);
        registry.Put(".TXT", "txtfile");
        registry.Put("txtfile\\DefaultIcon", "%SystemRoot%\\system32\\shell32.dll,-152");
        registry.Put(".DOC", "Word.Document");
        registry.Put("Word.Document\\DefaultIcon", "\"C:\\Office\\word.exe\",12");
        registry.Put("Directory\\DefaultIcon", "shell32.dll,3");
        registry.Put(".XYZ", "xyzfile");  // a class without an icon entry
    }

    IconLookup env() { return IconLookup{files, registry, icons, "C:\\WINDOWS", "C:\\WINDOWS\\system32"}; }

    testing::FakeFileSystem files;
    testing::FakeRegistry registry;
    testing::FakeIcons icons;
};

TEST_F(DropTest, IconSourceByKindOfFile) {
    struct Case {
        const char* path;
        const char* icon;
    };
    const Case cases[] = {
        {"C:\\Tools\\calc.exe", "C:\\Tools\\calc.exe|0"},
        {"C:\\Tools\\plain.exe", "C:\\WINDOWS\\system32\\shell32.dll|0"},  // nothing to show: generic
        {"C:\\Tools\\a.txt", "C:\\WINDOWS\\system32\\shell32.dll|-152"},   // resource id kept
        {"C:\\Tools\\word.doc", "C:\\Office\\word.exe|0"},                 // 12 is beyond its 5 icons
        {"C:\\Tools\\b.xyz", "C:\\WINDOWS\\system32\\shell32.dll|0"},      // class without DefaultIcon
        {"C:\\Tools\\noext", "C:\\WINDOWS\\system32\\shell32.dll|0"},
        {"C:\\Tools", "C:\\WINDOWS\\system32\\shell32.dll|3"},  // folder: "Directory"
        {"C:\\Tools\\missing.txt", "C:\\WINDOWS\\system32\\shell32.dll|-152"},
    };
    for (const Case& c : cases) EXPECT_EQ(DroppedIconSource(c.path, env()), c.icon) << c.path;
}

TEST_F(DropTest, RegistryIconTexts) {
    struct Case {
        const char* text;
        const char* source;
    };
    const Case cases[] = {
        {"%SystemRoot%\\system32\\imageres.dll,-5", "C:\\WINDOWS\\system32\\imageres.dll|-5"},
        {"%systemroot%\\a.ico", "C:\\WINDOWS\\a.ico|0"},
        {"moricons.dll,2", "C:\\WINDOWS\\system32\\moricons.dll|2"},
        {"\\\\srv\\icons\\x.ico", "\\\\srv\\icons\\x.ico|0"},
        {"D:\\x.exe , 4 ", "D:\\x.exe|4"},
        {"\"C:\\A, B\\x.exe\",7", "C:\\A, B\\x.exe|7"},
        {"\"C:\\A B\\x.exe\"", "C:\\A B\\x.exe|0"},
        {"%1", "C:\\doc.abc|0"},
        {"%1,2", "C:\\doc.abc|2"},
        {"a,1", "C:\\WINDOWS\\system32\\a,1|0"},  // a comma before the third character splits nothing
        {"x.dll,99999999999", "C:\\WINDOWS\\system32\\x.dll|0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IconSourceFromRegistryText(c.text, "C:\\doc.abc", env()), c.source) << c.text;
    }
}

TEST_F(DropTest, RegistryTextThatNamesAMissingFileFallsBack) {
    registry.Put(".ABC", "abcfile");
    registry.Put("abcfile\\DefaultIcon", "C:\\gone\\x.dll,1");
    EXPECT_EQ(IconSourceForExtension("ABC", "C:\\d.abc", env()), "");
    registry.Put("abcfile\\DefaultIcon", "C:\\Tools,1");  // a folder is no icon file
    EXPECT_EQ(IconSourceForExtension("ABC", "C:\\d.abc", env()), "");
    registry.AddKey(".ABC");
    EXPECT_EQ(IconSourceForExtension("ABC", "C:\\d.abc", env()), "");
}

TEST_F(DropTest, ShortcutsTakeTheirOwnIconThenTheirTarget) {
    auto addLink = [&](const std::string& path, const LinkSpec& wanted) {
        files.AddFile(path, BuildLink(wanted));
    };
    LinkSpec withIcon;
    withIcon.linkInfo = true;
    withIcon.localBase = "C:\\Tools\\calc.exe";
    withIcon.iconIndex = 7;
    withIcon.strings = {{kLinkHasIconLocation, "%SystemRoot%\\system32\\shell32.dll"}};
    addLink("C:\\L\\icon.lnk", withIcon);

    LinkSpec icoFile = withIcon;
    icoFile.strings = {{kLinkHasIconLocation, "C:\\Icons\\doc.ico"}};
    icoFile.iconIndex = 3;
    addLink("C:\\L\\ico.lnk", icoFile);

    LinkSpec missingIcon = withIcon;
    missingIcon.strings = {{kLinkHasIconLocation, "C:\\Icons\\gone.ico"}};
    addLink("C:\\L\\gone.lnk", missingIcon);

    LinkSpec exeTarget;
    exeTarget.linkInfo = true;
    exeTarget.localBase = "C:\\Tools\\calc.exe";
    addLink("C:\\L\\exe.lnk", exeTarget);

    LinkSpec docTarget = exeTarget;
    docTarget.localBase = "C:\\Tools\\word.doc";
    addLink("C:\\L\\doc.lnk", docTarget);

    LinkSpec folderTarget = exeTarget;
    folderTarget.localBase = "C:\\Tools";
    addLink("C:\\L\\folder.lnk", folderTarget);

    LinkSpec noInfo;
    noInfo.idList = "\x02\x00\x00\x00";
    addLink("C:\\L\\noinfo.lnk", noInfo);

    LinkSpec noInfoWithIcon = noInfo;
    noInfoWithIcon.strings = {{kLinkHasIconLocation, "C:\\Icons\\doc.ico"}};
    addLink("C:\\L\\advertised.lnk", noInfoWithIcon);

    files.AddFile("C:\\L\\broken.lnk", std::string("L\0\0\0garbage", 11));

    struct Case {
        const char* link;
        const char* icon;
    };
    const Case plain[] = {
        {"C:\\L\\icon.lnk", "C:\\WINDOWS\\system32\\shell32.dll|7"},
        {"C:\\L\\ico.lnk", "C:\\Icons\\doc.ico"},      // an icon file stands alone, without a number
        {"C:\\L\\gone.lnk", "C:\\Tools\\calc.exe|0"},  // its icon is gone: the target's
        {"C:\\L\\exe.lnk", "C:\\Tools\\calc.exe|0"},
        {"C:\\L\\doc.lnk", "C:\\Office\\word.exe|0"},
        {"C:\\L\\folder.lnk", "C:\\WINDOWS\\system32\\shell32.dll|3"},
        {"C:\\L\\noinfo.lnk", "C:\\WINDOWS\\system32\\shell32.dll|0"},
        {"C:\\L\\advertised.lnk", "C:\\Icons\\doc.ico"},
        {"C:\\L\\broken.lnk", "C:\\WINDOWS\\system32\\shell32.dll|0"},
        {"C:\\L\\unreadable.lnk", "C:\\WINDOWS\\system32\\shell32.dll|0"},
    };
    for (const Case& c : plain) EXPECT_EQ(DroppedIconSource(c.link, env()), c.icon) << c.link;

    // With a class registered for shortcuts, links that say nothing usable take its icon.
    files.AddFile("C:\\Icons\\link.ico");
    icons.Set("C:\\Icons\\link.ico", 1);
    registry.Put(".LNK", "lnkfile");
    registry.Put("lnkfile\\DefaultIcon", "C:\\Icons\\link.ico");
    EXPECT_EQ(DroppedIconSource("C:\\L\\noinfo.lnk", env()), "C:\\Icons\\link.ico|0");
    EXPECT_EQ(DroppedIconSource("C:\\L\\broken.lnk", env()), "C:\\Icons\\link.ico|0");
}

TEST_F(DropTest, DescribesFilesAndFolders) {
    struct Case {
        const char* path;
        bool folder;
        const char* caption;
        const char* workFolder;
    };
    files.AddFile("C:\\root.exe");
    files.AddFile("\\\\srv\\share\\t.exe");
    files.AddFolder("C:\\Tools\\ソフト");
    const Case cases[] = {
        {"C:\\Tools\\calc.exe", false, "calc.exe", "C:\\Tools"},
        {"C:\\root.exe", false, "root.exe", "C:\\"},
        {"\\\\srv\\share\\t.exe", false, "t.exe", "\\\\srv\\share"},
        {"C:\\Tools", true, "C:\\Tools", ""},
        {"C:\\Tools\\ソフト", true, "C:\\Tools\\ソフト", ""},
    };
    for (const Case& c : cases) {
        const DroppedItem item = DescribeDrop(c.path, env());
        EXPECT_EQ(item.path, c.path);
        EXPECT_EQ(item.isFolder, c.folder) << c.path;
        EXPECT_EQ(item.caption, c.caption) << c.path;
        EXPECT_EQ(item.workFolder, c.workFolder) << c.path;
        EXPECT_FALSE(item.iconSource.empty()) << c.path;
    }
}

TEST_F(DropTest, FillingASlotKeepsItsLookAndReplacesItsAction) {
    auto page = std::make_unique<definition::MenuPage>();
    definition::MenuButton& b = page->Button(5);
    b.pfKey = true;
    b.fontName = "ＭＳ 明朝";
    b.fontSize = 12;
    b.foreColour = 0xFF;
    b.backColour = 0xFF0000;
    b.comment = "c";
    b.password = "pw";
    b.guide = "g";
    b.action = ButtonAction::Run;
    b.runOption = 3;
    b.arguments = "-old";
    b.iconBase = definition::kBaseSystemFolder;
    b.programBase = definition::kBaseDefinitionFolder;

    FillSlotFromDrop(*page, 5, DescribeDrop("C:\\Tools\\calc.exe", env()));
    EXPECT_TRUE(page->defined);
    EXPECT_EQ(b.action, ButtonAction::Run);
    EXPECT_EQ(b.caption, "calc.exe");
    EXPECT_EQ(b.program, "C:\\Tools\\calc.exe");
    EXPECT_EQ(b.workFolder, "C:\\Tools");
    EXPECT_EQ(b.icon, "C:\\Tools\\calc.exe|0");
    EXPECT_EQ(b.iconBase, definition::kBaseAbsolute);
    EXPECT_EQ(b.programBase, definition::kBaseAbsolute);
    EXPECT_EQ(b.arguments, "");
    EXPECT_EQ(b.targetPage, 0);
    EXPECT_EQ(b.runOption, 3);  // the wait mode of a program button stays
    EXPECT_TRUE(b.pfKey);
    EXPECT_EQ(b.fontName, "ＭＳ 明朝");
    EXPECT_EQ(b.fontSize, 12);
    EXPECT_EQ(b.foreColour, 0xFFu);
    EXPECT_EQ(b.backColour, 0xFF0000u);
    EXPECT_EQ(b.comment, "c");
    EXPECT_EQ(b.password, "pw");
    EXPECT_EQ(b.guide, "g");

    FillSlotFromDrop(*page, 5, DescribeDrop("C:\\Tools", env()));
    EXPECT_EQ(b.caption, "C:\\Tools");
    EXPECT_EQ(b.workFolder, "");
    EXPECT_EQ(b.runOption, 0);
    EXPECT_EQ(b.icon, "C:\\WINDOWS\\system32\\shell32.dll|3");
}

TEST_F(DropTest, OptionOfAnotherActionIsNoWaitMode) {
    auto page = std::make_unique<definition::MenuPage>();
    struct Case {
        ButtonAction action;
        uint8_t option;
    };
    for (const Case& c : {Case{ButtonAction::RemoteControl, 11}, Case{ButtonAction::Page, 0},
                          Case{ButtonAction::ConfirmShutdown, 1}}) {
        definition::MenuButton& b = page->Button(1);
        b.action = c.action;
        b.runOption = c.option;
        b.targetPage = 7;
        FillSlotFromDrop(*page, 1, DescribeDrop("C:\\Tools\\calc.exe", env()));
        EXPECT_EQ(b.runOption, 0) << static_cast<int>(c.action);
        EXPECT_EQ(b.targetPage, 0);
    }
}

TEST(SlotAtPoint, FindsTheFirstSlotHoldingThePointEdgesIncluded) {
    const SlotRect slots[] = {{0, 0, 100, 50}, {100, 0, 100, 50}, {0, 60, 100, 50}};
    struct Case {
        int x, y, slot;
    };
    const Case cases[] = {{0, 0, 1},    {100, 50, 1}, {101, 10, 2}, {200, 50, 2}, {50, 55, 0},
                          {50, 110, 3}, {201, 10, 0}, {-1, 0, 0},   {50, 111, 0}};
    for (const Case& c : cases) EXPECT_EQ(SlotAtPoint(slots, c.x, c.y), c.slot) << c.x << "," << c.y;
    const SlotRect huge[] = {{2147483000, 2147483000, 2147483647, 2147483647}};
    EXPECT_EQ(SlotAtPoint(huge, 2147483647, 2147483647), 1);
    EXPECT_EQ(SlotAtPoint({}, 0, 0), 0);
}

}  // namespace
}  // namespace torva::editor
