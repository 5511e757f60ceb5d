// The shortcut reader must refuse or read any bytes without reading outside them, and read the same
// bytes the same way twice.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "editor/shell_link.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto first = torva::editor::ParseShellLink(bytes);
    const auto second = torva::editor::ParseShellLink(bytes);
    if (first.has_value() != second.has_value()) std::abort();
    if (first && (first->targetPath != second->targetPath || first->iconLocation != second->iconLocation)) {
        std::abort();
    }
    // A link that reads has at least its header.
    if (first && size < 0x4C) std::abort();
    return 0;
}
