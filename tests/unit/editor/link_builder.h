#pragma once
// Builds shell link files byte by byte, so that tests can state exactly which parts a link holds.

#include <cstdint>
#include <string>
#include <vector>

namespace torva::editor::testing {

inline void PutU16(std::string& out, uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}
inline void PutU32(std::string& out, uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}
inline void SetU32(std::string& out, std::size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}
// UTF-16LE of a text made of code points below U+10000 given as UTF-16 units.
inline std::string Utf16(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) PutU16(out, c);
    return out;
}

struct LinkSpec {
    uint32_t extraFlags = 0;
    int32_t iconIndex = 0;
    std::string idList;  // raw item id list bytes; empty = none
    bool linkInfo = false;
    bool network = false;          // a network share instead of a local base path
    std::string localBase;         // code-page bytes
    std::string suffix;            // code-page bytes
    std::string netName;           // code-page bytes
    std::string localBaseUnicode;  // UTF-16LE bytes; non-empty = header of 0x24 bytes
    bool unicode = false;          // string data in UTF-16LE (the strings below are then UTF-16LE bytes)
    std::vector<std::pair<uint32_t, std::string>> strings;  // (flag, raw string bytes) in file order
};

inline std::string BuildLinkInfo(const LinkSpec& s) {
    const bool wide = !s.localBaseUnicode.empty();
    const uint32_t headerSize = wide ? 0x24 : 0x1C;
    std::string body;  // after the header
    std::string block(headerSize, '\0');
    uint32_t localOffset = 0, networkOffset = 0, suffixOffset = 0, localUnicodeOffset = 0;
    auto here = [&] { return static_cast<uint32_t>(headerSize + body.size()); };
    if (!s.network) {
        // Volume id: size, drive type, serial, label offset, empty label.
        std::string volume;
        PutU32(volume, 0x11);
        PutU32(volume, 3);
        PutU32(volume, 0x1234);
        PutU32(volume, 0x10);
        volume += '\0';
        body += volume;
        localOffset = here();
        body += s.localBase + '\0';
        if (wide) {
            localUnicodeOffset = here();
            body += s.localBaseUnicode + std::string(2, '\0');
        }
    } else {
        networkOffset = here();
        std::string net;
        PutU32(net, 0);  // size, set below
        PutU32(net, 0);  // flags
        PutU32(net, 0x14);
        PutU32(net, 0);
        PutU32(net, 0x20000);
        net += s.netName + '\0';
        SetU32(net, 0, static_cast<uint32_t>(net.size()));
        body += net;
    }
    suffixOffset = here();
    body += s.suffix + '\0';
    SetU32(block, 4, headerSize);
    SetU32(block, 8, s.network ? 2u : 1u);
    SetU32(block, 12, s.network ? 0u : headerSize);
    SetU32(block, 16, localOffset);
    SetU32(block, 20, networkOffset);
    SetU32(block, 24, suffixOffset);
    if (wide) {
        SetU32(block, 28, localUnicodeOffset);
        SetU32(block, 32, 0);
    }
    block += body;
    SetU32(block, 0, static_cast<uint32_t>(block.size()));
    return block;
}

inline std::string BuildLink(const LinkSpec& s) {
    uint32_t flags = s.extraFlags;
    if (!s.idList.empty()) flags |= 0x01;
    if (s.linkInfo) flags |= 0x02;
    if (s.unicode) flags |= 0x80;
    for (const auto& str : s.strings) flags |= str.first;
    std::string out;
    PutU32(out, 0x4C);
    const unsigned char clsid[16] = {0x01, 0x14, 0x02, 0, 0, 0, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46};
    out.append(reinterpret_cast<const char*>(clsid), 16);
    PutU32(out, flags);
    out.append(0x4C - out.size(), '\0');
    SetU32(out, 56, static_cast<uint32_t>(s.iconIndex));
    if (!s.idList.empty()) {
        PutU16(out, static_cast<uint32_t>(s.idList.size()));
        out += s.idList;
    }
    if (s.linkInfo) out += BuildLinkInfo(s);
    for (const auto& [flag, raw] : s.strings) {
        const std::size_t count = s.unicode ? raw.size() / 2 : raw.size();
        PutU16(out, static_cast<uint32_t>(count));
        out += raw;
    }
    return out;
}

}  // namespace torva::editor::testing
