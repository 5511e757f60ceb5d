// The definition reader under arbitrary bytes, in both readers; then, for a file the editor reads
// cleanly, the writer and a second read: what was written must read back cleanly and write the same
// bytes again.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "common/cp932.h"
#include "definition/definition_reader.h"
#include "definition/definition_writer.h"
#include "tests/support/fake_file_system.h"

namespace {

using namespace torva::definition;

struct Machine {
    Machine() {
        folders = {"C:\\MENU", "C:\\TORVA", "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32"};
        files.AddFolders({"C:\\MENU", "C:\\TORVA", "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32", "C:\\WORK"});
        files.AddFiles({"C:\\WINDOWS\\NOTEPAD.EXE", "C:\\WINDOWS\\SYSTEM32\\CALC.EXE", "C:\\X\\A.ICO",
                        "C:\\X\\A.BMP", "C:\\MENU\\TOOL.EXE", "C:\\TORVA\\TV.ICO", "C:\\A"});
    }
    torva::testing::FakeFileSystem files;
    SearchFolders folders;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static Machine machine;
    static auto def = std::make_unique<MenuDefinition>();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const auto kind : {ReaderKind::Runtime, ReaderKind::Editor}) {
        const ReaderContext context{ReaderPolicy::For(kind), machine.folders, machine.files,
                                    "C:\\MENU\\M.TVX"};
        const ReadResult first = readDefinitionBytes(bytes, *def, context);
        (void)first.ReportText();
        if (kind == ReaderKind::Runtime || !first.ok() || first.invalidBytes != 0) continue;
        const std::string written = definitionText(*def, machine.folders);
        const torva::Cp932Encoded encoded = torva::EncodeCp932(written);
        if (encoded.unmappable != 0) continue;  // nothing the file held is lost by this
        const ReadResult second = readDefinitionBytes(encoded.bytes, *def, context);
        if (!second.ok()) __builtin_trap();
        if (definitionText(*def, machine.folders) != written) __builtin_trap();
    }
    return 0;
}
