// Any bytes as an old definition: the conversion reports or reads them, and the model it leaves is
// then listed and written without failing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "definition/convert_definition.h"
#include "definition/definition_listing.h"
#include "definition/definition_writer.h"
#include "tests/support/fake_file_system.h"

namespace {

// A machine where only a few files and folders exist, so that every path rule can pass and fail.
torva::testing::FakeFileSystem MakeFiles() {
    torva::testing::FakeFileSystem files;
    files.AddFolders({"C:\\T", "C:\\D"});
    files.AddFiles({"C:\\T\\a.exe", "C:\\T\\i.ico", "C:\\D\\r.exe"});
    return files;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const torva::testing::FakeFileSystem files = MakeFiles();
    static const auto def = std::make_unique<torva::definition::MenuDefinition>();
    const torva::definition::ConvertContext context{
        {"C:\\D", "C:\\P", "C:\\W", "C:\\W\\S"}, files, "C:\\D\\OLD.TVX"};
    const auto result = torva::definition::convertDefinitionBytes(
        std::string_view(reinterpret_cast<const char*>(data), size), *def, context);
    if (result.stopped && result.failures.empty() && result.runErrorNumber == 0) std::abort();
    for (int p = 1; p <= torva::definition::kPageCount; ++p) {
        for (const auto& b : def->Page(p).buttons) {
            if (static_cast<int>(b.action) >= torva::definition::kActionCount) std::abort();
        }
    }
    (void)torva::definition::listingText(*def, context.folders);
    (void)torva::definition::definitionText(*def, context.folders);
    return 0;
}
