#pragma once
// Reading and writing definitions in memory: a fake machine with a definition folder, a program
// folder, a Windows and a System folder.

#include <memory>
#include <string>
#include <vector>

#include "common/cp932.h"
#include "definition/definition_reader.h"
#include "definition/definition_writer.h"
#include "tests/support/fake_file_system.h"
#include "tests/support/text_lines.h"

namespace torva::testing {

inline const char* const kDefinitionPath = "C:\\MENU\\M.TVX";

// The lines of page 1 of a definition.
inline std::string Page1(const std::vector<std::string>& lines) {
    return "[PAGE1]\r\n" + Lines(lines);
}

struct DefinitionFixture {
    DefinitionFixture() {
        folders.definitionFolder = "C:\\MENU";
        folders.programFolder = "C:\\TORVA";
        folders.windowsFolder = "C:\\WINDOWS";
        folders.systemFolder = "C:\\WINDOWS\\SYSTEM32";
        files.AddFolders({"C:\\MENU", "C:\\TORVA", "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32", "C:\\WORK"});
        files.AddFiles({"C:\\WINDOWS\\NOTEPAD.EXE", "C:\\WINDOWS\\SYSTEM32\\CALC.EXE", "C:\\X\\A.BMP",
                        "C:\\X\\A.ICO", "C:\\TOOLS\\START.EXE", "C:\\Program Files\\Viewer\\view.exe",
                        "C:\\MENU\\TOOL.EXE", "C:\\MENU\\BACK.BMP", "C:\\TORVA\\TV.ICO",
                        "\\\\SRV\\SHARE\\APP.EXE"});
    }

    definition::ReadResult Read(const std::string& utf8Text, definition::ReaderKind kind) {
        const definition::ReaderContext context{definition::ReaderPolicy::For(kind), folders, files,
                                                kDefinitionPath};
        return definition::readDefinitionBytes(Utf8ToCp932(utf8Text), *def, context);
    }
    definition::ReadResult Runtime(const std::string& text) {
        return Read(text, definition::ReaderKind::Runtime);
    }
    definition::ReadResult Editor(const std::string& text) {
        return Read(text, definition::ReaderKind::Editor);
    }

    std::string Write() const { return definition::definitionText(*def, folders); }

    FakeFileSystem files;
    definition::SearchFolders folders;
    std::unique_ptr<definition::MenuDefinition> def = std::make_unique<definition::MenuDefinition>();
};

}  // namespace torva::testing
