// Windows codec through the system's code page 932 tables.
#include <windows.h>

#include "common/cp932.h"
#include "common/utf8.h"

namespace torva {

namespace {

bool DecodeRun(std::string_view bytes, std::wstring& out) {
    if (bytes.empty()) return true;
    const int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
                                      nullptr, 0);
    if (n <= 0) return false;
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), wide.data(),
                        n);
    out += wide;
    return true;
}

void AppendWide(std::string& out, const std::wstring& wide) {
    for (std::size_t i = 0; i < wide.size(); ++i) {
        char32_t cp = wide[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < wide.size()) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (static_cast<char32_t>(wide[i + 1]) - 0xDC00);
            ++i;
        }
        AppendUtf8(out, cp);
    }
}

// One character's worth of Shift-JIS bytes at pos: two for a lead byte with a following byte.
std::size_t CharLength(std::string_view bytes, std::size_t pos) {
    return IsCp932LeadByte(static_cast<unsigned char>(bytes[pos])) && pos + 1 < bytes.size() ? 2 : 1;
}

}  // namespace

Cp932Decoded DecodeCp932(std::string_view bytes) {
    Cp932Decoded result;
    std::wstring wide;
    if (DecodeRun(bytes, wide)) {
        AppendWide(result.text, wide);
        return result;
    }
    // Some byte is bad: go character by character so that only the bad ones are replaced.
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t len = CharLength(bytes, pos);
        std::wstring one;
        if (DecodeRun(bytes.substr(pos, len), one)) {
            AppendWide(result.text, one);
            pos += len;
        } else {
            AppendUtf8(result.text, 0xFFFD);
            ++result.invalid;
            pos += 1;
        }
    }
    return result;
}

namespace {

// UTF-16 of a UTF-8 text; malformed bytes become U+FFFD, which has no Shift-JIS form.
std::wstring ToUtf16(std::string_view utf8) {
    std::wstring wide;
    wide.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        std::size_t len = 0;
        const char32_t cp = DecodeAt(utf8, pos, &len);
        pos += len;
        if (cp >= 0x10000) {
            wide += static_cast<wchar_t>(0xD800 + ((cp - 0x10000) >> 10));
            wide += static_cast<wchar_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            wide += static_cast<wchar_t>(cp);
        }
    }
    return wide;
}

// The whole text in one call; false when any character had no Shift-JIS form.
bool EncodeWhole(std::string_view utf8, std::string& out) {
    if (utf8.empty()) return true;
    const std::wstring wide = ToUtf16(utf8);
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, &usedDefault);
    if (n <= 0 || usedDefault) return false;
    std::string bytes(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), bytes.data(),
                        n, nullptr, &usedDefault);
    if (usedDefault) return false;
    out = std::move(bytes);
    return true;
}

}  // namespace

Cp932Encoded EncodeCp932(std::string_view utf8) {
    Cp932Encoded result;
    if (EncodeWhole(utf8, result.bytes)) return result;
    // Some character has no form: go character by character so that only those become "?".
    for (std::size_t pos = 0; pos < utf8.size();) {
        std::size_t len = 0;
        const char32_t cp = DecodeAt(utf8, pos, &len);
        pos += len;
        if (cp < 0x80) {
            result.bytes += static_cast<char>(cp);
            continue;
        }
        wchar_t units[2];
        int count = 1;
        if (cp >= 0x10000) {
            units[0] = static_cast<wchar_t>(0xD800 + ((cp - 0x10000) >> 10));
            units[1] = static_cast<wchar_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
            count = 2;
        } else {
            units[0] = static_cast<wchar_t>(cp);
        }
        char buffer[8];
        BOOL usedDefault = FALSE;
        const int n = cp == 0xFFFD ? 0
                                   : WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, units, count, buffer,
                                                         sizeof buffer, nullptr, &usedDefault);
        if (n <= 0 || usedDefault) {
            result.bytes += '?';
            ++result.unmappable;
        } else {
            result.bytes.append(buffer, static_cast<std::size_t>(n));
        }
    }
    return result;
}

std::size_t Cp932ByteLength(std::string_view utf8) {
    return EncodeCp932(utf8).bytes.size();
}

}  // namespace torva
