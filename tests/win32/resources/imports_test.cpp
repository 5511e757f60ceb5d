// The libraries a program loads before its first instruction, read from its import table. The
// document opener runs at every start of the menu and the editor, beside their own start: the
// window system, the shell and COM cost it more than its work, so it loads them only to open a
// document (and to report a failure).
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/utf8.h"
#include "tests/e2e/harness/process.h"

namespace torva::e2e {
namespace {

// Names of the libraries in the import directory of a PE file, upper-cased; empty when the file
// cannot be read as one.
std::vector<std::string> ImportedLibraries(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    auto at = [&](std::size_t offset, std::size_t size) -> const char* {
        return offset <= bytes.size() && size <= bytes.size() - offset ? bytes.data() + offset : nullptr;
    };
    std::vector<std::string> names;
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(at(0, sizeof(IMAGE_DOS_HEADER)));
    if (!dos || dos->e_magic != IMAGE_DOS_SIGNATURE) return names;
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(
        at(static_cast<std::size_t>(dos->e_lfanew), sizeof(IMAGE_NT_HEADERS64)));
    if (!nt || nt->Signature != IMAGE_NT_SIGNATURE) return names;
    const auto* sections = reinterpret_cast<const IMAGE_SECTION_HEADER*>(
        at(static_cast<std::size_t>(dos->e_lfanew) + offsetof(IMAGE_NT_HEADERS64, OptionalHeader) +
               nt->FileHeader.SizeOfOptionalHeader,
           sizeof(IMAGE_SECTION_HEADER) * nt->FileHeader.NumberOfSections));
    if (!sections) return names;
    auto fileOffset = [&](DWORD rva) -> std::size_t {
        for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
            const IMAGE_SECTION_HEADER& s = sections[i];
            if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.SizeOfRawData)
                return rva - s.VirtualAddress + s.PointerToRawData;
        }
        return bytes.size();
    };
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (std::size_t offset = fileOffset(dir.VirtualAddress);; offset += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
        const auto* entry =
            reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(at(offset, sizeof(IMAGE_IMPORT_DESCRIPTOR)));
        if (!entry || entry->Name == 0) break;
        const std::size_t name = fileOffset(entry->Name);
        const char* text = at(name, 1);
        if (!text) break;
        names.push_back(UpperLetters(std::string(text, strnlen(text, bytes.size() - name))));
    }
    return names;
}

TEST(ProgramImports, DocumentOpenerStartsWithoutTheWindowSystemTheShellOrCom) {
    const std::vector<std::string> imports = ImportedLibraries(ProgramPath("Tvshell.exe"));
    // The reading itself works: the system's own libraries are there.
    ASSERT_NE(std::find(imports.begin(), imports.end(), "KERNEL32.DLL"), imports.end());
    ASSERT_NE(std::find(imports.begin(), imports.end(), "ADVAPI32.DLL"), imports.end());
    for (const char* late :
         {"USER32.DLL", "GDI32.DLL", "SHELL32.DLL", "OLE32.DLL", "OLEAUT32.DLL", "COMCTL32.DLL"}) {
        EXPECT_EQ(std::find(imports.begin(), imports.end(), late), imports.end()) << late;
    }
}

}  // namespace
}  // namespace torva::e2e
