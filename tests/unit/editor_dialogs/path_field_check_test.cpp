#include "editor/dialogs/path_field_check.h"

#include <gtest/gtest.h>

#include "dialog_fixture.h"

namespace torva::editor::dialogs {
namespace {

struct PathCase {
    const char* text;
    PathField kind;
    std::string_view message;  // empty: passes
    uint8_t base;
};

TEST(PathFieldCheck, ProgramIconAndPictureRules) {
    const testing::DialogMachine m;
    const PathCase cases[] = {
        // Programs.
        {"", PathField::Program, {}, 0},
        {"\\", PathField::Program, kWrongProgram, 0},
        {":", PathField::Program, kWrongProgram, 0},
        {"C:", PathField::Program, kWrongProgram, 0},
        {"\\\\", PathField::Program, kWrongProgram, 0},
        {"\\x", PathField::Program, kWrongProgram, 0},
        {"\\WINDOWS\\NOTEPAD.EXE", PathField::Program, kWrongProgram, 0},
        {"C:\\APPS\\EDIT.EXE", PathField::Program, {}, 0},
        {"c:\\apps\\edit.exe", PathField::Program, {}, 0},
        {"C:\\APPS\\GONE.EXE", PathField::Program, kMissingProgram, 0},
        {"C:x", PathField::Program, kMissingProgram, 0},
        {"\\\\SRV\\SHARE\\RUN.EXE", PathField::Program, {}, 0},
        {"\\\\SRV\\SHARE\\GONE.EXE", PathField::Program, kMissingProgram, 0},
        {"http://example.com/", PathField::Program, {}, 0},
        {"HTTPS://example.com/a", PathField::Program, {}, 0},
        {"http:", PathField::Program, {}, 0},
        {"NOTEPAD.EXE", PathField::Program, {}, 3},
        {"notepad.exe", PathField::Program, {}, 3},
        {"TOOL.EXE", PathField::Program, {}, 1},
        {"TVSCRIPT.EXE", PathField::Program, {}, 2},
        {"CALC.EXE", PathField::Program, {}, 4},
        {"GONE.EXE", PathField::Program, kMissingProgram, 0},
        {"x", PathField::Program, kMissingProgram, 0},  // a single character is relative
        // Icon files: the same rules, but no addresses.
        {"", PathField::IconFile, {}, 0},
        {"C:", PathField::IconFile, kWrongIconFile, 0},
        {"\\A.ICO", PathField::IconFile, kWrongIconFile, 0},
        {"A.ICO", PathField::IconFile, {}, 1},
        {"SHELL32.DLL", PathField::IconFile, {}, 4},
        {"C:\\ICONS\\GONE.ICO", PathField::IconFile, kMissingIconFile, 0},
        {"http://example.com/a.ico", PathField::IconFile, kMissingIconFile, 0},
        // Background pictures.
        {"\\pics\\a.bmp", PathField::Picture, kWrongPicture, 0},
        {"\\\\", PathField::Picture, kWrongPicture, 0},
        {"C:\\PICS\\BACK.BMP", PathField::Picture, {}, 0},
        {"BACK.JPG", PathField::Picture, {}, 1},
        {"C:\\PICS\\GONE.BMP", PathField::Picture, kMissingPicture, 0},
        {"HTTP://x/a.bmp", PathField::Picture, kMissingPicture, 0},
    };
    for (const PathCase& c : cases) {
        const PathFieldResult r = CheckPathField(c.text, c.kind, m.folders, m.files);
        EXPECT_EQ(r.passed, c.message.empty()) << c.text;
        EXPECT_EQ(r.message, c.message) << c.text;
        EXPECT_EQ(r.base, c.base) << c.text;
    }
}

TEST(PathFieldCheck, JapaneseSingleCharacterIsRelative) {
    testing::DialogMachine m;
    m.files.AddFile("C:\\WINDOWS\\表");
    const PathFieldResult r = CheckPathField("表", PathField::Program, m.folders, m.files);
    EXPECT_TRUE(r.passed);
    EXPECT_EQ(r.base, 3);
}

TEST(PathFieldCheck, WorkFolder) {
    const testing::DialogMachine m;
    EXPECT_EQ(CheckWorkFolder("", m.files), "");
    EXPECT_EQ(CheckWorkFolder("x", m.files), "");  // one character is not looked at
    EXPECT_EQ(CheckWorkFolder("C:\\WORK", m.files), "");
    EXPECT_EQ(CheckWorkFolder("\\\\SRV\\SHARE\\DIR", m.files), "");
    EXPECT_EQ(CheckWorkFolder("C:\\NOWHERE", m.files), kWrongWorkFolder);
    EXPECT_EQ(CheckWorkFolder("C:\\APPS\\EDIT.EXE", m.files), kWrongWorkFolder);  // a file, not a folder
}

}  // namespace
}  // namespace torva::editor::dialogs
