#pragma once
// Reading and writing definitions in memory: a fake machine with a definition folder, a program
// folder, a Windows and a System folder.

#include <initializer_list>
#include <memory>
#include <string>

#include "common/cp932.h"
#include "definition/definition_reader.h"
#include "definition/definition_writer.h"
#include "tests/support/fake_file_system.h"

namespace torva::testing {

inline const char* const kDefinitionPath = "C:\\MENU\\M.TVX";

inline std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

struct DefinitionFixture {
    DefinitionFixture() {
        folders.definitionFolder = "C:\\MENU";
        folders.programFolder = "C:\\TORVA";
        folders.windowsFolder = "C:\\WINDOWS";
        folders.systemFolder = "C:\\WINDOWS\\SYSTEM32";
        for (const char* folder :
             {"C:\\MENU", "C:\\TORVA", "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32", "C:\\WORK"})
            files.AddFolder(folder);
        files.AddFile("C:\\WINDOWS\\NOTEPAD.EXE");
        files.AddFile("C:\\WINDOWS\\SYSTEM32\\CALC.EXE");
        files.AddFile("C:\\X\\A.BMP");
        files.AddFile("C:\\X\\A.ICO");
        files.AddFile("C:\\TOOLS\\START.EXE");
        files.AddFile("C:\\Program Files\\Viewer\\view.exe");
        files.AddFile("C:\\MENU\\TOOL.EXE");
        files.AddFile("C:\\MENU\\BACK.BMP");
        files.AddFile("C:\\TORVA\\TV.ICO");
        files.AddFile("\\\\SRV\\SHARE\\APP.EXE");
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
