#include "editor/shell_link.h"

#include <array>

#include "common/cp932.h"
#include "common/utf8.h"

namespace torva::editor {

namespace {

constexpr std::size_t kHeaderSize = 0x4C;
constexpr std::array<unsigned char, 16> kLinkClsid = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                                      0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

// Link information flags and the smallest headers of the blocks they announce.
constexpr uint32_t kVolumeIdAndLocalBasePath = 0x01;
constexpr uint32_t kCommonNetworkRelativeLink = 0x02;
constexpr uint32_t kMinLinkInfoHeader = 0x1C;
constexpr uint32_t kUnicodeLinkInfoHeader = 0x24;
constexpr uint32_t kMinNetworkLinkSize = 0x14;

// A bounded view that refuses every read outside its bytes.
class Cursor {
  public:
    explicit Cursor(std::string_view data) : data_(data) {}

    std::optional<uint16_t> U16(std::size_t at) const {
        if (!Fits(at, 2)) return std::nullopt;
        return static_cast<uint16_t>(Byte(at) | (Byte(at + 1) << 8));
    }
    std::optional<uint32_t> U32(std::size_t at) const {
        if (!Fits(at, 4)) return std::nullopt;
        return static_cast<uint32_t>(Byte(at)) | (static_cast<uint32_t>(Byte(at + 1)) << 8) |
               (static_cast<uint32_t>(Byte(at + 2)) << 16) | (static_cast<uint32_t>(Byte(at + 3)) << 24);
    }
    bool Fits(std::size_t at, std::size_t length) const {
        return at <= data_.size() && length <= data_.size() - at;
    }
    std::string_view Slice(std::size_t at, std::size_t length) const { return data_.substr(at, length); }
    std::size_t size() const { return data_.size(); }

    // A zero-terminated code-page string starting at `at`; nothing when it has no terminator.
    std::optional<std::string> AnsiZ(std::size_t at) const {
        if (at >= data_.size()) return std::nullopt;
        const auto end = data_.find('\0', at);
        if (end == std::string_view::npos) return std::nullopt;
        return Cp932ToUtf8(data_.substr(at, end - at));
    }
    // A zero-terminated UTF-16LE string starting at `at`.
    std::optional<std::string> UnicodeZ(std::size_t at) const {
        for (std::size_t end = at; Fits(end, 2); end += 2) {
            if (Byte(end) == 0 && Byte(end + 1) == 0) return DecodeUtf16(data_.substr(at, end - at));
        }
        return std::nullopt;
    }

    static std::string DecodeUtf16(std::string_view units) {
        std::string out;
        const auto unit = [&](std::size_t i) {
            return static_cast<char32_t>(static_cast<unsigned char>(units[i]) |
                                         (static_cast<unsigned char>(units[i + 1]) << 8));
        };
        for (std::size_t i = 0; i + 1 < units.size(); i += 2) {
            char32_t cp = unit(i);
            if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < units.size()) {
                const char32_t low = unit(i + 2);
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                    i += 2;
                    AppendUtf8(out, cp);
                    continue;
                }
            }
            if (cp >= 0xD800 && cp <= 0xDFFF) cp = 0xFFFD;  // a lone surrogate
            AppendUtf8(out, cp);
        }
        return out;
    }

  private:
    unsigned Byte(std::size_t at) const { return static_cast<unsigned char>(data_[at]); }
    std::string_view data_;
};

// Reads the string at a block-relative offset, preferring the Unicode copy when there is one.
std::optional<std::string> BlockString(const Cursor& block, uint32_t ansiOffset, uint32_t unicodeOffset) {
    if (unicodeOffset != 0) return block.UnicodeZ(unicodeOffset);
    if (ansiOffset == 0) return std::string();
    return block.AnsiZ(ansiOffset);
}

// The target path of the link information block; false when the block is malformed.
bool ReadLinkInfo(const Cursor& block, std::string& target) {
    const auto headerSize = block.U32(4);
    const auto flags = block.U32(8);
    const auto localBaseOffset = block.U32(16);
    const auto networkOffset = block.U32(20);
    const auto suffixOffset = block.U32(24);
    if (!headerSize || !flags || !localBaseOffset || !networkOffset || !suffixOffset) return false;
    if (*headerSize < kMinLinkInfoHeader || *headerSize > block.size()) return false;
    uint32_t localBaseUnicode = 0;
    uint32_t suffixUnicode = 0;
    if (*headerSize >= kUnicodeLinkInfoHeader) {
        const auto a = block.U32(28);
        const auto b = block.U32(32);
        if (!a || !b) return false;
        localBaseUnicode = *a;
        suffixUnicode = *b;
    }
    const auto suffix = BlockString(block, *suffixOffset, suffixUnicode);
    if (!suffix) return false;

    if (*flags & kVolumeIdAndLocalBasePath) {
        const auto base = BlockString(block, *localBaseOffset, localBaseUnicode);
        if (!base) return false;
        target = *base + *suffix;
        return true;
    }
    if (*flags & kCommonNetworkRelativeLink) {
        const std::size_t at = *networkOffset;
        const auto size = block.U32(at);
        const auto netNameOffset = block.U32(at + 8);
        if (!size || !netNameOffset || *size < kMinNetworkLinkSize || !block.Fits(at, *size)) return false;
        const Cursor network(block.Slice(at, *size));
        uint32_t netNameUnicode = 0;
        if (*netNameOffset > kMinNetworkLinkSize) {
            const auto u = network.U32(20);
            if (!u) return false;
            netNameUnicode = *u;
        }
        const auto share = BlockString(network, *netNameOffset, netNameUnicode);
        if (!share) return false;
        target = *share;
        if (!suffix->empty()) target += "\\" + *suffix;
        return true;
    }
    target.clear();  // neither a local nor a network target: nothing to take
    return true;
}

}  // namespace

std::optional<ShellLink> ParseShellLink(std::string_view bytes) {
    const Cursor file(bytes);
    const auto headerSize = file.U32(0);
    if (!headerSize || *headerSize != kHeaderSize || !file.Fits(0, kHeaderSize)) return std::nullopt;
    for (std::size_t i = 0; i < kLinkClsid.size(); ++i) {
        if (static_cast<unsigned char>(bytes[4 + i]) != kLinkClsid[i]) return std::nullopt;
    }
    ShellLink link;
    link.flags = *file.U32(20);
    link.iconIndex = static_cast<int32_t>(*file.U32(56));
    std::size_t pos = kHeaderSize;

    if (link.flags & kLinkHasTargetIdList) {
        const auto idListSize = file.U16(pos);
        if (!idListSize || !file.Fits(pos + 2, *idListSize)) return std::nullopt;
        pos += 2 + *idListSize;
    }
    if (link.flags & kLinkHasLinkInfo) {
        const auto size = file.U32(pos);
        if (!size || *size < kMinLinkInfoHeader || !file.Fits(pos, *size)) return std::nullopt;
        if (!ReadLinkInfo(Cursor(file.Slice(pos, *size)), link.targetPath)) return std::nullopt;
        link.hasLinkInfo = true;
        pos += *size;
    }

    const bool unicode = (link.flags & kLinkIsUnicode) != 0;
    const std::pair<uint32_t, std::string*> strings[] = {
        {kLinkHasName, &link.name},
        {kLinkHasRelativePath, &link.relativePath},
        {kLinkHasWorkingDir, &link.workingDir},
        {kLinkHasArguments, &link.arguments},
        {kLinkHasIconLocation, &link.iconLocation},
    };
    for (const auto& [flag, out] : strings) {
        if (!(link.flags & flag)) continue;
        const auto count = file.U16(pos);
        if (!count) return std::nullopt;
        pos += 2;
        const std::size_t length = unicode ? std::size_t{*count} * 2 : *count;
        if (!file.Fits(pos, length)) return std::nullopt;
        const auto raw = file.Slice(pos, length);
        *out = unicode ? Cursor::DecodeUtf16(raw) : Cp932ToUtf8(raw);
        // Some writers count a terminating zero into the length; a text ends at its first zero.
        if (const auto zero = out->find('\0'); zero != std::string::npos) out->resize(zero);
        pos += length;
    }
    link.hasIconLocation = (link.flags & kLinkHasIconLocation) != 0;
    return link;
}

}  // namespace torva::editor
