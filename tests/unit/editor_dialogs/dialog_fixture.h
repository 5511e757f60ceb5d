#pragma once
// A machine for the dialog tests: a definition folder, a program folder, the Windows and System
// folders and a few files in each, with icon counts for the icon files.

#include "definition/path_check.h"
#include "tests/unit/editor/fakes.h"

namespace torva::editor::dialogs::testing {

struct DialogMachine {
    DialogMachine() {
        files.AddFolders({"C:\\MENU", "C:\\TORVA", "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32", "C:\\WORK",
                          "\\\\SRV\\SHARE\\DIR"});
        files.AddFiles({"C:\\WINDOWS\\NOTEPAD.EXE", "C:\\WINDOWS\\SYSTEM32\\SHELL32.DLL",
                        "C:\\WINDOWS\\SYSTEM32\\CALC.EXE", "C:\\MENU\\TOOL.EXE", "C:\\MENU\\A.ICO",
                        "C:\\TORVA\\TVSCRIPT.EXE", "C:\\TORVA\\A.ICO", "C:\\APPS\\EDIT.EXE",
                        "C:\\APPS\\PLAIN.EXE", "C:\\PICS\\BACK.BMP", "C:\\MENU\\BACK.JPG",
                        "\\\\SRV\\SHARE\\RUN.EXE", "C:\\ICONS\\MANY.DLL", "C:\\ICONS\\B.CUR",
                        "C:\\ICONS\\PIC.BMP"});
        icons.Set("C:\\WINDOWS\\SYSTEM32\\SHELL32.DLL", 40);
        icons.Set("C:\\WINDOWS\\SYSTEM32\\CALC.EXE", 1);
        icons.Set("C:\\MENU\\TOOL.EXE", 3);
        icons.Set("C:\\APPS\\EDIT.EXE", 2);
        icons.Set("C:\\ICONS\\MANY.DLL", 25);
    }

    definition::SearchFolders folders{"C:\\MENU", "C:\\TORVA", "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32"};
    editor::testing::FakeFileSystem files;
    editor::testing::FakeIcons icons;
};

}  // namespace torva::editor::dialogs::testing
