#include "editor/button_icon.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace torva::editor {
namespace {

TEST(ButtonIcon, SourceToFileAndNumber) {
    testing::FakeFileSystem files;
    testing::FakeIcons icons;
    const definition::SearchFolders folders{"C:\\DEF", "C:\\PROG", "C:\\WIN", "C:\\WIN\\SYS"};
    for (const char* f :
         {"C:\\WIN\\SYS\\SHELL32.DLL", "C:\\DEF\\a.ico", "C:\\PROG\\a.ico", "C:\\X\\b.cur", "C:\\X\\tool.exe",
          "C:\\X\\plain.exe", "C:\\X\\pic.bmp", "\\\\srv\\s\\n.ico", "C:\\WIN\\x.ocx"}) {
        files.AddFile(f);
    }
    files.AddFolder("C:\\X\\dir.ico");
    icons.Set("C:\\WIN\\SYS\\SHELL32.DLL", 40);
    icons.Set("C:\\DEF\\a.ico", 1);
    icons.Set("C:\\PROG\\a.ico", 1);
    icons.Set("C:\\X\\b.cur", 1);
    icons.Set("C:\\X\\tool.exe", 3);
    icons.Set("\\\\srv\\s\\n.ico", 1);
    icons.Set("C:\\WIN\\x.ocx", 2);
    struct Case {
        const char* source;
        uint8_t base;
        const char* file;  // nullptr: no icon
        int number;
    };
    const Case cases[] = {
        {"C:\\WIN\\SYS\\SHELL32.DLL|3", 0, "C:\\WIN\\SYS\\SHELL32.DLL", 3},
        {"  C:\\WIN\\SYS\\SHELL32.DLL|999 ", 0, "C:\\WIN\\SYS\\SHELL32.DLL", 0},  // beyond the last icon
        {"C:\\WIN\\SYS\\SHELL32.DLL|", 0, "C:\\WIN\\SYS\\SHELL32.DLL", 0},
        {"C:\\WIN\\SYS\\SHELL32.DLL|-154", 0, "C:\\WIN\\SYS\\SHELL32.DLL", -154},
        {"C:\\WIN\\SYS\\SHELL32.DLL|99999999999", 0, "C:\\WIN\\SYS\\SHELL32.DLL", 0},
        {"C:\\X\\tool.exe|2", 0, "C:\\X\\tool.exe", 2},
        {"C:\\WIN\\x.ocx|1", 0, "C:\\WIN\\x.ocx", 1},
        {"C:\\X\\b.cur|5", 0, "C:\\X\\b.cur", 0},  // the number counts for libraries only
        {"\\\\srv\\s\\n.ico", 0, "\\\\srv\\s\\n.ico", 0},
        {"a.ico", 2, "C:\\PROG\\a.ico", 0},  // its own base while the file is there
        {"a.ico", 0, "C:\\DEF\\a.ico", 0},   // else the first folder holding it
        {"SHELL32.DLL|4", 4, "C:\\WIN\\SYS\\SHELL32.DLL", 4},
        {"", 0, nullptr, 0},
        {"   ", 0, nullptr, 0},
        {"\\", 0, nullptr, 0},
        {":", 0, nullptr, 0},
        {"C:", 0, nullptr, 0},
        {"\\a.ico", 0, nullptr, 0},  // root of the current drive
        {"C:\\X\\gone.ico", 0, nullptr, 0},
        {"gone.ico", 1, nullptr, 0},
        {"C:\\X\\pic.bmp", 0, nullptr, 0},      // not an icon kind
        {"C:\\X\\plain.exe|0", 0, nullptr, 0},  // a program without icons
        {"C:\\X\\dir.ico", 0, nullptr, 0},      // a folder
        {"http://x/a.ico", 0, nullptr, 0},
    };
    for (const Case& c : cases) {
        const auto pick = ResolveButtonIcon(c.source, c.base, folders, files, icons);
        if (c.file == nullptr) {
            EXPECT_FALSE(pick) << c.source;
            continue;
        }
        ASSERT_TRUE(pick) << c.source;
        EXPECT_EQ(pick->file, c.file) << c.source;
        EXPECT_EQ(pick->number, c.number) << c.source;
    }
}

}  // namespace
}  // namespace torva::editor
