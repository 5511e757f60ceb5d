#include "tools/schema_location.h"

namespace torva::tools {

std::string SchemaLocation(std::string_view folder) {
    std::string path(folder);
    while (!path.empty() && path.back() == '\\') path.pop_back();
    path += '\\';
    path += kSchemaFileName;
    std::string uri = "file:";
    if (path.starts_with("\\\\")) {
        path.erase(0, 2);
        uri += "//";
    } else {
        uri += "///";
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                           (byte >= '0' && byte <= '9') || c == '-' || c == '.' || c == '_' || c == '~' ||
                           c == ':';
        if (c == '\\') {
            uri += '/';
        } else if (plain) {
            uri += c;
        } else {
            uri += '%';
            uri += kHex[byte >> 4];
            uri += kHex[byte & 0xF];
        }
    }
    return uri;
}

}  // namespace torva::tools
